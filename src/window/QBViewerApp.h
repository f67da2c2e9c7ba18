#pragma once
// The program's life around the main window: the supporting modules start before any window exists
// (folders, settings file, plug-in manager with the program's own view class) and shut down after
// the window is gone, the settings file written once at the very end.

#include "settings/QBFolders.h"

#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class TFrmViewer;
class TQBCustomViewClass;
class TQBIniFile;
class TQBPlugInManagerScope;

class TQBModules {
public:
  // writeSettings off leaves the settings file untouched at shut-down (a tool rendering the window).
  // plugInError, when given, takes the plug-in manager's error reports instead of its message boxes.
  explicit TQBModules(const TQBCustomViewClass& defaultView, bool writeSettings = true,
                      std::function<void(const QString&)> plugInError = {});
  ~TQBModules();
  TQBModules(const TQBModules&) = delete;
  TQBModules& operator=(const TQBModules&) = delete;

  TQBIniFile& Settings() const { return *FIni; }
  const TQBFolders& Folders() const { return FFolders; }

private:
  TQBFolders FFolders;
  std::unique_ptr<TQBIniFile> FIni;
  std::unique_ptr<TQBPlugInManagerScope> FPlugIns;
  bool FWriteSettings;
};

// Runs the viewer: modules, main window, event loop. argv[1] may name a log file to open.
int QBRunViewer(int argc, char** argv, const TQBCustomViewClass& defaultView);

// Renders the main window offscreen with a log loaded into a PNG file, the row selectRow selected
// when it is not -1; 0 on success. Nothing waits for a person: a plug-in error, a missing file or an
// invalid log ends it at once with one line on stderr and 1. The caller's QApplication must run on
// the offscreen platform. afterSelect, when given, runs on the window once the row is selected and
// its non-zero result ends the rendering with that result.
int QBRenderViewer(const QString& logFile, const QString& pngFile, const QSize& size,
                   const TQBCustomViewClass& defaultView, int selectRow = -1,
                   const std::function<int(TFrmViewer&)>& afterSelect = {});
