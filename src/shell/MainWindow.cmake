# Sources of the main window, its command table and the log file commands.
# Widget-free rules and state:
target_sources(qbcore PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/QBCommandRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QBLayoutRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QBStatusTexts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QBLogState.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QBLogCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QBMessageOrigin.cpp
)
# The window and its widgets:
target_sources(qbgui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/QBCommandTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QBToolStrip.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QBMenus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QBStatusPanes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QBMainLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QBShortenPath.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QBLoadProgress.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QBShellDialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QBMainForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QBMainFormCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QBMainFormLog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QBMainFormLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QBMainFormViews.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QBMainFormInspector.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QBViewerApp.cpp
)
