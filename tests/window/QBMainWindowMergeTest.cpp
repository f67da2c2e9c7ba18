// Merging logs by time in the real main window with the program's own message view: File > Merge
// Logs... with its file dialog, and the command line's --merge.

#include "support/QBDialogFakes.h"
#include "support/QBTestFiles.h"
#include "support/QBWait.h"

#include "model/QBMessageTypes.h"
#include "plugins/widgets/QBPlugInManager.h"
#include "settings/QBIniFile.h"
#include "window/QBMainForm.h"
#include "view/widgets/QBMsgView.h"
#include "view/widgets/QBRowPainter.h"
#include "view/widgets/QBRowText.h"

#include <quillbox/QBCustomViewClass.h>

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>

namespace {

const TQBViewClassOf<TQBMessageView> MessageViewClass;

// The files the user picks in the merge dialog, and the invalid logs reported.
struct TScript {
  QStringList MergeNames;
  QString SaveName;
  QStringList Titles, InvalidLogs, Errors;
};

class TMergeLogDialogs final : public IQBLogDialogs {
public:
  explicit TMergeLogDialogs(TScript& s) : S(s) {}
  // "Save the merged log first?" No.
  int AskYesNoCancel(QWidget*, const QString&) override { return 7; }
  QString OpenFileName(QWidget*, const QString&, const QString&) override { return {}; }
  QStringList OpenFileNames(QWidget*, const QString& title, const QString&) override {
    S.Titles << title;
    return S.MergeNames;
  }
  QString SaveFileName(QWidget*, const QString&, const QString&, const QString&, const QString&, QString*) override {
    return S.SaveName;
  }
  void ReportInvalidLog(QWidget*, const QString& path) override { S.InvalidLogs << path; }
  void ReportSaveFailure(QWidget*, int, const QString&) override {}

private:
  TScript& S;
};

// A record of a log: its type, its text and its local time in milliseconds after noon.
struct TRec {
  int32_t Type;
  const char* Text;
  int32_t Ms;
};

class MainWindowMergeTest : public ::testing::Test {
protected:
  void SetUp() override {
    qputenv("XDG_CONFIG_DIRS", Files.Path(QStringLiteral("etc")).toUtf8());
    MessageSet.Close();
    MessageSet.Open();
    PlugIns = std::make_unique<TQBPlugInManagerScope>(
        QString(), MessageViewClass, [](QMessageBox::Icon, auto&, auto& text) { ADD_FAILURE() << text.toStdString(); });
    Ini = std::make_unique<TQBIniFile>(Files.Path(QStringLiteral("QBFileViewer.ini")), false);
  }
  void TearDown() override {
    Window.reset();
    PlugIns.reset();
    MessageSet.Close();
    MessageSet.Open();
  }
  void Create(const QStringList& args = {}) {
    TQBShellDialogs dialogs;
    dialogs.Log = std::make_unique<TMergeLogDialogs>(Script);
    dialogs.Errors = std::make_unique<qbtest::TRecordedErrors>(Script.Errors);
    TQBFolders folders;
    folders.DefaultLogs = Files.Path(QString());
    Window = std::make_unique<TFrmViewer>(*Ini, folders, args, std::move(dialogs));
    QSignalSpy commandLine(Window.get(), &TFrmViewer::CommandLineLoadDone);
    Window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Window.get()));
    ASSERT_TRUE(commandLine.count() > 0 || commandLine.wait(10000));
  }
  // Two logs of the same process and thread whose methods overlap in time: the client's clock is an
  // hour ahead of UTC (bias -60), the server's is UTC.
  QStringList WriteLogs() {
    const QString client = Write("client.qbl", {{qbmEnterMethod, "Client.Send", 1}, {qbmInfo, "client inside", 3},
                                                {qbmExitMethod, "Client.Send", 5}}, -60, 3600 * 1000);
    const QString server = Write("server.qbl", {{qbmEnterMethod, "Server.Handle", 2}, {qbmExitMethod, "Server.Handle", 4},
                                                {qbmInfo, "server after", 6}}, 0, 0);
    return {client, server};
  }
  QString Write(const QString& name, std::initializer_list<TRec> records, int32_t bias, int32_t ahead) {
    QByteArray bytes;
    for (const TRec& r : records) {
      TQBRawMessage m = qbtest::Message(r.Type, r.Text);
      m.Time = qbtest::kNoon + ahead + r.Ms;
      m.TimeBias = bias;
      m.ProcessID = 7;
      m.ThreadName = Utf8Bytes("main");
      bytes += qbtest::MarkedRecord(m);
    }
    return Files.Write(name, bytes);
  }
  // The current view's rows as "text@level".
  QStringList Rows() const {
    QStringList rows;
    const TQBViewBinding& view = Window->CurrentView();
    for (int row = 0; row < view.View->GetCount(); ++row)
      rows << QStringLiteral("%1@%2")
                  .arg(MessageSet.At(view.View->GetRowRecNo(row)).MsgText())
                  .arg(view.List->GetRowLevel(row));
    return rows;
  }

  TQBMessageView& View() const { return *qobject_cast<TQBMessageView*>(Window->CurrentView().Object); }
  // What the current view's "Log" column says on each row.
  QStringList LogColumn() const {
    const TQBViewRows& rows = View().Model().Rows();
    QStringList logs;
    for (int row = 0; row < rows.RowCount(); ++row)
      logs << qbrowtext::DetailText(qbrowtext::TDetail::Log, View().Display().Columns, rows, rows.ItemOfRow(row));
    return logs;
  }
  // The colour of each row's gutter, left of its icon.
  std::vector<QColor> Gutter() const {
    const QImage shot = View().viewport()->grab().toImage();
    std::vector<QColor> colors;
    for (int row = 0; row < View().GetCount(); ++row)
      colors.push_back(shot.pixelColor(1, View().RowRect(row).top() + View().RowHeight() / 2));
    return colors;
  }

  qbtest::TTempFiles Files;
  TScript Script;
  std::unique_ptr<TQBPlugInManagerScope> PlugIns;
  std::unique_ptr<TQBIniFile> Ini;
  std::unique_ptr<TFrmViewer> Window;
};

const QStringList kMerged = {"Client.Send@0",   "Server.Handle@0", "client inside@1",
                             "Server.Handle@0", "Client.Send@0",   "server after@0"};

const QStringList kServerAlone = {"Server.Handle@0", "server after@0"};

TEST_F(MainWindowMergeTest, MergeLogsInterleavesTheChosenFilesAndNestsEachLogApart) {
  Create();
  Script.MergeNames = WriteLogs();
  QAction* merge = Window->findChild<QAction*>(QStringLiteral("actMergeLogs"));
  ASSERT_TRUE(merge);
  ASSERT_TRUE(merge->isEnabled());
  EXPECT_EQ(merge->text(), "Merge Logs...");
  merge->trigger();
  EXPECT_EQ(Script.Titles, QStringList({"Merge Quillbox Log Files"}));
  EXPECT_EQ(Rows(), kMerged);
  EXPECT_TRUE(Script.InvalidLogs.isEmpty());
  EXPECT_TRUE(Script.Errors.isEmpty()) << Script.Errors.join('|').toStdString();
  // The merged log is in no file: none is current, the log is modified, and each message knows its log.
  EXPECT_TRUE(Window->LogState().CurrentFile.isEmpty());
  EXPECT_TRUE(Window->LogState().Modified);
  EXPECT_EQ(Window->LogState().Sources.LogName(Window->LogState().Sources.LogOf(1)), "client");
  EXPECT_EQ(Window->LogState().Sources.LogName(Window->LogState().Sources.LogOf(2)), "server");

  // Opening one log afterwards forgets the merge: alone, the server's empty method is one collapsed row
  // (auto-collapse is on by default), which the client's message inside kept apart in the merge.
  ASSERT_TRUE(Window->LoadFile(Script.MergeNames[1], false));
  EXPECT_EQ(Window->LogState().Sources.LogCount(), 0);
  EXPECT_EQ(Rows(), kServerAlone);
}

TEST_F(MainWindowMergeTest, TheLogColumnAndTheGutterMarkTellTheMergedLogsApart) {
  Create();
  Script.MergeNames = WriteLogs();
  Window->findChild<QAction*>(QStringLiteral("actMergeLogs"))->trigger();
  ASSERT_EQ(Rows(), kMerged);
  using qbrowtext::TDetail;
  // Off by default, and offered in the header line's menu.
  QAction* column = Window->findChild<QAction*>(QStringLiteral("actViewLog"));
  ASSERT_TRUE(column);
  EXPECT_EQ(column->text(), "Log");
  EXPECT_FALSE(column->isChecked());
  EXPECT_FALSE(View().DetailLayout().Visible[size_t(TDetail::Log)]);
  QMenu* header = Window->findChild<QMenu*>(QStringLiteral("mnuMsgDetailsPopup"));
  ASSERT_TRUE(header);
  EXPECT_TRUE(header->actions().contains(column));

  column->trigger();
  EXPECT_TRUE(column->isChecked());
  const TQBDetailLayout layout = View().DetailLayout();
  ASSERT_TRUE(layout.Visible[size_t(TDetail::Log)]);
  EXPECT_GE(layout.Right[size_t(TDetail::Log)] - layout.Left[size_t(TDetail::Log)],
            QFontMetrics(View().Display().Font).horizontalAdvance(QStringLiteral("server")) + 4)
      << "the column fits the longest log name";
  EXPECT_EQ(LogColumn(), QStringList({"client", "server", "client", "server", "client", "server"}));

  const QColor client = qbrowpaint::LogMarkColor(0), server = qbrowpaint::LogMarkColor(1);
  EXPECT_NE(client, server);
  EXPECT_EQ(Gutter(), std::vector<QColor>({client, server, client, server, client, server}));

  // One log merged alone is a store of one log: nothing to tell apart, so no name and no mark.
  Script.MergeNames = {Script.MergeNames[1]};
  Window->findChild<QAction*>(QStringLiteral("actMergeLogs"))->trigger();
  ASSERT_EQ(Rows(), kServerAlone);
  EXPECT_EQ(LogColumn(), QStringList({"", ""}));
  for (const QColor& gutter : Gutter()) {
    EXPECT_NE(gutter, client);
    EXPECT_NE(gutter, server);
  }
}

TEST_F(MainWindowMergeTest, SaveWritesTheMergedOrderButNeverOverAMergedFile) {
  Create();
  Script.MergeNames = WriteLogs();
  Window->findChild<QAction*>(QStringLiteral("actMergeLogs"))->trigger();
  QFile client(Script.MergeNames[0]);
  ASSERT_TRUE(client.open(QIODevice::ReadOnly));
  const QByteArray before = client.readAll();
  client.close();
  Script.SaveName = Script.MergeNames[0];
  Window->findChild<QAction*>(QStringLiteral("actSave"))->trigger();
  ASSERT_EQ(Script.Errors.size(), 1);
  EXPECT_TRUE(Script.Errors[0].contains("one of the log files merged")) << Script.Errors[0].toStdString();
  ASSERT_TRUE(client.open(QIODevice::ReadOnly));
  EXPECT_EQ(client.readAll(), before);
  client.close();

  // Saved elsewhere, the file holds the merged order and opens as one log.
  Script.SaveName = Files.Path(QStringLiteral("both.qbl"));
  Window->findChild<QAction*>(QStringLiteral("actSave"))->trigger();
  ASSERT_TRUE(Window->LoadFile(Script.SaveName, false));
  QStringList texts;
  for (int rec = 1; rec <= MessageSet.GetRecordCount(); ++rec) texts << MessageSet.At(rec).MsgText();
  EXPECT_EQ(texts, QStringList({"Client.Send", "Server.Handle", "client inside", "Server.Handle", "Client.Send",
                                "server after"}));
}

TEST_F(MainWindowMergeTest, TheCommandLineMergesTheFilesAfterMerge) {
  const QStringList paths = WriteLogs();
  Create({QStringLiteral("--merge"), paths[0], paths[1]});
  EXPECT_EQ(Rows(), kMerged);
}

TEST_F(MainWindowMergeTest, SeveralFilesDroppedWithShiftHeldAreMerged) {
  Create();
  const QStringList paths = WriteLogs();
  for (const Qt::KeyboardModifiers modifiers : {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(paths[0]), QUrl::fromLocalFile(paths[1])});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(Window.get(), &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(Window.get(), &drop);
    QTest::qWait(50);  // the drop is taken from the event loop
  }
  // Without Shift two files load nothing; with it they are merged.
  QB_EXPECT_SOON(Rows() == kMerged);
}

TEST_F(MainWindowMergeTest, AMissingFileIsReportedBeforeTheLogShownIsCleared) {
  Create();
  const QStringList paths = WriteLogs();
  ASSERT_TRUE(Window->LoadFile(paths[1], false));
  Script.MergeNames = {paths[0], Files.Path(QStringLiteral("gone.qbl"))};
  Window->findChild<QAction*>(QStringLiteral("actMergeLogs"))->trigger();
  ASSERT_EQ(Script.Errors.size(), 1);
  EXPECT_TRUE(Script.Errors[0].startsWith("Cannot open file")) << Script.Errors[0].toStdString();
  EXPECT_EQ(Rows(), kServerAlone);
}

TEST_F(MainWindowMergeTest, ALogWithAnInvalidRecordIsReportedAndTheRestMerged) {
  Create();
  QStringList paths = WriteLogs();
  QFile cut(paths[1]);
  ASSERT_TRUE(cut.open(QIODevice::ReadWrite));
  // The server's last record ("server after", 218 bytes) keeps only the start of its header.
  const QByteArray bytes = cut.readAll();
  ASSERT_TRUE(cut.resize(bytes.size() - 164));
  cut.close();
  Script.MergeNames = paths;
  Window->findChild<QAction*>(QStringLiteral("actMergeLogs"))->trigger();
  EXPECT_EQ(Script.InvalidLogs, QStringList({paths[1]}));
  EXPECT_EQ(Rows().size(), 5);
}

}  // namespace
