#pragma once
// Help topics: a topic opens the help file "Help/Quillbox4.chm" under the install folder at the
// address "::/<topic in lower case>.htm"; without the file, the "Quillbox Help" error box says so.
// The two help commands use it, and so can every dialog with a help button.

#include <QString>

class IQBHelpWindow {
public:
  virtual ~IQBHelpWindow() = default;
  // Opens the help file at the topic's address inside it.
  virtual void OpenHelpFile(const QString& file, const QString& address) = 0;
  // The error box, captioned caption.
  virtual void ShowHelpError(const QString& caption, const QString& text) = 0;
};

class TQBHelpCommands {
public:
  // installFolder ends with "/", or is empty when the install folder is unknown.
  TQBHelpCommands(const QString& installFolder, IQBHelpWindow& window) : FInstall(installFolder), FWindow(window) {}

  void ShowTopic(const QString& topic);
  // "Viewer" for Quillbox Viewer Help, "QuillboxLoggingSystem" for Quillbox Help.
  static QString TopicAddress(const QString& topic);

private:
  QString FInstall;
  IQBHelpWindow& FWindow;
};
