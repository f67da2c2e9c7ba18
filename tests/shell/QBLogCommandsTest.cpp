// The order of Load's steps, apart from any window: what the window is asked to do, and when.

#include "QBTestView.h"
#include "support/QBTestFiles.h"

#include "shell/QBLogCommands.h"

#include <gtest/gtest.h>

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

}  // namespace
