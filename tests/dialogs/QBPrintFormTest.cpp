// The print dialog in both forms, the column controls' time rule in the three dialogs that show them,
// and the column chooser.

#include "support/QBChild.h"
#include "support/QBModalAnswer.h"

#include "dialogs/QBColumnControls.h"
#include "dialogs/QBColumnsForm.h"
#include "dialogs/QBOptionsForm.h"
#include "dialogs/QBPrintForm.h"
#include "view/widgets/QBSharedPrinter.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

namespace {

using qbtest::Child;
using qbtest::AnswerModal;

// A click as the user makes it (the button emits clicked); a mouse event at the centre of a wide check
// box would miss its caption.
void Click(QAbstractButton* button) { button->click(); }

// The column controls of each dialog that shows them.
struct TDialogColumns {
  const char* Name;
  std::function<std::unique_ptr<QDialog>(TQBColumnControls*&)> Make;
};

const TDialogColumns kColumnDialogs[] = {
    {"options", [](TQBColumnControls*& c) {
       auto d = std::make_unique<TFrmOptions>(nullptr);
       c = d->Columns();
       return std::unique_ptr<QDialog>(std::move(d));
     }},
    {"chooser", [](TQBColumnControls*& c) {
       auto d = std::make_unique<TFrmColumns>(nullptr);
       c = d->Columns();
       return std::unique_ptr<QDialog>(std::move(d));
     }},
    {"print", [](TQBColumnControls*& c) {
       auto d = std::make_unique<TFrmPrint>(TFrmPrint::TForm::Messages, QBSharedPrinter(), nullptr);
       c = d->Columns();
       return std::unique_ptr<QDialog>(std::move(d));
     }},
};

TEST(ColumnControls, TheTimeRuleHoldsInEveryDialog) {
  for (const TDialogColumns& entry : kColumnDialogs) {
    SCOPED_TRACE(entry.Name);
    TQBColumnControls* c = nullptr;
    const std::unique_ptr<QDialog> dialog = entry.Make(c);
    dialog->show();
    c->Load(colDate);
    for (TQBColumnSet kind : {colTimeStamp, colTimeDiff, colTimeOffset}) {
      EXPECT_FALSE(c->Radio(kind)->isEnabled());
      EXPECT_FALSE(c->Radio(kind)->isChecked());
    }
    Click(c->TimeBox());  // ticking Time with no kind chosen selects Time Stamp
    EXPECT_TRUE(c->Radio(colTimeStamp)->isChecked());
    EXPECT_TRUE(c->Radio(colTimeOffset)->isEnabled());
    Click(c->Radio(colTimeOffset));
    EXPECT_FALSE(c->Radio(colTimeStamp)->isChecked()) << "the kinds exclude each other";
    Click(c->TimeBox());
    EXPECT_FALSE(c->Radio(colTimeOffset)->isEnabled());
    EXPECT_EQ(c->Choice().ToColumns(), colDate);
    Click(c->TimeBox());
    EXPECT_TRUE(c->Radio(colTimeOffset)->isChecked()) << "the chosen kind comes back with Time";
    Click(c->AllColumns());
    EXPECT_EQ(c->Choice().ToColumns(),
              colCategory | colAppName | colComputerName | colProcessID | colThreadName | colDate | colTimeOffset);
    Click(c->MessageTextOnly());
    EXPECT_EQ(c->Choice().ToColumns(), 0);
    EXPECT_FALSE(c->Radio(colTimeOffset)->isEnabled());
  }
}

TEST(ColumnChooser, ConfirmedChoiceComesBackAndCancelChangesNothing) {
  TQBColumnChoice choice;
  {
    auto answer = AnswerModal<TFrmColumns>([](TFrmColumns& modal) {
      EXPECT_EQ(modal.windowTitle(), QStringLiteral("Select Message Columns"));
      Click(Child<QCheckBox>(&modal, "chkTime"));
      Click(Child<QPushButton>(&modal, "btnOK"));
    });
    ASSERT_TRUE(TFrmColumns::Execute(nullptr, colDate, choice));
  }
  EXPECT_EQ(choice.ToColumns(), colDate | colTimeStamp);
  TQBColumnChoice untouched = TQBColumnChoice::Of(colCategory);
  {
    auto answer = AnswerModal<TFrmColumns>([](TFrmColumns& modal) {
      Click(Child<QPushButton>(&modal, "btnAllColumns"));
      Click(Child<QPushButton>(&modal, "btnCancel"));
    });
    EXPECT_FALSE(TFrmColumns::Execute(nullptr, colDate, untouched));
  }
  EXPECT_EQ(untouched.ToColumns(), colCategory);
}

class PrintDialogTest : public ::testing::Test {
protected:
  void SetUp() override {
    QBSetPdfOutput(QBSharedPrinter(), Dir.filePath(QStringLiteral("out.pdf")));
  }
  void TearDown() override { TFrmPrint::SetPrinterChooser(nullptr); }
  QTemporaryDir Dir;
  QString Title = QStringLiteral("Errors");
  bool PrintSelection = true;
  TQBColumnSet Columns = colCategory | colTimeDiff;
  int FontSize = 8;

  bool Run(bool hasSelection, std::function<void(QWidget*)> answer) {
    auto modal = AnswerModal<TFrmPrint>([&](TFrmPrint& d) { answer(&d); });
    return RunMessagePrintDialog(Title, hasSelection, PrintSelection, nullptr, Columns, FontSize);
  }
};

TEST_F(PrintDialogTest, TheSelectionAppendsItsMarkToTheTitle) {
  ASSERT_TRUE(Run(true, [](QWidget* d) {
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Print Quillbox Messages"));
    EXPECT_EQ(Child<QLineEdit>(d, "edtTitle")->text(), QStringLiteral("Errors"));
    EXPECT_TRUE(Child<QCheckBox>(d, "chkPrintSelectedMsgs")->isChecked());
    EXPECT_TRUE(Child<QCheckBox>(d, "chkPrintSelectedMsgs")->isEnabled());
    EXPECT_FALSE(Child<QLabel>(d, "lblNoSelection")->isVisible());
    EXPECT_TRUE(Child<QRadioButton>(d, "optTimeDiff")->isChecked());
    Child<QSpinBox>(d, "spnFontSize")->setValue(12);
    Click(Child<QPushButton>(d, "btnOk"));
  }));
  EXPECT_EQ(Title, QStringLiteral("Errors (Selection)"));
  EXPECT_TRUE(PrintSelection);
  EXPECT_EQ(FontSize, 12);
  EXPECT_EQ(Columns, colCategory | colTimeDiff);
}

TEST_F(PrintDialogTest, WithoutASelectionTheBoxIsOffDisabledAndExplained) {
  ASSERT_TRUE(Run(false, [](QWidget* d) {
    auto* box = Child<QCheckBox>(d, "chkPrintSelectedMsgs");
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(box->isEnabled());
    auto* note = Child<QLabel>(d, "lblNoSelection");
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(), QStringLiteral("No messages selected in view"));
    Click(Child<QPushButton>(d, "btnMessageTextOnly"));
    Click(Child<QPushButton>(d, "btnOk"));
  }));
  EXPECT_EQ(Title, QStringLiteral("Errors"));
  EXPECT_FALSE(PrintSelection);
  EXPECT_EQ(Columns, 0) << "Message Text Only prints without columns";
}

TEST_F(PrintDialogTest, CancelLeavesEverythingAsItWas) {
  EXPECT_FALSE(Run(true, [](QWidget* d) {
    Child<QLineEdit>(d, "edtTitle")->setText(QStringLiteral("Other"));
    Click(Child<QCheckBox>(d, "chkPrintSelectedMsgs"));
    Child<QSpinBox>(d, "spnFontSize")->setValue(20);
    Click(Child<QPushButton>(d, "btnAllColumns"));
    Click(Child<QPushButton>(d, "btnCancel"));
  }));
  EXPECT_EQ(Title, QStringLiteral("Errors"));
  EXPECT_TRUE(PrintSelection);
  EXPECT_EQ(FontSize, 8);
  EXPECT_EQ(Columns, colCategory | colTimeDiff);
}

TEST_F(PrintDialogTest, WithoutAPrinterTheDialogNamesThePdfFileAndChangesIt) {
  const QString other = Dir.filePath(QStringLiteral("chosen.pdf"));
  TFrmPrint::SetPrinterChooser([&](QWidget*, QPrinter& printer) {
    QBSetPdfOutput(printer, other);
    return true;
  });
  ASSERT_TRUE(Run(true, [&](QWidget* d) {
    auto* printer = Child<QLabel>(d, "stsPrinter");
    EXPECT_TRUE(printer->text().startsWith(QStringLiteral("PDF file: "))) << printer->text().toStdString();
    EXPECT_TRUE(printer->text().endsWith(QStringLiteral("out.pdf")));
    Click(Child<QPushButton>(d, "btnChangePrinter"));
    EXPECT_TRUE(printer->text().endsWith(QStringLiteral("chosen.pdf")));
    Click(Child<QPushButton>(d, "btnOk"));
  }));
  EXPECT_EQ(QBSharedPrinter().outputFileName(), other) << "the chosen printer stays for later printing";
}

TEST_F(PrintDialogTest, TheInspectorFormAsksForTheTitleOnly) {
  int fullHeight = 0;
  {
    TFrmPrint full(TFrmPrint::TForm::Messages, QBSharedPrinter(), nullptr);
    full.show();
    fullHeight = full.height();
  }
  QString title = QStringLiteral("Some text (Details)");
  {
    auto answer = AnswerModal<TFrmPrint>([&](TFrmPrint& form) {
      QWidget* d = &form;
      EXPECT_EQ(d->windowTitle(), QStringLiteral("Print Inspector Contents"));
      EXPECT_FALSE(Child<QCheckBox>(d, "chkPrintSelectedMsgs")->isVisible());
      EXPECT_FALSE(Child<QGroupBox>(d, "grpColumns")->isVisible());
      EXPECT_TRUE(Child<QSpinBox>(d, "spnFontSize")->isVisible());
      EXPECT_LT(d->height(), fullHeight);
      Child<QLineEdit>(d, "edtTitle")->setText(QStringLiteral("Edited"));
      Click(Child<QPushButton>(d, "btnOk"));
    });
    ASSERT_TRUE(RunInspectorPrintDialog(title, nullptr));
  }
  EXPECT_EQ(title, QStringLiteral("Edited"));
  {
    auto answer = AnswerModal<TFrmPrint>([](TFrmPrint& d) { Click(Child<QPushButton>(&d, "btnCancel")); });
    EXPECT_FALSE(RunInspectorPrintDialog(title, nullptr));
  }
  EXPECT_EQ(title, QStringLiteral("Edited"));
}

}  // namespace
