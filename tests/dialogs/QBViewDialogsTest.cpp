// The dialogs of view management driven as a user drives them: the view filter dialog, the organizer
// settings dialog in both forms, the yes/no/cancel question and the remove-all-views confirmation.

#include "dialogs/QBMessageDialogs.h"
#include "dialogs/QBOrganizerSettingsForm.h"
#include "dialogs/QBQuestionDialogs.h"
#include "dialogs/QBViewFilterForm.h"
#include "support/QBModalAnswer.h"
#include "support/QBTestStore.h"

#include <quillbox/QuillboxMessageSet.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <map>

using namespace qbviewfilter;

// Cases name only the fields they set; the others keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

template <typename T>
T* Child(QWidget* parent, const char* name) {
  T* child = parent->findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

// A click on a button; a check box is clicked on its box, which lies at its left whatever its width.
void Click(QAbstractButton* button) {
  const bool check = qobject_cast<QCheckBox*>(button) != nullptr;
  QTest::mouseClick(button, Qt::LeftButton, {}, check ? QPoint(6, button->height() / 2) : button->rect().center());
}
void Click(QWidget* parent, const char* name) { Click(Child<QAbstractButton>(parent, name)); }

class ViewFilterDialogTest : public ::testing::Test {
protected:
  void SetUp() override {
    Store.Add({.App = "Orders", .Category = "Net", .Pid = 20, .Thread = "Main", .Computer = "PC", .Text = "hello"});
    Store.Add({.App = "billing", .Category = "", .Pid = 100, .Thread = "Worker", .Computer = "PC"});
    Dialog = std::make_unique<TFrmViewFilter>(Set, QStringList{"Default", "Sample List"});
    Dialog->SetHelpTopic("Viewer_Commands_Organize_NewView");
    Dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Dialog.get()));
  }

  QCheckBox* Check(const char* name) { return Child<QCheckBox>(Dialog.get(), name); }
  QComboBox* Combo(const char* name) { return Child<QComboBox>(Dialog.get(), name); }
  QLineEdit* Edit(const char* name) { return Child<QLineEdit>(Dialog.get(), name); }
  QToolButton* TypeButton(int i) { return Child<QToolButton>(Dialog.get(), TypeButtons()[size_t(i)].ObjectName); }

  TQuillboxMessageSet Set;
  qbtest::TTestStore Store{Set};
  std::unique_ptr<TFrmViewFilter> Dialog;
};

TEST_F(ViewFilterDialogTest, EveryControlHasItsNameAndCaption) {
  EXPECT_EQ(Dialog->windowTitle(), "View Filter");
  const std::map<const char*, const char*> captions = {
      {"chkAppName", "&Application Name"}, {"chkCategory", "&Category"},     {"chkComputerName", "Computer &Name"},
      {"chkProcessID", "&Process ID"},      {"chkThreadName", "&Thread"},     {"chkMessageText", "Message Te&xt"},
      {"chkMsgType", "&Message Type"},      {"chkAutoName", "Aut&o Name"},    {"btnSelectAll", "&Select All"},
      {"btnUnselectAll", "&Unselect All"},  {"btnNoFilter", "No Filter"},     {"btnOK", "OK"},
      {"btnCancel", "Cancel"},              {"btnHelp", "&Help"}};
  for (const auto& [name, caption] : captions) EXPECT_EQ(Child<QAbstractButton>(Dialog.get(), name)->text(), caption);
  EXPECT_EQ(Child<QLabel>(Dialog.get(), "lblViewName")->text(), "&View Name");
  EXPECT_EQ(Child<QGroupBox>(Dialog.get(), "grpDetails")->title(), "Filter Details");
  EXPECT_FALSE(Child<QLabel>(Dialog.get(), "lblViewType")->isVisible());
  EXPECT_FALSE(Combo("cbxViewType")->isVisible());
  EXPECT_EQ(Dialog->ViewClassName(), "Default");
  for (const char* field : {"cbxAppName", "cbxCategory", "cbxComputerName", "cbxProcessID", "cbxThreadName"})
    EXPECT_TRUE(Combo(field)->isEditable()) << field;
  Edit("edtMessageText");
  Edit("edtViewName");
  EXPECT_TRUE(Child<QPushButton>(Dialog.get(), "btnOK")->isDefault());
}

TEST_F(ViewFilterDialogTest, TheTypeGridHasFiveRowsWithItsEighthColumnApart) {
  std::map<int, int> rowTop, columnLeft;
  for (int i = 0; i < TypeButtonCount; ++i) {
    const TTypeButton& info = TypeButtons()[size_t(i)];
    QToolButton* b = TypeButton(i);
    EXPECT_EQ(b->toolTip(), info.Hint);
    EXPECT_FALSE(b->icon().isNull()) << info.ObjectName;
    EXPECT_TRUE(b->isCheckable());
    EXPECT_FALSE(b->isEnabled());
    const QPoint at = b->mapTo(Dialog.get(), QPoint(0, 0));
    // Every button of a row shares its top, every button of a column its left edge.
    if (rowTop.count(info.Row)) {
      EXPECT_EQ(rowTop[info.Row], at.y()) << info.ObjectName;
    }
    if (columnLeft.count(info.Column)) {
      EXPECT_EQ(columnLeft[info.Column], at.x()) << info.ObjectName;
    }
    rowTop[info.Row] = at.y();
    columnLeft[info.Column] = at.x();
  }
  EXPECT_EQ(rowTop.size(), 5u);
  for (int r = 1; r < 5; ++r) EXPECT_GT(rowTop[r], rowTop[r - 1]);
  EXPECT_GT(columnLeft[7] - columnLeft[6], columnLeft[6] - columnLeft[5]);
}

TEST_F(ViewFilterDialogTest, ValueListsComeFromTheStore) {
  EXPECT_EQ(Combo("cbxAppName")->count(), 2);
  EXPECT_EQ(Combo("cbxAppName")->itemText(0), "billing");
  EXPECT_EQ(Combo("cbxCategory")->itemText(0), "") << "one empty entry on top";
  EXPECT_EQ(Combo("cbxProcessID")->itemText(0), "100");
  EXPECT_EQ(Combo("cbxAppName")->currentText(), "") << "the fields start empty";
  TQuillboxMessageSet empty;
  TFrmViewFilter none(empty, {});
  EXPECT_EQ(none.findChild<QComboBox*>("cbxThreadName")->count(), 0);
  EXPECT_EQ(none.ViewClassName(), "");
}

TEST_F(ViewFilterDialogTest, ANewViewsNameFollowsTheCriteriaUntilTheUserTypesOne) {
  Dialog->SetViewName("");
  Dialog->SyncAutoNameCheck();
  EXPECT_TRUE(Check("chkAutoName")->isChecked());
  EXPECT_FALSE(Child<QPushButton>(Dialog.get(), "btnOK")->isEnabled());

  Click(Check("chkCategory"));
  EXPECT_TRUE(Combo("cbxCategory")->isEnabled());
  EXPECT_TRUE(Combo("cbxCategory")->hasFocus());
  QTest::keyClicks(QApplication::focusWidget(), "Net");
  EXPECT_EQ(Dialog->ViewName(), "Net");
  EXPECT_TRUE(Child<QPushButton>(Dialog.get(), "btnOK")->isEnabled());

  Edit("edtViewName")->setFocus();
  QTest::keyClicks(Edit("edtViewName"), "!");
  EXPECT_FALSE(Check("chkAutoName")->isChecked()) << "typing a name ends the automatic name";
  Click(Check("chkProcessID"));
  QTest::keyClicks(QApplication::focusWidget(), "7");
  EXPECT_EQ(Dialog->ViewName(), "Net!");
  Click(Check("chkAutoName"));
  EXPECT_EQ(Dialog->ViewName(), "Net | PID=7") << "ticking Auto Name again takes the auto name at once";
}

TEST_F(ViewFilterDialogTest, MessageTypeSelectionAndNoFilter) {
  Click(Check("chkMsgType"));
  for (int i = 0; i < TypeButtonCount; ++i) EXPECT_TRUE(TypeButton(i)->isEnabled());
  Click(Dialog.get(), "btnSelectAll");
  EXPECT_TRUE(Dialog->Form().Down.all());
  Click(Dialog.get(), "btnUnselectAll");
  EXPECT_TRUE(Dialog->Form().Down.none());
  Click(TypeButton(3));
  EXPECT_TRUE(TypeButton(3)->isChecked());
  Click(Check("chkMsgType"));
  EXPECT_FALSE(TypeButton(3)->isChecked()) << "unticking raises every button";
  Click(Check("chkMsgType"));
  EXPECT_FALSE(TypeButton(3)->isChecked()) << "and ticking again does not bring them back";

  Click(Check("chkThreadName"));
  QTest::keyClicks(QApplication::focusWidget(), "Main");
  Click(Dialog.get(), "btnNoFilter");
  const TQBFilterForm form = Dialog->Form();
  EXPECT_FALSE(form.CheckThreadName || form.CheckMsgType);
  EXPECT_FALSE(Combo("cbxThreadName")->isEnabled());
  EXPECT_EQ(form.ThreadName, "Main") << "No Filter leaves the texts";
  Click(Check("chkThreadName"));
  EXPECT_EQ(Combo("cbxThreadName")->currentText(), "Main");
}

TEST_F(ViewFilterDialogTest, OkReportsAnIncompleteFilterAndKeepsTheDialogOpen) {
  Dialog->SetViewName("Mine");
  Click(Check("chkProcessID"));
  Click(Check("chkAppName"));
  QString reported;
  {
    auto answer = qbtest::AnswerModal<TFrmDisplayMessage>([&](TFrmDisplayMessage& message) { reported = message.Text(); });
    Click(Dialog.get(), "btnOK");
    EXPECT_TRUE(answer.Answered());
  }
  EXPECT_EQ(reported, "Incomplete Filter:\nPlease specify a Process ID.\nPlease specify an Application Name.");
  EXPECT_TRUE(Dialog->isVisible());
  EXPECT_EQ(Dialog->result(), 0);
  // The field that takes the focus once the dialog is active again.
  EXPECT_TRUE(Dialog->focusWidget() == Combo("cbxAppName") || Dialog->focusWidget() == Combo("cbxAppName")->lineEdit());

  // A process id that is no number is reported the same way; nothing is accepted.
  Combo("cbxAppName")->setEditText("Orders");
  Combo("cbxProcessID")->setEditText("12a");
  {
    auto answer = qbtest::AnswerModal<TFrmDisplayMessage>([&](TFrmDisplayMessage& message) { reported = message.Text(); });
    Click(Dialog.get(), "btnOK");
    EXPECT_TRUE(answer.Answered());
  }
  EXPECT_EQ(reported, "Incomplete Filter:\nPlease specify the Process ID as a decimal number.");
  EXPECT_TRUE(Dialog->isVisible());

  Combo("cbxProcessID")->setEditText("4294967295");
  Click(Dialog.get(), "btnOK");
  EXPECT_EQ(Dialog->result(), QDialog::Accepted);
  const TQBFilterCriteria c = Dialog->ReadCriteria();
  EXPECT_TRUE(c.CheckAppName && c.CheckProcessID);
  EXPECT_EQ(c.ProcessID, -1);
  EXPECT_EQ(Dialog->ViewName(), "Mine");
}

TEST_F(ViewFilterDialogTest, ModifyingLoadsTheCriteriaAndTicksAutoNameOnlyForTheAutoName) {
  TQBFilterCriteria criteria;
  criteria.CheckCategory = criteria.CheckMsgTypes = true;
  criteria.Category = "Net";
  criteria.MsgTypes.set(0).set(2);
  Edit("edtViewName")->setFocus();
  Dialog->LoadCriteria(criteria);
  EXPECT_TRUE(Edit("edtViewName")->hasFocus()) << "loading moves no focus";
  EXPECT_TRUE(Combo("cbxCategory")->isEnabled());
  EXPECT_TRUE(TypeButton(0)->isChecked() && TypeButton(3)->isChecked());
  EXPECT_EQ(Dialog->ReadCriteria(), criteria);
  Dialog->SetViewName("Net | MsgTypes=Info,Errors");
  Dialog->SyncAutoNameCheck();
  EXPECT_TRUE(Check("chkAutoName")->isChecked());
  Dialog->SetViewName("My errors");
  Dialog->SyncAutoNameCheck();
  EXPECT_FALSE(Check("chkAutoName")->isChecked());
  Dialog->DisableDetails();
  EXPECT_FALSE(Child<QGroupBox>(Dialog.get(), "grpDetails")->isEnabled());
  EXPECT_TRUE(Edit("edtViewName")->isEnabled());
}

TEST_F(ViewFilterDialogTest, TheTimeRangeRowLoadsReadsAndNamesItsRange) {
  EXPECT_EQ(Check("chkTimeRange")->text(), "Time Ran&ge");
  EXPECT_FALSE(Edit("edtTimeFrom")->isEnabled());
  TQBFilterCriteria criteria;
  criteria.CheckTimeRange = true;
  criteria.TimeRange = {{(23 * 3600 + 30 * 60) * 1000, 738886}, {15 * 60 * 1000 - 1, 738887}};
  Dialog->LoadCriteria(criteria);
  EXPECT_TRUE(Edit("edtTimeFrom")->isEnabled());
  EXPECT_EQ(Edit("edtTimeFrom")->text(), "2024-01-01 23:30:00.000");
  EXPECT_EQ(Edit("edtTimeTo")->text(), "2024-01-02 00:14:59.999");
  EXPECT_EQ(Dialog->ReadCriteria(), criteria);

  // Ticked by hand, the caret goes to the first end; the auto name follows the texts.
  Click(Check("chkTimeRange"));
  Check("chkAutoName")->setChecked(true);
  Click(Check("chkTimeRange"));
  EXPECT_TRUE(Edit("edtTimeFrom")->hasFocus());
  Edit("edtTimeTo")->setText("2024-01-02 00:05:00.000");
  EXPECT_EQ(Dialog->ViewName(), "Time=23:30:00-00:05:00");
  Click(Dialog.get(), "btnNoFilter");
  EXPECT_FALSE(Check("chkTimeRange")->isChecked()) << "No Filter unticks it too";
}

TEST_F(ViewFilterDialogTest, PrefillShowsTheMessageWithoutTickingAnything) {
  TQuillboxMessage message;
  Set.GetMessage(1, message);
  Dialog->SetViewName("");
  Dialog->PrefillFromMessage(message);
  Dialog->SyncAutoNameCheck();
  EXPECT_EQ(Combo("cbxAppName")->currentText(), "Orders");
  EXPECT_EQ(Combo("cbxProcessID")->currentText(), "20");
  EXPECT_EQ(Edit("edtMessageText")->text(), "hello");
  EXPECT_EQ(Dialog->ViewName(), "");
  EXPECT_TRUE(Check("chkAutoName")->isChecked());
  QSignalSpy help(Dialog.get(), &TFrmViewFilter::HelpRequested);
  Click(Dialog.get(), "btnHelp");
  ASSERT_EQ(help.count(), 1);
  EXPECT_EQ(help[0][0].toString(), "Viewer_Commands_Organize_NewView");
}

TEST(OrganizerSettingsDialogTest, BothFormsAndTheAutoOrganizeBox) {
  struct TCase {
    TQBOrganizerForm Form;
    const char* Caption;
    const char* Instruction;
    bool BoxShown;
  } cases[] = {
      {TQBOrganizerForm::Settings, "Message Organizer Settings",
       "The Quillbox Message Organizer automatically creates new views whenever an incoming message contains a new "
       "value for the selected fields below.",
       true},
      {TQBOrganizerForm::OrganizeNow, "Organize Messages",
       "The Quillbox Message Organizer will now scan the message list and create new views based on the criteria "
       "specified below.",
       false},
  };
  for (const TCase& c : cases) {
    TFrmOrganizerSettings dialog(c.Form);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), c.Caption);
    EXPECT_EQ(Child<QLabel>(&dialog, "lblInstructions")->text(), c.Instruction);
    EXPECT_EQ(dialog.AutoOrganizeBox()->isVisible(), c.BoxShown);
    EXPECT_EQ(Child<QGroupBox>(&dialog, "grpOrganizeBy")->title(), "Organize by");
    const std::map<const char*, const char*> boxes = {{"chkAppName", "&Application Name"},
                                                      {"chkProcessID", "&Process ID"},
                                                      {"chkComputerName", "Computer &Name"},
                                                      {"chkCategory", "&Category"},
                                                      {"chkThreadName", "&Thread"},
                                                      {"chkAutoOrganize", "Auto-&Organize"}};
    for (const auto& [name, caption] : boxes) EXPECT_EQ(Child<QCheckBox>(&dialog, name)->text(), caption);
  }
  TFrmOrganizerSettings dialog(TQBOrganizerForm::Settings);
  dialog.show();
  dialog.Load(orgThreadName | orgProcessID, true);
  EXPECT_TRUE(dialog.AutoOrganizeBox()->isEnabled());
  EXPECT_EQ(dialog.Fields(), orgThreadName | orgProcessID);
  Click(Child<QCheckBox>(&dialog, "chkThreadName"));
  Click(Child<QCheckBox>(&dialog, "chkProcessID"));
  EXPECT_FALSE(dialog.AutoOrganizeBox()->isEnabled());
  Click(&dialog, "btnOK");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(dialog.AutoOrganize()) << "OK with no field unticks Auto-Organize";

  uint8_t fields = orgAppName;
  bool autoOrganize = false;
  auto answer = qbtest::AnswerModal<TFrmOrganizerSettings>([](TFrmOrganizerSettings& modal) {
    Click(&modal, "chkCategory");
    Click(&modal, "chkAutoOrganize");
    Click(&modal, "btnOK");
  });
  EXPECT_TRUE(TFrmOrganizerSettings::Execute(nullptr, TQBOrganizerForm::Settings, fields, autoOrganize));
  EXPECT_TRUE(answer.Answered());
  EXPECT_EQ(fields, orgAppName | orgCategory);
  EXPECT_TRUE(autoOrganize);
}

TEST(QuestionDialogsTest, YesNoCancelAnswersAndTheFourQuestions) {
  struct TCase {
    const char* Button;  // null: the close box
    int Answer;
  } cases[] = {{"btnYes", 6}, {"btnNo", 7}, {"btnCancel", 2}, {nullptr, 2}};
  for (const TCase& c : cases) {
    QString text;
    bool onTop = false;
    auto answer = qbtest::AnswerModal<TFrmYesNoCancel>([&](TFrmYesNoCancel& dialog) {
      text = dialog.Text();
      onTop = dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
      if (c.Button) Click(&dialog, c.Button);
      else dialog.close();
    });
    EXPECT_EQ(AskSaveProjectChanges(nullptr), c.Answer);
    EXPECT_TRUE(answer.Answered());
    EXPECT_TRUE(onTop);
    EXPECT_EQ(text, "You have modified the views and/or filter criteria for the current project.\n\nWould you like "
                    "to save these changes?");
  }
  const struct {
    int (*Ask)(QWidget*);
    const char* Text;
  } questions[] = {
      {AskSaveNewProject,
       "You have created additional views with filter criteria.\n\nWould you like to save these settings in a "
       "Quillbox Project File?"},
      {AskSaveBeforeExit, "The current log file has been modified.\n\nWould you like to save the log file before "
                          "exiting?"},
      {AskSaveBeforeLoad,
       "The current log file has been modified.\n\nWould you like to save the *current* log file before loading the "
       "*new* log file?\n\nTo cancel loading the log file, click the Cancel button."},
  };
  for (const auto& q : questions) {
    QString text;
    auto answer = qbtest::AnswerModal<TFrmYesNoCancel>([&](TFrmYesNoCancel& dialog) {
      text = dialog.Text();
      QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(q.Ask(nullptr), 2) << "Escape is Cancel";
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(text, q.Text);
  }
}

TEST(QuestionDialogsTest, RemoveAllViewsAsksAndAnswersYesOrNo) {
  for (const auto& [button, expected] : {std::pair{"btnYes", true}, std::pair{"btnNo", false}}) {
    QString text;
    auto answer = qbtest::AnswerModal<TFrmRemoveView>([&, button = button](TFrmRemoveView& dialog) {
      text = dialog.Text();
      Click(&dialog, button);
    });
    QWidget area;
    area.resize(400, 300);
    area.show();
    EXPECT_EQ(ConfirmRemoveAllViews(&area), expected);
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(text, "Remove All Views?");
  }
}

}  // namespace
