// The message view's rows, focus and selection in the real main window with the program's view:
// whatever a search, a collapse, an expand or a filter change does to the rows, the focused message
// stays focused, the selection holds the messages the user chose and the status panes say so; a row
// the program moves to is the anchor of the next Shift-extension; and one filter gives one set of rows
// however the view was made.

#include "support/QBModalAnswer.h"

#include "QBToolView.h"
#include "QBViewerWindowFixture.h"
#include "dialogs/QBFindForm.h"
#include "dialogs/QBJumpToForm.h"
#include "dialogs/QBMessageDialogs.h"
#include "model/QBMessageTypes.h"
#include "shell/QBOrganizer.h"
#include "shell/QBViewManager.h"
#include "shell/QBVocabulary.h"
#include "window/QBMainForm.h"
#include "window/QBStatusPanes.h"
#include "window/areas/QBProjectWindow.h"
#include "view/widgets/QBMsgView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <functional>

namespace {

using C = TQBCmd;
using qbtest::AnswerModal;
using V = std::vector<int>;

// What the view filter dialog and the organizer answer.
struct TAnswers {
  QString ViewName;
  TQBFilterCriteria Criteria;
  uint8_t OrganizeBy = 0;
};

struct TScriptedViews final : IQBViewDialogs {
  explicit TScriptedViews(TAnswers& a) : A(a) {}
  bool RunViewFilter(QWidget*, TQBViewFilterRequest& request, const std::function<void(const QString&)>&) override {
    request.Name = A.ViewName;
    request.ClassName = QStringLiteral("Default");
    request.Result = A.Criteria;
    return true;
  }
  bool ConfirmRemoveAllViews(QWidget*) override { return true; }
  TAnswers& A;
};

struct TScriptedOrganizer final : IQBOrganizerDialogs {
  explicit TScriptedOrganizer(TAnswers& a) : A(a) {}
  bool RunOrganizerSettings(QWidget*, TQBOrganizerForm, uint8_t& fields, bool&) override {
    fields = A.OrganizeBy;
    return true;
  }
  TAnswers& A;
};

struct TMsg {
  int32_t Type = qbmInfo;
  QByteArray Text;
  QByteArray App = "Client";
  int32_t Time = qbtest::kNoon;
};

// A shown, active window with no log; every dialog answered by the script, none reporting an error.
class WindowRowsTest : public qbtest::TViewerWindowTest {
public:
  // The cases' steps act on the fixture from outside it.
  using TViewerWindowTest::Files;
  using TViewerWindowTest::Script;
  using TViewerWindowTest::Trigger;
  using TViewerWindowTest::View;
  using TViewerWindowTest::Window;

  void SetUp() override {
    TViewerWindowTest::SetUp();
    Create();
    Window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
  }
  void TearDown() override {
    EXPECT_EQ(Script.Errors, QStringList());
    TViewerWindowTest::TearDown();
  }
  void AddDialogs(TQBShellDialogs& dialogs) override {
    dialogs.Views = std::make_unique<TScriptedViews>(Answers);
    dialogs.Organizer = std::make_unique<TScriptedOrganizer>(Answers);
  }

  QString Write(const std::vector<TMsg>& msgs) {
    QByteArray bytes;
    for (const TMsg& m : msgs) {
      TQBRawMessage raw = qbtest::Message(m.Type, Keep(m.Text));
      raw.AppName = Utf8Bytes(Keep(m.App));
      raw.Time = m.Time;
      bytes += qbtest::MarkedRecord(raw);
    }
    return Files.Write(QStringLiteral("Trace.qbl"), bytes);
  }
  void Load(const std::vector<TMsg>& msgs) {
    ASSERT_TRUE(Window->LoadFile(Write(msgs), false));
    View().setFocus();
  }
  const TQBViewRows& Rows() const { return View().Model().Rows(); }
  // A left click on a row, scrolled into sight first, as the user clicks it.
  void Click(int row, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    View().ScrollTo(row);
    QTest::mouseClick(View().viewport(), Qt::LeftButton, mods, View().RowRect(row).center());
  }
  // Keys go to the focused widget; when a dialog that just closed left none (the offscreen platform
  // does not hand the focus back), to the view, where it was.
  void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    if (!target) {
      Window->activateWindow();
      View().setFocus();
      target = &View();
    }
    QTest::keyClick(target, Qt::Key(key), mods);
  }
  // Find through Ctrl+F and its dialog; when found is false the not-found notice is expected.
  void Find(const QString& text, bool forward, bool found) {
    std::unique_ptr<qbtest::TModalAnswer> notice;
    if (!found)
      notice = std::make_unique<qbtest::TModalAnswer>(
          QStringLiteral("the not-found notice"), [](QWidget* w) { return qobject_cast<TFrmDisplayMessage*>(w); },
          [](QWidget* w) { static_cast<TFrmDisplayMessage*>(w)->accept(); });
    auto dialog = AnswerModal<TFrmFind>([&](TFrmFind& find) {
      find.FindText()->setEditText(text);
      (forward ? find.Forward() : find.Backward())->setChecked(true);
      find.EntireScope()->setChecked(true);
      find.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    });
    Key(Qt::Key_F, Qt::ControlModifier);
  }
  void JumpTo(const QString& number) {
    auto dialog = AnswerModal<TFrmJumpToMsg>([&](TFrmJumpToMsg& jump) {
      QTest::keyClicks(jump.JumpTo()->lineEdit(), number);
      QTest::keyClick(jump.JumpTo()->lineEdit(), Qt::Key_Return);
    });
    Trigger(C::JumpToMsg);
  }

  int FocusedRecNo() const { return View().GetRowRecNo(View().GetItemIndex()); }
  // The messages Copy and Delete act on: every flagged item, hidden ones included.
  V SelectedRecNos() const {
    V out;
    for (int item = 0; item < Rows().ItemCount(); ++item)
      if (Rows().ItemSelected(item)) out.push_back(Rows().ItemRecNo(item));
    return out;
  }
  V SelectedRows() const {
    V out;
    for (int row = 0; row < View().GetCount(); ++row)
      if (View().IsRowSelected(row)) out.push_back(row);
    return out;
  }
  // A hidden message is selected exactly when the collapsed row that shows it is, and the status
  // panes say what the view holds.
  void ExpectAgreement() const {
    for (int item = 0; item < Rows().ItemCount(); ++item) {
      if (Rows().IsItemVisible(item)) continue;
      const int host = Rows().PrevVisibleItem(item);
      ASSERT_GE(host, 0);
      EXPECT_EQ(Rows().ItemSelected(item), Rows().ItemSelected(host)) << "hidden record " << Rows().ItemRecNo(item);
    }
    const TQBStatusPanes& panes = Window->StatusPanes();
    EXPECT_EQ(panes.MessageNumber()->text(), QStringLiteral("#%1").arg(std::max(0, FocusedRecNo())));
    EXPECT_EQ(panes.SelectionCount()->text(), QStringLiteral("%1 Selected").arg(View().SelectedCount()));
    EXPECT_EQ(panes.MessageCount()->text(),
              QStringLiteral("%1 out of %2 Messages").arg(View().GetCount()).arg(MessageSet.GetRecordCount()));
  }
  int ViewIndex(const QString& name) const {
    for (int i = 0; i < Window->Views().Count(); ++i)
      if (Window->Views().Caption(i) == name) return i;
    return -1;
  }

  TAnswers Answers;

private:
  const QByteArray& Keep(const QByteArray& b) { return FKept.emplace_back(b); }
  std::deque<QByteArray> FKept;
};

// A warning, then methods whose exits collapse them as they arrive, each followed by a plain message:
// row 0 is the warning (record 1), block i is the collapsed row 2i + 1 (records 4i + 2 .. 4i + 4)
// and the row 2i + 2 "after i" (record 4i + 5).
std::vector<TMsg> CollapsedBlocks(int count) {
  std::vector<TMsg> msgs{{qbmWarning, "head"}};
  for (int i = 0; i < count; ++i) {
    const QByteArray n = QByteArray::number(i);
    msgs.insert(msgs.end(), {{qbmEnterMethod, "call " + n},
                             {qbmInfo, "work " + n},
                             {qbmExitMethodCollapse, "call " + n},
                             {qbmInfo, "after " + n}});
  }
  return msgs;
}

// The fault as a user met it: methods above the clicked row open during a Find that finds nothing.
// The clicked message must stay the one focused and the only one selected, so Copy and Delete act on
// it and on nothing else.
TEST_F(WindowRowsTest, AFindThatFindsNothingLeavesTheClickedMessageTheOnlyOneChosen) {
  Load(CollapsedBlocks(40));
  Click(6);
  ASSERT_EQ(FocusedRecNo(), 13);
  Find(QStringLiteral("absent"), true, false);
  EXPECT_EQ(FocusedRecNo(), 13);
  EXPECT_EQ(SelectedRecNos(), V{13});
  EXPECT_EQ(View().SelectedCount(), 1);
  ExpectAgreement();
  QGuiApplication::clipboard()->clear();
  Trigger(C::CopyMessageText);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "after 2");
  const int rows = View().GetCount();
  Trigger(C::Delete);
  EXPECT_EQ(View().GetCount(), rows - 1);
  for (int row = 0; row < View().GetCount(); ++row) EXPECT_NE(View().GetRowRecNo(row), 13);
}

// Each command changes the rows around a chosen pair (or a chosen collapsed method) in a view of its
// own. A search or a filter change keeps the chosen rows chosen (a collapsed method a search opens
// keeps its entry row selected, as Toggle Method's expand does); the method commands keep the focus
// and leave it the only row selected, as they always did. In every case nothing hidden is selected
// without its row and the panes agree.
TEST_F(WindowRowsTest, RowChangesKeepTheFocusedMessageAndTheChosenOnes) {
  TQBFilterCriteria noWarnings;
  noWarnings.CheckMsgTypes = true;
  for (int t = 0; t < 45; ++t) noWarnings.MsgTypes.set(size_t(t), t != qbmWarning);
  struct TCase {
    const char* Name;
    std::vector<std::pair<int, Qt::KeyboardModifiers>> Clicks;
    std::function<void(WindowRowsTest&)> Change;
    int Focus;
    V Selected;
  } cases[] = {
      {"find forward finds nothing", {{6, {}}, {10, Qt::ControlModifier}},
       [](WindowRowsTest& t) { t.Find(QStringLiteral("absent"), true, false); }, 21, {13, 21}},
      {"find backward finds nothing", {{6, {}}, {10, Qt::ControlModifier}},
       [](WindowRowsTest& t) { t.Find(QStringLiteral("absent"), false, false); }, 21, {13, 21}},
      {"a chosen collapsed method opened by a search", {{5, {}}},
       [](WindowRowsTest& t) { t.Find(QStringLiteral("absent"), true, false); }, 10, {10}},
      {"the filter hides the row above", {{6, {}}, {10, Qt::ControlModifier}},
       [&](WindowRowsTest& t) {
         t.Answers.ViewName = QStringLiteral("Second"), t.Answers.Criteria = noWarnings;
         t.Trigger(C::ViewModify);
       },
       21, {13, 21}},
      {"expand all", {{6, {}}, {10, Qt::ControlModifier}}, [](WindowRowsTest& t) { t.Trigger(C::ExpandAll); }, 21, {21}},
      {"collapse all", {{8, {}}, {10, Qt::ControlModifier}}, [](WindowRowsTest& t) { t.Trigger(C::CollapseAll); }, 21,
       {21}},
      {"collapse all hides the focused message", {{1, {}}},
       [](WindowRowsTest& t) {
         t.Trigger(C::ExpandAll);
         t.Click(14);  // "work 3"
         t.Trigger(C::CollapseAll);
       },
       14, {14, 15, 16}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TearDown();
    SetUp();
    Load(CollapsedBlocks(10));
    Answers.ViewName = QStringLiteral("Second");
    Answers.Criteria = {};
    Trigger(C::ViewNew);
    View().setFocus();
    Click(0);
    Trigger(C::CollapseAll);
    for (const auto& [row, mods] : c.Clicks) Click(row, mods);
    c.Change(*this);
    EXPECT_EQ(FocusedRecNo(), c.Focus);
    EXPECT_EQ(SelectedRecNos(), c.Selected);
    ExpectAgreement();
  }
}

// A plain log with one method (records 150 to 153, "needle" in 151) and a time stamp a second apart
// per record: row r shows record r + 1.
std::vector<TMsg> PlainLog() {
  std::vector<TMsg> msgs;
  for (int r = 1; r <= 300; ++r) {
    const int32_t type = r == 150 ? qbmEnterMethod : r == 153 ? qbmExitMethod : qbmInfo;
    msgs.push_back({type, r == 151 ? QByteArray("inside needle") : "m " + QByteArray::number(r), "Client",
                    qbtest::kNoon + r * 1000});
  }
  return msgs;
}

// Every move the program makes sets the anchor: Shift+Down afterwards selects the row moved to and the
// one below it, not everything from the row clicked before.
TEST_F(WindowRowsTest, ARowTheProgramMovesToIsTheAnchorOfShiftSelection) {
  // Prepare ends with the click whose anchor the move must replace.
  const auto click5 = [](WindowRowsTest& t) { t.Click(5); };
  struct TCase {
    const char* Name;
    std::function<void(WindowRowsTest&)> Prepare;
    std::function<void(WindowRowsTest&)> Move;
    int Target;
  } cases[] = {
      {"jump", click5, [](WindowRowsTest& t) { t.JumpTo(QStringLiteral("201")); }, 200},
      {"find", click5, [](WindowRowsTest& t) { t.Find(QStringLiteral("needle"), true, true); }, 150},
      {"find next",
       [](WindowRowsTest& t) {
         t.Find(QStringLiteral("m 2"), true, true);
         t.Click(5);
       },
       [](WindowRowsTest& t) { t.Trigger(C::FindNext); }, 19},
      {"go to time",
       [](WindowRowsTest& t) {
         t.Script.TimeAnswers = {TQBTimeStamp{qbtest::kNoon + 250 * 1000, qbtest::kDay}};
         t.Click(5);
       },
       [](WindowRowsTest& t) { t.Trigger(C::GoToTime); }, 249},
      {"first of its kind", click5, [](WindowRowsTest& t) { t.Trigger(C::NavFirst); }, 0},
      {"next of its kind", click5, [](WindowRowsTest& t) { t.Trigger(C::NavNext); }, 6},
      {"bookmark",
       [](WindowRowsTest& t) {
         t.Click(239);
         t.Trigger(ToggleBookmarkCmd(1));
         t.Click(5);
       },
       [](WindowRowsTest& t) { t.Trigger(JumpToBookmarkCmd(1)); }, 239},
      {"current method", [](WindowRowsTest& t) { t.Click(151); }, [](WindowRowsTest& t) { t.Trigger(C::CurrentMethod); },
       149},
      {"matching exit", [](WindowRowsTest& t) { t.Click(149); }, [](WindowRowsTest& t) { t.Trigger(C::MethodMatch); },
       152},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TearDown();
    SetUp();
    Load(PlainLog());
    c.Prepare(*this);
    c.Move(*this);
    ASSERT_EQ(View().GetItemIndex(), c.Target);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(SelectedRows(), (V{c.Target, c.Target + 1}));
    EXPECT_EQ(View().SelectedCount(), 2);
  }
}

// Rows 200 to 299 of the 300, from the row jumped to down to the last.
TEST_F(WindowRowsTest, CtrlShiftEndAfterAJumpSelectsFromTheRowJumpedTo) {
  Load(PlainLog());
  Click(5);
  JumpTo(QStringLiteral("201"));
  Key(Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(View().SelectedCount(), 100);
  EXPECT_EQ(SelectedRows().front(), 200);
  Window->UpdateCommands();
  EXPECT_EQ(Window->StatusPanes().SelectionCount()->text(), "100 Selected");
}

// Application = Scheduler over a log with an empty Scheduler method (a Client message between its
// entry and exit) and a full one: every way of making the view shows the empty method as one collapsed
// row, with auto-collapse on as the settings have it.
TEST_F(WindowRowsTest, OneFilterGivesOneSetOfRowsHoweverTheViewWasMade) {
  const std::vector<TMsg> log = {{qbmEnterMethod, "tick", "Scheduler"}, {qbmInfo, "poll", "Client"},
                                 {qbmExitMethod, "tick", "Scheduler"},  {qbmEnterMethod, "run", "Scheduler"},
                                 {qbmInfo, "step", "Scheduler"},        {qbmExitMethod, "run", "Scheduler"},
                                 {qbmInfo, "done", "Scheduler"}};
  TQBFilterCriteria scheduler;
  scheduler.CheckAppName = true;
  scheduler.AppName = QStringLiteral("Scheduler");
  using TRows = std::vector<std::pair<int, bool>>;  // record number, collapsed
  const TRows expected = {{1, true}, {4, false}, {5, false}, {6, false}, {7, false}};
  const auto rowsOf = [](const TQBViewRows& rows) {
    TRows out;
    for (int r = 0; r < rows.RowCount(); ++r) out.emplace_back(rows.GetRowRecNo(r), rows.IsRowCollapsedMethod(r));
    return out;
  };
  const auto viewRows = [&](WindowRowsTest& t) {
    const int index = t.ViewIndex(QStringLiteral("Scheduler"));
    EXPECT_GE(index, 1);
    if (index < 1) return TRows{};
    return rowsOf(qobject_cast<TQBMessageView*>(t.Window->Views().At(index).Object)->Model().Rows());
  };
  const struct {
    const char* Name;
    std::function<void(WindowRowsTest&)> Make;
  } ways[] = {
      {"New View",
       [&](WindowRowsTest& t) {
         t.Answers.ViewName = QStringLiteral("Scheduler"), t.Answers.Criteria = scheduler;
         t.Trigger(C::ViewNew);
       }},
      {"Modify View",
       [&](WindowRowsTest& t) {
         t.Answers.ViewName = QStringLiteral("Scheduler"), t.Answers.Criteria = {};
         t.Trigger(C::ViewNew);
         t.Answers.Criteria = scheduler;
         t.Trigger(C::ViewModify);
       }},
      {"Organize Messages",
       [](WindowRowsTest& t) {
         t.Answers.OrganizeBy = orgAppName;
         t.Trigger(C::OrganizeMessages);
       }},
      {"a project",
       [&](WindowRowsTest& t) {
         t.Window->ViewManager().InsertView({QStringLiteral("Scheduler"), QStringLiteral("Default"), scheduler});
         const QString path = t.Files.Path(QStringLiteral("p.qbp"));
         ASSERT_TRUE(t.Window->ProjectArea().Commands().Write(path));
         t.Window->ViewManager().RemoveAllViews();
         t.Script.Answers = {qbNo};  // the removal is not saved
         ASSERT_TRUE(t.Window->ProjectArea().Commands().Open(path));
       }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.Name);
    TearDown();
    SetUp();
    Load(log);
    way.Make(*this);
    EXPECT_EQ(viewRows(*this), expected);
  }
  qbltool::TToolView tool(scheduler);
  const qbltool::TToolIO io{stdout, stderr};
  ASSERT_EQ(tool.Load(Write(log), io), 0);
  EXPECT_EQ(rowsOf(tool.Rows()), expected) << "qbltool";
}

}  // namespace
