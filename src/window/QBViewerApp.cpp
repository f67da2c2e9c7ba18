#include "window/QBViewerApp.h"

#include "plugins/QBPlugInUtils.h"
#include "plugins/widgets/QBPlugInManager.h"
#include "settings/QBIniFile.h"
#include "shell/QBVocabulary.h"
#include "window/QBMainForm.h"
#include "window/QBTerminateSignal.h"
#include "window/dialogs/QBOffscreenDialogs.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <exception>

namespace {

TQBMessageBoxFn PlugInReport(std::function<void(const QString&)> plugInError) {
  if (!plugInError) return {};
  return [plugInError = std::move(plugInError)](QMessageBox::Icon, const QString&, const QString& text) {
    plugInError(text);
  };
}

}  // namespace

TQBModules::TQBModules(const TQBCustomViewClass& defaultView, bool writeSettings,
                       std::function<void(const QString&)> plugInError)
    : FFolders(qbfolders::ResolveFolders()),
      FIni(std::make_unique<TQBIniFile>(FFolders.UserData + SettingsFileName, false)),
      FPlugIns(std::make_unique<TQBPlugInManagerScope>(qbplugins::PlugInFolderOf(FFolders.Install), defaultView,
                                                       PlugInReport(std::move(plugInError)))),
      FWriteSettings(writeSettings) {
  // No window exists yet to show it in; the defaults are used.
  if (!FIni->ReadProblem().isEmpty())
    std::fprintf(stderr, "QBFileViewer: the settings file %s is not read: %s\n", qPrintable(FIni->FileName()),
                 qPrintable(FIni->ReadProblem()));
}

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
    NewErrorReport()->ShowError(QApplication::activeWindow(), QBApplicationTitle, text);
  }
};

}  // namespace

int QBRunViewer(int argc, char** argv, const TQBCustomViewClass& defaultView) {
  TQBTerminateSignal terminate;
  TViewerApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("QBFileViewer"));
  QApplication::setQuitOnLastWindowClosed(true);
  TQBModules modules(defaultView);
  int result = 0;
  {
    TFrmViewer window(modules.Settings(), modules.Folders(), QApplication::arguments().mid(1));
    terminate.CloseOnSignal(window);
    window.show();
    result = QApplication::exec();
  }
  return result;
}

namespace {

int RenderFailed(const QString& line) {
  std::fprintf(stderr, "qbrender: %s\n", qPrintable(line));
  return 1;
}

}  // namespace

int QBRenderViewer(const QString& logFile, const QString& pngFile, const QSize& size,
                   const TQBCustomViewClass& defaultView, int selectRow,
                   const std::function<int(TFrmViewer&)>& afterSelect) {
  // Every report goes into errors instead of a dialog; the first one ends the run.
  TQBOffscreenErrors errors;
  TQBModules modules(defaultView, false, [&errors](const QString& text) { errors.Add(text); });
  if (!errors.Lines.isEmpty()) return RenderFailed(errors.Lines.front());
  TFrmViewer window(modules.Settings(), modules.Folders(), {logFile}, QBOffscreenDialogs(errors));
  window.resize(size);
  window.show();
  // The load runs from the event loop once the window is shown; nothing in it waits for a person, so
  // the limit only guards against a log too large to draw.
  QEventLoop loop;
  bool done = false;
  QObject::connect(&window, &TFrmViewer::CommandLineLoadDone, &loop, [&] {
    done = true;
    loop.quit();
  });
  QTimer::singleShot(10 * 60 * 1000, &loop, &QEventLoop::quit);
  loop.exec();
  if (!errors.Lines.isEmpty()) return RenderFailed(errors.Lines.front());
  if (!done || window.LogState().CurrentFile.isEmpty())
    return RenderFailed(QStringLiteral("%1 could not be loaded").arg(logFile));
  if (selectRow >= 0 && window.CurrentView().List) window.CurrentView().List->SelectRow(selectRow);
  QApplication::processEvents();
  if (afterSelect)
    if (const int result = afterSelect(window)) return result;
  if (!window.grab().save(pngFile, "PNG")) return RenderFailed(QStringLiteral("cannot write %1").arg(pngFile));
  return 0;
}
