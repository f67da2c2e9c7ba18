#include "shell/QBViewerApp.h"

#include "inspectors/QBPlugInManager.h"
#include "shell/QBIniFile.h"
#include "shell/QBLogState.h"
#include "shell/QBMainForm.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <exception>

TQBModules::TQBModules(const TQBCustomViewClass& defaultView, bool writeSettings)
    : FFolders(qbfolders::ResolveFolders()),
      FIni(std::make_unique<TQBIniFile>(FFolders.UserData + SettingsFileName, false)),
      FPlugIns(std::make_unique<TQBPlugInManagerScope>(defaultView)),
      FWriteSettings(writeSettings) {}

TQBModules::~TQBModules() {
  FPlugIns.reset();
  if (!FWriteSettings) return;
  try {
    FIni->UpdateFile();
  } catch (const std::exception& e) {
    // No window is left to show it in.
    std::fprintf(stderr, "QBFileViewer: %s\n", e.what());
  }
}

namespace {

// The general error report: an error that escapes a command is shown, and the program goes on.
class TViewerApplication final : public QApplication {
public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
      ShowError(QString::fromUtf8(e.what()));
    } catch (...) {
      ShowError(QStringLiteral("An unknown error occurred."));
    }
    return false;
  }

private:
  static void ShowError(const QString& text) {
    NewShellDialogs()->ShowError(QApplication::activeWindow(), QBApplicationTitle, text);
  }
};

}  // namespace

int QBRunViewer(int argc, char** argv, const TQBCustomViewClass& defaultView) {
  TViewerApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("QBFileViewer"));
  QApplication::setQuitOnLastWindowClosed(true);
  TQBModules modules(defaultView);
  int result = 0;
  {
    TFrmViewer window(modules.Settings(), modules.Folders(), QApplication::arguments().mid(1));
    window.show();
    result = QApplication::exec();
  }
  return result;
}

int QBRenderViewer(const QString& logFile, const QString& pngFile, const QSize& size,
                   const TQBCustomViewClass& defaultView) {
  TQBModules modules(defaultView, false);
  TFrmViewer window(modules.Settings(), modules.Folders(), {logFile});
  window.resize(size);
  window.show();
  QEventLoop loop;
  QObject::connect(&window, &TFrmViewer::CommandLineLoadDone, &loop, &QEventLoop::quit);
  QTimer::singleShot(120000, &loop, &QEventLoop::quit);
  loop.exec();
  if (window.LogState().CurrentFile.isEmpty()) {
    std::fprintf(stderr, "qbrender: %s could not be loaded\n", qPrintable(logFile));
    return 1;
  }
  QApplication::processEvents();
  if (!window.grab().save(pngFile, "PNG")) {
    std::fprintf(stderr, "qbrender: cannot write %s\n", qPrintable(pngFile));
    return 1;
  }
  return 0;
}
