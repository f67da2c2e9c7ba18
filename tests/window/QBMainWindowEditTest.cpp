// Annotations, editing, clearing, the detail panel, find and navigation in the real main window with
// the program's own message view: the commands run through their actions, the view's own dialogs (edit
// message, find, the not-found notice) are answered on screen, the window's confirmations by script.

#include "support/QBDialogFakes.h"
#include "support/QBModalAnswer.h"
#include "support/QBTestFiles.h"
#include "support/QBWait.h"

#include "dialogs/QBEditMessageForm.h"
#include "dialogs/QBFindForm.h"
#include "dialogs/QBMessageDialogs.h"
#include "dialogs/QBSearchProgress.h"
#include "model/QBMessageTypes.h"
#include "plugins/widgets/QBPlugInManager.h"
#include "settings/QBIniFile.h"
#include "shell/QBNavKinds.h"
#include "shell/QBTerminateRequest.h"
#include "shell/QBViewManager.h"
#include "window/areas/QBDetailPanel.h"
#include "window/areas/QBEditWindow.h"
#include "window/QBMainForm.h"
#include "window/QBMainLayout.h"
#include "window/areas/QBNavMenu.h"
#include "window/areas/QBNavigationWindow.h"
#include "window/QBStatusPanes.h"
#include "view/widgets/QBMsgView.h"

#include <quillbox/QBCustomViewClass.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <deque>

namespace {

using C = TQBCmd;
using qbtest::AnswerModal;
using qbtest::TModalAnswer;

const TQBViewClassOf<TQBMessageView> MessageViewClass;

// The window's confirmations and navigation dialogs, answered from the fields and recorded.
struct TScript {
  bool Confirm = true, TickClearAll = false;
  int32_t Threshold = 1000;
  QStringList Asked;
};

class TScriptedEditDialogs final : public IQBEditDialogs {
public:
  explicit TScriptedEditDialogs(TScript& s) : S(s) {}
  bool ConfirmClearView(QWidget*, int viewCount, bool& all) override {
    S.Asked << QStringLiteral("clear %1 %2").arg(viewCount).arg(all ? "all" : "current");
    if (!all) all = S.TickClearAll;
    return S.Confirm;
  }
  bool ConfirmClearBookmarks(QWidget*) override {
    S.Asked << QStringLiteral("bookmarks");
    return S.Confirm;
  }

private:
  TScript& S;
};

class TScriptedNavigationDialogs final : public IQBNavigationDialogs {
public:
  explicit TScriptedNavigationDialogs(TScript& s) : S(s) {}
  bool AskTimeDiffThreshold(QWidget*, int32_t& threshold) override {
    S.Asked << QStringLiteral("threshold");
    threshold = S.Threshold;
    return true;
  }
  bool AskNavMessage(QWidget*, bool&, int32_t&) override { return false; }

private:
  TScript& S;
};

struct TMsg {
  int32_t Type = qbmInfo;
  QByteArray Text = "m";
  QByteArray App = "Client";
  QByteArray Details = {};
};

class MainWindowEditTest : public ::testing::Test {
protected:
  void SetUp() override {
    qputenv("XDG_CONFIG_DIRS", Files.Path(QStringLiteral("etc")).toUtf8());
    MessageSet.Close();
    MessageSet.Open();
    PlugIns = std::make_unique<TQBPlugInManagerScope>(
        QString(), MessageViewClass, [](QMessageBox::Icon, auto&, auto& text) { ADD_FAILURE() << text.toStdString(); });
    Ini = std::make_unique<TQBIniFile>(Files.Path(QStringLiteral("QBFileViewer.ini")), false);
    Create();
  }
  // The window, with the settings the file holds.
  void Create() {
    TQBShellDialogs dialogs;
    dialogs.Edit = std::make_unique<TScriptedEditDialogs>(Script);
    dialogs.Navigation = std::make_unique<TScriptedNavigationDialogs>(Script);
    dialogs.Errors = std::make_unique<qbtest::TNoErrors>();
    TQBFolders folders;
    folders.DefaultLogs = Files.Path(QString());
    Window = std::make_unique<TFrmViewer>(*Ini, folders, QStringList(), std::move(dialogs));
    Window->resize(900, 600);
    Window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
  }
  void TearDown() override {
    Window.reset();
    PlugIns.reset();
    MessageSet.Close();
    MessageSet.Open();
  }

  int Add(const TMsg& m) {
    TQBRawMessage raw = qbtest::Message(m.Type, Keep(m.Text), Keep(m.Details));
    raw.AppName = Utf8Bytes(Keep(m.App));
    const int recNo = Window->Adder().AddMessage(raw);
    Window->UpdateCommands();
    return recNo;
  }
  // The messages as a log file, loaded: the log is then unmodified and the title names the file.
  void Load(std::initializer_list<TMsg> msgs) {
    QByteArray bytes;
    for (const TMsg& m : msgs) {
      TQBRawMessage raw = qbtest::Message(m.Type, Keep(m.Text), Keep(m.Details));
      raw.AppName = Utf8Bytes(Keep(m.App));
      bytes += qbtest::MarkedRecord(raw);
    }
    ASSERT_TRUE(Window->LoadFile(Files.Write(QStringLiteral("Trace.qbl"), bytes), false));
    ASSERT_FALSE(Window->LogState().Modified);
  }
  // Keys go where a user's would: to the focused widget of the active window.
  void Activate() {
    Window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
    qobject_cast<QWidget*>(Current().Object)->setFocus();
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
  }
  // Selects first as a click does, then flags the further rows as Ctrl+clicks do.
  void SelectRows(std::initializer_list<int> rows) {
    Select(*rows.begin());
    for (int row : rows) Current().View->SetRowSelected(row, true);
    Window->UpdateCommands();
  }
  void AddTypes(std::initializer_list<int32_t> types) {
    for (int32_t t : types) Add({t});
  }
  void Trigger(C cmd) {
    ASSERT_TRUE(Window->Action(cmd)->isEnabled()) << QBCommandInfo(cmd).Name;
    Window->Action(cmd)->trigger();
  }
  // A new view of the program's class, filled and made current.
  void NewView(const QString& name, const TQBFilterCriteria& criteria) {
    ASSERT_GE(Window->ViewManager().InsertView({name, QStringLiteral("Default"), criteria, true}), 1);
  }
  const TQBViewBinding& Current() const { return Window->CurrentView(); }
  // Selects a row as a click does: the window hears of the selection.
  void Select(int row) { Current().List->SelectRow(row); }
  int CurrentRow() const { return Current().List->GetItemIndex(); }
  QAction* NavEntry(const char* name) const { return Window->findChild<QAction*>(QLatin1String(name)); }

  qbtest::TTempFiles Files;
  TScript Script;
  std::unique_ptr<TQBPlugInManagerScope> PlugIns;
  std::unique_ptr<TQBIniFile> Ini;
  std::unique_ptr<TFrmViewer> Window;

private:
  const QByteArray& Keep(const QByteArray& b) { return FKept.emplace_back(b); }
  std::deque<QByteArray> FKept;
};

// Answers the edit message dialog with text (OK), or cancels it when text is null.
TModalAnswer EditAnswer(const QString& text, QString* shown = nullptr) {
  return AnswerModal<TFrmEditMessage>([text, shown](TFrmEditMessage& edit) {
    if (shown) *shown = edit.Editor()->toPlainText();
    if (text.isNull()) return edit.reject();
    edit.Editor()->setPlainText(text);
    edit.findChild<QPushButton*>(QStringLiteral("btnAccept"))->click();
  });
}

TEST_F(MainWindowEditTest, ANoteInAFilteredViewCarriesItsFilterValuesAndOpensTheEditor) {
  AddTypes({qbmInfo, qbmError});
  TQBFilterCriteria server;
  server.CheckAppName = true, server.AppName = QStringLiteral("Server");
  NewView(QStringLiteral("Server"), server);
  {
    auto answer = EditAnswer(QStringLiteral("first note"));
    Trigger(C::AddNote);
  }
  ASSERT_EQ(Current().View->GetCount(), 1);
  const TQBMessageRef note = MessageSet.At(Current().View->GetRowRecNo(0));
  EXPECT_EQ(note.MsgType(), qbmNote);
  EXPECT_EQ(note.AppName(), "Server");
  EXPECT_EQ(note.MsgText(), "first note");
  EXPECT_EQ(Window->Views().At(0).View->GetCount(), 3);
  EXPECT_TRUE(Window->windowTitle().startsWith('*'));

  // In a view of errors only the note is not a row: the editor opens on the last error.
  TQBFilterCriteria errors;
  errors.CheckMsgTypes = true;
  errors.MsgTypes.set(qbmError);
  NewView(QStringLiteral("Errors"), errors);
  QString shown;
  {
    auto answer = EditAnswer(QString(), &shown);
    Trigger(C::AddNote);
  }
  EXPECT_EQ(shown, "m");
  EXPECT_EQ(MessageSet.At(MessageSet.GetRecordCount()).MsgType(), qbmNote);
}

TEST_F(MainWindowEditTest, TheThirdCheckPointAfterClearAllIsNumberThree) {
  Trigger(C::AddCheckPoint);
  Trigger(C::AddCheckPoint);
  Trigger(C::ClearAll);
  EXPECT_EQ(Script.Asked, QStringList({"clear 1 all"}));
  EXPECT_EQ(MessageSet.GetRecordCount(), 0);
  Trigger(C::AddCheckPoint);
  EXPECT_EQ(MessageSet.At(1).MsgText(), MessageSet.At(1).AppName() + ": Check Point #3");
  EXPECT_EQ(MessageSet.At(1).ID(), 0);
}

TEST_F(MainWindowEditTest, ClearWithTwoViewsAndTheBoxLeftClearEmptiesOnlyTheCurrentView) {
  AddTypes({qbmInfo, qbmWarning, qbmError});
  NewView(QStringLiteral("Copy"), {});
  Select(1);
  Trigger(C::Clear);
  EXPECT_EQ(Script.Asked, QStringList({"clear 2 current"}));
  EXPECT_EQ(Current().View->GetCount(), 0);
  EXPECT_EQ(Window->Views().At(0).View->GetCount(), 3);
  EXPECT_EQ(MessageSet.GetRecordCount(), 3);
  EXPECT_TRUE(Window->CommandStates().IsEnabled(C::OrganizeMessages));
  EXPECT_FALSE(Window->Action(C::Clear)->isEnabled());

  // Ticking the box clears every view and the store.
  Window->ViewManager().Select(0);
  Script.TickClearAll = true;
  Trigger(C::Clear);
  EXPECT_EQ(MessageSet.GetRecordCount(), 0);
  EXPECT_EQ(Window->Views().At(1).View->GetCount(), 0);
}

TEST_F(MainWindowEditTest, ClearWithOneViewEmptiesTheStoreAndForgetsTheFile) {
  TQBRawMessage msg = qbtest::Message(qbmInfo, "loaded");
  const QString path = Files.Write("Trace.qbl", qbtest::MarkedRecord(msg) + qbtest::MarkedRecord(msg));
  ASSERT_TRUE(Window->LoadFile(path, false));
  EXPECT_TRUE(Window->windowTitle().startsWith("Trace.qbl"));
  Window->Action(C::ViewDetailPanel)->trigger();
  auto* panel = Window->Layout().DetailPanel();
  Select(1);
  EXPECT_EQ(panel->findChild<QLabel*>("stsPID")->text(), "0");

  // Declined: nothing changes.
  Script.Confirm = false;
  Trigger(C::Clear);
  EXPECT_EQ(MessageSet.GetRecordCount(), 2);
  Script.Confirm = true;
  Trigger(C::Clear);
  EXPECT_EQ(Script.Asked, QStringList({"clear 1 current", "clear 1 current"}));
  EXPECT_EQ(MessageSet.GetRecordCount(), 0);
  EXPECT_EQ(Window->Adder().NextID(), 0);
  EXPECT_TRUE(Window->LogState().CurrentFile.isEmpty());
  EXPECT_EQ(Window->windowTitle(), "Quillbox File Viewer");
  EXPECT_FALSE(Window->Action(C::Refresh)->isEnabled());
  // The detail panel empties with the inspectors.
  for (int i = 0; i < 8; ++i) EXPECT_TRUE(panel->Value(i)->text().isEmpty()) << i;

  // With the confirmation switched off nothing is asked.
  Window.reset();
  Ini->WriteBool(QStringLiteral("General"), QStringLiteral("ConfirmOnClear"), false);
  Create();
  AddTypes({qbmInfo});
  Trigger(C::ClearAll);
  EXPECT_EQ(Script.Asked.size(), 2);
  EXPECT_EQ(MessageSet.GetRecordCount(), 0);
}

TEST_F(MainWindowEditTest, AnEditThatChangesTheTextMarksTheLogModified) {
  TQBRawMessage msg = qbtest::Message(qbmInfo, "first\r\n\r\nsecond");
  TQBRawMessage separator = qbtest::Message(qbmSeparator, "-");
  const QString path = Files.Write("Edit.qbl", qbtest::MarkedRecord(msg) + qbtest::MarkedRecord(separator));
  ASSERT_TRUE(Window->LoadFile(path, false));
  ASSERT_FALSE(Window->LogState().Modified);

  // A separator cannot be edited.
  Select(1);
  EXPECT_FALSE(Window->Action(C::EditMessage)->isEnabled());

  Select(0);
  QString shown;
  {
    auto answer = EditAnswer(QString(), &shown);
    Trigger(C::EditMessage);
  }
  EXPECT_EQ(shown, "first\nsecond");
  EXPECT_FALSE(Window->windowTitle().startsWith('*'));
  {
    auto answer = EditAnswer(QStringLiteral("changed"));
    Trigger(C::EditMessage);
  }
  EXPECT_EQ(MessageSet.At(1).MsgText(), "changed");
  EXPECT_TRUE(Window->LogState().Modified);
  EXPECT_EQ(Window->windowTitle(), "*Edit.qbl - Quillbox File Viewer");
}

TEST_F(MainWindowEditTest, AutomaticNavigationFollowsTheSelectedMessage) {
  //         0        1           2        3           4              5        6
  AddTypes({qbmInfo, qbmWarning, qbmInfo, qbmWarning, qbmCheckPoint, qbmInfo, qbmCheckPoint});
  auto* button = Window->findChild<QToolButton*>("btnNavSelect");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->toolTip(), "Browse for Check Points");
  EXPECT_EQ(button->menu()->objectName(), "mnuNavMsg");

  Select(1);
  EXPECT_EQ(button->toolTip(), "Browse for Warning Messages");
  EXPECT_FALSE(Window->Action(C::NavPrevious)->isEnabled());
  Trigger(C::NavNext);
  EXPECT_EQ(CurrentRow(), 3);
  EXPECT_TRUE(Window->Action(C::NavFirst)->isEnabled());
  EXPECT_FALSE(Window->Action(C::NavNext)->isEnabled());

  Select(4);
  Trigger(C::NavNext);
  EXPECT_EQ(CurrentRow(), 6);
  Trigger(C::NavFirst);
  EXPECT_EQ(CurrentRow(), 4);

  // A kind chosen from the menu: its messages all lie before the selected row.
  NavEntry("actNavWarning")->trigger();
  EXPECT_TRUE(NavEntry("actNavWarning")->isChecked());
  EXPECT_FALSE(Window->Action(C::NavLast)->isEnabled());
  Trigger(C::NavPrevious);
  EXPECT_EQ(CurrentRow(), 3);
}

TEST_F(MainWindowEditTest, TimeDifferenceModeEnablesAllFourInAnEmptyView) {
  EXPECT_FALSE(Window->Action(C::NavNext)->isEnabled());
  Script.Threshold = 1500;
  NavEntry("actNavTimeDiff")->trigger();
  EXPECT_EQ(Script.Asked, QStringList({"threshold"}));
  for (C cmd : {C::NavFirst, C::NavPrevious, C::NavNext, C::NavLast})
    EXPECT_TRUE(Window->Action(cmd)->isEnabled()) << QBCommandInfo(cmd).Name;
  EXPECT_FALSE(NavEntry("actNavInfo")->isEnabled());
  EXPECT_FALSE(NavEntry("actNavAutomatic")->isEnabled());
  EXPECT_TRUE(NavEntry("actNavTimeDiff")->isChecked());
  EXPECT_EQ(Window->findChild<QToolButton*>("btnNavSelect")->toolTip(), "Browse for Time Difference (1500 ms)");

  // Off again: the kind comes back, and in the empty view nothing is enabled.
  NavEntry("actNavTimeDiff")->trigger();
  EXPECT_EQ(Window->findChild<QToolButton*>("btnNavSelect")->toolTip(), "Browse for Check Points");
  EXPECT_TRUE(NavEntry("actNavCheckPoints")->isChecked());
  EXPECT_FALSE(Window->Action(C::NavNext)->isEnabled());

  // The mode and its threshold are written with the settings.
  NavEntry("actNavTimeDiff")->trigger();
  Window.reset();
  EXPECT_EQ(Ini->ReadInteger("General", "TimeDiffNavThreshold", 0), 1500);
  EXPECT_TRUE(Ini->ReadBool("General", "NavigatorTimeDiff", false));
}

TEST_F(MainWindowEditTest, NextAndLastAreEnabledAtOnceWhenAMessageOfTheKindArrives) {
  AddTypes({qbmInfo, qbmInfo});
  NavEntry("actNavInfo")->trigger();
  NavEntry("actNavAutomatic")->trigger();
  NavEntry("actNavCheckPoints")->trigger();
  Select(1);
  EXPECT_FALSE(Window->Action(C::NavNext)->isEnabled());
  // Added without a command: no command update runs, the navigator enables them itself.
  TQBRawMessage checkPoint = qbtest::Message(qbmCheckPoint, "cp");
  Window->Adder().AddMessage(checkPoint);
  EXPECT_TRUE(Window->Action(C::NavNext)->isEnabled());
  EXPECT_TRUE(Window->Action(C::NavLast)->isEnabled());
  EXPECT_FALSE(Window->Action(C::NavPrevious)->isEnabled());
}

TEST_F(MainWindowEditTest, FindAndFindNextThroughTheirDialogs) {
  Add({qbmInfo, "alpha"});
  Add({qbmInfo, "beta", "Client", "the needle"});
  Add({qbmInfo, "gamma needle"});
  Add({qbmInfo, "delta"});
  {
    auto answer = AnswerModal<TFrmFind>([](TFrmFind& find) {
      find.FindText()->setEditText("NEEDLE");
      find.findChild<QPushButton*>("btnOK")->click();
    });
    Trigger(C::Find);
  }
  EXPECT_EQ(CurrentRow(), 1);
  EXPECT_EQ(Ini->ReadString("MRULists", "FindText_Item0", ""), "NEEDLE");
  Trigger(C::FindNext);
  EXPECT_EQ(CurrentRow(), 2);
  QString notice;
  {
    auto answer = AnswerModal<TFrmDisplayMessage>([&notice](TFrmDisplayMessage& d) {
      notice = d.findChild<QLabel*>("lblMessage")->text();
      d.accept();
    });
    Trigger(C::FindNext);
  }
  EXPECT_EQ(notice, "Search string 'NEEDLE' not found.");
}

// The find options through the window's Find: each pair of options finds its row (both off is the
// plain search), the window keeps what the dialog confirmed for the next session, and that session's
// dialog opens with them.
TEST_F(MainWindowEditTest, FindOptionsChooseTheRowAndLastIntoTheNextSession) {
  Add({qbmInfo, "alpha"});
  Add({qbmInfo, "beta", "Client", "the needle"});
  Add({qbmInfo, "gamma Needle"});
  Add({qbmInfo, "delta 42"});
  const struct {
    const char* Text;
    bool MatchCase, RegularExpression;
    int Row;
  } cases[] = {
      {"NEEDLE", false, false, 1},      // ASCII case folded, details searched
      {"Needle", true, false, 2},       // the details' "needle" no longer matches
      {"^DELTA \\d+$", false, true, 3},  // an expression, any case
      {"Ne+dle", true, true, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    Select(0);
    auto answer = AnswerModal<TFrmFind>([&c](TFrmFind& find) {
      find.FindText()->setEditText(QString::fromUtf8(c.Text));
      find.MatchCase()->setChecked(c.MatchCase);
      find.RegularExpression()->setChecked(c.RegularExpression);
      find.findChild<QPushButton*>("btnOK")->click();
    });
    Trigger(C::Find);
    EXPECT_EQ(CurrentRow(), c.Row);
  }
  // Find Next goes on with the kept expression: no further match after row 2.
  {
    auto notice = AnswerModal<TFrmDisplayMessage>([](TFrmDisplayMessage& d) { d.accept(); });
    Trigger(C::FindNext);
  }
  EXPECT_EQ(CurrentRow(), 2);

  Window.reset();
  EXPECT_TRUE(Ini->ReadBool("Find", "MatchCase", false));
  EXPECT_TRUE(Ini->ReadBool("Find", "RegularExpression", false));
  Create();
  Add({qbmInfo, "x"});
  bool matchCase = false, expression = false;
  {
    auto answer = AnswerModal<TFrmFind>([&](TFrmFind& find) {
      matchCase = find.MatchCase()->isChecked();
      expression = find.RegularExpression()->isChecked();
      find.reject();
    });
    Trigger(C::Find);
  }
  EXPECT_TRUE(matchCase);
  EXPECT_TRUE(expression);
}

TEST_F(MainWindowEditTest, ClearBookmarksAsksFirst) {
  AddTypes({qbmInfo});
  Select(0);
  Trigger(ToggleBookmarkCmd(2));
  Script.Confirm = false;
  Trigger(C::ClearBookmarks);
  EXPECT_EQ(Current().List->GetBookmark(2), 1);
  Script.Confirm = true;
  Trigger(C::ClearBookmarks);
  EXPECT_EQ(Current().List->GetBookmark(2), -1);
  EXPECT_EQ(Script.Asked, QStringList({"bookmarks", "bookmarks"}));
  EXPECT_FALSE(Window->Action(C::ClearBookmarks)->isEnabled());
}

TEST_F(MainWindowEditTest, TheWindowMenuAddsASeparatorAndClearsAll) {
  QMenu* system = Window->Menus().System;
  QAction* separator = system->findChild<QAction*>("mnuSysAddSeparator");
  QAction* clearAll = system->findChild<QAction*>("mnuSysClearAll");
  ASSERT_TRUE(separator && clearAll);
  EXPECT_TRUE(separator->isEnabled());
  separator->trigger();
  EXPECT_EQ(MessageSet.At(1).MsgType(), qbmSeparator);
  EXPECT_EQ(Current().View->GetCount(), 1);
  clearAll->trigger();
  EXPECT_EQ(MessageSet.GetRecordCount(), 0);
}

TEST_F(MainWindowEditTest, TheDetailPanelFollowsTheSelectionAndTheValueColour) {
  Window->Action(C::ViewDetailPanel)->trigger();
  auto* panel = Window->Layout().DetailPanel();
  EXPECT_TRUE(panel->isVisible());
  EXPECT_EQ(panel->objectName(), "pnlMsgDetails");
  for (int i = 0; i < 8; ++i) EXPECT_TRUE(panel->Value(i)->text().isEmpty());
  Add({qbmInfo, "one", "Server"});
  Add({qbmWarning, "two", "Client"});
  Select(0);
  EXPECT_EQ(panel->findChild<QLabel*>("stsAppName")->text(), "Server");
  Select(1);
  EXPECT_EQ(panel->findChild<QLabel*>("stsAppName")->text(), "Client");
  EXPECT_EQ(panel->Value(0)->palette().color(QPalette::WindowText), QColor(0, 51, 142));
  // Its height follows its width.
  EXPECT_EQ(panel->height(), panel->width() < 291 ? 136 : panel->width() < 540 ? 71 : 39);
}

// In whatever font the machine gives the panel, each label shows its whole text at every width, and a
// screen reader hears each value: its accessible name is its text, and its label names it.
TEST_F(MainWindowEditTest, TheDetailPanelsLabelsAreWholeAndItsValuesAreHeard) {
  Window->Action(C::ViewDetailPanel)->trigger();
  auto* panel = Window->Layout().DetailPanel();
  Add({qbmInfo, "one", "Server"});
  Select(0);
  for (const int width : {900, 560, 400, 250}) {
    panel->resize(width, panel->height());
    for (int i = 0; i < 8; ++i) {
      const QLabel* label = panel->Label(i);
      EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
          << width << " " << label->text().toStdString();
      EXPECT_LE(panel->Value(i)->geometry().right(), width) << width << " " << label->text().toStdString();
    }
  }
  int heardValues = 0;
  for (int i = 0; i < 8; ++i) {
    QLabel* value = panel->Value(i);
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(value);
    ASSERT_NE(heard, nullptr);
    // An empty value is heard by its label's name.
    if (!value->text().isEmpty()) {
      EXPECT_EQ(heard->text(QAccessible::Name), value->text()) << panel->Label(i)->text().toStdString();
      ++heardValues;
    }
    const auto labels = heard->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1) << panel->Label(i)->text().toStdString();
    EXPECT_EQ(labels.front().first->object(), panel->Label(i));
  }
  EXPECT_EQ(heardValues, 4) << "application, process, date and time";
}

// A run of text around a method, the fixture of the selection commands below.
const std::initializer_list<TMsg> kMethodLog = {
    {qbmEnterMethod, "Run"}, {qbmInfo, "  inner\t"}, {qbmExitMethod, "Run"}, {qbmInfo, "after"}};

TEST_F(MainWindowEditTest, SelectAllCopyAndDeleteByKeyActOnTheCurrentViewOnly) {
  Load(kMethodLog);
  NewView(QStringLiteral("Second"), {});
  Activate();
  Key(Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(Current().View->SelectedCount(), 4);
  EXPECT_EQ(Window->StatusPanes().SelectionCount()->text(), "4 Selected");
  EXPECT_EQ(Window->Views().At(0).View->SelectedCount(), 0);
  // Only the message texts go, each indented two spaces per nesting level, each line ending in CR LF.
  QGuiApplication::clipboard()->clear();
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "Run\r\n    inner\t\r\nRun\r\nafter\r\n");
  Key(Qt::Key_Delete);
  EXPECT_EQ(Current().View->GetCount(), 0);
  EXPECT_EQ(Window->Views().At(0).View->GetCount(), 4);
  EXPECT_EQ(MessageSet.GetRecordCount(), 4);
  EXPECT_EQ(Window->windowTitle(), "*Trace.qbl - Quillbox File Viewer");
  for (C cmd : {C::Delete, C::CropToSelection, C::SelectAll, C::CopyMessageText, C::Clear})
    EXPECT_FALSE(Window->Action(cmd)->isEnabled()) << QBCommandInfo(cmd).Name;
}

TEST_F(MainWindowEditTest, CropKeepsTheSelectionInTheCurrentViewAndLeavesTheLogUnmodified) {
  Load(kMethodLog);
  NewView(QStringLiteral("Second"), {});
  SelectRows({1, 3});
  Trigger(C::CropToSelection);
  ASSERT_EQ(Current().View->GetCount(), 2);
  EXPECT_EQ(Current().View->GetRowRecNo(0), 2);
  EXPECT_EQ(Current().View->GetRowRecNo(1), 4);
  EXPECT_EQ(Window->Views().At(0).View->GetCount(), 4);
  EXPECT_EQ(Window->windowTitle(), "Trace.qbl - Quillbox File Viewer");
}

TEST_F(MainWindowEditTest, CopyTakesLevelsAndHiddenBodiesWhateverTheDisplay) {
  struct TCase {
    const char* Name;
    std::initializer_list<int> Rows;
    C Display;  // a display command run first, or Count for none
    const char* Copied;
  } cases[] = {
      {"one line is trimmed", {1}, C::Count, "inner"},
      {"a flat display still indents", {0, 1}, C::FlattenStructure, "Run\r\n    inner\t\r\n"},
      {"a collapsed method brings its body", {0}, C::ToggleMethod, "Run\r\n    inner\t\r\nRun\r\n"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TearDown();
    SetUp();
    Load(kMethodLog);
    // Row 0 is current before the display command: Toggle Method works on it. Selecting row 0 again
    // afterwards flags what the row stands for, a collapsed method's body included.
    Select(3);
    Select(0);
    if (c.Display != C::Count) Trigger(c.Display);
    Select(3);
    SelectRows(c.Rows);
    QGuiApplication::clipboard()->clear();
    Trigger(C::CopyMessageText);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), c.Copied);
  }
}

// The panel and the inspectors show the focused message: when a command leaves no row focused they
// must not keep showing one.
TEST_F(MainWindowEditTest, RemovingTheFocusEmptiesTheDetailPanel) {
  struct TCase {
    C Cmd;
    int RowsLeft;
  } cases[] = {{C::Delete, 0}, {C::CropToSelection, 2}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(QBCommandInfo(c.Cmd).Name);
    TearDown();
    SetUp();
    Window->Action(C::ViewDetailPanel)->trigger();
    auto* panel = Window->Layout().DetailPanel();
    Add({qbmInfo, "one", "Server"});
    Add({qbmInfo, "two", "Client"});
    SelectRows({1, 0});
    ASSERT_EQ(panel->findChild<QLabel*>("stsAppName")->text(), "Client");
    Trigger(c.Cmd);
    EXPECT_EQ(Current().View->GetCount(), c.RowsLeft);
    EXPECT_EQ(CurrentRow(), -1);
    for (int i = 0; i < 8; ++i) EXPECT_TRUE(panel->Value(i)->text().isEmpty()) << i;
  }
}

TEST_F(MainWindowEditTest, AnnotationsFollowTheTabShown) {
  AddTypes({qbmEnterMethod, qbmError});
  TQBFilterCriteria server;
  server.CheckAppName = true, server.AppName = QStringLiteral("Server");
  NewView(QStringLiteral("Server"), server);
  TQBFilterCriteria errors;
  errors.CheckMsgTypes = true;
  errors.MsgTypes.set(qbmError);
  NewView(QStringLiteral("Errors"), errors);
  Window->ViewManager().Select(1);
  QString shown;
  {
    auto answer = EditAnswer(QString(), &shown);
    Trigger(C::AddNote);
  }
  EXPECT_EQ(shown, "New Note");
  const TQBMessageRef note = MessageSet.At(MessageSet.GetRecordCount());
  EXPECT_EQ(note.AppName(), "Server");
  EXPECT_EQ(Window->Views().At(0).View->GetCount(), 3);
  EXPECT_EQ(Window->Views().At(1).View->GetCount(), 1);
  EXPECT_EQ(Window->Views().At(2).View->GetCount(), 1);

  // A reset separator starts the nesting over in the tab shown only; the first tab stays inside the
  // method the first message entered.
  Window->ViewManager().Select(1);
  Trigger(C::AddResetSeparator);
  Add({qbmInfo, "after", "Server"});
  EXPECT_EQ(Current().List->GetRowLevel(Current().View->GetCount() - 1), 0);
  const TQBViewBinding& all = Window->Views().At(0);
  EXPECT_EQ(all.List->GetRowLevel(all.View->GetCount() - 1), 1);
}

TEST_F(MainWindowEditTest, BookmarksBelongToTheTabShown) {
  AddTypes({qbmInfo, qbmInfo});
  NewView(QStringLiteral("Second"), {});
  Select(1);
  Trigger(ToggleBookmarkCmd(2));
  EXPECT_TRUE(Window->Action(JumpToBookmarkCmd(2))->isEnabled());
  Window->ViewManager().Select(0);
  Select(0);
  EXPECT_FALSE(Window->Action(JumpToBookmarkCmd(2))->isEnabled());
  EXPECT_FALSE(Window->Action(C::ClearBookmarks)->isEnabled());
  Window->ViewManager().Select(1);
  Trigger(JumpToBookmarkCmd(2));
  EXPECT_EQ(CurrentRow(), 1);
  Trigger(C::ClearBookmarks);
  EXPECT_EQ(Current().List->GetBookmark(2), -1);
}

TEST_F(MainWindowEditTest, NavigationAndTheDetailPanelFollowTheTabShown) {
  Add({qbmInfo, "a", "Client"});
  Add({qbmWarning, "b", "Server"});
  Add({qbmInfo, "c", "Client"});
  Add({qbmWarning, "d", "Server"});
  Window->Action(C::ViewDetailPanel)->trigger();
  auto* appName = Window->Layout().DetailPanel()->findChild<QLabel*>("stsAppName");
  auto* button = Window->findChild<QToolButton*>("btnNavSelect");
  TQBFilterCriteria server;
  server.CheckAppName = true, server.AppName = QStringLiteral("Server");
  NewView(QStringLiteral("Server"), server);
  Window->ViewManager().Select(0);
  Select(2);
  EXPECT_EQ(button->toolTip(), "Browse for Info Messages");
  EXPECT_TRUE(Window->Action(C::NavPrevious)->isEnabled());
  EXPECT_FALSE(Window->Action(C::NavNext)->isEnabled());

  // The Server tab has no focused row yet: nothing to show, nowhere to step from.
  Window->ViewManager().Select(1);
  EXPECT_TRUE(appName->text().isEmpty());
  for (C cmd : {C::NavFirst, C::NavPrevious, C::NavNext, C::NavLast})
    EXPECT_FALSE(Window->Action(cmd)->isEnabled()) << QBCommandInfo(cmd).Name;
  Select(0);
  EXPECT_EQ(button->toolTip(), "Browse for Warning Messages");
  Trigger(C::NavNext);
  EXPECT_EQ(CurrentRow(), 1);
  EXPECT_EQ(appName->text(), "Server");

  // Back on the first tab its focused info message is shown and sets the kind again.
  Window->ViewManager().Select(0);
  EXPECT_EQ(appName->text(), "Client");
  EXPECT_EQ(button->toolTip(), "Browse for Info Messages");
  EXPECT_FALSE(Window->Action(C::NavNext)->isEnabled());
  Trigger(C::NavPrevious);
  EXPECT_EQ(CurrentRow(), 0);
}

TEST_F(MainWindowEditTest, FindSearchesTheRowsOfTheTabShownWithOneSearchState) {
  Add({qbmInfo, "needle a", "Client"});
  Add({qbmInfo, "b", "Server"});
  Add({qbmInfo, "needle c", "Server"});
  Add({qbmInfo, "d", "Server"});
  TQBFilterCriteria server;
  server.CheckAppName = true, server.AppName = QStringLiteral("Server");
  NewView(QStringLiteral("Server"), server);
  {
    auto answer = AnswerModal<TFrmFind>([](TFrmFind& find) {
      find.FindText()->setEditText("needle");
      find.findChild<QPushButton*>("btnOK")->click();
    });
    Trigger(C::Find);
  }
  EXPECT_EQ(CurrentRow(), 1);
  {
    auto answer = AnswerModal<TFrmDisplayMessage>([](TFrmDisplayMessage& d) { d.accept(); });
    Trigger(C::FindNext);
  }
  EXPECT_EQ(CurrentRow(), 1);
  // Find Next on the other tab continues with the same text there, from its top.
  Window->ViewManager().Select(0);
  Trigger(C::FindNext);
  EXPECT_EQ(CurrentRow(), 0);
}

// "(a+)+$" on forty "a" and a "!" tries every split of the a's; each message's match is bounded, so the
// search ends, and the notice says how many messages the expression gave up on instead of a plain "not
// found".
TEST_F(MainWindowEditTest, AnExpressionThatGivesUpEndsAndSaysSo) {
  for (int n = 0; n < 50; ++n) Add({qbmInfo, QByteArray(40, 'a') + '!'});
  Add({qbmInfo, "plain"});
  QString notice;
  {
    auto find = AnswerModal<TFrmFind>([](TFrmFind& dialog) {
      dialog.FindText()->setEditText("(a+)+$");
      dialog.RegularExpression()->setChecked(true);
      dialog.findChild<QPushButton*>("btnOK")->click();
    });
    auto answer = AnswerModal<TFrmDisplayMessage>([&notice](TFrmDisplayMessage& d) {
      notice = d.findChild<QLabel*>("lblMessage")->text();
      d.accept();
    });
    Trigger(C::Find);
  }
  EXPECT_TRUE(notice.startsWith("Search string '(a+)+$' not found.")) << notice.toStdString();
  EXPECT_TRUE(notice.endsWith("50 messages could not be searched fully.")) << notice.toStdString();
}

// A terminate signal while a long search shows its progress cancels the search at its next check (no
// notice), and the window then closes.
TEST_F(MainWindowEditTest, ATerminateSignalCancelsALongSearchAndThenCloses) {
  QByteArray bytes;
  for (int n = 0; n < 5000; ++n) bytes += qbtest::MarkedRecord(qbtest::Message(qbmInfo, QByteArray(40, 'a') + '!'));
  ASSERT_TRUE(Window->LoadFile(Files.Write(QStringLiteral("Hostile.qbl"), bytes), false));
  QTimer::singleShot(TQBSearchProgressDialog::ShowAfterMs + 100, Window.get(), [this] {
    qbterminate::Request();
    Window->close();
  });
  // A notice would be wrong, but must not hold the test.
  int notices = 0;
  QTimer noticeWatch;
  QObject::connect(&noticeWatch, &QTimer::timeout, [&notices] {
    if (auto* notice = qobject_cast<TFrmDisplayMessage*>(QApplication::activeModalWidget())) {
      ++notices;
      notice->accept();
    }
  });
  noticeWatch.start(20);
  {
    auto find = AnswerModal<TFrmFind>([](TFrmFind& dialog) {
      dialog.FindText()->setEditText("(a+)+$");
      dialog.RegularExpression()->setChecked(true);
      dialog.findChild<QPushButton*>("btnOK")->click();
    });
    Trigger(C::Find);
  }
  EXPECT_EQ(notices, 0);
  QB_EXPECT_SOON(!Window->isVisible());
}

}  // namespace
