// Follow Log File in the main window, with qbappender writing the log from a separate process: the
// command and its setting, messages arriving through the views while the window repaints, the last
// row kept current, a reload with its notice and the view still following the end after it, and the
// invalid-log report.

#include "QBViewerWindowFixture.h"

#include "shell/QBLogFollower.h"
#include "window/QBStatusPanes.h"
#include "support/QBAppenderProcess.h"

#include <QAction>
#include <QFile>
#include <QLabel>

#include <functional>

using namespace qbtest;

namespace {

constexpr int kWaitMs = 30000;

// Counts the paints of a widget.
class TPaintCounter : public QObject {
public:
  explicit TPaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int Paints = 0;

protected:
  bool eventFilter(QObject*, QEvent* event) override {
    Paints += event->type() == QEvent::Paint;
    return false;
  }
};

class WindowFollow : public TViewerWindowTest {
protected:
  void SetUp() override {
    TViewerWindowTest::SetUp();
    FPath = Files.Write(QStringLiteral("live.qbl"), {});
    FWriter = std::make_unique<TAppenderProcess>(FPath);
    ASSERT_TRUE(FWriter->Started());
  }
  // Waits for the writer's answer while the window's event loop runs.
  bool WriterDone() { return QTest::qWaitFor([&] { return FWriter->Finished(0); }, 120000); }
  bool Run(const QString& command) {
    FWriter->Send(command);
    return WriterDone();
  }
  bool WaitForRows(int rows) { return QTest::qWaitFor([&] { return View().GetCount() == rows; }, kWaitMs); }
  void FollowOn() {
    Trigger(TQBCmd::FollowLogFile);
    ASSERT_TRUE(Window->Action(TQBCmd::FollowLogFile)->isChecked());
  }

  QString FPath;
  std::unique_ptr<TAppenderProcess> FWriter;
};

TEST_F(WindowFollow, TenThousandMessagesASecondForTenSecondsAppearInOrderAndTheWindowRepaints) {
  Create();
  FollowOn();
  ASSERT_TRUE(Run("append 100"));
  ASSERT_TRUE(Window->LoadFile(FPath, false));
  View().SetItemIndex(99);
  TPaintCounter paints(View().viewport());
  FWriter->Send("stream 10000 10");
  // While the writer writes, rows arrive in many steps and the list is painted again and again.
  ASSERT_TRUE(QTest::qWaitFor([&] { return View().GetCount() > 10000; }, kWaitMs));
  const int paintsEarly = paints.Paints;
  ASSERT_TRUE(WriterDone());
  ASSERT_TRUE(WaitForRows(100100)) << View().GetCount();
  ExpectUnbrokenSequence(MessageSet, 100100);
  EXPECT_GT(paints.Paints, paintsEarly + 10);
  // The view that showed its last row shows the last row still.
  EXPECT_EQ(View().GetItemIndex(), 100099);
  EXPECT_GE(View().TopIndex() + View().PageRows(), 100100);
  // Followed messages are the file's own: nothing to save.
  EXPECT_FALSE(Window->LogState().Modified);
  EXPECT_FALSE(Window->windowTitle().startsWith(u'*'));
  EXPECT_TRUE(Script.Errors.isEmpty()) << Script.Errors.join(u'|').toStdString();
}

TEST_F(WindowFollow, AViewAwayFromItsLastRowStaysWhereItIs) {
  Create();
  FollowOn();
  ASSERT_TRUE(Run("append 200"));
  ASSERT_TRUE(Window->LoadFile(FPath, false));
  View().SelectRow(50);
  const int top = View().TopIndex();
  ASSERT_TRUE(Run("append 30"));
  ASSERT_TRUE(WaitForRows(230));
  EXPECT_EQ(View().GetItemIndex(), 50);
  EXPECT_EQ(View().TopIndex(), top);
}

TEST_F(WindowFollow, ARecordBeingWrittenWhenTheFileIsOpenedComesInOnceItIsWhole) {
  Create();
  FollowOn();
  ASSERT_TRUE(Run("append 3"));
  ASSERT_TRUE(Run("part 120"));
  ASSERT_TRUE(Window->LoadFile(FPath, false));
  EXPECT_EQ(View().GetCount(), 3);
  EXPECT_TRUE(Script.Errors.isEmpty());
  ASSERT_TRUE(Run("rest"));
  ASSERT_TRUE(WaitForRows(4));
  ExpectUnbrokenSequence(MessageSet, 4);
}

TEST_F(WindowFollow, ATruncatedFileIsLoadedAgainAndTheStatusBarSaysSo) {
  Create();
  FollowOn();
  ASSERT_TRUE(Run("append 5"));
  ASSERT_TRUE(Window->LoadFile(FPath, false));
  ASSERT_TRUE(Run("truncate"));
  ASSERT_TRUE(Run("append 2"));
  ASSERT_TRUE(WaitForRows(2));
  QLabel* status = Window->StatusPanes().StatusMessage();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !status->text().isEmpty(); }, kWaitMs));
  EXPECT_EQ(status->text(), "live.qbl became shorter and was loaded again.");
  EXPECT_EQ(AppendedNumber(MessageSet.At(1).MsgText()), 5);
  EXPECT_TRUE(Window->Follower().Following());
}

// A view that followed the end goes on following it after a reload: its last row is current again
// and records that arrive later scroll into view, whether the reload left rows or none.
TEST_F(WindowFollow, AfterAReloadTheViewFollowsTheEndAsBefore) {
  const struct {
    const char* Name;
    const char* Change;  // what the writer does to the file
    const char* Then;    // and then, before the rows are counted
    int Rows;
  } cases[] = {{"truncated", "truncate", "append 3", 3}, {"replaced", "replace 20", nullptr, 20}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TearDown();
    SetUp();
    Create();
    FollowOn();
    ASSERT_TRUE(Run("append 50"));
    ASSERT_TRUE(Window->LoadFile(FPath, false));
    View().SetItemIndex(49);
    ASSERT_TRUE(Run(QString::fromLatin1(c.Change)));
    if (c.Then) ASSERT_TRUE(Run(QString::fromLatin1(c.Then)));
    ASSERT_TRUE(WaitForRows(c.Rows)) << View().GetCount();
    ASSERT_TRUE(QTest::qWaitFor([&] { return View().GetItemIndex() == c.Rows - 1; }, kWaitMs)) << View().GetItemIndex();
    ASSERT_TRUE(Run("append 100"));
    ASSERT_TRUE(WaitForRows(c.Rows + 100));
    EXPECT_EQ(View().GetItemIndex(), c.Rows + 99);
    EXPECT_GE(View().TopIndex() + View().PageRows(), c.Rows + 100);
  }
}

TEST_F(WindowFollow, AnInvalidRecordStopsFollowingWithTheInvalidLogReport) {
  Create();
  FollowOn();
  ASSERT_TRUE(Window->LoadFile(FPath, false));
  ASSERT_TRUE(Run("append 2"));
  ASSERT_TRUE(Run("invalid"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Script.Errors.isEmpty(); }, kWaitMs));
  EXPECT_TRUE(Script.Errors.front().startsWith("The following log file contains invalid messages:"));
  EXPECT_FALSE(Window->Action(TQBCmd::FollowLogFile)->isChecked());
  EXPECT_EQ(View().GetCount(), 2);
}

// Ways a followed file stops being followable: it becomes a link to a device (the reload of it is
// refused), or a record header claims a body of gigabytes (the log is invalid there). Each is reported
// once and unticks Follow Log File; what was read stays, and nothing more is read.
TEST_F(WindowFollow, AFileThatCannotBeFollowedAnyMoreIsReportedAndFollowingSwitchesOff) {
  const struct {
    const char* Name;
    std::function<void()> Spoil;
    const char* Report;
  } cases[] = {
      {"zero",
       [this] {
         ASSERT_TRUE(QFile::remove(FPath));
         ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), FPath));
       },
       "Cannot open file"},
      {"claim", [this] { ASSERT_TRUE(Run("claim 2000000000")); },
       "The following log file contains invalid messages:"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    FWriter.reset();
    FPath = Files.Write(QStringLiteral("%1.qbl").arg(QLatin1String(c.Name)), {});
    FWriter = std::make_unique<TAppenderProcess>(FPath);
    ASSERT_TRUE(FWriter->Started());
    Create();
    Script.Errors.clear();
    FollowOn();
    ASSERT_TRUE(Window->LoadFile(FPath, false));
    ASSERT_TRUE(Run("append 2"));
    ASSERT_TRUE(WaitForRows(2));
    c.Spoil();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Script.Errors.isEmpty(); }, kWaitMs));
    QTest::qWait(300);
    ASSERT_EQ(Script.Errors.size(), 1) << Script.Errors.join(u'|').toStdString();
    EXPECT_TRUE(Script.Errors.front().startsWith(QLatin1String(c.Report))) << Script.Errors.front().toStdString();
    EXPECT_FALSE(Window->Action(TQBCmd::FollowLogFile)->isChecked());
    EXPECT_FALSE(Window->Follower().Following());
    EXPECT_EQ(MessageSet.GetRecordCount(), 2);
    EndSession();
  }
}

TEST_F(WindowFollow, TheCommandsStateIsKeptInTheSettingsFile) {
  Create();
  QAction* follow = Window->Action(TQBCmd::FollowLogFile);
  EXPECT_TRUE(follow->isEnabled());
  EXPECT_FALSE(follow->isChecked());
  EXPECT_EQ(follow->shortcut(), QKeySequence(QStringLiteral("Shift+F5")));
  FollowOn();
  EndSession();
  EXPECT_EQ(TQBIniFile(SettingsPath()).ReadString("General", "FollowLogFile", ""), "1");
  Create();
  EXPECT_TRUE(Window->Action(TQBCmd::FollowLogFile)->isChecked());
  // Off, nothing is read after the load.
  Trigger(TQBCmd::FollowLogFile);
  ASSERT_TRUE(Run("append 2"));
  ASSERT_TRUE(Window->LoadFile(FPath, false));
  ASSERT_TRUE(Run("append 2"));
  QTest::qWait(300);
  EXPECT_EQ(View().GetCount(), 2);
}

}  // namespace
