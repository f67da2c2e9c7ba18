# Sources of the main window, its command table and the log file commands.
