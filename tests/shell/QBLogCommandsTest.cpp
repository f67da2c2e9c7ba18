// The log file area apart from any window: the order of Load's steps (what the window is asked to do,
// and when), a load that is stopped, refused or whose view fails, the busy state after failed saves,
// and the gate that keeps loads one at a time.

#include "support/QBTestView.h"
#include "support/QBTestFiles.h"

#include "shell/QBLoadGate.h"
#include "shell/QBLogCommands.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include <functional>
#include <stdexcept>

#include <sys/stat.h>

namespace {

// A test view whose bracket end, save or export fails on request.
class TFailingView final : public TQBTestView {
public:
  using TQBTestView::TQBTestView;
  bool FailEnd = false, FailSave = false;
  void EndUpdate() override {
    TQBTestView::EndUpdate();
    if (FailEnd) throw std::runtime_error("The view could not finish its update.");
  }
  // Not a std::exception: whatever a view of another class throws must not leave the window busy.
  void SaveToFile(const QString& fileName) override {
    if (FailSave) throw 42;
    TQBTestView::SaveToFile(fileName);
  }
  void ExportXML(const QString& fileName) override {
    if (FailSave) throw 42;
    TQBTestView::ExportXML(fileName);
  }
};

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Asks the load to stop at its first progress report.
class TStopAtOnce final : public IQBLogLoadEvents {
public:
  bool StopRequested() override { return true; }
};

// Records the calls as words; UpdateCommands also notes whether the loading flag was still set.
class TRecordingWindow final : public IQBLogWindow, public IQBAreaFeedback {
public:
  TRecordingWindow(TQBLogState& state, TQBTestView& view) : FState(state), FView(view) {}
  QStringList Calls;
  std::function<void()> WhileAsked;
  int AskSaveBeforeLoad() override {
    Calls << QStringLiteral("ask");
    if (WhileAsked) std::exchange(WhileAsked, {})();
    return qbCancel;
  }
  int AskSaveBeforeExit() override { return qbNo; }
  int FilteredAnswer = qbCancel;
  int AskSaveFilteredView() override { return Calls << QStringLiteral("ask-filtered"), FilteredAnswer; }
  QString AskSaveFileName(const QString&) override { return {}; }
  void ReportInvalidLog(const QString&) override { Calls << QStringLiteral("invalid"); }
  void ReportError(const QString&) override { Calls << QStringLiteral("error"); }
  void ReportSaveFailure(int, const QString&) override { Calls << QStringLiteral("save-failure"); }
  void ShowStatusText(const QString& text) override { Calls << (text.isEmpty() ? QStringLiteral("status-") : text); }
  void SetBusy(bool busy) override { Calls << (busy ? QStringLiteral("busy") : QStringLiteral("idle")); }
  void ClearAllMessages() override {
    Calls << QStringLiteral("clear");
    FView.ClearView();
    MessageSet.Close();
    MessageSet.Open();
  }
  void HoldViewUpdates(bool) override {}
  IQBMessageViewList* CurrentList() override { return &FView; }
  IQBMessageViewSave* CurrentSave() override { return &FView; }
  IQBMessageViewExport* CurrentExport() override { return &FView; }
  void UpdateCommands() override {
    Calls << (FState.Loading ? QStringLiteral("update-while-loading") : QStringLiteral("update"));
  }

private:
  TQBLogState& FState;
  TQBTestView& FView;
};

class LogCommandsTest : public ::testing::Test {
protected:
  void SetUp() override {
    MessageSet.Close();
    MessageSet.Open();
    Adder.AddObserver(&View.Model());
    Adder.AddObserver(&Modified);
  }
  void TearDown() override {
    MessageSet.Close();
    MessageSet.Open();
  }

  qbtest::TTempFiles Files;
  TQBLogState State;
  TFailingView View{nullptr};
  TQBMessageAdder Adder{MessageSet};
  TQBModifiedFlagObserver Modified{State};
  TRecordingWindow Window{State, View};
  TQBLogCommands Commands{State, Adder, Window, Window};
};

TEST_F(LogCommandsTest, LoadRunsItsStepsInOrderAndUpdatesOnceAtTheEnd) {
  const TQBRawMessage msg = qbtest::Message(0, "one");
  const QString good = Files.Write(QStringLiteral("Good.qbl"), qbtest::MarkedRecord(msg) + qbtest::MarkedRecord(msg));
  const QString bad = Files.Write(QStringLiteral("Bad.qbl"), qbtest::MarkedRecord(msg) + QByteArray(30, '\xFF'));
  QByteArray many;
  for (int n = 0; n < 5000; ++n) many += qbtest::MarkedRecord(msg);
  const QString big = Files.Write(QStringLiteral("Big.qbl"), many);
  // A pipe would hold the window in its first read: only files load.
  const QString pipe = Files.Path(QStringLiteral("Pipe.qbl"));
  ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
  TStopAtOnce stop;
  struct TCase {
    QString Path;
    bool Loaded;
    QStringList Calls;
    int Records;
    IQBLogLoadEvents* Events = nullptr;
  } cases[] = {
      {good, true, {"Loading Good.qbl...", "clear", "busy", "idle", "status-", "update"}, 2},
      {bad, false, {"Loading Bad.qbl...", "clear", "busy", "idle", "status-", "update", "invalid"}, 1},
      {Files.Path(QStringLiteral("none.qbl")), false,
       {"Loading none.qbl...", "clear", "busy", "idle", "status-", "update", "error"}, 0},
      // Refused before the window is asked to do anything.
      {pipe, false, {"error"}, 0},
      // Stopped at the first report, after 4,096 records: they stay, as after an invalid record.
      {big, false,
       {"Loading Big.qbl...", "clear", "busy", "idle", "status-", "update", "Loading Big.qbl was stopped."}, 4096,
       &stop},
  };
  for (const TCase& c : cases) {
    Window.Calls.clear();
    State.Modified = false;
    EXPECT_EQ(Commands.Load(c.Path, false, c.Events), c.Loaded);
    EXPECT_EQ(Window.Calls, c.Calls) << c.Path.toStdString();
    EXPECT_EQ(MessageSet.GetRecordCount(), c.Records);
    EXPECT_EQ(View.BeginUpdates, View.EndUpdates);
    EXPECT_FALSE(State.Loading);
    // Only a complete load makes the file current and the log clean.
    EXPECT_EQ(State.CurrentFile.isEmpty(), !c.Loaded);
    EXPECT_EQ(State.Modified, !c.Loaded && c.Records > 0);
  }
}

TEST_F(LogCommandsTest, AppendKeepsTheMessagesAndAsksNothing) {
  const TQBRawMessage msg = qbtest::Message(0, "one");
  const QString a = Files.Write(QStringLiteral("A.qbl"), qbtest::MarkedRecord(msg));
  ASSERT_TRUE(Commands.Load(a, false));
  Adder.AddMessage(msg);  // modified: a plain Open would ask
  Window.Calls.clear();
  ASSERT_TRUE(Commands.Load(a, true));
  EXPECT_FALSE(Window.Calls.contains(QStringLiteral("ask")));
  EXPECT_FALSE(Window.Calls.contains(QStringLiteral("clear")));
  EXPECT_EQ(MessageSet.GetRecordCount(), 3);
  EXPECT_EQ(Adder.NextID(), 3);
  EXPECT_FALSE(State.Modified);
}

// A pipe, a device or a folder is refused with a message before Load asks or clears anything, and
// before anything could block on it (a pipe without a writer would block the open for ever). This
// is the path of Open, Append, Refresh, a drop and the command line alike (the window passes on
// anything that exists).
TEST_F(LogCommandsTest, WhatIsNotARegularFileIsRefusedBeforeTheLogIsTouched) {
  const TQBRawMessage msg = qbtest::Message(0, "one");
  const QString a = Files.Write(QStringLiteral("A.qbl"), qbtest::MarkedRecord(msg));
  const QString fifo = Files.Path(QStringLiteral("pipe.qbl"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  for (const QString& path : {fifo, Files.Path(QString()), QStringLiteral("/dev/zero")}) {
    State.Modified = false;
    ASSERT_TRUE(Commands.Load(a, false));
    Adder.AddMessage(msg);
    Window.Calls.clear();
    EXPECT_FALSE(Commands.Load(path, false)) << path.toStdString();
    EXPECT_EQ(Window.Calls, QStringList{QStringLiteral("error")});
    EXPECT_EQ(MessageSet.GetRecordCount(), 2);
    EXPECT_TRUE(State.Modified);
    EXPECT_EQ(State.CurrentFile, QFileInfo(a).absoluteFilePath());
    EXPECT_FALSE(Commands.Drop({path}));
  }
}

// No output replaces the log it was made from, whatever link names it: an export or a report would
// lose the log. A save writes what the log held, so it may replace a log read whole; a load that
// stopped early (an invalid record, or Stop) holds only part of the file, so saving over it would
// lose the rest, and a save elsewhere is what is left.
TEST_F(LogCommandsTest, NoOutputReplacesTheLogItCameFromNorASaveOneReadInPart) {
  const TQBRawMessage msg = qbtest::Message(0, "one");
  QByteArray many;
  for (int n = 0; n < 5000; ++n) many += qbtest::MarkedRecord(msg);
  TStopAtOnce stop;
  const struct {
    const char* Name;
    QByteArray Bytes;
    IQBLogLoadEvents* Events;
    bool SaveOver;  // a save may replace the log
  } logs[] = {
      {"whole", qbtest::MarkedRecord(msg), nullptr, true},
      {"invalid", qbtest::MarkedRecord(msg) + QByteArray(30, '\xFF') + qbtest::MarkedRecord(msg), nullptr, false},
      {"stopped", many, &stop, false},
  };
  for (const auto& log : logs) {
    SCOPED_TRACE(log.Name);
    const QString path = Files.Write(QStringLiteral("%1.qbl").arg(log.Name), log.Bytes);
    const QString link = Files.Path(QStringLiteral("%1-link.qbl").arg(log.Name));
    ASSERT_TRUE(QFile::link(path, link));
    Commands.Load(path, false, log.Events);
    ASSERT_GT(MessageSet.GetRecordCount(), 0);
    for (const QString& target : {path, link}) {
      Window.Calls.clear();
      Commands.Export(target, true);
      EXPECT_EQ(Window.Calls, QStringList{QStringLiteral("error")}) << target.toStdString();
      Window.Calls.clear();
      EXPECT_EQ(Commands.SaveTo(target), log.SaveOver);
      EXPECT_EQ(Window.Calls.contains(QStringLiteral("error")), !log.SaveOver);
      if (!log.SaveOver) EXPECT_EQ(Contents(path), log.Bytes);
    }
    EXPECT_TRUE(Commands.SaveTo(Files.Path(QStringLiteral("%1-copy.qbl").arg(log.Name))));
  }
  EXPECT_EQ(State.OutputRefusal(Files.Path(QStringLiteral("stopped.qbl")), TQBOutputKind::Print),
            QStringLiteral("Cannot print to \"%1\". It is the log file being viewed; choose another file.")
                .arg(Files.Path(QStringLiteral("stopped.qbl"))));
}

}  // namespace

namespace {

// A load asked for from inside a load (an event handled while the question waits) does nothing.
TEST_F(LogCommandsTest, ALoadInsideALoadIsRefused) {
  const QString a = Files.Write(QStringLiteral("A.qbl"), qbtest::MarkedRecord(qbtest::Message(0, "one")));
  State.Modified = true;
  bool inner = true;
  Window.WhileAsked = [&] {
    EXPECT_TRUE(Commands.Loading());
    inner = Commands.Load(a, true);
    EXPECT_FALSE(Commands.CanClose());
  };
  EXPECT_FALSE(Commands.Load(a, false));  // cancelled at the question
  EXPECT_FALSE(inner);
  EXPECT_EQ(Window.Calls, QStringList{QStringLiteral("ask")});
  EXPECT_EQ(MessageSet.GetRecordCount(), 0);
  EXPECT_FALSE(Commands.Loading());
}

// A view that fails to close its bracket is reported once the load has ended; the program goes on.
TEST_F(LogCommandsTest, AnEndUpdateThatThrowsIsReportedAfterTheLoad) {
  const QString a = Files.Write(QStringLiteral("A.qbl"), qbtest::MarkedRecord(qbtest::Message(0, "one")));
  View.FailEnd = true;
  EXPECT_TRUE(Commands.Load(a, false));
  EXPECT_EQ(Window.Calls, (QStringList{"Loading A.qbl...", "clear", "busy", "idle", "status-", "update", "error"}));
  EXPECT_FALSE(State.Loading);
  EXPECT_EQ(View.BeginUpdates, View.EndUpdates);
}

// Whatever a save or an export throws, the cursor and the status pane come back first.
TEST_F(LogCommandsTest, SaveAndExportRestoreTheBusyStateWhateverIsThrown) {
  Adder.AddMessage(qbtest::Message(0, "one"));
  View.FailSave = true;
  const std::function<void()> operations[] = {
      [&] { Commands.SaveTo(Files.Path(QStringLiteral("out.qbl"))); },
      [&] { Commands.Export(Files.Path(QStringLiteral("out.xml")), true); },
  };
  for (const auto& operation : operations) {
    Window.Calls.clear();
    EXPECT_ANY_THROW(operation());
    ASSERT_GE(Window.Calls.size(), 4);
    EXPECT_EQ(Window.Calls[1], QStringLiteral("busy"));
    EXPECT_EQ(Window.Calls[2], QStringLiteral("idle"));
    EXPECT_EQ(Window.Calls[3], QStringLiteral("status-"));
  }
  EXPECT_TRUE(State.Modified);
}

// Saving over the file the log came from from a view that leaves messages out asks first: the file
// would lose them. A view that shows every message, and Save As, ask nothing.
TEST_F(LogCommandsTest, SavingAFilteredViewOverItsLogAsksFirst) {
  const QByteArray bytes =
      qbtest::MarkedRecord(qbtest::Message(0, "info")) + qbtest::MarkedRecord(qbtest::Message(2, "error"));
  TQBFilterCriteria errors;
  errors.CheckMsgTypes = true;
  errors.MsgTypes.set(2);
  TQBFilterCriteria both = errors;
  both.MsgTypes.set(0);
  struct TCase {
    const char* Why;
    TQBFilterCriteria Criteria;
    int Answer;
    bool Asked;
    int SavedMessages;  // in the file afterwards
  } cases[] = {
      {"every message shown", {}, qbCancel, false, 2},
      {"a filter every message passes", both, qbCancel, false, 2},
      {"errors only, Cancel", errors, qbCancel, true, 2},
      {"errors only, No", errors, qbNo, true, 2},
      {"errors only, Yes", errors, qbYes, true, 1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Why);
    const QString path = Files.Write(QStringLiteral("Log.qbl"), bytes);
    View.SetFilterCriteria(c.Criteria);
    ASSERT_TRUE(Commands.Load(path, false));
    Window.Calls.clear();
    Window.FilteredAnswer = c.Answer;
    EXPECT_EQ(Commands.Save(), !c.Asked || c.Answer == qbYes);
    EXPECT_EQ(Window.Calls.contains(QStringLiteral("ask-filtered")), c.Asked);
    TQuillboxMessageSet reread;
    TQBMessageAdder adder(reread);
    LoadLogFile(path, adder);
    EXPECT_EQ(reread.GetRecordCount(), c.SavedMessages);
  }
  Window.Calls.clear();
  EXPECT_TRUE(Commands.SaveTo(Files.Path(QStringLiteral("Other.qbl"))));
  EXPECT_FALSE(Window.Calls.contains(QStringLiteral("ask-filtered")));
}

TEST(LoadGate, WorkWaitsForTheLoadAndTheCloseGoesFirst) {
  QStringList posted;
  TQBLoadGate gate([&](TQBLoadGate::TWork work) {
    posted << QStringLiteral("posted");
    work();
  });
  QStringList ran;
  {
    const TQBLoadGate::THold hold(gate);
    EXPECT_TRUE(gate.Busy());
    gate.Queue([&] { ran << QStringLiteral("drop"); });
    gate.QueueClose([&] { ran << QStringLiteral("close"); });
    gate.QueueClose([&] { ran << QStringLiteral("second close"); });
    gate.Queue([&] { ran << QStringLiteral("command line"); });
    EXPECT_TRUE(ran.isEmpty());
  }
  EXPECT_FALSE(gate.Busy());
  EXPECT_EQ(ran, (QStringList{"close", "drop", "command line"}));
  EXPECT_EQ(posted.size(), 3);
  // An exception that ends the load releases the gate too.
  EXPECT_ANY_THROW({
    const TQBLoadGate::THold hold(gate);
    throw 1;
  });
  EXPECT_FALSE(gate.Busy());
}

}  // namespace
