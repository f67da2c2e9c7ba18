// The Print command apart from any window: what the dialog gets and gives back, what is kept, the
// cursor and the error report.

#include "support/QBTestFiles.h"
#include "support/QBTestView.h"

#include "shell/QBPrintCommands.h"

#include "model/QBMessageAdder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>

#include <stdexcept>

namespace {

class TRecordingPrint final : public IQBMessageViewPrint {
public:
  void Print(const QString& title, bool selectionOnly, int fontSize, uint16_t columns) override {
    Calls << QStringLiteral("print %1 %2 %3 %4").arg(title).arg(selectionOnly).arg(fontSize).arg(columns);
    if (!Failure.isEmpty()) throw std::runtime_error(Failure.toStdString());
    if (ThrowOther) throw 42;
  }
  QStringList Calls;
  QString Failure;
  bool ThrowOther = false;  // an error that is no std::exception
};

// The current view: a test view with a print interface beside it, or none.
class TCurrentView final : public IQBCurrentView {
public:
  TCurrentView(TQBTestView& view, TRecordingPrint& print) {
    FBinding.View = &view;
    FBinding.Print = &print;
  }
  const TQBViewBinding& Current() const override { return HasView ? FBinding : FNone; }
  bool HasView = true;

private:
  TQBViewBinding FBinding, FNone;
};

// Records the calls; the dialog's answer is set by the test.
class TPrintWindow final : public IQBPrintWindow, public IQBAreaFeedback {
public:
  bool AskMessagePrint(QString& title, bool hasSelection, bool& printSelection, TQBColumnSet& columns,
                       int& fontSize) override {
    Calls << QStringLiteral("ask %1 %2 %3 %4 %5").arg(title).arg(hasSelection).arg(printSelection).arg(columns).arg(fontSize);
    if (!Confirm) return false;
    title += QStringLiteral(" (Selection)");
    printSelection = false;
    columns = 0;
    fontSize = 11;
    return true;
  }
  QString PrintFile() override { return File; }
  void SetBusy(bool busy) override { Calls << (busy ? QStringLiteral("busy") : QStringLiteral("idle")); }
  void ReportError(const QString& text) override { Calls << QStringLiteral("error ") + text; }
  void ShowStatusText(const QString&) override {}
  void UpdateCommands() override {}
  bool Confirm = true;
  QString File;  // empty: a printer on paper
  QStringList Calls;
};

class PrintCommandsTest : public ::testing::Test {
protected:
  void SetUp() override {
    View.SetViewName(QStringLiteral("Errors"));
    Settings.Display.Columns = colCategory | colTimeStamp;
  }
  TQBSettings Settings;
  TQBLogState Log;
  TQBTestView View{nullptr};
  TRecordingPrint Print;
  TCurrentView Current{View, Print};
  TPrintWindow Window;
  TQBPrintCommands Commands{Settings, Log, Current, Window, Window};
};

TEST_F(PrintCommandsTest, TheViewPrintsWithTheDialogsValuesAndTheWindowKeepsItsColumns) {
  Commands.PrintMessages();
  EXPECT_EQ(Window.Calls, (QStringList{"ask Errors 0 1 65 8", "busy", "idle"}));
  EXPECT_EQ(Print.Calls, QStringList{"print Errors (Selection) 0 11 0"});
  EXPECT_FALSE(Settings.General.PrintSelection);
  EXPECT_EQ(Settings.General.PrintFontSize, 11);
  EXPECT_EQ(Settings.Display.Columns, colCategory | colTimeStamp);
  EXPECT_FALSE(Commands.Printing());
}

TEST_F(PrintCommandsTest, CancelKeepsEverything) {
  Window.Confirm = false;
  Commands.PrintMessages();
  EXPECT_TRUE(Print.Calls.isEmpty());
  EXPECT_TRUE(Settings.General.PrintSelection);
  EXPECT_EQ(Settings.General.PrintFontSize, 8);
}

TEST_F(PrintCommandsTest, AFailureIsReportedAfterTheCursorIsBack) {
  Print.Failure = QStringLiteral("Cannot write the file x.pdf: Permission denied");
  Commands.PrintMessages();
  EXPECT_EQ(Window.Calls.mid(1), (QStringList{"busy", "idle", "error Cannot write the file x.pdf: Permission denied"}));
  EXPECT_FALSE(Commands.Printing());
}

TEST_F(PrintCommandsTest, AnErrorOfAnotherKindGoesOnWithTheJobEndedAndTheCursorBack) {
  Print.ThrowOther = true;
  EXPECT_THROW(Commands.PrintMessages(), int);
  EXPECT_EQ(Window.Calls.mid(1), (QStringList{"busy", "idle"}));
  EXPECT_FALSE(Commands.Printing());
}

// A PDF written over the log the messages came from would lose the log, whatever link names it.
TEST_F(PrintCommandsTest, APdfFileThatIsTheLogBeingViewedIsRefused) {
  qbtest::TTempFiles files;
  const QString log = files.Write(QStringLiteral("in.qbl"), "log");
  ASSERT_TRUE(QFile::link(log, files.Path(QStringLiteral("in.pdf"))));
  Log.Inputs = {{log, false}};
  for (const QString& file : {log, files.Path(QStringLiteral("in.pdf"))}) {
    Window.Calls.clear();
    Window.File = file;
    Commands.PrintMessages();
    ASSERT_EQ(Window.Calls.size(), 2);
    EXPECT_TRUE(Window.Calls[1].startsWith(QStringLiteral("error Cannot print to"))) << Window.Calls[1].toStdString();
  }
  EXPECT_TRUE(Print.Calls.isEmpty());
  Window.File = files.Path(QStringLiteral("out.pdf"));
  Commands.PrintMessages();
  EXPECT_EQ(Print.Calls.size(), 1);
}

TEST_F(PrintCommandsTest, WithoutAPrintingViewNothingIsAsked) {
  Current.HasView = false;
  Commands.PrintMessages();
  EXPECT_TRUE(Window.Calls.isEmpty());
}

}  // namespace
