// The find dialog: what it opens with, the history it keeps in the settings file and what it hands back.

#include "dialogs/QBFindForm.h"
#include "settings/QBIniFile.h"
#include "support/QBModalAnswer.h"
#include "support/QBTestFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

QByteArray FileText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class FindFormTest : public ::testing::Test {
protected:
  FindFormTest() : Ini(Files.Write("QBFileViewer.ini", "[MRULists]\nFindText_Count=2\nFindText_Item0=abc\nFindText_Item1=xyz\n"), false) {
    View.resize(500, 300);
    View.show();
  }
  // Runs Find over the view; answer fills the dialog and presses a button.
  bool Find(TQBFindRequest& request, std::function<void(TFrmFind*)> answer) {
    auto modal = qbtest::AnswerModal<TFrmFind>([&](TFrmFind& d) { answer(&d); });
    return TFrmFind::Execute(&View, &Ini, request);
  }

  qbtest::TTempFiles Files;
  TQBIniFile Ini;
  QWidget View;
  TQBFindHistory FHistory;
  int FSaves = 0;
};

TEST_F(FindFormTest, OpensWithTheHistoryAndTheCallersValues) {
  TQBFindRequest request;  // the first find after start-up: empty text, forward, entire scope, details
  QStringList items;
  QString field;
  TQBFindRequest shown;
  Find(request, [&](TFrmFind* d) {
    ASSERT_NE(d, nullptr);
    for (int i = 0; i < d->FindText()->count(); ++i) items << d->FindText()->itemText(i);
    field = d->FindText()->currentText();
    shown = d->Request();
    EXPECT_EQ(d->windowTitle(), "Find");
    EXPECT_EQ(d->FindText()->objectName(), "cbxFindText");
    EXPECT_EQ(d->InDetails()->text(), "Include Message &Details in Search");
    d->findChild<QPushButton*>("btnCancel")->click();
  });
  EXPECT_EQ(items, QStringList({"abc", "xyz"}));
  EXPECT_EQ(field, "");
  EXPECT_EQ(shown, request);

  const TQBFindRequest later{"last", false, false, true, {true, true}};
  request = later;
  Find(request, [&](TFrmFind* d) {
    shown = d->Request();
    EXPECT_TRUE(d->Backward()->isChecked());
    EXPECT_TRUE(d->FromCursor()->isChecked());
    EXPECT_EQ(d->MatchCase()->text(), "&Match case");
    EXPECT_EQ(d->RegularExpression()->text(), "Regular e&xpression");
    EXPECT_TRUE(d->MatchCase()->isChecked() && d->RegularExpression()->isChecked());
    d->findChild<QPushButton*>("btnCancel")->click();
  });
  EXPECT_EQ(shown, later);
  EXPECT_EQ(request, later);
}

TEST_F(FindFormTest, OkUpdatesTheHistoryOnDiskAndHandsBackTheValues) {
  TQBFindRequest request;
  const bool ok = Find(request, [](TFrmFind* d) {
    d->FindText()->setEditText("XYZ");
    d->Backward()->setChecked(true);
    d->FromCursor()->setChecked(true);
    d->InDetails()->setChecked(false);
    d->findChild<QPushButton*>("btnOK")->click();
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(request, (TQBFindRequest{"XYZ", false, false, true}));
  // The stored form moved to the top without a second entry, and the file is on disk already.
  EXPECT_EQ(Ini.ReadString("MRULists", "FindText_Item0", ""), "xyz");
  EXPECT_EQ(Ini.ReadInteger("MRULists", "FindText_Count", 0), 2);
  EXPECT_TRUE(FileText(Ini.FileName()).contains("FindText_Item0=xyz\nFindText_Item1=abc"));

  // Cancel keeps everything; an empty text is searched but not remembered.
  Find(request, [](TFrmFind* d) {
    d->FindText()->setEditText("never");
    d->findChild<QPushButton*>("btnCancel")->click();
  });
  EXPECT_EQ(request.Text, "XYZ");
  Find(request, [](TFrmFind* d) {
    d->FindText()->setEditText("");
    d->findChild<QPushButton*>("btnOK")->click();
  });
  EXPECT_EQ(request.Text, "");
  EXPECT_EQ(Ini.ReadInteger("MRULists", "FindText_Count", 0), 2);
}

TEST_F(FindFormTest, TheTypedFormStaysInTheField) {
  TQBFindHistory history;
  history.Add("abc");
  int saves = 0;
  TFrmFind dialog(history, [&](const TQBFindHistory&) { ++saves; });
  dialog.FindText()->setEditText("Abc");
  dialog.accept();
  EXPECT_EQ(dialog.FindText()->currentText(), "Abc");
  EXPECT_EQ(history.Texts(), QStringList({"abc"}));
  EXPECT_EQ(saves, 1);
}

// OK checks an expression before anything else: a bad one is shown with where it went wrong, the
// cursor goes there and the dialog stays open without touching the history; a fixed one is accepted.
// The same text without "Regular expression" is a plain text and always accepted.
TEST_F(FindFormTest, AnInvalidExpressionKeepsTheDialogOpenAndSaysWhere) {
  TFrmFind dialog(FHistory, [&](const TQBFindHistory&) { ++FSaves; });
  dialog.show();
  dialog.RegularExpression()->setChecked(true);
  dialog.FindText()->setEditText("ab(c");
  dialog.findChild<QPushButton*>("btnOK")->click();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_TRUE(dialog.ExpressionError()->isVisible());
  EXPECT_TRUE(dialog.ExpressionError()->text().startsWith("Invalid regular expression at position 5: "))
      << dialog.ExpressionError()->text().toStdString();
  EXPECT_EQ(dialog.FindText()->lineEdit()->cursorPosition(), 4);
  EXPECT_EQ(FSaves, 0);
  EXPECT_TRUE(FHistory.Texts().isEmpty());

  dialog.FindText()->setEditText("ab(c)");
  EXPECT_FALSE(dialog.ExpressionError()->isVisible()) << "the error goes with the text it was about";
  dialog.findChild<QPushButton*>("btnOK")->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Request().Options, (TQBSearchOptions{false, true}));

  TFrmFind plain(FHistory, {});
  plain.FindText()->setEditText("ab(c");
  plain.accept();
  EXPECT_EQ(plain.result(), QDialog::Accepted);
}

// A text longer than a search takes (pasted in) is refused on OK with the reason, in both modes, instead
// of being cut to the field's length without a word.
TEST_F(FindFormTest, ATextTooLongIsRefusedWithTheReason) {
  for (const bool regex : {false, true}) {
    FSaves = 0;
    TFrmFind dialog(FHistory, [&](const TQBFindHistory&) { ++FSaves; });
    dialog.show();
    dialog.RegularExpression()->setChecked(regex);
    dialog.FindText()->lineEdit()->setText(QString(100000, u'a'));
    dialog.findChild<QPushButton*>("btnOK")->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.ExpressionError()->text(), "The text to find is longer than 32767 characters.");
    EXPECT_EQ(FSaves, 0);
    dialog.FindText()->lineEdit()->setText(QString(10000, u'a'));
    dialog.findChild<QPushButton*>("btnOK")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
  }
}

}  // namespace
