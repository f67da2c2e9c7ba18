#pragma once
// A shown main window with the program's message view, a settings file in a temporary folder and the
// dialogs answered by the test: errors and questions are recorded, Go to Time's question answered
// from a list. Closing and opening the window again reads the settings file from disk, as a new
// session of the program would.

#include "support/QBDialogFakes.h"
#include "support/QBTestFiles.h"

#include "dialogs/QBConfirmDialogs.h"
#include "plugins/widgets/QBPlugInManager.h"
#include "settings/QBIniFile.h"
#include "window/QBMainForm.h"
#include "view/QBLogSave.h"
#include "view/widgets/QBMsgView.h"

#include <quillbox/QBCustomViewClass.h>

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace qbtest {

struct TWindowScript {
  QStringList Errors;
  QList<int> Answers;                 // yes/no/cancel answers, in order (Cancel when none is left)
  QStringList Questions;              // the project questions asked, in order
  QList<TQBTimeStamp> TimesAsked;     // the values Go to Time's dialog started at
  QList<TQBTimeStamp> TimeAnswers;    // what the user chooses there (Cancel when none is left)
  QString ProjectFile;                // what the project file dialogs answer (Cancel when empty)
};

// The window's dialog interfaces, each answering from the script.
struct TScriptedLog final : IQBLogDialogs {
  explicit TScriptedLog(TWindowScript& s) : S(s) {}
  int AskYesNoCancel(QWidget*, const QString&) override { return S.Answers.isEmpty() ? 2 : S.Answers.takeFirst(); }
  QString OpenFileName(QWidget*, const QString&, const QString&) override { return {}; }
  QString SaveFileName(QWidget*, const QString&, const QString&, const QString&, const QString&, QString*) override {
    return {};
  }
  void ReportInvalidLog(QWidget*, const QString& path) override { S.Errors << InvalidLogText(path); }
  void ReportSaveFailure(QWidget*, int messageNumber, const QString& path) override {
    S.Errors << SaveFailureMessage(messageNumber, path);
  }
  TWindowScript& S;
};

struct TScriptedProject final : IQBProjectDialogs {
  explicit TScriptedProject(TWindowScript& s) : S(s) {}
  int AskSaveProjectChanges(QWidget*) override { return Answer(QStringLiteral("save project changes")); }
  int AskSaveNewProject(QWidget*) override { return Answer(QStringLiteral("save new project")); }
  QString OpenProjectFileName(QWidget*, const QString&) override { return S.ProjectFile; }
  QString SaveProjectFileName(QWidget*, const QString&) override { return S.ProjectFile; }
  void ShowErrorMessage(QWidget*, const QString& text) override { S.Errors << text; }
  int Answer(const QString& question) {
    S.Questions << question;
    return S.Answers.isEmpty() ? 2 : S.Answers.takeFirst();
  }
  TWindowScript& S;
};

struct TScriptedSearch final : IQBSearchDialogs {
  explicit TScriptedSearch(TWindowScript& s) : S(s) {}
  bool AskTime(QWidget*, TQBTimeStamp& value) override {
    S.TimesAsked << value;
    if (S.TimeAnswers.isEmpty()) return false;
    value = S.TimeAnswers.takeFirst();
    return true;
  }
  TWindowScript& S;
};

class TViewerWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    FSavedDirs = qgetenv("XDG_CONFIG_DIRS");
    qputenv("XDG_CONFIG_DIRS", Files.Path(QStringLiteral("etc")).toUtf8());
    ResetStore();
    FPlugIns = std::make_unique<TQBPlugInManagerScope>(QString(), FMessageViewClass,
                                                       [](QMessageBox::Icon, const QString&, const QString&) {});
    FIni = std::make_unique<TQBIniFile>(SettingsPath(), false);
  }
  void TearDown() override {
    Window.reset();
    FPlugIns.reset();
    ResetStore();
    qputenv("XDG_CONFIG_DIRS", FSavedDirs);
  }

  QString SettingsPath() { return Files.Path(QStringLiteral("QBFileViewer.ini")); }
  // A test's own answers for the dialogs the script does not answer (views, organizer, ...).
  virtual void AddDialogs(TQBShellDialogs&) {}

  // A session of the program started with args as its command line, its window given size (none
  // keeps the size the settings give it); returns once start-up has ended (the command-line log
  // loaded, the last project opened).
  TFrmViewer& Create(const QStringList& args = {}, std::optional<QSize> size = QSize(1000, 600)) {
    TQBShellDialogs dialogs;
    dialogs.Errors = std::make_unique<TRecordedErrors>(Script.Errors);
    dialogs.Log = std::make_unique<TScriptedLog>(Script);
    dialogs.Search = std::make_unique<TScriptedSearch>(Script);
    dialogs.Project = std::make_unique<TScriptedProject>(Script);
    AddDialogs(dialogs);
    TQBFolders folders;
    folders.DefaultLogs = Files.Path(QString());
    Window = std::make_unique<TFrmViewer>(*FIni, folders, args, std::move(dialogs));
    QSignalSpy started(Window.get(), &TFrmViewer::CommandLineLoadDone);
    if (size) Window->resize(*size);
    Window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
    EXPECT_TRUE(started.count() > 0 || started.wait(10000)) << "start-up did not end";
    return *Window;
  }
  // Ends the session as the program does: the window writes its settings, the file goes to disk, and
  // the next Create reads it from there.
  void EndSession() {
    Window.reset();
    FIni->UpdateFile();
    FIni = std::make_unique<TQBIniFile>(SettingsPath(), false);
    ResetStore();
  }
  void Trigger(TQBCmd cmd) {
    ASSERT_TRUE(Window->Action(cmd)->isEnabled()) << QBCommandInfo(cmd).Name;
    Window->Action(cmd)->trigger();
  }
  TQBMessageView& View() const { return *qobject_cast<TQBMessageView*>(Window->CurrentView().Object); }
  static void ResetStore() {
    MessageSet.Close();
    MessageSet.Open();
  }

  TTempFiles Files;
  TWindowScript Script;
  std::unique_ptr<TFrmViewer> Window;

private:
  const TQBViewClassOf<TQBMessageView> FMessageViewClass;
  QByteArray FSavedDirs;
  std::unique_ptr<TQBPlugInManagerScope> FPlugIns;
  std::unique_ptr<TQBIniFile> FIni;
};

}  // namespace qbtest
