// View management as a user runs it, through the shown main window (offscreen, 1280 x 800) on the
// generated log (QB_BENCH_COUNT messages, default 1,000,000): New View with an application filter,
// from OK to the view shown; opening the view filter dialog with its value lists filled; opening a
// project of twenty views over the loaded log; a tab change with Synchronize Message Mode on; Remove
// All Views after Organize Messages by thread made a thousand views. And a project of 3,000 views, one
// per thread, opened and closed over a log of 20,000 messages.
//
// The view filter dialog is the real one, answered by the modal-dialog helper of the tests; the
// project's file dialogs are answered through the dialogs interface the window takes. Every figure
// includes the repaint that follows the command.

#include "QBBenchLog.h"
#include "QBLogGenerator.h"
#include "support/QBModalAnswer.h"

#include "dialogs/QBViewFilterForm.h"
#include "plugins/widgets/QBPlugInManager.h"
#include "model/QBMessageTypes.h"
#include "settings/QBIniFile.h"
#include "shell/QBOrganizer.h"
#include "shell/QBViewManager.h"
#include "window/QBMainForm.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <optional>

const TQBCustomViewClass& BenchMessageViewClass();

namespace {

// The project's file dialogs answered with one file; the questions counted, answered No.
class TProjectAnswers final : public IQBProjectDialogs {
public:
  int AskSaveProjectChanges(QWidget*) override { return No(); }
  int AskSaveNewProject(QWidget*) override { return No(); }
  QString OpenProjectFileName(QWidget*, const QString&) override { return Path; }
  QString SaveProjectFileName(QWidget*, const QString&) override { return Path; }
  void ShowErrorMessage(QWidget*, const QString& text) override { Errors << text; }

  QString Path;
  int Questions = 0;
  QStringList Errors;

private:
  int No() {
    ++Questions;
    return 7;
  }
};

// The time at which a widget of class T is first painted, or else shown, after Arm.
template <typename T>
class TFirstPaint final : public QObject {
public:
  TFirstPaint() { qApp->installEventFilter(this); }
  ~TFirstPaint() override { qApp->removeEventFilter(this); }
  void Arm() {
    Shown.reset();
    Painted.reset();
    FClock.start();
  }
  // Seconds until the dialog was painted; until it was shown when no paint came.
  std::optional<double> Seconds() const {
    const std::optional<qint64> ns = Painted ? Painted : Shown;
    if (!ns) return std::nullopt;
    return double(*ns) / 1e9;
  }
  std::optional<qint64> Shown, Painted;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!qobject_cast<T*>(watched)) return false;
    if (event->type() == QEvent::Show && !Shown) Shown = FClock.nsecsElapsed();
    if (event->type() == QEvent::Paint && !Painted) Painted = FClock.nsecsElapsed();
    return false;
  }

private:
  QElapsedTimer FClock;
};

// Organize Messages answered with the thread field; Remove All Views confirmed, the view filter dialog the
// real one.
class TOrganizeByThread final : public IQBOrganizerDialogs {
public:
  bool RunOrganizerSettings(QWidget*, TQBOrganizerForm, uint8_t& fields, bool&) override {
    fields = orgThreadName;
    return true;
  }
};
class TConfirmRemoveAll final : public IQBViewDialogs {
public:
  bool RunViewFilter(QWidget* window, TQBViewFilterRequest& request,
                     const std::function<void(const QString&)>& help) override {
    return FDialogs->RunViewFilter(window, request, help);
  }
  bool ConfirmRemoveAllViews(QWidget*) override { return true; }

private:
  std::unique_ptr<IQBViewDialogs> FDialogs = NewViewDialogs();
};

struct TViewsWindow {
  QTemporaryDir Dir;
  TQBPlugInManagerScope PlugIns{QString(), BenchMessageViewClass(), [](QMessageBox::Icon, auto&, auto&) {}};
  TQBIniFile Ini{Dir.filePath(QStringLiteral("QBFileViewer.ini")), false};
  TQBFolders Folders{Dir.path() + '/', {}, Dir.path() + '/', Dir.path() + '/'};
  TProjectAnswers* Project = nullptr;
  std::unique_ptr<TFrmViewer> Window;

  explicit TViewsWindow(const QString& log = BenchLog()) {
    TQBShellDialogs dialogs;
    auto project = std::make_unique<TProjectAnswers>();
    Project = project.get();
    dialogs.Project = std::move(project);
    dialogs.Organizer = std::make_unique<TOrganizeByThread>();
    dialogs.Views = std::make_unique<TConfirmRemoveAll>();
    Window = std::make_unique<TFrmViewer>(Ini, Folders, QStringList(), std::move(dialogs));
    Window->resize(1280, 800);
    Window->show();
    (void)QTest::qWaitForWindowExposed(Window.get());
    Window->LoadFile(log, false);
    Window->CurrentView().List->SelectRow(Window->CurrentView().View->GetCount() / 2);
    QCoreApplication::processEvents();
  }
  ~TViewsWindow() {
    Window.reset();
    MessageSet.Close();
    MessageSet.Open();
  }
  // Triggers a command and lets the window repaint, as the event loop would after a menu click.
  bool Run(TQBCmd cmd) const {
    QAction* action = Window->Action(cmd);
    if (!action->isEnabled()) return false;
    action->trigger();
    QCoreApplication::processEvents();
    return true;
  }
  TQBViewManager& Views() const { return Window->ViewManager(); }
  // The rows of every view but "All Messages".
  int64_t ProjectRows() const {
    int64_t rows = 0;
    for (int i = 1; i < Views().Count(); ++i) rows += Views().At(i).View->GetCount();
    return rows;
  }
};

// New View with "Application Name" ticked and the first application of its list; the clock runs from
// the click on OK until the new view has been shown and painted. The view is removed between runs.
void BM_NewViewWithApplicationFilter(benchmark::State& state) {
  TViewsWindow w;
  QElapsedTimer clock;
  int rows = 0;
  for (auto _ : state) {
    {
      auto answer = qbtest::AnswerModal<TFrmViewFilter>([&clock](TFrmViewFilter& dialog) {
        dialog.findChild<QCheckBox*>(QStringLiteral("chkAppName"))->setChecked(true);
        auto* apps = dialog.findChild<QComboBox*>(QStringLiteral("cbxAppName"));
        apps->setCurrentIndex(1);  // the first name after the empty entry
        clock.start();
        dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
      });
      if (!w.Run(TQBCmd::ViewNew)) return state.SkipWithError("New View is disabled");
      state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
      if (!answer.Answered()) return state.SkipWithError("the view filter dialog did not open");
    }
    if (w.Views().Count() != 2 || w.Views().CurrentIndex() != 1) return state.SkipWithError("no view was made");
    rows = w.Window->CurrentView().View->GetCount();
    w.Run(TQBCmd::ViewRemove);
  }
  state.counters["rows"] = rows;
}
BENCHMARK(BM_NewViewWithApplicationFilter)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// New View until the view filter dialog has been painted with its value lists filled; then the dialog
// is cancelled (outside the measured time).
void BM_OpenViewFilterDialog(benchmark::State& state) {
  TViewsWindow w;
  TFirstPaint<TFrmViewFilter> paint;
  for (auto _ : state) {
    {
      auto answer = qbtest::AnswerModal<TFrmViewFilter>([](TFrmViewFilter& dialog) { dialog.reject(); });
      paint.Arm();
      if (!w.Run(TQBCmd::ViewNew)) return state.SkipWithError("New View is disabled");
      if (!answer.Answered()) return state.SkipWithError("the view filter dialog did not open");
    }
    const std::optional<double> seconds = paint.Seconds();
    if (!seconds) return state.SkipWithError("the view filter dialog was never shown");
    state.SetIterationTime(*seconds);
    state.counters["painted"] = paint.Painted.has_value();
  }
  if (w.Views().Count() != 1) state.SkipWithError("a cancelled dialog made a view");
}
BENCHMARK(BM_OpenViewFilterDialog)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// Twenty views of the kinds a user keeps: one per application, thread and category, type sets, texts
// and combinations.
QList<TQBNewView> TwentyViews() {
  QList<TQBNewView> views;
  const auto add = [&views](const QString& name, auto set) {
    TQBNewView view{name};
    set(view.Criteria);
    views.append(view);
  };
  for (const char* app : {"OrderService", "Billing.exe", "Scheduler", "Kassensystem Café"})
    add(QString::fromUtf8(app), [app](TQBFilterCriteria& c) { c.CheckAppName = true, c.AppName = QString::fromUtf8(app); });
  for (const char* thread : {"Main", "Worker-1", "Worker-2", "IO Completion"})
    add(QStringLiteral("Thread %1").arg(QLatin1String(thread)),
        [thread](TQBFilterCriteria& c) { c.CheckThreadName = true, c.ThreadName = QLatin1String(thread); });
  for (const char* category : {"Database", "Network", "UI", "Security"})
    add(QStringLiteral("Category %1").arg(QLatin1String(category)),
        [category](TQBFilterCriteria& c) { c.CheckCategory = true, c.Category = QLatin1String(category); });
  const std::initializer_list<int32_t> typeSets[] = {
      {qbmError, qbmWarning}, {qbmInfo}, {qbmEnterMethod, qbmExitMethod}, {qbmNote, qbmSeparator}};
  for (const auto& types : typeSets)
    add(QStringLiteral("Types %1").arg(views.size()), [&types](TQBFilterCriteria& c) {
      c.CheckMsgTypes = true;
      for (int32_t type : types) c.MsgTypes.set(size_t(type));
    });
  for (const char* text : {"customer", "completed"})
    add(QStringLiteral("Text %1").arg(QLatin1String(text)),
        [text](TQBFilterCriteria& c) { c.CheckMessageText = true, c.MessageText = QLatin1String(text); });
  add(QStringLiteral("Billing errors"), [](TQBFilterCriteria& c) {
    c.CheckAppName = true, c.AppName = QStringLiteral("Billing.exe");
    c.CheckMsgTypes = true, c.MsgTypes.set(qbmError), c.MsgTypes.set(qbmWarning);
  });
  add(QStringLiteral("Scheduler IO"), [](TQBFilterCriteria& c) {
    c.CheckAppName = true, c.AppName = QStringLiteral("Scheduler");
    c.CheckThreadName = true, c.ThreadName = QStringLiteral("IO Completion");
  });
  return views;
}

// Open Project of a file holding twenty views, saved by the window's Save Project As; each run removes
// the twenty views the previous one made, creates them anew and fills them from the store.
void BM_OpenProjectOfTwentyViews(benchmark::State& state) {
  TViewsWindow w;
  for (const TQBNewView& view : TwentyViews()) w.Views().InsertView(view);
  w.Project->Path = w.Dir.filePath(QStringLiteral("Twenty.qbp"));
  if (!w.Run(TQBCmd::SaveProjectAs)) return state.SkipWithError("Save Project As is disabled");
  w.Run(TQBCmd::CloseProject);
  int64_t rows = 0;
  for (auto _ : state) {
    if (!w.Run(TQBCmd::OpenProject)) return state.SkipWithError("Open Project is disabled");
    state.PauseTiming();
    rows = w.ProjectRows();
    state.ResumeTiming();
  }
  if (w.Views().Count() != 21 || w.Project->Questions != 0 || !w.Project->Errors.isEmpty())
    return state.SkipWithError("the project did not open as saved");
  state.counters["views"] = w.Views().Count() - 1;
  state.counters["rows"] = double(rows);
}
BENCHMARK(BM_OpenProjectOfTwentyViews)->Unit(benchmark::kMillisecond)->Iterations(3);

// A log of 20,000 messages over 3,000 thread names, and a project of one view per thread name, written
// as Save Project writes it.
QString ThreadsLog() {
  const QString path = QDir::temp().filePath(QStringLiteral("qb-bench-20000-threads-3000.qbl"));
  if (!QFileInfo::exists(path)) GenerateLog(path, {20000, 1, {0, 0, 3000, 0}}, nullptr);
  return path;
}

void WriteThreadViewsProject(const QString& path, int views) {
  TQBIniFile ini(path, false);
  ini.WriteInteger(QStringLiteral("Views"), QStringLiteral("ViewCount"), views);
  for (int place = 1; place <= views; ++place) {
    // The generator names its threads after the first four "Worker-3" and on.
    const QString thread = QStringLiteral("Worker-%1").arg(place + 2);
    const QString name = QStringLiteral("Thread ") + thread;
    ini.WriteString(QStringLiteral("Views"), QStringLiteral("%1_ViewName").arg(place), name);
    ini.WriteString(QStringLiteral("Views"), QStringLiteral("%1_ViewClassName").arg(place), QStringLiteral("Default"));
    const QString section = QStringLiteral("%1_%2").arg(place).arg(name);
    ini.WriteBool(section, QStringLiteral("CheckThreadName"), true);
    ini.WriteString(section, QStringLiteral("ThreadName"), thread);
  }
  ini.UpdateFile();
}

// Open Project of 3,000 views, one per thread, on 20,000 messages: from the command until the views are
// filled and the window repainted. Close Project between runs (its time is the close_ms counter).
void BM_OpenProjectOfThreeThousandViews(benchmark::State& state) {
  TViewsWindow w(ThreadsLog());
  w.Project->Path = w.Dir.filePath(QStringLiteral("Threads.qbp"));
  WriteThreadViewsProject(w.Project->Path, 3000);
  int64_t rows = 0;
  double closeMs = 0;
  for (auto _ : state) {
    if (!w.Run(TQBCmd::OpenProject)) return state.SkipWithError("Open Project is disabled");
    state.PauseTiming();
    rows = w.ProjectRows();
    if (w.Views().Count() != 3001) return state.SkipWithError("the project did not open");
    QElapsedTimer clock;
    clock.start();
    w.Run(TQBCmd::CloseProject);
    closeMs = double(clock.nsecsElapsed()) / 1e6;
    state.ResumeTiming();
  }
  if (w.Views().Count() != 1 || !w.Project->Errors.isEmpty()) return state.SkipWithError("the project did not close");
  state.counters["rows"] = double(rows);
  state.counters["close_ms"] = closeMs;
}
BENCHMARK(BM_OpenProjectOfThreeThousandViews)->Unit(benchmark::kMillisecond)->Iterations(3);

// Synchronize Message Mode on a message half-way down a view of one application; Previous View and
// Next View then alternate between "All Messages" (the whole log) and that view, each going to the
// synchronized message.
void BM_TabChangeWithSyncMode(benchmark::State& state) {
  TViewsWindow w;
  TQBNewView app{QStringLiteral("OrderService"), QStringLiteral("Default"), {}, true};
  app.Criteria.CheckAppName = true;
  app.Criteria.AppName = QStringLiteral("OrderService");
  if (w.Views().InsertView(app) != 1) return state.SkipWithError("no view was made");
  const IQBMessageView& view = *w.Views().At(1).View;
  w.Window->CurrentView().List->SelectRow(view.GetCount() / 2);
  if (!w.Run(TQBCmd::SyncMsgMode) || w.Views().SyncRecNo() < 1) return state.SkipWithError("no synchronized message");
  int i = 0;
  for (auto _ : state)
    if (!w.Run(++i % 2 ? TQBCmd::ViewPrior : TQBCmd::ViewNext)) return state.SkipWithError("the tab did not change");
  if (w.Window->CurrentView().View->GetRowRecNo(w.Window->CurrentView().List->GetItemIndex()) != w.Views().SyncRecNo())
    state.SkipWithError("the tab change did not go to the synchronized message");
  state.counters["rows_all"] = w.Views().At(0).View->GetCount();
  state.counters["rows_view"] = view.GetCount();
}
BENCHMARK(BM_TabChangeWithSyncMode)->Unit(benchmark::kMillisecond)->Iterations(20);

// Remove All Views (confirmed) after Organize Messages by thread on a log with 1,000 thread names
// made a view per thread; the views are made anew between runs, outside the measured time.
void BM_RemoveAllOfAThousandViews(benchmark::State& state) {
  TViewsWindow w(BenchLog(qbgen::TGenShape{0, 0, 1000, 0}));
  int views = 0;
  for (auto _ : state) {
    state.PauseTiming();
    QElapsedTimer organize;
    organize.start();
    if (!w.Run(TQBCmd::OrganizeMessages)) return state.SkipWithError("Organize Messages is disabled");
    state.counters["organize_ms"] = double(organize.elapsed());
    views = w.Views().Count() - 1;
    state.ResumeTiming();
    if (!w.Run(TQBCmd::ViewRemoveAll)) return state.SkipWithError("Remove All Views is disabled");
    if (w.Views().Count() != 1) return state.SkipWithError("the views were not removed");
  }
  state.counters["views"] = views;
}
BENCHMARK(BM_RemoveAllOfAThousandViews)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
