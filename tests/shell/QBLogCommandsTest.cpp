// The order of Load's steps, apart from any window: what the window is asked to do, and when.

#include "QBTestView.h"
#include "support/QBTestFiles.h"

#include "shell/QBLogCommands.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

// Records the calls as words; UpdateCommands also notes whether the loading flag was still set.
class TRecordingWindow final : public IQBLogWindow {
public:
  TRecordingWindow(TQBLogState& state, TQBTestView& view) : FState(state), FView(view) {}
  QStringList Calls;
  int AskSaveBeforeLoad() override { return Calls << QStringLiteral("ask"), qbCancel; }
  int AskSaveBeforeExit() override { return qbNo; }
  QString AskSaveFileName(const QString&) override { return {}; }
  void ReportInvalidLog(const QString&) override { Calls << QStringLiteral("invalid"); }
  void ReportError(const QString&) override { Calls << QStringLiteral("error"); }
  void ShowStatusText(const QString& text) override { Calls << (text.isEmpty() ? QStringLiteral("status-") : text); }
  void SetBusy(bool busy) override { Calls << (busy ? QStringLiteral("busy") : QStringLiteral("idle")); }
  void ClearAllMessages() override {
    Calls << QStringLiteral("clear");
    FView.ClearView();
    MessageSet.Close();
    MessageSet.Open();
  }
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
  TQBTestView View{nullptr};
  TQBMessageAdder Adder{MessageSet};
  TQBModifiedFlagObserver Modified{State};
  TRecordingWindow Window{State, View};
  TQBLogCommands Commands{State, Adder, Window};
};

TEST_F(LogCommandsTest, LoadRunsItsStepsInOrderAndUpdatesOnceAtTheEnd) {
  const TQBRawMessage msg = qbtest::Message(0, "one");
  const QString good = Files.Write(QStringLiteral("Good.qbl"), qbtest::MarkedRecord(msg) + qbtest::MarkedRecord(msg));
  const QString bad = Files.Write(QStringLiteral("Bad.qbl"), qbtest::MarkedRecord(msg) + QByteArray(30, '\xFF'));
  struct TCase {
    QString Path;
    bool Loaded;
    QStringList Calls;
    int Records;
  } cases[] = {
      {good, true, {"Loading Good.qbl...", "clear", "busy", "idle", "status-", "update"}, 2},
      {bad, false, {"Loading Bad.qbl...", "clear", "busy", "idle", "status-", "update", "invalid"}, 1},
      {Files.Path(QStringLiteral("none.qbl")), false,
       {"Loading none.qbl...", "clear", "busy", "idle", "status-", "update", "error"}, 0},
  };
  for (const TCase& c : cases) {
    Window.Calls.clear();
    State.Modified = false;
    EXPECT_EQ(Commands.Load(c.Path, false), c.Loaded);
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
// is the path of Open, Append, Refresh, a drop and the command line alike.
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
  EXPECT_EQ(TQBLogCommands::CommandLinePath({fifo}), fifo);
  EXPECT_EQ(TQBLogCommands::CommandLinePath({Files.Path(QStringLiteral("none.qbl"))}), QString());
  EXPECT_EQ(TQBLogCommands::CommandLinePath({a, a}), QString());
}

// Export writes the view somewhere else; written over the current log it would lose the log. Saving
// to the current log is what replaces it.
TEST_F(LogCommandsTest, ExportRefusesTheCurrentLogAndSaveStillWritesIt) {
  const TQBRawMessage msg = qbtest::Message(0, "one");
  const QString a = Files.Write(QStringLiteral("A.qbl"), qbtest::MarkedRecord(msg));
  const QString link = Files.Path(QStringLiteral("link.qbl"));
  ASSERT_TRUE(QFile::link(a, link));
  ASSERT_TRUE(Commands.Load(a, false));
  for (const QString& target : {a, link}) {
    Window.Calls.clear();
    Commands.Export(target, true);
    EXPECT_EQ(Window.Calls, QStringList{QStringLiteral("error")}) << target.toStdString();
  }
  QFile log(a);
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  EXPECT_EQ(log.readAll(), qbtest::MarkedRecord(msg));
  log.close();
  Adder.AddMessage(msg);
  EXPECT_TRUE(Commands.Save());
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  EXPECT_EQ(log.readAll(), qbtest::MarkedRecord(msg) + qbtest::MarkedRecord(msg));
}

}  // namespace
