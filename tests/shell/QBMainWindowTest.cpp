// The main window driven through its commands: start-up, the command line, the log file commands
// with their prompts, dropped files, the status panes and the names tools find things by.

#include "QBTestView.h"
#include "support/QBTestFiles.h"

#include "plugins/widgets/QBPlugInManager.h"
#include "model/QBLogLoader.h"
#include "shell/QBIniFile.h"
#include "shell/widgets/QBMainForm.h"
#include "shell/widgets/QBStatusPanes.h"

#include <quillbox/QBCustomViewClass.h>

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QProgressBar>
#include <QTest>
#include <QTabBar>
#include <QToolBar>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

using C = TQBCmd;

// The answers the user gives, in order, and what the window asked and reported.
struct TScript {
  QList<int> Answers;
  QStringList OpenNames, SaveNames;
  QString ExportFilter;
  QStringList Questions, OpenTitles, SaveTitles, Errors;
};

class TScriptedDialogs final : public IQBShellDialogs {
public:
  explicit TScriptedDialogs(TScript& script) : S(script) {}
  int AskYesNoCancel(QWidget*, const QString& text) override {
    S.Questions << text;
    return S.Answers.isEmpty() ? 2 : S.Answers.takeFirst();
  }
  QString OpenFileName(QWidget*, const QString& title, const QString&) override {
    S.OpenTitles << title;
    return S.OpenNames.isEmpty() ? QString() : S.OpenNames.takeFirst();
  }
  QString SaveFileName(QWidget*, const QString& title, const QString&, const QString&, const QString&,
                       QString* chosenFilter) override {
    S.SaveTitles << title;
    if (chosenFilter) *chosenFilter = S.ExportFilter;
    return S.SaveNames.isEmpty() ? QString() : S.SaveNames.takeFirst();
  }
  void ShowError(QWidget*, const QString&, const QString& text) override { S.Errors << text; }
  bool AskInspectorPrintTitle(QWidget*, QString&) override { return false; }

private:
  TScript& S;
};

const TQBViewClassOf<TQBTestView> TestViewClass;

// Message types and times (seconds after noon) of a log's records.
struct TRecord {
  int32_t Type;
  int Seconds = 0;
  int Days = 0;
};

class MainWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    qputenv("XDG_CONFIG_DIRS", Files.Path(QStringLiteral("etc")).toUtf8());
    MessageSet.Close();
    MessageSet.Open();
    PlugIns = std::make_unique<TQBPlugInManagerScope>(QString(), TestViewClass, [](QMessageBox::Icon, auto&, auto&) {});
    Ini = std::make_unique<TQBIniFile>(Files.Path(QStringLiteral("QBFileViewer.ini")), false);
  }
  void TearDown() override {
    Window.reset();
    PlugIns.reset();
    MessageSet.Close();
    MessageSet.Open();
  }

  TFrmViewer& Create(const QStringList& args = {}) {
    TQBFolders folders;
    folders.DefaultLogs = Files.Path(QString());
    Window = std::make_unique<TFrmViewer>(*Ini, folders, args, std::make_unique<TScriptedDialogs>(Script));
    Window->show();
    QCoreApplication::processEvents();  // runs a posted command-line load
    return *Window;
  }

  QString WriteLog(const QString& name, std::initializer_list<TRecord> records) {
    QByteArray bytes;
    int n = 0;
    for (const TRecord& r : records) {
      const QByteArray text = QByteArray("message ") + QByteArray::number(++n);
      TQBRawMessage msg = qbtest::Message(r.Type, text);
      msg.Time = qbtest::kNoon + r.Seconds * 1000;
      msg.Date = qbtest::kDay + r.Days;
      bytes += qbtest::MarkedRecord(msg);
    }
    return Files.Write(name, bytes);
  }

  // The number of messages a file holds.
  static int CountIn(const QString& path) {
    TQuillboxMessageSet set;
    TQBMessageAdder adder(set);
    return LoadLogFile(path, adder).Ok() ? set.GetRecordCount() : -1;
  }

  void Trigger(C cmd) {
    ASSERT_TRUE(Window->Action(cmd)->isEnabled()) << QBCommandInfo(cmd).Name;
    Window->Action(cmd)->trigger();
  }
  IQBMessageView& View() { return *Window->CurrentView().View; }
  IQBMessageViewList& List() { return *Window->CurrentView().List; }
  void Focus(int row) { List().SetItemIndex(row); Window->UpdateCommands(); }

  qbtest::TTempFiles Files;
  TScript Script;
  std::unique_ptr<TQBPlugInManagerScope> PlugIns;
  std::unique_ptr<TQBIniFile> Ini;
  std::unique_ptr<TFrmViewer> Window;
};

TEST_F(MainWindowTest, CommandLineOpensOnlyOneExistingFile) {
  const QString log = WriteLog(QStringLiteral("Trace.qbl"), {{0}, {1}, {2}});
  struct TCase {
    QStringList Args;
    int Loaded;
  } cases[] = {{{log}, 3}, {{log, log}, 0}, {{Files.Path(QStringLiteral("missing.qbl"))}, 0}, {{}, 0}};
  for (const TCase& c : cases) {
    Create(c.Args);
    EXPECT_EQ(MessageSet.GetRecordCount(), c.Loaded) << c.Args.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(Window->windowTitle(), c.Loaded ? QStringLiteral("Trace.qbl - Quillbox File Viewer")
                                              : QStringLiteral("Quillbox File Viewer"));
    TearDown();
    SetUp();
  }
}

TEST_F(MainWindowTest, StartsWithTheLayoutAndNamesToolsFindThingsBy) {
  Create();
  EXPECT_EQ(Window->Views().size(), 1);
  EXPECT_EQ(View().GetViewName(), QStringLiteral("All Messages"));
  EXPECT_TRUE(Window->Layout().Tabs()->isHidden());
  EXPECT_EQ(Window->Layout().Tabs()->tabText(0), QStringLiteral("All Messages"));
  EXPECT_EQ(ViewerHost, Window.get());
  for (const char* pane : {"stsTimeDiff", "stsMsgNumber", "stsMsgCount", "stsSelCount", "stsProject", "stsProgress",
                           "stsMessage"}) {
    auto* widget = Window->findChild<QWidget*>(QLatin1String(pane));
    ASSERT_NE(widget, nullptr) << pane;
    EXPECT_FALSE(widget->accessibleName().isEmpty()) << pane;
  }
  for (const char* name : {"mnuFile", "mnuEdit", "mnuSearch", "mnuView", "mnuMethods", "mnuOrganize", "mnuTools",
                           "mnuHelp", "mnuMessageList", "mnuViews", "mnuMsgDetailsPopup", "tbMain", "tbView",
                           "btnOpen", "btnSyncMsgMode", "btnToggleBookmarks", "splMain", "pnlInspector",
                           "lstCallStack"})
    EXPECT_NE(Window->findChild<QObject*>(QLatin1String(name)), nullptr) << name;
  for (const QAction* action : Window->Commands().Actions()) EXPECT_FALSE(action->objectName().isEmpty());
  EXPECT_FALSE(Window->Action(C::AutoScroll)->isVisible());
  EXPECT_TRUE(Window->Action(C::Refresh)->isVisible());
  // The status bar with no rows.
  EXPECT_EQ(Window->StatusPanes().MessageNumber()->text(), QStringLiteral("#0"));
  EXPECT_TRUE(Window->StatusPanes().TimeDiff()->text().isEmpty());
  EXPECT_FALSE(Window->StatusPanes().TimeDiff()->isEnabled());
  EXPECT_EQ(Window->StatusPanes().MessageCount()->accessibleName(),
            QStringLiteral("Message count: 0 out of 0 Messages"));
}

TEST_F(MainWindowTest, EmptyStoreDisablesMessageCommands) {
  Create();
  for (C cmd : {C::Delete, C::CropToSelection, C::Clear, C::Save, C::Export, C::Print, C::Find, C::JumpToMsg,
                C::SelectAll, C::OrganizeMessages, C::Refresh})
    EXPECT_FALSE(Window->Action(cmd)->isEnabled()) << QBCommandInfo(cmd).Name;
  for (C cmd : {C::Open, C::Append, C::Exit}) EXPECT_TRUE(Window->Action(cmd)->isEnabled()) << QBCommandInfo(cmd).Name;
}

TEST_F(MainWindowTest, DeleteMarksTheLogModifiedCropDoesNot) {
  const QString log = WriteLog(QStringLiteral("Trace.qbl"), {{0}, {1}, {2}, {0}});
  Create({log});
  Focus(1);
  Trigger(C::CropToSelection);
  EXPECT_EQ(View().GetCount(), 1);
  EXPECT_EQ(Window->windowTitle(), QStringLiteral("Trace.qbl - Quillbox File Viewer"));
  EXPECT_FALSE(Window->Action(C::Save)->isEnabled());
  Focus(0);
  Trigger(C::Delete);
  EXPECT_EQ(Window->windowTitle(), QStringLiteral("*Trace.qbl - Quillbox File Viewer"));
  EXPECT_TRUE(Window->Action(C::Refresh)->isEnabled());
}

TEST_F(MainWindowTest, CancelOnTheModifiedPromptChangesNothing) {
  const QString a = WriteLog(QStringLiteral("A.qbl"), {{0}, {1}, {2}});
  const QString b = WriteLog(QStringLiteral("B.qbl"), {{0}});
  Create({a});
  Focus(0);
  Trigger(C::Delete);
  const QString title = Window->windowTitle();
  Script.OpenNames << b;
  Script.Answers << qbCancel;
  Trigger(C::Open);
  EXPECT_EQ(Script.Questions.size(), 1);
  EXPECT_TRUE(Script.Questions.front().startsWith(QStringLiteral("The current log file has been modified.")));
  EXPECT_EQ(MessageSet.GetRecordCount(), 3);
  EXPECT_EQ(View().GetCount(), 2);
  EXPECT_EQ(Window->windowTitle(), title);
}

// A Yes whose save did not happen keeps the messages: neither the load nor the close goes on.
TEST_F(MainWindowTest, YesWithACancelledSaveKeepsTheUnsavedLog) {
  const QString b = WriteLog(QStringLiteral("B.qbl"), {{0}});
  Create();
  Window->Adder().AddMessage(qbtest::Message(0, "typed"));
  Window->UpdateCommands();
  Script.OpenNames << b;
  Script.Answers << qbYes;  // save dialog then cancelled: no SaveNames
  Trigger(C::Open);
  EXPECT_EQ(MessageSet.GetRecordCount(), 1);
  EXPECT_EQ(Script.SaveTitles, QStringList{QStringLiteral("Save Quillbox Messages")});
  Script.Answers << qbYes;
  EXPECT_FALSE(Window->close());
  EXPECT_TRUE(Window->isVisible());
  Script.Answers << qbNo;
  EXPECT_TRUE(Window->close());
}

TEST_F(MainWindowTest, AppendThenSaveWritesIntoTheAppendedFile) {
  const QString a = WriteLog(QStringLiteral("A.qbl"), {{0}, {1}});
  const QString b = WriteLog(QStringLiteral("B.qbl"), {{2}, {0}, {1}});
  Create({a});
  Script.OpenNames << b;
  Trigger(C::Append);
  EXPECT_EQ(MessageSet.GetRecordCount(), 5);
  EXPECT_EQ(Window->windowTitle(), QStringLiteral("B.qbl - Quillbox File Viewer"));
  EXPECT_FALSE(Window->Action(C::Save)->isEnabled());
  Focus(4);
  Trigger(C::Delete);
  Trigger(C::Save);
  EXPECT_TRUE(Script.SaveTitles.isEmpty());
  EXPECT_EQ(CountIn(b), 4);
  EXPECT_EQ(CountIn(a), 2);
  EXPECT_EQ(Window->windowTitle(), QStringLiteral("B.qbl - Quillbox File Viewer"));
}

TEST_F(MainWindowTest, ANeverSavedLogAsksForANameEachTime) {
  Create();
  const QString first = Files.Path(QStringLiteral("one.qbl")), second = Files.Path(QStringLiteral("two.qbl"));
  Script.SaveNames << first << second;
  for (int n = 1; n <= 2; ++n) {
    Window->Adder().AddMessage(qbtest::Message(0, "typed"));
    Window->UpdateCommands();
    EXPECT_EQ(Window->windowTitle(), QStringLiteral("*Quillbox File Viewer"));
    Trigger(C::Save);
    EXPECT_EQ(Window->windowTitle(), QStringLiteral("Quillbox File Viewer"));
  }
  EXPECT_EQ(Script.SaveTitles.size(), 2);
  EXPECT_EQ(CountIn(first), 1);
  EXPECT_EQ(CountIn(second), 2);
}

TEST_F(MainWindowTest, AFilteredViewSavesOnlyItsMessages) {
  const QString log = WriteLog(QStringLiteral("Mixed.qbl"), {{0}, {2}, {1}, {2}, {0}});
  Create();
  TQBFilterCriteria errors;
  errors.CheckMsgTypes = true;
  errors.MsgTypes.set(2);
  List().SetFilterCriteria(errors);
  Window->LoadFile(log, false);
  EXPECT_EQ(View().GetCount(), 2);
  // An added message the view filters out still marks the log modified.
  Window->Adder().AddMessage(qbtest::Message(0, "typed info"));
  Window->UpdateCommands();
  Trigger(C::Save);  // to the current file, without a dialog
  EXPECT_TRUE(Script.SaveTitles.isEmpty());
  EXPECT_EQ(CountIn(log), 2);
}

TEST_F(MainWindowTest, DroppedFiles) {
  const QString a = WriteLog(QStringLiteral("A.qbl"), {{0}, {1}});
  const QString b = WriteLog(QStringLiteral("B.qbl"), {{0}});
  Create();
  const auto drop = [&](const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Window.get(), &enter);
    QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Window.get(), &event);
    QCoreApplication::processEvents();
  };
  drop({a, b});
  EXPECT_EQ(MessageSet.GetRecordCount(), 0);
  drop({a});
  EXPECT_EQ(MessageSet.GetRecordCount(), 2);
  EXPECT_EQ(Window->LogState().CurrentFile, a);
}

TEST_F(MainWindowTest, InvalidLogKeepsWhatWasReadAndReportsTheFile) {
  QString log = WriteLog(QStringLiteral("Broken.qbl"), {{0}, {1}});
  QFile file(log);
  ASSERT_TRUE(file.open(QIODevice::Append));
  file.write(QByteArray(40, '\xFF'));
  file.close();
  Create({log});
  EXPECT_EQ(MessageSet.GetRecordCount(), 2);
  ASSERT_EQ(Script.Errors.size(), 1);
  EXPECT_TRUE(Script.Errors.front().startsWith(QStringLiteral("The following log file contains invalid messages:")));
  EXPECT_TRUE(Script.Errors.front().contains(QStringLiteral("Broken.qbl")));
  EXPECT_EQ(Window->windowTitle(), QStringLiteral("*Quillbox File Viewer"));
  auto* view = static_cast<TQBTestView*>(Window->CurrentView().Widget);
  EXPECT_EQ(view->BeginUpdates, view->EndUpdates);
  EXPECT_FALSE(Window->LogState().Loading);
  EXPECT_TRUE(Window->StatusPanes().StatusMessage()->text().isEmpty());
}

TEST_F(MainWindowTest, FailuresAreReportedAndLeaveTheWindowUsable) {
  Create();
  Script.OpenNames << Files.Path(QStringLiteral("gone.qbl"));
  Trigger(C::Open);
  ASSERT_EQ(Script.Errors.size(), 1);
  EXPECT_TRUE(Script.Errors.front().startsWith(QStringLiteral("Cannot open file")));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_FALSE(Window->LogState().Loading);
  EXPECT_TRUE(Window->Action(C::Open)->isEnabled());
  // A save that cannot create its file keeps the log modified.
  Window->Adder().AddMessage(qbtest::Message(0, "typed"));
  Window->UpdateCommands();
  Script.SaveNames << Files.Path(QStringLiteral("no/such/folder/x.qbl"));
  Trigger(C::Save);
  EXPECT_EQ(Script.Errors.size(), 2);
  EXPECT_EQ(Window->windowTitle(), QStringLiteral("*Quillbox File Viewer"));
  EXPECT_TRUE(Window->Action(C::Save)->isEnabled());
}

TEST_F(MainWindowTest, RefreshReloadsAndKeepsTheCurrentRow) {
  const QString log = WriteLog(QStringLiteral("Trace.qbl"), {{0}, {1}, {2}, {3}});
  Create({log});
  Focus(2);
  Trigger(C::Refresh);
  EXPECT_EQ(MessageSet.GetRecordCount(), 4);
  EXPECT_EQ(List().GetItemIndex(), 2);
  EXPECT_TRUE(Script.Questions.isEmpty());
}

TEST_F(MainWindowTest, TimeDifferencePane) {
  struct TCase {
    std::initializer_list<TRecord> Records;
    const char* Text;
  } cases[] = {
      {{{0, 0}, {0, 10}}, "0:00:10.000"},
      {{{0, 10}, {0, 0}}, "xx:xx:xx.xxx"},
      {{{0, 0}, {0, 3600, 1}}, "1:00:00.000"},
  };
  for (const TCase& c : cases) {
    Create({WriteLog(QStringLiteral("T.qbl"), c.Records)});
    Trigger(C::SelectAll);
    EXPECT_EQ(Window->StatusPanes().TimeDiff()->text(), QString::fromLatin1(c.Text));
    EXPECT_TRUE(Window->StatusPanes().TimeDiff()->isEnabled());
    EXPECT_EQ(Window->StatusPanes().SelectionCount()->text(), QStringLiteral("2 Selected"));
    TearDown();
    SetUp();
  }
}

TEST_F(MainWindowTest, ColumnAndPaneCommandsKeepTheirFlags) {
  Create();
  auto* view = static_cast<TQBTestView*>(Window->CurrentView().Widget);
  Trigger(C::ViewTimeStamp);
  Trigger(C::ViewTimeDiff);
  EXPECT_EQ(Window->GetColumns(), 128);
  EXPECT_TRUE(Window->Action(C::ViewTimeDiff)->isChecked());
  EXPECT_FALSE(Window->Action(C::ViewTimeStamp)->isChecked());
  EXPECT_EQ(view->Applied, 2);
  Trigger(C::ViewCallStack);
  Trigger(C::ViewInspector);
  EXPECT_TRUE(Window->Layout().CallStackPane()->isVisible());
  Trigger(C::FullSizeInspector);
  EXPECT_FALSE(Window->Layout().CallStackPane()->isVisible());
  EXPECT_FALSE(Window->Layout().MessageSide()->isVisible());
  EXPECT_FALSE(Window->Action(C::ViewCallStack)->isEnabled());
  Trigger(C::FullSizeInspector);
  EXPECT_TRUE(Window->Layout().CallStackPane()->isVisible());
  EXPECT_TRUE(Window->Layout().MessageSide()->isVisible());
}

TEST_F(MainWindowTest, ShortcutsReachTheirCommandsInTheActiveWindow) {
  const QString log = WriteLog(QStringLiteral("Trace.qbl"), {{0}, {1}});
  Create({log});
  Window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
  QTest::keyClick(Window.get(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(Script.OpenTitles, QStringList{QStringLiteral("Open Quillbox Log File")});
  QTest::keyClick(Window.get(), Qt::Key_F11);
  EXPECT_TRUE(Window->Action(C::ViewInspector)->isChecked());
  QTest::keyClick(Window.get(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(View().SelectedCount(), 2);
}

TEST_F(MainWindowTest, ExportWritesTheChosenFormat) {
  Create({WriteLog(QStringLiteral("Trace.qbl"), {{0}, {1}})});
  const QString out = Files.Path(QStringLiteral("out.xml"));
  Script.SaveNames << out;
  Script.ExportFilter = QStringLiteral("XML Files (*.xml)");
  Trigger(C::Export);
  EXPECT_EQ(Script.SaveTitles, QStringList{QStringLiteral("Export Quillbox Messages")});
  QFile file(out);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray xml = file.readAll();
  EXPECT_TRUE(xml.startsWith('<')) << xml.left(40).toStdString();
  EXPECT_TRUE(xml.contains("message 2"));
}

TEST_F(MainWindowTest, WrapButtonsWrapsBothToolbarsInANarrowWindow) {
  Create();
  Window->resize(360, 400);
  QCoreApplication::processEvents();
  auto* mainBar = Window->findChild<QWidget*>(QStringLiteral("tbMain"));
  auto* viewBar = Window->findChild<QWidget*>(QStringLiteral("tbView"));
  const int mainHeight = mainBar->height(), viewHeight = viewBar->height();
  Trigger(C::WrapButtons);
  QCoreApplication::processEvents();
  EXPECT_TRUE(Window->Action(C::WrapButtons)->isChecked());
  EXPECT_GT(mainBar->height(), mainHeight);
  EXPECT_GT(viewBar->height(), viewHeight);
  // Every button still lies inside its strip.
  for (auto* button : mainBar->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    EXPECT_TRUE(mainBar->rect().contains(button->geometry())) << button->objectName().toStdString();
}

// The real question box: each button gives its answer code, closing it gives Cancel.
TEST(ShellDialogs, YesNoCancelAnswers) {
  const std::unique_ptr<IQBShellDialogs> dialogs = NewShellDialogs();
  struct TCase {
    const char* Button;
    int Answer;
  } cases[] = {{"btnYes", 6}, {"btnNo", 7}, {"btnCancel", 2}, {nullptr, 2}};
  for (const TCase& c : cases) {
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->windowTitle(), QStringLiteral("Quillbox Viewer"));
      EXPECT_EQ(box->text(), QStringLiteral("Line one\n\nLine two"));
      if (c.Button) box->findChild<QPushButton*>(QLatin1String(c.Button))->click();
      else box->reject();
    });
    EXPECT_EQ(dialogs->AskYesNoCancel(nullptr, QStringLiteral("Line one\r\rLine two")), c.Answer) << c.Answer;
  }
}

TEST_F(MainWindowTest, MissingHelpFileIsReported) {
  Create();
  Trigger(C::HelpProduct);
  EXPECT_EQ(Script.Errors, QStringList{QStringLiteral("Quillbox Help File (Quillbox4.chm) could not be found.")});
}

TEST_F(MainWindowTest, SettingsAreWrittenIntoTheFileOnlyWhenTheWindowGoes) {
  Create();
  Trigger(C::ViewCategory);
  Window.reset();
  TQBSettings settings;
  settings.Read(*Ini);
  EXPECT_EQ(settings.Display.Columns, 1);
  EXPECT_FALSE(QFile::exists(Ini->FileName()));  // the file itself is written at module shut-down
}

}  // namespace
