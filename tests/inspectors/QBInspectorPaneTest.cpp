// The inspector pane with a stand-in main window: the choice of inspector for the focused message,
// the type glyph, steadiness when the kind stays, error reports, plug-in controls of the real sample
// plug-in, copy and print with their enabling and title, and the call stack list.

#include "QBFakePaneHost.h"
#include "QBInspectorTestSupport.h"

#include "inspectors/QBBitmapInspector.h"
#include "inspectors/QBCallStackList.h"
#include "inspectors/QBInspectorPane.h"
#include "inspectors/QBMsgTypeTab.h"
#include "plugins/widgets/QBPlugInManager.h"
#include "inspectors/QBPictureControl.h"
#include "inspectors/QBStringInspector.h"
#include "inspectors/QBTextControl.h"
#include "inspectors/parsers/QBInspectorOptions.h"

#include <quillbox/QBInspectorIntf.h>

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class QBInspectorPaneTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetStore();
    FWindow.Pane = &FPane;
    FPane.SetCallStackList(&FCallStack);
    FPane.resize(400, 300);
  }
  // Appends a message, focuses it and lets the pane inspect it.
  void Focus(const TQBTestMessage& msg) {
    FWindow.FocusedRecNo = AddMessage(msg);
    FPane.InspectFocusedMessage();
  }
  QString Visible() const {
    QWidget* c = FPane.VisibleInspectorControl();
    return c ? c->objectName() : QString();
  }

  TQBFakePaneHost FWindow;
  TQBInspectorPane FPane{FWindow, FWindow, FWindow};
  TQBCallStackList FCallStack;
};

TEST_F(QBInspectorPaneTest, FocusedMessageGetsTheInspectorOfItsType) {
  struct TCase {
    int32_t Type;
    QString Details;
    QString Inspector;
  };
  const TCase cases[] = {
      {0, "", "StringInspector"},           {4, "Name=x", "ObjectInspector"},
      {5, "object", "MonospaceTextInspector"}, {6, "a\nb", "StringListInspector"},
      {17, "text", "TextInspector"},        {20, "Load=1", "MemoryStatusInspector"},
      {22, "a=1", "PropertiesInspector"},   {31, "1\n2\n3", "ColorInspector"},
      {38, "h\tk", "TableInspector"},       {41, "i|a=1", "CollectionInspector"},
      {44, "root", "HierarchyInspector"},   {11, "", ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Type);
    Focus({c.Type, "message", c.Details});
    EXPECT_EQ(Visible(), c.Inspector);
  }
  EXPECT_TRUE(FWindow.Errors.isEmpty()) << FWindow.Errors.join("; ").toStdString();
  EXPECT_EQ(FWindow.Focusings, int(std::size(cases)));
}

TEST_F(QBInspectorPaneTest, SeparatorEmptiesThePaneUnlessThePaneIsHidden) {
  FWindow.Stack = {{"Outer", 2}};
  Focus({0, "info"});
  EXPECT_EQ(FCallStack.count(), 1);
  Focus({40, "app start"});
  EXPECT_EQ(Visible(), "");
  EXPECT_EQ(FCallStack.count(), 0);
  EXPECT_TRUE(FPane.Toolbar()->MsgTypeTab()->Glyph()->toolTip().isEmpty());
  FWindow.Shown = false;
  Focus({40, "app start"});
  EXPECT_EQ(Visible(), "StringInspector");
}

TEST_F(QBInspectorPaneTest, ToolbarStaysAtTheTopWithOrWithoutAnInspector) {
  FPane.show();
  for (int32_t type : {11, 0, 40}) {
    SCOPED_TRACE(type);
    Focus({type, "message"});
    FPane.layout()->activate();
    EXPECT_EQ(FPane.Toolbar()->geometry().top(), 0);
    if (QWidget* inspector = FPane.VisibleInspectorControl())
      EXPECT_EQ(inspector->geometry().bottom(), FPane.height() - 1);
  }
}

TEST_F(QBInspectorPaneTest, NoFocusedRowOrNoRowsEmptyThePane) {
  Focus({0, "info"});
  FWindow.Focused = -1;
  FPane.InspectFocusedMessage();
  EXPECT_EQ(Visible(), "");
  EXPECT_EQ(FWindow.DetailClears, 1);
  FWindow.Focused = 0;
  Focus({0, "info"});
  FWindow.Rows = 0;
  FPane.InspectFocusedMessage();
  EXPECT_EQ(Visible(), "");
  EXPECT_EQ(FWindow.DetailClears, 2);  // no rows: the detail fields go with the inspectors too
  FWindow.Rows = 1;
  FWindow.Clearing = true;
  Focus({0, "info"});
  EXPECT_EQ(Visible(), "");  // nothing happens while the views are being cleared
}

TEST_F(QBInspectorPaneTest, TypeGlyphCarriesTheMessageOrigin) {
  Focus({1, "careful", "", "TOrder"});
  const QLabel* glyph = FPane.Toolbar()->MsgTypeTab()->Glyph();
  EXPECT_FALSE(glyph->pixmap().isNull());
  EXPECT_TRUE(glyph->toolTip().contains("Warning Message"));
  EXPECT_TRUE(glyph->toolTip().contains("TypeName:\tTOrder"));
}

// Counts the hide events of the widgets it watches.
class THideCounter : public QObject {
public:
  int Hides = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Hide) ++Hides;
    return false;
  }
};

TEST_F(QBInspectorPaneTest, StayingWithOneInspectorNeverHidesIt) {
  FPane.show();
  Focus({0, "first"});
  THideCounter counter;
  TQBStockInspector* string = FPane.Inspectors().String;
  string->installEventFilter(&counter);
  string->ButtonPanel()->installEventFilter(&counter);
  Focus({2, "second"});
  Focus({3, "third"});
  EXPECT_EQ(counter.Hides, 0);
  QStringList lines;
  string->GetLines(lines);
  EXPECT_EQ(lines, QStringList({"third"}));
}

TEST_F(QBInspectorPaneTest, MalformedDetailsAreReportedAndTheNextMessageInspectsAfresh) {
  Focus({31, "colour", "red\ngreen"});
  ASSERT_EQ(FWindow.Errors.size(), 1);
  EXPECT_EQ(Visible(), "ColorInspector");
  Focus({31, "colour", "1\n2\n3"});
  EXPECT_EQ(FWindow.Errors.size(), 1);
}

TEST_F(QBInspectorPaneTest, CopyAndPrintFollowTheVisibleInspector) {
  Focus({21, QString(41, 'm'), "line one\nline two"});
  EXPECT_TRUE(FPane.CopyAction()->isEnabled());
  EXPECT_TRUE(FPane.PrintAction()->isEnabled());
  FPane.CopyAction()->trigger();
  EXPECT_EQ(ClipboardText(), "line one\r\nline two\r\n");
  const TQBPdfOutput out;
  FWindow.PrintConfirmed = false;
  FPane.PrintAction()->trigger();
  EXPECT_FALSE(QFile::exists(out.Path()));
  FWindow.PrintConfirmed = true;
  FPane.PrintAction()->trigger();
  EXPECT_EQ(FWindow.ProposedTitles.last(), QString(40, 'm') + "... (Details)");
  const TQBPdf pdf = out.Read();
  EXPECT_EQ(pdf.Pages, 1);
  EXPECT_TRUE(pdf.Text.contains("line one line two"));
  Focus({11, "separator"});
  EXPECT_FALSE(FPane.CopyAction()->isEnabled());
  EXPECT_FALSE(FPane.PrintAction()->isEnabled());
}

TEST_F(QBInspectorPaneTest, CallStackEntryDoubleClickSelectsItsRow) {
  FWindow.Stack = {{"Inner", 7}, {"Outer", 3}};
  Focus({0, "deep"});
  ASSERT_EQ(FCallStack.count(), 2);
  EXPECT_EQ(FCallStack.ItemText(1), "Outer");
  emit FCallStack.doubleClicked(FCallStack.model()->index(1, 0));
  EXPECT_EQ(FWindow.SelectedRows, QList<int>({3}));
}

TEST_F(QBInspectorPaneTest, OptionsOfTheSettingsFileReachTheButtonsAndComeBack) {
  TQBInspectorOptions settings;
  settings.StringWordWrap = false;
  settings.StringLineNumbers = true;
  settings.TextWordWrap = true;
  settings.TextJumpToEnd = true;
  settings.TextLineNumbers = true;
  settings.StrListJumpToEnd = true;
  settings.MonospaceTextLineNumbers = true;
  settings.DisplayType = 0;
  FPane.Inspectors().ApplyOptions(settings);
  EXPECT_EQ(FPane.Inspectors().Bitmap->PictureControl()->Mode(), TQBPictureControl::Scale);
  EXPECT_TRUE(FPane.Inspectors().MonospaceText->TextControl()->LineNumbers());
  TQBInspectorOptions stored;
  FPane.Inspectors().StoreOptions(stored);
  EXPECT_EQ(stored, settings);
}

// A plug-in control that takes part in everything: one message, a pair, copy and print.
class TFullControl : public QWidget, public IQBInspectMessage, public IQBInspectMessagePair,
                     public IQBInspectorCopy, public IQBInspectorPrint {
  Q_OBJECT
  Q_INTERFACES(IQBInspectMessage IQBInspectMessagePair IQBInspectorCopy IQBInspectorPrint)
public:
  void Inspect() override { Calls << QStringLiteral("Inspect %1").arg(MessageSet.RecNo()); }
  void InspectPair(int32_t first, int32_t second) override { Calls << QStringLiteral("InspectPair %1 %2").arg(first).arg(second); }
  void CopyContents() override { Calls << "Copy"; }
  void PrintContents(const QString& title) override { Calls << "Print " + title; }
  QString GetPrintTitle() const override { return "plug-in title"; }
  QStringList Calls;
};

class TFullInspector : public TQuillboxCustomInspector {
public:
  explicit TFullInspector(TFullControl* control) { SetInspectorControl(control); }
  int32_t MessageType() const override { return 160; }
  QString InspectorName() const override { return "Full"; }
  QString Version() const override { return {}; }
  QString Description() const override { return {}; }
  QString SupportEmail() const override { return {}; }
  QString SupportWebSite() const override { return {}; }
};

// The sample plug-in, loaded for real: type 150 has a control, 151 has none.
class QBInspectorPanePlugInTest : public QBInspectorPaneTest {
protected:
  void SetUp() override {
    QBInspectorPaneTest::SetUp();
    ASSERT_TRUE(QFile::copy(QString::fromUtf8(QB_SAMPLE_PLUGIN), FFolder.filePath("sample.so")));
    FManager = std::make_unique<TInternalPlugInManager>();
    FManager->SetMessageBox([](QMessageBox::Icon, const QString&, const QString& text) { ADD_FAILURE() << text.toStdString(); });
    PlugInManager = FManager.get();
    InternalPlugInManager = FManager.get();
    FPane.SetPlugIns(FManager.get());
    FManager->LoadPlugInsFrom(FFolder.path() + "/");
  }
  void TearDown() override {
    PlugInManager = nullptr;
    InternalPlugInManager = nullptr;
  }

  QTemporaryDir FFolder;
  std::unique_ptr<TInternalPlugInManager> FManager;
};

TEST_F(QBInspectorPanePlugInTest, PlugInControlInspectsItsType) {
  ASSERT_EQ(FManager->GetInspectorNames(nullptr), 2);
  Focus({150, "custom payload"});
  EXPECT_EQ(Visible(), "SampleInspectControl");
  auto* control = qobject_cast<QLabel*>(FPane.VisibleInspectorControl());
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->text(), "custom payload");
  EXPECT_EQ(control->parentWidget(), &FPane);
  // The control implements neither copying nor printing.
  EXPECT_FALSE(FPane.CopyAction()->isEnabled());
  Focus({0, "built-in again"});
  EXPECT_EQ(Visible(), "StringInspector");
}

TEST_F(QBInspectorPanePlugInTest, TypeWithoutUsableControlShowsTheExplanation) {
  Focus({152, "nobody inspects this"});
  auto* box = qobject_cast<QPlainTextEdit*>(FPane.VisibleInspectorControl());
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->toPlainText().startsWith("Custom inspector for message type ("));
  EXPECT_FALSE(FPane.CopyAction()->isEnabled());
  EXPECT_FALSE(FPane.PrintAction()->isEnabled());
  Focus({151, "no control"});
  EXPECT_TRUE(box->toPlainText().contains("\"Another Sample\""));
}

TEST_F(QBInspectorPanePlugInTest, PaneGivesControlsItDoesNotOwnBack) {
  QPointer<QWidget> control, box;
  {
    TQBFakePaneHost host;
    TQBInspectorPane pane(host, host, host);
    pane.SetPlugIns(FManager.get());
    host.FocusedRecNo = AddMessage({150, "custom"});
    pane.InspectFocusedMessage();
    control = pane.VisibleInspectorControl();
    host.FocusedRecNo = AddMessage({152, "no plug-in"});
    pane.InspectFocusedMessage();
    box = pane.VisibleInspectorControl();
  }
  ASSERT_TRUE(control && box);
  EXPECT_EQ(control->parent(), nullptr);
  EXPECT_EQ(box->parent(), nullptr);
  FManager.reset();  // the plug-in and the manager free them
  EXPECT_TRUE(!control && !box);
}

TEST_F(QBInspectorPanePlugInTest, PlugInInterfacesServeOneOrTwoMessagesCopyAndPrint) {
  QPointer<TFullControl> control = new TFullControl;
  FManager->RegisterInspector(new TFullInspector(control));
  const int a = AddMessage({160, "a"});
  const int b = AddMessage({160, "b"});
  FWindow.FocusedRecNo = a;
  FPane.InspectFocusedMessage();
  FWindow.Selected = 2;
  FWindow.First = a;
  FWindow.Last = b;
  FPane.InspectFocusedMessage();
  EXPECT_EQ(control->Calls, QStringList({QStringLiteral("Inspect %1").arg(a), QStringLiteral("InspectPair %1 %2").arg(a).arg(b)}));
  control->Calls.clear();
  EXPECT_TRUE(FPane.CopyAction()->isEnabled());
  EXPECT_TRUE(FPane.PrintAction()->isEnabled());
  FPane.CopyAction()->trigger();
  FPane.PrintAction()->trigger();
  EXPECT_EQ(FWindow.ProposedTitles, QStringList({"plug-in title"}));
  EXPECT_EQ(control->Calls, QStringList({"Copy", "Print plug-in title"}));
  delete control.data();  // a plug-in control belongs to its plug-in
}

TEST_F(QBInspectorPanePlugInTest, TwoSelectedMessagesOfDifferentTypesLeaveThePaneEmpty) {
  const int a = AddMessage({150, "a"});
  const int b = AddMessage({151, "b"});
  FWindow.Selected = 2;
  FWindow.First = a;
  FWindow.Last = b;
  FWindow.FocusedRecNo = b;
  FPane.InspectFocusedMessage();
  EXPECT_EQ(Visible(), "");
}

}  // namespace

#include "QBInspectorPaneTest.moc"
