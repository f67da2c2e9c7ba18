// The main window driven through its commands: start-up, the command line, the log file commands
// with their prompts, dropped files, the status panes and the names tools find things by.

#include "support/QBTestWidgetView.h"
#include "support/QBDialogFakes.h"
#include "support/QBFileSizeLimit.h"
#include "support/QBModalAnswer.h"
#include "support/QBTestFiles.h"
#include "support/QBWait.h"

#include "dialogs/QBConfirmDialogs.h"
#include "dialogs/QBQuestionDialogs.h"
#include "dialogs/QBViewFilterForm.h"
#include "plugins/widgets/QBPlugInManager.h"
#include "model/QBLogLoader.h"
#include "settings/QBIniFile.h"
#include "shell/QBLogCommands.h"
#include "shell/QBTerminateRequest.h"
#include "window/QBMainForm.h"
#include "window/QBMainLayout.h"
#include "window/QBStatusPanes.h"
#include "view/QBLogSave.h"

#include <quillbox/QBCustomViewClass.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMenuBar>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTabBar>
#include <QToolBar>
#include <QUrl>

#include <gtest/gtest.h>

#include <cstring>

namespace {

using C = TQBCmd;

// The answers the user gives, in order, and what the window asked and reported.
struct TScript {
  QList<int> Answers;
  QStringList OpenNames, SaveNames;
  QString ExportFilter;
  QStringList Questions, OpenTitles, SaveTitles, Errors;
  // Runs while a question is open, as the user's events would from the question's own event loop.
  std::function<void()> WhileAsked;
};

class TScriptedLogDialogs final : public IQBLogDialogs {
public:
  explicit TScriptedLogDialogs(TScript& script) : S(script) {}
  int AskYesNoCancel(QWidget*, const QString& text) override {
    S.Questions << text;
    if (S.WhileAsked) std::exchange(S.WhileAsked, {})();
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
  void ReportInvalidLog(QWidget*, const QString& path) override { S.Errors << InvalidLogText(path); }
  void ReportSaveFailure(QWidget*, int messageNumber, const QString& path) override {
    S.Errors << SaveFailureMessage(messageNumber, path);
  }

private:
  TScript& S;
};

TQBShellDialogs ScriptedDialogs(TScript& script) {
  TQBShellDialogs dialogs;
  dialogs.Log = std::make_unique<TScriptedLogDialogs>(script);
  dialogs.Errors = std::make_unique<qbtest::TRecordedErrors>(script.Errors);
  return dialogs;
}

const TQBViewClassOf<TQBTestWidgetView> TestViewClass;

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
    Window = std::make_unique<TFrmViewer>(*Ini, folders, args, ScriptedDialogs(Script));
    QSignalSpy commandLine(Window.get(), &TFrmViewer::CommandLineLoadDone);
    Window->show();
    // One argument is handled from the event loop once the window is shown.
    if (args.size() == 1) {
      EXPECT_TRUE(commandLine.count() > 0 || commandLine.wait(10000));
    }
    return *Window;
  }

  // Files dropped on the window from the desktop.
  void Drop(const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Window.get(), &enter);
    QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Window.get(), &event);
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
    int Reported;  // a single argument that names no file is reported
  } cases[] = {{{log}, 3, 0}, {{log, log}, 0, 0}, {{Files.Path(QStringLiteral("missing.qbl"))}, 0, 1}, {{}, 0, 0}};
  for (const TCase& c : cases) {
    Script = TScript{};
    Create(c.Args);
    EXPECT_EQ(MessageSet.GetRecordCount(), c.Loaded) << c.Args.join(QLatin1Char(' ')).toStdString();
    ASSERT_EQ(Script.Errors.size(), c.Reported);
    if (c.Reported) {
      EXPECT_TRUE(Script.Errors.front().endsWith(QStringLiteral("missing.qbl\". The file does not exist.")))
          << Script.Errors.front().toStdString();
    }
    EXPECT_EQ(Window->windowTitle(), c.Loaded ? QStringLiteral("Trace.qbl - Quillbox File Viewer")
                                              : QStringLiteral("Quillbox File Viewer"));
    TearDown();
    SetUp();
  }
}

TEST_F(MainWindowTest, StartsWithTheLayoutAndNamesToolsFindThingsBy) {
  Create();
  EXPECT_EQ(Window->Views().Count(), 1);
  EXPECT_EQ(View().GetViewName(), QStringLiteral("All Messages"));
  EXPECT_TRUE(Window->Layout().Tabs()->isHidden());
  EXPECT_EQ(Window->Layout().Tabs()->tabText(0), QStringLiteral("All Messages"));
  EXPECT_EQ(ViewerHost, &Window->Host());
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
  // Screen readers hear what the title shows.
  EXPECT_EQ(Window->accessibleName(), Window->windowTitle());
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
  // To the current file, without a file dialog; the file would lose the messages the view leaves
  // out, so the window asks first: No keeps the file, Yes saves the view.
  Script.Answers << 7 << 6;
  Trigger(C::Save);
  EXPECT_EQ(CountIn(log), 5);
  Trigger(C::Save);
  EXPECT_TRUE(Script.SaveTitles.isEmpty());
  ASSERT_EQ(Script.Questions.size(), 2);
  EXPECT_TRUE(Script.Questions[0].startsWith(QStringLiteral("The current view shows only the messages")));
  EXPECT_EQ(CountIn(log), 2);
}

TEST_F(MainWindowTest, DroppedFiles) {
  const QString a = WriteLog(QStringLiteral("A.qbl"), {{0}, {1}});
  const QString b = WriteLog(QStringLiteral("B.qbl"), {{0}});
  Create();
  Drop({a, b});
  QCoreApplication::processEvents();  // the drop's posted work
  EXPECT_EQ(MessageSet.GetRecordCount(), 0);
  Drop({a});
  QB_EXPECT_SOON(MessageSet.GetRecordCount() == 2);
  EXPECT_EQ(Window->LogState().CurrentFile, a);
}

// A load runs from its question to its last report, and the event loop runs meanwhile: a file dropped
// then and a close request (the terminate signal) wait for it to end instead of starting a second load
// inside it or being lost.
TEST_F(MainWindowTest, ADropAndACloseDuringALoadWaitForIt) {
  const QString a = WriteLog(QStringLiteral("A.qbl"), {{0}, {1}, {2}});
  const QString b = WriteLog(QStringLiteral("B.qbl"), {{0}});
  Create({a});
  Focus(0);
  Trigger(C::Delete);  // modified: Open asks first
  bool closedWhileAsked = true;
  Script.WhileAsked = [&] {
    Drop({a});
    closedWhileAsked = Window->close();
    QCoreApplication::processEvents();  // what the question's own event loop would run
    EXPECT_EQ(MessageSet.GetRecordCount(), 3);
  };
  Script.OpenNames << b;
  Script.Answers << qbNo;
  Trigger(C::Open);
  EXPECT_FALSE(closedWhileAsked);
  EXPECT_EQ(Window->LogState().CurrentFile, b);
  // Then the close, then the dropped file.
  QB_EXPECT_SOON(!Window->isVisible());
  QB_EXPECT_SOON(Window->LogState().CurrentFile == a);
  EXPECT_EQ(MessageSet.GetRecordCount(), 3);
}

// The question a load asks first is a window of its own, which takes clicks and keys while the load
// holds back the main window's input; Escape there answers the question instead of stopping the load.
TEST_F(MainWindowTest, AQuestionDuringALoadTakesItsInput) {
  const QString a = WriteLog(QStringLiteral("A.qbl"), {{0}, {1}, {2}});
  const QString b = WriteLog(QStringLiteral("B.qbl"), {{0}, {1}});
  Create({a});
  Focus(0);
  Trigger(C::Delete);  // modified: Open asks first
  bool clicked = false;
  int result = -1;
  Script.WhileAsked = [&] {
    QDialog question;
    auto* yes = new QPushButton(QStringLiteral("Yes"), &question);
    QObject::connect(yes, &QPushButton::clicked, [&] { clicked = true; });
    question.show();
    QTest::mouseClick(yes, Qt::LeftButton);
    QTest::keyClick(&question, Qt::Key_Escape);
    result = question.result();
    EXPECT_FALSE(question.isVisible());
  };
  Script.OpenNames << b;
  Script.Answers << qbNo;
  Trigger(C::Open);
  EXPECT_TRUE(clicked);
  EXPECT_EQ(result, QDialog::Rejected);
  EXPECT_EQ(Window->LogState().CurrentFile, b);
  EXPECT_EQ(MessageSet.GetRecordCount(), 2);
}

// A log of 10,000 messages: a load of it reports its progress, and so looks at its Stop, more than once.
QString BigLog(qbtest::TTempFiles& files) {
  QByteArray bytes;
  const TQBRawMessage msg = qbtest::Message(0, "many");
  for (int n = 0; n < 10000; ++n) bytes += qbtest::MarkedRecord(msg);
  return files.Write(QStringLiteral("Big.qbl"), bytes);
}

// Escape or the Stop button ends a running load; what was read stays, as after an invalid record, and
// no other input gets through meanwhile.
TEST_F(MainWindowTest, EscapeAndStopEndALoadAndKeepWhatWasRead) {
  const QString log = BigLog(Files);
  Create();
  auto* open = Window->findChild<QToolButton*>(QStringLiteral("btnOpen"));
  ASSERT_NE(open, nullptr);
  const std::function<void()> stops[] = {
      [&] { QCoreApplication::postEvent(Window.get(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier)); },
      [&] {
        QToolButton* stop = Window->StatusPanes().StopButton();
        QMetaObject::invokeMethod(stop, [stop] { stop->click(); }, Qt::QueuedConnection);
      },
  };
  for (const auto& stop : stops) {
    Script.Answers = {qbNo};  // the second load need not save what the first one read
    // Events that wait in the queue are handled by the load's first repaint.
    QCoreApplication::postEvent(open, new QMouseEvent(QEvent::MouseButtonPress, QPointF(2, 2), open->mapToGlobal(QPointF(2, 2)),
                                                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(open, new QMouseEvent(QEvent::MouseButtonRelease, QPointF(2, 2), open->mapToGlobal(QPointF(2, 2)),
                                                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    stop();
    EXPECT_FALSE(Window->LoadFile(log, false));
    EXPECT_EQ(MessageSet.GetRecordCount(), 4096);
    EXPECT_EQ(View().GetCount(), 4096);
    EXPECT_EQ(Window->StatusPanes().StatusMessage()->text(), QStringLiteral("Loading Big.qbl was stopped."));
    EXPECT_EQ(Window->windowTitle(), QStringLiteral("*Quillbox File Viewer"));
    EXPECT_TRUE(Script.Errors.isEmpty());
    EXPECT_TRUE(Script.OpenTitles.isEmpty());  // the click on Open went nowhere
    EXPECT_FALSE(Window->StatusPanes().StopButton()->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  }
}

// A terminate signal during a load (its handler raises the terminate flag, the event loop then asks the
// window to close) stops the load at its next check instead of reading on, and the window then closes.
TEST_F(MainWindowTest, ATerminateSignalStopsALoadAndThenCloses) {
  const QString log = BigLog(Files);
  Create();
  // Handled by the load's first repaint.
  QMetaObject::invokeMethod(Window.get(), [this] {
    qbterminate::Request();
    Window->close();
  }, Qt::QueuedConnection);
  EXPECT_FALSE(Window->LoadFile(log, false));
  EXPECT_EQ(MessageSet.GetRecordCount(), 4096);
  Script.Answers << qbNo;  // what was read is not saved
  QB_EXPECT_SOON(!Window->isVisible());
  EXPECT_FALSE(qbterminate::Requested()) << "the close took the request";
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
  auto* view = qobject_cast<TQBTestWidgetView*>(Window->CurrentView().Object);
  EXPECT_EQ(view->BeginUpdates, view->EndUpdates);
  EXPECT_FALSE(Window->LogState().Loading);
  EXPECT_TRUE(Window->StatusPanes().StatusMessage()->text().isEmpty());
}

// A log whose load stopped at an invalid record is shown in part: saving over it would lose the
// records after the stop, so Save refuses it (and any link to it) with the reason; an export over it
// would lose the log itself (a PDF too: MainWindowToolsTest). Each refusal leaves the file as it was; a save elsewhere
// writes what was read.
TEST_F(MainWindowTest, NoOutputReplacesALogReadOnlyInPart) {
  QByteArray bytes;
  for (const char* text : {"one", "two", "three"}) bytes += qbtest::MarkedRecord(qbtest::Message(0, text));
  bytes += QByteArray(40, '\xFF') + qbtest::MarkedRecord(qbtest::Message(0, "after"));
  const QString log = Files.Write(QStringLiteral("Partly.qbl"), bytes);
  const QString link = Files.Path(QStringLiteral("link.qbl"));
  ASSERT_TRUE(QFile::link(log, link));
  Create({log});
  ASSERT_EQ(Script.Errors.size(), 1);  // the invalid-log report
  Script.Errors.clear();
  Script.SaveNames << log << link;
  Trigger(C::Save);
  Trigger(C::Save);
  Script.SaveNames << link;
  Script.ExportFilter = QStringLiteral("XML Files (*.xml)");
  Trigger(C::Export);
  ASSERT_EQ(Script.Errors.size(), 3) << Script.Errors.join(u'|').toStdString();
  for (const QString& verb : {"save", "save", "export"})
    EXPECT_TRUE(Script.Errors.takeFirst().startsWith(QStringLiteral("Cannot %1 to").arg(verb)));
  QFile file(log);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), bytes);
  const QString elsewhere = Files.Path(QStringLiteral("Read.qbl"));
  Script.SaveNames << elsewhere;
  Trigger(C::Save);
  EXPECT_EQ(CountIn(elsewhere), 3);
  EXPECT_TRUE(Script.Errors.isEmpty());
}

// A write that fails part-way (a file size limit stands in for a full disk: any user may set it)
// reports the system's reason, and the earlier file stays.
TEST_F(MainWindowTest, AnExportThatCannotBeWrittenNamesTheSystemsReason) {
  QByteArray bytes;
  const QByteArray text(200, 'x');
  for (int n = 0; n < 500; ++n) bytes += qbtest::MarkedRecord(qbtest::Message(0, text));
  Create({Files.Write(QStringLiteral("Big.qbl"), bytes)});
  const QString out = Files.Write(QStringLiteral("out.xml"), "earlier");
  Script.SaveNames << out;
  Script.ExportFilter = QStringLiteral("XML Files (*.xml)");
  qbtest::WithFileSizeLimit(16 * 1024, [&] { return Trigger(C::Export); });
  ASSERT_EQ(Script.Errors.size(), 1);
  EXPECT_TRUE(Script.Errors.front().endsWith(QString::fromLocal8Bit(std::strerror(EFBIG))))
      << Script.Errors.front().toStdString();
  QFile file(out);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "earlier");
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
  auto* view = qobject_cast<TQBTestWidgetView*>(Window->CurrentView().Object);
  Trigger(C::ViewTimeStamp);
  Trigger(C::ViewTimeDiff);
  EXPECT_EQ(Window->Host().GetColumns(), 128);
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

// The real question box, the program's own: each button gives its answer code, closing it gives
// Cancel.
// The view commands through the window and its real dialogs: New View adds a filtered tab that
// becomes current, Modify View renames it, Remove All Views asks first and No keeps every view.
TEST_F(MainWindowTest, ViewCommandsMakeRenameAndRemoveFilteredTabs) {
  Create({WriteLog(QStringLiteral("Trace.qbl"), {{0}, {1}, {2}})});
  const auto named = [](const QString& name, bool filter) {
    return [name, filter](TFrmViewFilter& dialog) {
      if (filter) {
        dialog.findChild<QCheckBox*>(QStringLiteral("chkMessageText"))->setChecked(true);
        dialog.findChild<QLineEdit*>(QStringLiteral("edtMessageText"))->setText(QStringLiteral("message 2"));
      }
      // Typed, as a user names a view: the name is no longer made from the criteria.
      auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("edtViewName"));
      edit->clear();
      QTest::keyClicks(edit, name);
      dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    };
  };
  {
    auto answer = qbtest::AnswerModal<TFrmViewFilter>(named(QStringLiteral("Second"), true));
    Trigger(C::ViewNew);
    EXPECT_TRUE(answer.Answered());
  }
  ASSERT_EQ(Window->Views().Count(), 2);
  EXPECT_EQ(Window->Views().CurrentIndex(), 1);
  EXPECT_EQ(View().GetViewName(), QStringLiteral("Second"));
  EXPECT_EQ(View().GetCount(), 1);
  {
    auto answer = qbtest::AnswerModal<TFrmViewFilter>(named(QStringLiteral("Renamed"), false));
    Trigger(C::ViewModify);
    EXPECT_TRUE(answer.Answered());
  }
  EXPECT_EQ(View().GetViewName(), QStringLiteral("Renamed"));
  EXPECT_EQ(View().GetCount(), 1);
  for (const auto& [button, views] : {std::pair{"btnNo", 2}, std::pair{"btnYes", 1}}) {
    auto answer = qbtest::AnswerModal<TFrmRemoveView>([button = button](TFrmRemoveView& dialog) {
      dialog.findChild<QPushButton*>(QLatin1String(button))->click();
    });
    Trigger(C::ViewRemoveAll);
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(Window->Views().Count(), views) << button;
  }
  EXPECT_EQ(View().GetCount(), 3);
}

// The tab strip's menu: "Switch to View" is built anew each time it opens, from the views as they are
// then, the current one ticked; an entry changes the tab. The close button on the active tab runs
// Remove View.
TEST_F(MainWindowTest, TheTabMenuFollowsTheViewsOnEveryOpening) {
  Create({WriteLog(QStringLiteral("Trace.qbl"), {{0}, {1}, {2}})});
  auto* views = Window->findChild<QMenu*>(QStringLiteral("mnuViews"));
  auto* switchTo = Window->findChild<QMenu*>(QStringLiteral("mnuSwitchToView"));
  ASSERT_TRUE(views && switchTo);
  EXPECT_TRUE(views->actions().contains(switchTo->menuAction()));
  const auto open = [switchTo] {
    emit switchTo->aboutToShow();
    QList<std::pair<QString, bool>> entries;
    for (const QAction* entry : switchTo->actions()) entries.append({entry->text(), entry->isChecked()});
    return entries;
  };
  using E = QList<std::pair<QString, bool>>;
  EXPECT_EQ(open(), (E{{QBAllMessagesName, true}}));
  Window->ViewManager().InsertView({QStringLiteral("First"), QStringLiteral("Default"), {}, true});
  Window->ViewManager().InsertView({QStringLiteral("Second")});
  EXPECT_EQ(open(), (E{{QBAllMessagesName, false}, {"First", true}, {"Second", false}}));
  EXPECT_EQ(open().size(), 3);  // opened again: not added twice
  switchTo->actions()[2]->trigger();
  EXPECT_EQ(Window->Views().CurrentIndex(), 2);
  auto* tabs = Window->findChild<QTabBar*>(QStringLiteral("tabViews"));
  ASSERT_TRUE(tabs);
  EXPECT_EQ(tabs->currentIndex(), 2);
  Window->ViewManager().RenameView(1, QStringLiteral("Renamed"));
  EXPECT_EQ(open(), (E{{QBAllMessagesName, false}, {"Renamed", false}, {"Second", true}}));

  auto* close = qobject_cast<QToolButton*>(tabs->tabButton(2, QTabBar::RightSide));
  ASSERT_TRUE(close);
  close->click();
  EXPECT_EQ(Window->Views().Count(), 2);
  EXPECT_EQ(open(), (E{{QBAllMessagesName, false}, {"Renamed", true}}));
  // A tab picked on the strip is a tab change.
  tabs->setCurrentIndex(0);
  EXPECT_EQ(Window->Views().CurrentIndex(), 0);
  EXPECT_EQ(Window->CurrentView().View, Window->Views().At(0).View);
}

// View names come from project files: a line break, a control character or a bidirectional control
// is shown as a visible mark on the tab, in the menu and to a screen reader, and an "&" is an "&",
// not a mnemonic. The view keeps its name as it is.
TEST_F(MainWindowTest, AViewsNameIsShownWithItsControlsVisible) {
  Create();
  const QString name = u"two\r\nlines \x1b[2J & evil\u202Egpj.exe"_qs;
  const QString shown = u"two\u21B5lines \u241B[2J & evil\u27E8RLO\u27E9gpj.exe"_qs;
  Window->ViewManager().InsertView({name, QStringLiteral("Default"), {}, true});
  auto* tabs = Window->findChild<QTabBar*>(QStringLiteral("tabViews"));
  auto* switchTo = Window->findChild<QMenu*>(QStringLiteral("mnuSwitchToView"));
  ASSERT_TRUE(tabs && switchTo);
  QString doubled = shown;
  doubled.replace(u'&', QStringLiteral("&&"));
  EXPECT_EQ(tabs->tabText(1), doubled);
  EXPECT_EQ(tabs->accessibleTabName(1), shown);
  emit switchTo->aboutToShow();
  EXPECT_EQ(switchTo->actions()[1]->text(), doubled);
  EXPECT_EQ(View().GetViewName(), name);
  Window->ViewManager().RenameView(1, QStringLiteral("a\nb"));
  EXPECT_EQ(tabs->tabText(1), u"a\u21B5b"_qs);
  // A view's status text (a plug-in view may name itself in it) is one line as well.
  Window->StatusPanes().SetStatusText(name);
  EXPECT_EQ(Window->StatusPanes().StatusMessage()->text(), shown);
}

// With Auto-Organize on, a log that loads is organized before the views receive its messages: each
// new process gets its view in the background, and "All Messages" stays current.
TEST_F(MainWindowTest, AutoOrganizeMakesBackgroundViewsWhileALogLoads) {
  Ini->WriteBool(QStringLiteral("Organizer"), QStringLiteral("ProcessID"), true);
  Ini->WriteBool(QStringLiteral("Organizer"), QStringLiteral("AutoOrganize"), true);
  QByteArray bytes;
  for (uint32_t pid : {10u, 20u, 10u}) {
    TQBRawMessage msg = qbtest::Message(0, "text");
    msg.ProcessID = pid;
    bytes += qbtest::MarkedRecord(msg);
  }
  Create({Files.Write(QStringLiteral("Trace.qbl"), bytes)});
  EXPECT_TRUE(Window->Action(C::AutoOrganize)->isChecked());
  ASSERT_EQ(Window->Views().Count(), 3);
  EXPECT_EQ(Window->Views().CurrentIndex(), 0);
  const struct {
    const char* Name;
    int Count;
  } views[] = {{"PID 10", 2}, {"PID 20", 1}};
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(Window->Views().At(i + 1).View->GetViewName(), QString::fromLatin1(views[i].Name));
    EXPECT_EQ(Window->Views().At(i + 1).View->GetCount(), views[i].Count) << views[i].Name;
  }
}

TEST(ShellDialogs, YesNoCancelAnswers) {
  const std::unique_ptr<IQBLogDialogs> dialogs = NewLogDialogs();
  struct TCase {
    const char* Button;
    int Answer;
  } cases[] = {{"btnYes", 6}, {"btnNo", 7}, {"btnCancel", 2}, {nullptr, 2}};
  for (const TCase& c : cases) {
    auto answer = qbtest::AnswerModal<TFrmYesNoCancel>([&](TFrmYesNoCancel& box) {
      EXPECT_EQ(box.windowTitle(), QStringLiteral("Quillbox Viewer"));
      EXPECT_EQ(box.Text(), QStringLiteral("Line one\n\nLine two"));
      if (c.Button) box.findChild<QPushButton*>(QLatin1String(c.Button))->click();
      else box.reject();
    });
    EXPECT_EQ(dialogs->AskYesNoCancel(nullptr, QStringLiteral("Line one\r\rLine two")), c.Answer) << c.Answer;
    EXPECT_TRUE(answer.Answered());
  }
}

TEST_F(MainWindowTest, MissingHelpFileIsReported) {
  Create();
  Trigger(C::HelpProduct);
  EXPECT_EQ(Script.Errors, QStringList{QStringLiteral("Quillbox Help File (Quillbox4.chm) could not be found.")});
}

// Every command the user can run is in the menu bar or the tab strip's menu; the column commands are
// in the View menu's "Columns" submenu, the very menu the views' header line opens.
TEST_F(MainWindowTest, EveryCommandIsReachableFromAMenu) {
  Create();
  QSet<const QAction*> reachable;
  std::function<void(const QMenu*)> walk = [&](const QMenu* menu) {
    for (const QAction* action : menu->actions()) {
      reachable.insert(action);
      if (action->menu()) walk(action->menu());
    }
  };
  for (const QAction* top : Window->menuBar()->actions()) walk(top->menu());
  walk(Window->Menus().Views);
  for (const QAction* action : Window->Commands().Actions()) {
    // Previous and Next View have shortcuts; the tab strip's menu reaches every view through Switch to View.
    if (!action->isVisible() || action == Window->Action(C::ViewPrior) || action == Window->Action(C::ViewNext))
      continue;
    EXPECT_TRUE(reachable.contains(action)) << action->objectName().toStdString();
  }
  const QMenu* columns = Window->Menus().MsgDetailsPopup;
  EXPECT_TRUE(Window->findChild<QMenu*>(QStringLiteral("mnuView"))->actions().contains(columns->menuAction()));
}

// The stored rectangle comes back unchanged however often the window is opened and closed.
TEST_F(MainWindowTest, TheWindowComesBackWhereItWasWithoutCreeping) {
  const TQBPositionSettings placed{40, 30, 640, 480, false};
  Ini->WriteInteger("Position", "Left", placed.Left);
  Ini->WriteInteger("Position", "Top", placed.Top);
  Ini->WriteInteger("Position", "Right", placed.Right);
  Ini->WriteInteger("Position", "Bottom", placed.Bottom);
  QRect first;
  for (int life = 0; life < 3; ++life) {
    Create();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
    if (life == 0) first = Window->frameGeometry();
    EXPECT_EQ(Window->frameGeometry(), first) << life;
    Window.reset();
    TQBSettings stored;
    stored.Read(*Ini);
    EXPECT_EQ(stored.Position, placed) << life;
  }
}

TEST_F(MainWindowTest, InfoRowsTakeTheMessageFontsColourAndStyle) {
  Ini->WriteInteger("MessageFont", "Color", 255);
  Ini->WriteInteger("MessageFont", "Style", 8);
  Create();
  TQBTypeStyle info;
  Window->Host().GetTypeStyle(0, info);
  EXPECT_EQ(info, (TQBTypeStyle{true, 255, 8}));
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
