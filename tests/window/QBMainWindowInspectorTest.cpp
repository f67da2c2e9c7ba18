// The inspector pane inside the real main window: a log of every kind of message loaded through the
// window, with the program's own message view and the real sample plug-in installed; selecting rows
// shows the right inspector with its title, status, copied text and printed pages, fills the call
// stack, and the pane commands lay the window out and enable as the pane's contents allow.

#include "support/QBDialogFakes.h"
#include "support/QBTestFiles.h"
#include "../inspectors/QBInspectorTestSupport.h"

#include "inspectors/QBCallStackList.h"
#include "inspectors/QBInspectorPane.h"
#include "plugins/widgets/QBPlugInManager.h"
#include "inspectors/QBInspectorSet.h"
#include "inspectors/QBStringInspector.h"
#include "inspectors/QBTextControl.h"
#include "settings/QBIniFile.h"
#include "window/QBMainForm.h"
#include "window/QBMainLayout.h"
#include "window/QBTerminateSignal.h"
#include "view/widgets/QBMsgView.h"

#include <quillbox/QBCustomViewClass.h>

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>

namespace {

using C = TQBCmd;

const TQBViewClassOf<TQBMessageView> MessageViewClass;

// Print dialogs are answered yes; the proposed titles are kept. Other prompts must not appear.
class TPrintingDialogs final : public IQBInspectorDialogs {
public:
  explicit TPrintingDialogs(QStringList& titles) : FTitles(titles) {}
  bool AskInspectorPrintTitle(QWidget*, QString& title) override {
    FTitles << title;
    return true;
  }

private:
  QStringList& FTitles;
};

QByteArray BitmapHex(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::red);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  return bytes.toHex().toUpper();
}

struct TRecord {
  int32_t Type;
  QByteArray Text, Details, TypeName = {};
};

// One message of every kind, rows in this order; a method at the end.
const QByteArray Bitmap = BitmapHex(2, 3);
const TRecord Records[] = {
    {0, "plain one", ""},
    {4, "object msg", "Name='Button1'\nCaption=OK", "TButton"},
    {6, "list msg", "alpha\nbeta\ngamma"},
    {16, "bitmap msg", Bitmap},
    {21, "text msg", "line one\nline two"},
    {22, "props msg", "Width=10\nHeight=20"},
    {31, "colour msg", "255\n0\n0"},
    {38, "table msg", "Id\tName\n1\tAnn"},
    {41, "collection msg", "first|a=1", "TItems"},
    {44, "tree msg", "root\n\tchild", "TTree"},
    {11, "separator", ""},
    {150, "custom payload", ""},
    {152, "nobody inspects this", ""},
    {5, "component", "object Form1: TForm1\nend"},
    {20, "memory msg", "Load=42"},
    {9, "Outer", ""},
    {0, "before inner", ""},
    {9, "Inner", ""},
    {0, "inside", ""},
    {10, "Inner", ""},
    {10, "Outer", ""},
};
constexpr int kPlainRow = 0, kSeparatorRow = 10, kCustomRow = 11, kNoPlugInRow = 12, kOuterRow = 15, kInnerRow = 17,
              kInsideRow = 18;

class MainWindowInspectorTest : public ::testing::Test {
protected:
  void SetUp() override {
    FSavedDirs = qgetenv("XDG_CONFIG_DIRS");
    QDir().mkpath(FRoot.filePath("install/Bin/PlugIns"));
    QDir().mkpath(FRoot.filePath("etc/Tolvane"));
    QFile conf(FRoot.filePath("etc/Tolvane/Quillbox.conf"));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("[4.0]\nInstallPath=" + FRoot.filePath("install").toUtf8() + "\n");
    conf.close();
    const QString installed = FRoot.filePath("install/Bin/PlugIns/sample.so");
    QFile::remove(installed);  // a table of cases sets up again in the same folder
    ASSERT_TRUE(QFile::copy(QString::fromUtf8(QB_SAMPLE_PLUGIN), installed));
    qputenv("XDG_CONFIG_DIRS", FRoot.filePath("etc").toUtf8());
    ResetStore();
    FPlugIns = std::make_unique<TQBPlugInManagerScope>(
        FRoot.filePath("install/Bin/PlugIns/"), MessageViewClass, [](QMessageBox::Icon, const QString&, const QString& text) { ADD_FAILURE() << text.toStdString(); });
    FIni = std::make_unique<TQBIniFile>(FRoot.filePath("QBFileViewer.ini"), false);
  }
  void TearDown() override {
    FWindow.reset();
    FPlugIns.reset();
    ResetStore();
    qputenv("XDG_CONFIG_DIRS", FSavedDirs);
  }

  // A shown window with the inspector pane on and the log of Records, then extra, loaded.
  TFrmViewer& Open(const QList<TRecord>& extra = {}) {
    CreateWindow();
    QList<TRecord> records(std::begin(Records), std::end(Records));
    records += extra;
    QByteArray bytes;
    for (const TRecord& r : records) {
      TQBRawMessage msg = qbtest::Message(r.Type, r.Text, r.Details);
      msg.TypeName = Utf8Bytes(r.TypeName);
      bytes += qbtest::MarkedRecord(msg);
    }
    qbtest::TTempFiles files;
    EXPECT_TRUE(FWindow->LoadFile(files.Write(QStringLiteral("Kinds.qbl"), bytes), false));
    EXPECT_EQ(FWindow->CurrentView().View->GetCount(), int(records.size()));
    return *FWindow;
  }
  void CreateWindow() {
    TQBShellDialogs dialogs;
    dialogs.Inspector = std::make_unique<TPrintingDialogs>(FTitles);
    dialogs.Log = std::make_unique<qbtest::TNoLogDialogs>();
    dialogs.Errors = std::make_unique<qbtest::TNoErrors>();
    FWindow = std::make_unique<TFrmViewer>(*FIni, TQBFolders{}, QStringList{}, std::move(dialogs));
    FWindow->resize(1000, 700);
    FWindow->show();
    if (!FWindow->Settings().Display.Inspector) Trigger(C::ViewInspector);
  }
  void Trigger(C cmd) {
    ASSERT_TRUE(FWindow->Action(cmd)->isEnabled()) << QBCommandInfo(cmd).Name;
    FWindow->Action(cmd)->trigger();
  }
  // Selects the row the way the user's click does: through the view, which tells the window.
  void Select(int row) { FWindow->CurrentView().List->SelectRow(row); }
  TQBInspectorPane& Pane() { return FWindow->InspectorPane(); }
  QString Visible() {
    QWidget* c = Pane().VisibleInspectorControl();
    return c ? c->objectName() : QString();
  }

  QTemporaryDir FRoot;
  QByteArray FSavedDirs;
  QStringList FTitles;
  std::unique_ptr<TQBPlugInManagerScope> FPlugIns;
  std::unique_ptr<TQBIniFile> FIni;
  std::unique_ptr<TFrmViewer> FWindow;
};

TEST_F(MainWindowInspectorTest, SelectingEachKindShowsItsInspectorTitleStatusAndCopy) {
  struct TCase {
    int Row;
    QString Inspector, Title, Status, Copied;  // Copied: a part of the copied text; empty: not checked
  };
  const TCase cases[] = {
      {0, "StringInspector", "", "", "plain one"},
      {1, "ObjectInspector", "Button1: TButton", "", "Caption"},
      {2, "StringListInspector", "", "3 Items", "beta"},
      {3, "BitmapInspector", "", "2 x 3", ""},
      {4, "TextInspector", "", "", "line two"},
      {5, "PropertiesInspector", "", "", "Height"},
      {6, "ColorInspector", "", "", ""},
      {7, "TableInspector", "", "", "Ann"},
      {8, "CollectionInspector", "TItems Collection Items", "", ""},
      {9, "HierarchyInspector", "TTree", "", "child"},
      {13, "MonospaceTextInspector", "", "", "object Form1: TForm1"},
      {14, "MemoryStatusInspector", "", "", "42"},
  };
  Open();
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Row);
    Select(c.Row);
    ASSERT_EQ(Visible(), c.Inspector);
    auto* inspector = qobject_cast<TQBStockInspector*>(Pane().VisibleInspectorControl());
    ASSERT_NE(inspector, nullptr);
    EXPECT_EQ(inspector->GetTitle(), c.Title);
    EXPECT_EQ(inspector->GetStatus(), c.Status);
    EXPECT_TRUE(FWindow->Action(C::CopyInspectorContents)->isEnabled());
    EXPECT_TRUE(FWindow->Action(C::PrintInspectorContents)->isEnabled());
    if (c.Copied.isEmpty()) continue;
    QGuiApplication::clipboard()->clear();
    Trigger(C::CopyInspectorContents);
    EXPECT_TRUE(ClipboardText().contains(c.Copied)) << ClipboardText().toStdString();
  }
}

TEST_F(MainWindowInspectorTest, SeparatorEmptiesThePaneUntilThePaneIsHidden) {
  Open();
  Select(kSeparatorRow);
  EXPECT_EQ(Visible(), "");
  EXPECT_FALSE(FWindow->Action(C::CopyInspectorContents)->isEnabled());
  EXPECT_FALSE(FWindow->Action(C::PrintInspectorContents)->isEnabled());
  Trigger(C::ViewInspector);  // hidden: the string inspector takes any type
  EXPECT_FALSE(FWindow->Settings().Display.Inspector);
  EXPECT_EQ(Visible(), "StringInspector");
  Trigger(C::ViewInspector);
  EXPECT_EQ(Visible(), "");
}

TEST_F(MainWindowInspectorTest, PlugInTypesShowTheSampleControlOrTheExplanation) {
  Open();
  Select(kCustomRow);
  ASSERT_EQ(Visible(), "SampleInspectControl");
  auto* control = qobject_cast<QLabel*>(Pane().VisibleInspectorControl());
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->text(), "custom payload");
  EXPECT_FALSE(FWindow->Action(C::CopyInspectorContents)->isEnabled());
  Select(kNoPlugInRow);
  auto* box = qobject_cast<QPlainTextEdit*>(Pane().VisibleInspectorControl());
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->toPlainText().startsWith("Custom inspector for message type ("));
  EXPECT_FALSE(FWindow->Action(C::CopyInspectorContents)->isEnabled());
  EXPECT_FALSE(FWindow->Action(C::PrintInspectorContents)->isEnabled());
  Select(kPlainRow);
  EXPECT_EQ(Visible(), "StringInspector");
}

TEST_F(MainWindowInspectorTest, PrintsTheVisibleInspectorUnderTheProposedTitle) {
  struct TCase {
    int Row;
    QString Title, Text;
  };
  const TCase cases[] = {
      {kPlainRow, "plain one (Details)", "plain one"},
      {2, "list msg (Details)", "1: alpha 2: beta 3: gamma"},
      {7, "table msg (Details)", "Ann"},
  };
  Open();
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Row);
    Select(c.Row);
    const TQBPdfOutput out;
    Trigger(C::PrintInspectorContents);
    ASSERT_FALSE(FTitles.isEmpty());
    EXPECT_EQ(FTitles.last(), c.Title);
    const TQBPdf pdf = out.Read();
    EXPECT_EQ(pdf.Pages, 1);
    EXPECT_TRUE(pdf.Text.contains(c.Title + " -- Page 1")) << pdf.Text.toStdString();
    EXPECT_TRUE(pdf.Text.contains(c.Text)) << pdf.Text.toStdString();
  }
}

TEST_F(MainWindowInspectorTest, AFullPageOfLinesEndsWithAPageOfOnlyTheHeader) {
  const int perPage = TQBPdfOutput::LinesPerPage();
  struct TCase {
    int Lines, Pages;
  };
  const TCase cases[] = {{perPage - 1, 1}, {perPage, 2}, {perPage + 1, 2}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Lines);
    QStringList lines;
    for (int n = 1; n <= c.Lines; ++n) lines << QStringLiteral("line %1").arg(n);
    Open({{6, "long list", lines.join('\n').toUtf8()}});
    Select(int(std::size(Records)));
    const TQBPdfOutput out;
    Trigger(C::PrintInspectorContents);
    const TQBPdf pdf = out.Read();
    EXPECT_EQ(pdf.Pages, c.Pages);
    EXPECT_TRUE(pdf.Text.contains(QStringLiteral("line %1").arg(c.Lines)));
    EXPECT_EQ(pdf.Text.contains("long list (Details) -- Page 2"), c.Pages == 2);
    TearDown();
    SetUp();
  }
}

TEST_F(MainWindowInspectorTest, CallStackFollowsTheFocusAndADoubleClickSelectsTheEntrysRow) {
  Open();
  TQBCallStackList* stack = FWindow->Layout().CallStackList();
  if (!FWindow->Settings().Display.CallStack) Trigger(C::ViewCallStack);
  Select(kInsideRow);
  ASSERT_EQ(stack->count(), 2);
  EXPECT_EQ(stack->ItemText(0), "Inner");
  EXPECT_EQ(stack->ItemText(1), "Outer");
  Select(kPlainRow);
  EXPECT_EQ(stack->count(), 0);
  struct TCase {
    int Entry, Row;
  };
  for (const TCase& c : {TCase{0, kInnerRow}, TCase{1, kOuterRow}}) {
    Select(kInsideRow);
    emit stack->doubleClicked(stack->model()->index(c.Entry, 0));
    EXPECT_EQ(FWindow->CurrentView().List->GetItemIndex(), c.Row) << c.Entry;
  }
}

TEST_F(MainWindowInspectorTest, LayoutCommandsMoveAndEnlargeThePane) {
  Open();
  QWidget* pane = &Pane();
  EXPECT_EQ(pane->parentWidget(), FWindow->Layout().RightSplitter());
  Trigger(C::InspectorOnBottom);
  EXPECT_EQ(pane->parentWidget(), FWindow->Layout().LeftSplitter());
  Trigger(C::InspectorOnBottom);
  EXPECT_EQ(pane->parentWidget(), FWindow->Layout().RightSplitter());
  if (!FWindow->Settings().Display.CallStack) Trigger(C::ViewCallStack);
  Trigger(C::FullSizeInspector);
  EXPECT_TRUE(FWindow->Layout().MessageSide()->isHidden());
  EXPECT_TRUE(FWindow->Layout().CallStackPane()->isHidden());
  EXPECT_FALSE(FWindow->Action(C::ViewInspector)->isEnabled());
  Trigger(C::FullSizeInspector);
  EXPECT_FALSE(FWindow->Layout().MessageSide()->isHidden());
  EXPECT_FALSE(FWindow->Layout().CallStackPane()->isHidden());
  Trigger(C::ViewInspector);
  EXPECT_FALSE(FWindow->Action(C::FullSizeInspector)->isEnabled());
}

TEST_F(MainWindowInspectorTest, InspectorOptionsSurviveTheWindow) {
  CreateWindow();
  TQBStringInspector* string = Pane().Inspectors().String;
  const bool wrap = !string->WordWrap();
  string->SetWordWrap(wrap);
  FWindow.reset();
  CreateWindow();
  EXPECT_EQ(Pane().Inspectors().String->WordWrap(), wrap);
}

TEST_F(MainWindowInspectorTest, InspectorsTakeTheFontsOfTheSettings) {
  FIni->WriteInteger("MessageFont", "Size", 11);
  FIni->WriteInteger("InspectorFont", "Size", 13);
  FIni->WriteInteger("InspectorFixedFont", "Size", 15);
  CreateWindow();
  const TQBInspectorSet& inspectors = Pane().Inspectors();
  struct TCase {
    const char* What;
    QFont Font;
    int Size;
  };
  const TCase cases[] = {
      {"frame", inspectors.String->font(), 11},
      {"text", inspectors.String->TextControl()->font(), 13},
      {"fixed-pitch text", inspectors.MonospaceText->TextControl()->font(), 15},
  };
  for (const TCase& c : cases) EXPECT_EQ(c.Font.pointSize(), c.Size) << c.What;
}

// With the panes beside it shown from the start the keys still go to the message list first.
TEST_F(MainWindowInspectorTest, TheMessageListHasTheKeyboardAtStartUp) {
  FIni->WriteBool("Display", "Inspector", true);
  FIni->WriteBool("Display", "CallStack", true);
  CreateWindow();
  ASSERT_TRUE(FWindow->Settings().Display.Inspector);
  FWindow->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(FWindow.get()));
  auto* view = qobject_cast<QWidget*>(FWindow->CurrentView().Object);
  QWidget* focus = QApplication::focusWidget();
  ASSERT_NE(focus, nullptr);
  EXPECT_TRUE(focus == view || view->isAncestorOf(focus)) << focus->objectName().toStdString();
}

// A right click on the header line opens the View menu's "Columns" submenu.
TEST_F(MainWindowInspectorTest, TheHeaderLineOpensTheColumnMenu) {
  CreateWindow();
  auto* view = qobject_cast<TQBMessageView*>(FWindow->CurrentView().Object);
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->HeaderPopupMenu(), FWindow->Menus().MsgDetailsPopup);
}

TEST_F(MainWindowInspectorTest, ContentShortcutBelongsToOneCommand) {
  Open();
  for (const char* name : {"actCopyInspectorContents", "actPrintInspectorContents"})
    EXPECT_EQ(FWindow->findChildren<QAction*>(QLatin1String(name)).size(), 1) << name;
  Select(kPlainRow);
  FWindow->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(FWindow.get()));
  QGuiApplication::clipboard()->clear();
  QTest::keyClick(FWindow.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(ClipboardText(), "plain one\r\n");
}

// A terminate signal while a modal dialog runs its own event loop ends the dialog as Cancel would,
// then closes the window as it does otherwise: the plug-ins dialog (with the sample plug-in), About and
// the options.
TEST_F(MainWindowInspectorTest, ATerminateSignalEndsTheModalDialogAndClosesTheWindow) {
  for (const C cmd : {C::PlugIns, C::HelpAbout, C::Options}) {
    SCOPED_TRACE(QBCommandInfo(cmd).Name);
    CreateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(FWindow.get()));
    TQBTerminateSignal terminate;
    terminate.CloseOnSignal(*FWindow);
    // Once the command's dialog runs, the signal arrives; after a generous time the test closes a
    // dialog that is still there itself, so it never waits for a person.
    QString dialog;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal) return;
      poll.stop();
      dialog = QString::fromLatin1(modal->metaObject()->className());
      ::raise(SIGTERM);
      QTimer::singleShot(10000, modal, [modal] {
        ADD_FAILURE() << "the dialog stayed open";
        modal->close();
      });
    });
    poll.start();
    Trigger(cmd);
    EXPECT_FALSE(dialog.isEmpty()) << "no modal dialog opened";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !FWindow->isVisible(); }, 10000)) << "the window stayed open";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << dialog.toStdString();
    FWindow.reset();
  }
}

}  // namespace
