// Print, Options, Select Columns, Print Inspector Contents and About through the real main window with
// the program's message view and the real dialogs, each answered by a polling timer: what the dialogs
// show, what the window takes from them, and that Cancel leaves every pixel of the view as it was.

#include "support/QBChild.h"
#include "support/QBDialogFakes.h"
#include "support/QBModalAnswer.h"
#include "support/QBTestFiles.h"
#include "support/QBWait.h"

#include "dialogs/QBAboutForm.h"
#include "dialogs/QBColorPicker.h"
#include "dialogs/QBColumnsForm.h"
#include "dialogs/QBFontsPage.h"
#include "dialogs/QBOptionsForm.h"
#include "dialogs/QBPrintForm.h"
#include "dialogs/QBStylesPage.h"
#include "inspectors/QBInspectorPane.h"
#include "plugins/widgets/QBPlugInManager.h"
#include "settings/QBIniFile.h"
#include "window/QBMainForm.h"
#include "view/widgets/QBMsgView.h"
#include "view/widgets/QBSharedPrinter.h"

#include <quillbox/QBCustomViewClass.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using C = TQBCmd;
using qbtest::Child;
using qbtest::AnswerModal;

const TQBViewClassOf<TQBMessageView> MessageViewClass;

void Click(QAbstractButton* button) { button->click(); }

QString PdfText(const QString& pdf) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  return p.waitForFinished(60000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

class MainWindowToolsTest : public ::testing::Test {
protected:
  void SetUp() override {
    qputenv("XDG_CONFIG_DIRS", Files.Path(QStringLiteral("etc")).toUtf8());
    MessageSet.Close();
    MessageSet.Open();
    PlugIns = std::make_unique<TQBPlugInManagerScope>(QString(), MessageViewClass, [](QMessageBox::Icon, auto&, auto&) {});
    Ini = std::make_unique<TQBIniFile>(Files.Path(QStringLiteral("QBFileViewer.ini")), false);
    Pdf = Files.Path(QStringLiteral("printed.pdf"));
    QBSetPdfOutput(QBSharedPrinter(), Pdf);
  }
  void TearDown() override {
    Window.reset();
    PlugIns.reset();
    MessageSet.Close();
    MessageSet.Open();
  }

  // A shown window with a log of count messages loaded: every few a warning, a method, a separator.
  TFrmViewer& Open(int count = 12) {
    TQBShellDialogs dialogs;
    dialogs.Log = std::make_unique<qbtest::TNoLogDialogs>();
    if (RecordedErrors)
      dialogs.Errors = std::make_unique<qbtest::TRecordedErrors>(*RecordedErrors);
    else
      dialogs.Errors = std::make_unique<qbtest::TNoErrors>();
    Window = std::make_unique<TFrmViewer>(*Ini, TQBFolders{}, QStringList{}, std::move(dialogs));
    Window->resize(1000, 700);
    Window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
    QByteArray bytes;
    const int32_t types[] = {0, 1, 9, 0, 2, 10, 11, 0, 37, 44, 16, 8};
    for (int i = 0; i < count; ++i) {
      const QByteArray text = "Line " + QByteArray::number(i + 1) + " of the log";
      TQBRawMessage msg = qbtest::Message(types[i % 12], text);
      msg.Time = qbtest::kNoon + i * 10;
      bytes += qbtest::MarkedRecord(msg);
    }
    EXPECT_TRUE(Window->LoadFile(Files.Write(QStringLiteral("Tools.qbl"), bytes), false));
    return *Window;
  }
  void Trigger(C cmd) {
    ASSERT_TRUE(Window->Action(cmd)->isEnabled()) << QBCommandInfo(cmd).Name;
    Window->Action(cmd)->trigger();
  }
  QWidget& ViewWidget() { return *qobject_cast<QWidget*>(Window->CurrentView().Object); }
  QImage Pixels() {
    QCoreApplication::sendPostedEvents();  // the layout and repaint requests the commands posted
    return ViewWidget().grab().toImage();
  }

  qbtest::TTempFiles Files;
  std::unique_ptr<TQBPlugInManagerScope> PlugIns;
  std::unique_ptr<TQBIniFile> Ini;
  std::unique_ptr<TFrmViewer> Window;
  QString Pdf;
  QStringList* RecordedErrors = nullptr;  // set: errors are recorded there instead of failing the test
};

TEST_F(MainWindowToolsTest, OptionsCancelLeavesViewsFontsAndStylesExactlyAsBefore) {
  Open();
  const QImage before = Pixels();
  const TQBSettings settings = Window->Settings();
  const QFont font = Window->Host().GetFont(0);
  const int rowHeight = Window->Host().GetRowHeight();
  {
    auto answer = AnswerModal<TFrmOptions>([](TFrmOptions& f) {
      TFrmOptions* form = &f;
      QWidget* d = &f;
      Click(Child<QCheckBox>(d, "chkFlattenStructure"));
      Click(Child<QCheckBox>(d, "chkRowShading"));
      Child<TQBColorPicker>(d, "edtSeparatorColor")->SetColor(0xFF);
      Click(Child<QPushButton>(d, "btnAllColumns"));
      form->Fonts()->FontSize()->setValue(20);
      form->Styles()->MsgType()->setCurrentIndex(form->Styles()->MsgType()->findText(QStringLiteral("Warnings")));
      Click(form->Styles()->UseDefault());
      Click(form->Styles()->StyleBox(8));
      Click(Child<QPushButton>(d, "btnCancel"));
    });
    Trigger(C::Options);
  }
  EXPECT_EQ(Window->Settings(), settings);
  EXPECT_EQ(Window->Host().GetFont(0), font);
  EXPECT_EQ(Window->Host().GetRowHeight(), rowHeight);
  EXPECT_EQ(Pixels(), before) << "the view looks exactly as before";
}

TEST_F(MainWindowToolsTest, OptionsOkAppliesFontsStylesColumnsAndLayoutAndWritesTheSettings) {
  Open();
  const QImage before = Pixels();
  const int rowHeight = Window->Host().GetRowHeight();
  ASSERT_FALSE(Window->Settings().Display.Inspector);
  {
    auto answer = AnswerModal<TFrmOptions>([](TFrmOptions& f) {
      TFrmOptions* form = &f;
      QWidget* d = &f;
      form->Fonts()->FontSize()->setValue(14);
      form->Styles()->MsgType()->setCurrentIndex(form->Styles()->MsgType()->findText(QStringLiteral("Warnings")));
      if (form->Styles()->UseDefault()->isChecked()) Click(form->Styles()->UseDefault());
      Click(form->Styles()->StyleBox(8));
      Click(Child<QCheckBox>(d, "chkTime"));
      Click(Child<QCheckBox>(d, "chkInspector"));
      Click(Child<QPushButton>(d, "btnOK"));
    });
    Trigger(C::Options);
  }
  const TQBSettings& s = Window->Settings();
  EXPECT_EQ(s.MessageFont.Size, 14);
  EXPECT_EQ(Window->Host().GetFont(0).pointSize(), 14);
  EXPECT_GT(Window->Host().GetRowHeight(), rowHeight) << "the row height follows the font";
  EXPECT_EQ(ViewWidget().font().pointSize(), 14) << "the views take the font";
  EXPECT_EQ(s.FontStyles.Entries[1].Style & 8, 8);
  EXPECT_FALSE(s.FontStyles.Entries[1].UseDefault);
  EXPECT_EQ(s.Display.Columns, colTimeStamp);
  EXPECT_TRUE(Window->Action(C::ViewTimeStamp)->isChecked()) << "the View menu's column ticks follow";
  EXPECT_TRUE(s.Display.Inspector);
  EXPECT_TRUE(Window->InspectorPane().isVisible());
  EXPECT_NE(Pixels(), before);
  // The settings file holds the new values.
  TQBSettings written;
  written.Read(*Ini);
  EXPECT_EQ(written.MessageFont.Size, 14);
  EXPECT_EQ(written.Display.Columns, colTimeStamp);
}

TEST_F(MainWindowToolsTest, SelectColumnsFollowsTheTimeRuleAndShowsTheColumn) {
  Open();
  {
    auto answer = AnswerModal<TFrmColumns>([](TFrmColumns& f) {
      QWidget* d = &f;
      EXPECT_EQ(d->windowTitle(), QStringLiteral("Select Message Columns"));
      EXPECT_FALSE(Child<QRadioButton>(d, "optTimeStamp")->isEnabled());
      Click(Child<QCheckBox>(d, "chkTime"));
      EXPECT_TRUE(Child<QRadioButton>(d, "optTimeStamp")->isChecked());
      Click(Child<QPushButton>(d, "btnOK"));
    });
    Trigger(C::SelectColumns);
  }
  EXPECT_EQ(Window->Settings().Display.Columns, colTimeStamp);
  EXPECT_TRUE(Window->Action(C::ViewTimeStamp)->isChecked());
  auto* view = qobject_cast<TQBMessageView*>(&ViewWidget());
  EXPECT_EQ(view->Display().Columns, colTimeStamp);
}

TEST_F(MainWindowToolsTest, PrintWithoutASelectionDisablesTheBoxAndPrintsEveryRow) {
  Open();
  ASSERT_EQ(Window->CurrentView().View->SelectedCount(), 0);
  {
    auto answer = AnswerModal<TFrmPrint>([](TFrmPrint& f) {
      QWidget* d = &f;
      EXPECT_EQ(d->windowTitle(), QStringLiteral("Print Quillbox Messages"));
      EXPECT_EQ(Child<QLineEdit>(d, "edtTitle")->text(), QStringLiteral("All Messages"));
      EXPECT_FALSE(Child<QCheckBox>(d, "chkPrintSelectedMsgs")->isEnabled());
      EXPECT_TRUE(Child<QLabel>(d, "lblNoSelection")->isVisible());
      EXPECT_TRUE(Child<QLabel>(d, "stsPrinter")->text().endsWith(QStringLiteral("printed.pdf")));
      Click(Child<QCheckBox>(d, "chkDate"));
      Click(Child<QPushButton>(d, "btnOk"));
    });
    Trigger(C::Print);
  }
  EXPECT_FALSE(Window->Settings().General.PrintSelection);
  EXPECT_EQ(Window->Settings().Display.Columns, 0) << "the print columns are for the job only";
  const QString text = PdfText(Pdf);
  for (const char* want : {"All Messages", "Page: 1", "Message", "Date", "Line 1 of the log", "Line 12 of the log"})
    EXPECT_TRUE(text.contains(QLatin1String(want))) << want << "\n" << text.toStdString();
  EXPECT_FALSE(text.contains(QLatin1String("(Selection)")));
}

// The PDF file chosen for printing is the log being viewed, or a link to it: written, it would
// replace the log. Print and Print Inspector Contents refuse it with a report once the dialog is
// confirmed; the log stays as it was.
TEST_F(MainWindowToolsTest, APdfOverTheLogBeingViewedIsRefused) {
  QStringList errors;
  RecordedErrors = &errors;
  Open();
  Window->CurrentView().List->SelectRow(0);
  if (!Window->Settings().Display.Inspector) Trigger(C::ViewInspector);
  const QString log = Window->LogState().CurrentFile;
  QFile file(log);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  file.close();
  const QString link = Files.Path(QStringLiteral("link.pdf"));
  ASSERT_TRUE(QFile::link(log, link));
  for (const C command : {C::Print, C::PrintInspectorContents})
    for (const QString& target : {log, link}) {
      QBSetPdfOutput(QBSharedPrinter(), target);
      auto answer = AnswerModal<TFrmPrint>([](TFrmPrint& f) { Click(Child<QPushButton>(&f, "btnOk")); });
      Trigger(command);
    }
  ASSERT_EQ(errors.size(), 4);
  for (const QString& error : errors) EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot print to"))) << error.toStdString();
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), bytes);
}

TEST_F(MainWindowToolsTest, PrintingTheSelectionMarksTheTitleAndPrintsOnlyTheSelectedRows) {
  Open();
  Window->CurrentView().List->SelectRow(1);
  {
    auto answer = AnswerModal<TFrmPrint>([](TFrmPrint& f) {
      QWidget* d = &f;
      EXPECT_TRUE(Child<QCheckBox>(d, "chkPrintSelectedMsgs")->isChecked());
      Child<QSpinBox>(d, "spnFontSize")->setValue(10);
      Click(Child<QPushButton>(d, "btnOk"));
    });
    Trigger(C::Print);
  }
  EXPECT_TRUE(Window->Settings().General.PrintSelection);
  EXPECT_EQ(Window->Settings().General.PrintFontSize, 10);
  const QString text = PdfText(Pdf);
  EXPECT_TRUE(text.contains(QLatin1String("All Messages (Selection)"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QLatin1String("Line 2 of the log")));
  EXPECT_FALSE(text.contains(QLatin1String("Line 3 of the log")));
}

TEST_F(MainWindowToolsTest, ACloseRequestWhilePrintingWaitsForTheJob) {
  Open(3000);
  bool refused = false;
  {
    auto answer = AnswerModal<TFrmPrint>([&](TFrmPrint& d) {
      Click(Child<QPushButton>(&d, "btnOk"));
      // Arrives while the job runs, as a terminate signal's close would.
      QTimer::singleShot(0, Window.get(), [&] { refused = !Window->close(); });
    });
    Trigger(C::Print);
  }
  EXPECT_TRUE(refused) << "the window did not close in the middle of the job";
  EXPECT_TRUE(PdfText(Pdf).contains(QLatin1String("Line 3000 of the log"))) << "the job ran to its end";
  QB_EXPECT_SOON(!Window->isVisible());
}

TEST_F(MainWindowToolsTest, PrintInspectorContentsAsksWithTheShortForm) {
  Open();
  Window->CurrentView().List->SelectRow(0);
  if (!Window->Settings().Display.Inspector) Trigger(C::ViewInspector);
  {
    auto answer = AnswerModal<TFrmPrint>([](TFrmPrint& f) {
      QWidget* d = &f;
      EXPECT_EQ(d->windowTitle(), QStringLiteral("Print Inspector Contents"));
      EXPECT_EQ(Child<QLineEdit>(d, "edtTitle")->text(), QStringLiteral("Line 1 of the log (Details)"));
      EXPECT_FALSE(Child<QWidget>(d, "grpColumns")->isVisible());
      Child<QLineEdit>(d, "edtTitle")->setText(QStringLiteral("Inspected"));
      Click(Child<QPushButton>(d, "btnOk"));
    });
    Trigger(C::PrintInspectorContents);
  }
  EXPECT_TRUE(PdfText(Pdf).contains(QLatin1String("Inspected")));
}

TEST_F(MainWindowToolsTest, AboutShowsTheBoxUntilEscape) {
  Open(1);
  bool shown = false;
  {
    auto answer = AnswerModal<TFrmAbout>([&](TFrmAbout& d) {
      shown = d.objectName() == QLatin1String("FrmAbout");
      QTest::keyClick(&d, Qt::Key_Escape);
    });
    Trigger(C::HelpAbout);
  }
  EXPECT_TRUE(shown);
}

}  // namespace
