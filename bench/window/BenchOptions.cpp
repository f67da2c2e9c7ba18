// The options dialog: opening it (built, loaded with the settings, shown, its font list dropped down
// on the Fonts page and drawn, closed), and its OK with a changed message font on a window holding the
// generated log (QB_BENCH_COUNT messages, default 1,000,000): every step of the OK sequence, the
// command states after it and the repaint. Runs offscreen.

#include "QBBenchLog.h"
#include "dialogs/QBFontsPage.h"
#include "dialogs/QBOptionsForm.h"
#include "plugins/widgets/QBPlugInManager.h"
#include "settings/QBIniFile.h"
#include "window/QBMainForm.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFontComboBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

const TQBCustomViewClass& BenchMessageViewClass();

namespace {

struct TModules {
  TModules() : PlugIns(QString(), BenchMessageViewClass(), [](QMessageBox::Icon, auto&, auto&) {}) {}
  QTemporaryDir Dir;
  TQBPlugInManagerScope PlugIns;
  TQBIniFile Ini{Dir.filePath(QStringLiteral("QBFileViewer.ini")), false};
  TQBFolders Folders{Dir.path() + '/', {}, Dir.path() + '/', Dir.path() + '/'};
};

// Opens the dialog over the window as the Options command does, with the font list shown, and closes it.
void OpenOnce(QWidget& window, const TQBOptionsValues& values) {
  TFrmOptions dialog(&window);
  dialog.Load(values);
  dialog.show();
  (void)QTest::qWaitForWindowExposed(&dialog);
  dialog.Pages()->setCurrentWidget(dialog.Fonts());
  dialog.Fonts()->FontName()->showPopup();
  QCoreApplication::processEvents();
  dialog.Fonts()->FontName()->hidePopup();
  dialog.reject();
}

void BM_OpenOptionsDialog(benchmark::State& state) {
  TModules modules;
  TFrmViewer window(modules.Ini, modules.Folders, {});
  window.show();
  (void)QTest::qWaitForWindowExposed(&window);
  const TQBOptionsValues values = TQBOptionsValues::Of(window.Settings());
  // The first opening also builds the font list the later ones find ready.
  QElapsedTimer first;
  first.start();
  OpenOnce(window, values);
  state.counters["first_open_ms"] = double(first.elapsed());
  for (auto _ : state) OpenOnce(window, values);
}
BENCHMARK(BM_OpenOptionsDialog)->Unit(benchmark::kMillisecond);

// The options dialog answered at once: the message font's size goes between 8 and 9.
class TFontChangingDialogs final : public IQBOptionsDialogs {
public:
  bool RunOptions(QWidget*, TQBOptionsValues& values, const std::function<void(const QString&)>&) override {
    values.MessageFont.Size = values.MessageFont.Size == 8 ? 9 : 8;
    values.MirrorMessageFont();
    return true;
  }
  bool RunColumns(QWidget*, TQBColumnSet, TQBColumnChoice&) override { return false; }
};

void BM_OptionsOkWithChangedMessageFont(benchmark::State& state) {
  TModules modules;
  TQBShellDialogs dialogs;
  dialogs.Options = std::make_unique<TFontChangingDialogs>();
  TFrmViewer window(modules.Ini, modules.Folders, {}, std::move(dialogs));
  window.resize(1280, 800);
  window.show();
  (void)QTest::qWaitForWindowExposed(&window);
  window.LoadFile(BenchLog(), false);
  QCoreApplication::processEvents();
  QAction* options = window.Action(TQBCmd::Options);
  for (auto _ : state) {
    options->trigger();
    QCoreApplication::processEvents();  // the views repaint in the new font
  }
  state.counters["rows"] = window.CurrentView().View->GetCount();
  state.counters["font_pt"] = window.Host().GetFont(0).pointSize();
}
BENCHMARK(BM_OptionsOkWithChangedMessageFont)->Unit(benchmark::kMillisecond);

}  // namespace
