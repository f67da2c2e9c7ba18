// The message view offscreen: what it offers, what it reports, and the pixels of its rows.
#include "view/widgets/QBMsgView.h"
#include "view/widgets/QBRowPainter.h"
#include "view/widgets/QBRowText.h"

#include "view/widgets/QBMsgViewDialogs.h"

#include "model/QBMessageAdder.h"
#include "model/QBMessageTypes.h"

#include "QBHostDouble.h"
#include "support/QBTestFiles.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <deque>

namespace {

using qbtest::THostDouble;

const int32_t kCategoryColor = qbcolor::Rgb(250, 240, 230);
const int32_t kWindow = qbcolor::SystemColor(qbcolor::SysWindow);

struct TMsg {
  int32_t Type = qbmInfo;
  QByteArray Text = "m";
  int32_t Color = kCategoryColor;
  QByteArray App = "App";
  int32_t Time = qbtest::kNoon;
  int32_t Date = qbtest::kDay;
  uint32_t Pid = 42;
};

// The view's dialogs answered by the test: each call is recorded and answered from the fields.
class TDialogsDouble final : public IQBMsgViewDialogs {
public:
  bool AskJumpToRow(QWidget*, int& row) override {
    ++JumpAsked;
    row = JumpRow;
    return JumpConfirmed;
  }
  bool AskEditedText(QWidget*, const QFont& font, const QRect&, int, QString& text) override {
    ++EditAsked;
    EditFont = font;
    EditShown = text;
    text = EditAnswer;
    return true;
  }
  void ShowInfo(QWidget*, const QString& text) override { Infos << text; }

  int JumpAsked = 0, JumpRow = 0, EditAsked = 0;
  bool JumpConfirmed = true;
  QFont EditFont;
  QString EditShown, EditAnswer;
  QStringList Infos;
};

class MsgViewTest : public ::testing::Test {
protected:
  MsgViewTest() : View(&Parent, Set), Adder(Set) {
    View.SetDialogs(&Dialogs);
    Adder.AddObserver(&View.Model());
    Parent.resize(700, 400);
    View.setGeometry(0, 0, 700, 400);
    View.Initialize();
    Parent.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Parent));
    View.setFocus();
  }

  int Add(const TMsg& m) {
    TQBRawMessage raw = qbtest::Message(m.Type, Keep(m.Text));
    raw.CategoryColor = m.Color;
    raw.AppName = Utf8Bytes(Keep(m.App));
    raw.Time = m.Time;
    raw.Date = m.Date;
    raw.ProcessID = m.Pid;
    return Adder.AddMessage(raw);
  }
  void AddTypes(std::initializer_list<int32_t> types) {
    for (int32_t t : types) Add({t});
  }
  void Reapply() {
    View.ApplySettings();
    View.RecalcColumnWidths();
  }
  QImage Shot() { return View.viewport()->grab().toImage(); }
  int Mid(int row) const { return View.RowRect(row).top() + View.RowHeight() / 2; }
  // A pixel of the message column well right of any short text.
  QColor Back(const QImage& img, int row) const {
    return img.pixelColor(View.DetailLayout().MessageRight - 3, View.RowRect(row).top() + 1);
  }
  QColor Color(int32_t value) const { return qbcolor::ToQColor(value, View.palette()); }
  // The first x in [from, to) whose pixel differs from the row's background.
  int FirstInk(const QImage& img, int row, int from, int to) const {
    const QColor back = Back(img, row);
    for (int x = from; x < to; ++x)
      for (int y = View.RowRect(row).top(); y <= View.RowRect(row).bottom(); ++y)
        if (img.pixelColor(x, y) != back) return x;
    return -1;
  }

  THostDouble Host;
  TDialogsDouble Dialogs;
  QWidget Parent;
  TQuillboxMessageSet Set;
  TQBMessageView View;
  TQBMessageAdder Adder;

private:
  const QByteArray& Keep(const QByteArray& b) { return FKept.emplace_back(b); }
  std::deque<QByteArray> FKept;
};

// ---------------------------------------------------------------------------------------------------
// What the view offers and reports

TEST_F(MsgViewTest, OffersExactlyTheInterfacesItImplements) {
  QObject* o = &View;
  EXPECT_NE(qobject_cast<IQBMessageView*>(o), nullptr);
  EXPECT_NE(qobject_cast<IQBMessageViewList*>(o), nullptr);
  EXPECT_NE(qobject_cast<IQBMessageViewMethods*>(o), nullptr);
  EXPECT_NE(qobject_cast<IQBMessageViewSave*>(o), nullptr);
  EXPECT_NE(qobject_cast<IQBMessageViewExport*>(o), nullptr);
  EXPECT_NE(qobject_cast<IQBViewActivation*>(o), nullptr);
  EXPECT_EQ(qobject_cast<IQBMessageViewSearch*>(o), nullptr);
  EXPECT_EQ(qobject_cast<IQBMessageViewPrint*>(o), nullptr);
  EXPECT_EQ(qobject_cast<IQBMessageView*>(o)->GetViewClassName(), "Default");
}

TEST_F(MsgViewTest, ClickReportsTheSelectionAtOnce) {
  AddTypes({0, 0, 0, 0});
  struct Case { Qt::KeyboardModifiers Mods; int Row; };
  for (const Case& c : {Case{Qt::NoModifier, 2}, Case{Qt::ControlModifier, 3}, Case{Qt::ShiftModifier, 1}}) {
    Host.SelectionNotices = 0;
    QTest::mouseClick(View.viewport(), Qt::LeftButton, c.Mods, QPoint(40, Mid(c.Row)));
    EXPECT_EQ(View.GetItemIndex(), c.Row);
    EXPECT_EQ(Host.SelectionNotices, 1) << c.Row;
  }
}

TEST_F(MsgViewTest, HeldDownKeyLeavesAtMostOneNoticePending) {
  for (int i = 0; i < 60; ++i) Add({});
  View.SetItemIndex(0);
  QCoreApplication::sendPostedEvents(&View);  // delivers the notice of the first row
  Host.SelectionNotices = 0;
  for (int i = 0; i < 30; ++i) QTest::keyClick(&View, Qt::Key_Down);
  EXPECT_EQ(View.GetItemIndex(), 30);
  EXPECT_EQ(Host.SelectionNotices, 0);  // nothing yet: the notices wait in the queue
  QCoreApplication::sendPostedEvents(&View);
  EXPECT_EQ(Host.SelectionNotices, 1);
}

TEST_F(MsgViewTest, DoubleClickTogglesTheMethod) {
  AddTypes({qbmEnterMethod, qbmInfo, qbmInfo, qbmExitMethod, qbmInfo});
  View.SetItemIndex(0);
  Host.CommandUpdates = 0;
  QTest::mouseDClick(View.viewport(), Qt::LeftButton, {}, QPoint(60, Mid(0)));
  EXPECT_EQ(View.GetCount(), 2);
  EXPECT_TRUE(View.IsMethodCollapsed(0));
  EXPECT_GT(Host.CommandUpdates, 0);
  QTest::mouseDClick(View.viewport(), Qt::LeftButton, {}, QPoint(60, Mid(0)));
  EXPECT_EQ(View.GetCount(), 5);
}

TEST_F(MsgViewTest, F2EditsTheCurrentMessageInTheViewsFont) {
  Add({qbmInfo, "one\r\n\r\ntwo\r\n"});
  View.SetItemIndex(0);
  Host.SelectionNotices = 0;
  Dialogs.EditAnswer = QStringLiteral("edited\r\nagain");
  QTest::keyClick(&View, Qt::Key_F2);
  EXPECT_EQ(Dialogs.EditShown, "one\r\n\r\ntwo\r\n");
  EXPECT_EQ(Dialogs.EditFont.family(), View.Display().Font.family());
  EXPECT_EQ(Set.At(1).MsgText(), "edited\r\nagain");
  EXPECT_EQ(Host.SelectionNotices, 1);
}

TEST_F(MsgViewTest, F2OnASeparatorOpensNothing) {
  AddTypes({qbmSeparator, qbmInactiveSeparator});
  for (int row : {0, 1}) {
    View.SetItemIndex(row);
    QTest::keyClick(&View, Qt::Key_F2);
  }
  EXPECT_EQ(Dialogs.EditAsked, 0);
}

TEST_F(MsgViewTest, WithoutDialogsAJumpOrAnEditIsCancelled) {
  Add({qbmInfo, "kept"});
  View.SetItemIndex(0);
  View.SetDialogs(nullptr);
  ASSERT_EQ(qbmsgviewdialogs::Installed(), nullptr);
  QTest::keyClick(&View, Qt::Key_F2);
  View.JumpToMessage();
  EXPECT_EQ(Set.At(1).MsgText(), "kept");
  EXPECT_EQ(View.GetItemIndex(), 0);
}

TEST_F(MsgViewTest, ColumnsGrowForNewNamesAndStartOverWhenCleared) {
  const int start = View.ColumnWidths().Width(qbrowtext::TDetail::AppName);
  Add({qbmInfo, "m", kCategoryColor, "AVeryLongApplicationNameIndeed"});
  const int grown = View.ColumnWidths().Width(qbrowtext::TDetail::AppName);
  EXPECT_GT(grown, start);
  Add({qbmInfo, "m", kCategoryColor, "Short"});
  EXPECT_EQ(View.ColumnWidths().Width(qbrowtext::TDetail::AppName), grown);
  View.ClearView();
  EXPECT_EQ(View.ColumnWidths().Width(qbrowtext::TDetail::AppName), start);
}

// ---------------------------------------------------------------------------------------------------
// Pixels

TEST_F(MsgViewTest, BackgroundsFollowTheirPriority) {
  for (int i = 0; i < 6; ++i) Add({});
  View.SetItemIndex(1);
  View.SetRowSelected(2, true);
  View.SetRowSelected(3, true);
  View.SetSyncMessage(View.GetRowRecNo(1));
  View.Model().Bookmarks().Toggle(0, View.GetRowRecNo(4));
  View.SetSyncMessage(View.GetRowRecNo(3));
  const QImage img = Shot();
  const QColor highlight = View.palette().color(QPalette::Highlight);
  struct Case { int Row; QColor Expected; const char* Why; };
  for (const Case& c : {Case{1, highlight, "current and selected"}, Case{2, highlight, "selected"},
                        Case{3, Color(qbcolor::Rgb(255, 235, 175)), "sync mark beats the selection"},
                        Case{4, Color(qbcolor::Rgb(173, 216, 230)), "bookmark"},
                        Case{5, Color(kCategoryColor), "category colour"}})
    EXPECT_EQ(Back(img, c.Row), c.Expected) << c.Why;
}

TEST_F(MsgViewTest, SyncMarkOnTheCurrentRowShowsTheSelection) {
  AddTypes({0, 0});
  View.SetItemIndex(1);
  View.SetSyncMessage(View.GetRowRecNo(1));
  EXPECT_EQ(Back(Shot(), 1), View.palette().color(QPalette::Highlight));
}

TEST_F(MsgViewTest, ShadingStripesOddRowsAndStaysWithTheRows) {
  for (int i = 0; i < 60; ++i) Add({});
  Host.RowShading = true;
  Reapply();
  const QColor shaded = qbrowpaint::ShadeBlend(Color(Host.ShadingColor), Color(kCategoryColor));
  EXPECT_NE(shaded, Color(kCategoryColor));
  for (int top : {0, 1}) {
    View.SetTopIndex(top);
    const QImage img = Shot();
    for (int row = top; row < top + 4; ++row)
      EXPECT_EQ(Back(img, row), row % 2 ? shaded : Color(kCategoryColor)) << "top " << top << " row " << row;
  }
}

TEST_F(MsgViewTest, SeparatorsDrawTheirLines) {
  AddTypes({qbmEnterMethod, qbmSeparator, qbmExitMethod, qbmResetSeparator, qbmInactiveSeparator,
            qbmAppStartSeparator});
  const QImage img = Shot();
  const QColor line = Color(Host.GetSeparatorColor());
  const QColor base = View.palette().color(QPalette::Base);
  // A separator at level 1: a two-pixel line from the level's icon position.
  const int level1 = 24 + 4;
  EXPECT_EQ(img.pixelColor(level1 + 2, Mid(1)), line);
  EXPECT_EQ(img.pixelColor(level1 + 2, Mid(1) + 1), line);
  EXPECT_NE(img.pixelColor(level1 + 2, Mid(1) - 2), line);
  EXPECT_NE(img.pixelColor(level1 - 4, Mid(1)), line);
  // A reset separator: a double line over the whole width, not indented.
  for (int dy : {-2, -1, 2, 3}) EXPECT_EQ(img.pixelColor(3, Mid(3) + dy), line) << dy;
  for (int dy : {0, 1}) EXPECT_NE(img.pixelColor(3, Mid(3) + dy), line) << dy;
  // Inactive and application start separators: a band inset by 2 pixels on the window colour.
  EXPECT_EQ(img.pixelColor(1, Mid(4)), base);
  EXPECT_EQ(img.pixelColor(2, Mid(4)), Color(Host.GetInactiveSeparatorColor()));
  EXPECT_EQ(img.pixelColor(1, Mid(5)), base);
  EXPECT_EQ(img.pixelColor(2, Mid(5)), Color(Host.GetAppStartSeparatorColor()));
}

TEST_F(MsgViewTest, IconsAreIndentedByLevelAndMoveWithHorizontalScrolling) {
  AddTypes({qbmEnterMethod, qbmEnterMethod, qbmInfo});
  // Scrolled 100 positions (1000 pixels) the text lies off to the left: the marker icon shows at x 4.
  struct Case { bool Flatten; int Horz; int IconLeft; };
  for (const Case& c : {Case{false, 0, 2 * 24 + 4}, Case{true, 0, 4}, Case{false, 2, 2 * 24 + 4 - 20},
                        Case{false, 100, 4}}) {
    Host.Flatten = c.Flatten;
    Reapply();
    View.SetHorzPosition(c.Horz);
    const QImage img = Shot();
    const int ink = FirstInk(img, 2, 0, 200);
    EXPECT_GE(ink, c.IconLeft) << c.Flatten << " " << c.Horz;
    EXPECT_LT(ink, c.IconLeft + 16) << c.Flatten << " " << c.Horz;
  }
  // The detail columns stay where they are.
  const int right = View.DetailLayout().MessageRight;
  View.SetHorzPosition(0);
  EXPECT_EQ(View.DetailLayout().MessageRight, right);
}

TEST_F(MsgViewTest, CollapseAllAndExpandAllReportTheSelectionOnceAndKeepTheMessage) {
  // Forty methods, each around two messages, and a message after them that has the focus.
  for (int m = 0; m < 40; ++m) AddTypes({qbmEnterMethod, qbmInfo, qbmInfo, qbmExitMethod});
  const int last = Add({});
  View.SetItemIndex(View.GetCount() - 1);
  Host.SelectionNotices = 0;
  View.CollapseAll();
  EXPECT_EQ(View.GetCount(), 41);
  EXPECT_EQ(View.GetRowRecNo(View.GetItemIndex()), last);
  EXPECT_EQ(Host.SelectionNotices, 1);
  View.ExpandAll(true);
  EXPECT_EQ(View.GetCount(), 161);
  EXPECT_EQ(View.GetRowRecNo(View.GetItemIndex()), last);
  EXPECT_EQ(Host.SelectionNotices, 2);
  EXPECT_EQ(View.SelectedCount(), 1);
}

TEST_F(MsgViewTest, RightClickOnTheHeaderOpensTheHeaderMenu) {
  AddTypes({qbmInfo, qbmInfo});
  QMenu rowMenu, headerMenu;
  rowMenu.addAction(QStringLiteral("row"));
  headerMenu.addAction(QStringLiteral("columns"));
  View.SetPopupMenu(&rowMenu);
  struct Case { bool HeaderMenuSet; bool OnHeader; QMenu* Opened; };
  for (const Case& c : {Case{true, true, &headerMenu}, Case{true, false, &rowMenu}, Case{false, true, &rowMenu}}) {
    View.SetHeaderPopupMenu(c.HeaderMenuSet ? &headerMenu : nullptr);
    const QPoint at(40, c.OnHeader ? View.RowHeight() / 2 : Mid(1));
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, View.viewport()->mapToGlobal(at));
    QApplication::sendEvent(View.viewport(), &event);
    EXPECT_TRUE(c.Opened->isVisible()) << c.HeaderMenuSet << c.OnHeader;
    EXPECT_FALSE((c.Opened == &rowMenu ? headerMenu : rowMenu).isVisible());
    rowMenu.close();
    headerMenu.close();
  }
}

TEST_F(MsgViewTest, AnUpdateBracketShowsTheBackgroundNeverAnUnpaintedList) {
  for (int i = 0; i < 10; ++i) Add({});
  View.BeginUpdate();
  const QImage img = Shot();
  View.EndUpdate();
  EXPECT_EQ(img.pixelColor(300, Mid(3)), View.palette().color(QPalette::Base));
  EXPECT_NE(img.pixelColor(300, View.RowHeight() / 2), View.palette().color(QPalette::Base));  // the header
}

TEST_F(MsgViewTest, EmptyViewPaintsOnlyTheHeaderAndBackground) {
  const QImage img = Shot();
  EXPECT_EQ(img.pixelColor(300, View.RowHeight() * 3), View.palette().color(QPalette::Base));
  EXPECT_NE(img.pixelColor(300, View.RowHeight() / 2), View.palette().color(QPalette::Base));
}

// ---------------------------------------------------------------------------------------------------
// Texts, through the functions the painter uses

TEST(RowTextTest, ShortensAtTheLineBreakAnd255CharactersAndToTheWidth) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(12);
  const QFontMetrics fm(font);
  EXPECT_EQ(qbrowtext::Shorten("abc\rdef", font, fm, 2000), "abc...");
  const QString longText(300, QLatin1Char('i'));
  EXPECT_EQ(qbrowtext::Shorten(longText, font, fm, 100000), longText.left(255));
  // Narrow columns keep the longest prefix that fits with the ellipsis.
  const QString full = QStringLiteral("The quick brown fox jumps over the lazy dog");
  for (int width : {30, 80, 81, 150, 200}) {
    const QString narrow = qbrowtext::Shorten(full, font, fm, width);
    ASSERT_TRUE(narrow.endsWith("...")) << width;
    const QString prefix = narrow.chopped(3);
    ASSERT_TRUE(full.startsWith(prefix)) << width;
    EXPECT_LE(fm.horizontalAdvance(narrow), width) << width;
    EXPECT_GT(fm.horizontalAdvance(full.left(prefix.size() + 1)) + fm.horizontalAdvance("..."), width) << width;
  }
  EXPECT_EQ(qbrowtext::Shorten("abc", font, fm, 0), "...");
  EXPECT_EQ(qbrowtext::Collapsed("Load", 3), "Load  [3]");
}

TEST_F(MsgViewTest, DetailTextsOfTimeAndProcess) {
  const int32_t hour = 3600 * 1000;
  Add({qbmInfo, "a", kCategoryColor, "App", 10 * hour, qbtest::kDay});
  Add({qbmInfo, "b", kCategoryColor, "App", 11 * hour, qbtest::kDay + 1});  // 25 hours later
  Add({qbmInactiveSeparator});
  Add({qbmInfo, "c", kCategoryColor, "App", 11 * hour + 1500, qbtest::kDay + 1});
  Add({qbmInfo, "d", kCategoryColor, "App", 9 * hour, qbtest::kDay});  // earlier
  const TQBViewRows& rows = View.Model().Rows();
  const TQBColumnSet diff = uint16_t(TQBColumn::TimeDiff);
  using qbrowtext::TDetail;
  struct Case { int Row; QString Text; };
  for (const Case& c : {Case{0, "0:00:00.000"}, Case{1, "1:00:00.000"}, Case{3, "0:00:01.500"}, Case{4, "xx:xx:xx.xxx"}})
    EXPECT_EQ(qbrowtext::DetailText(TDetail::Time, diff, rows, rows.ItemOfRow(c.Row)), c.Text) << c.Row;
  EXPECT_EQ(qbrowtext::DetailText(TDetail::PID, diff, rows, 0), "    42");
  EXPECT_EQ(qbrowtext::DetailText(TDetail::Time, uint16_t(TQBColumn::TimeStamp), rows, 0), "10:00:00.000");
  EXPECT_EQ(qbrowtext::HeaderCaption(TDetail::Time, uint16_t(TQBColumn::TimeOffset) | diff), "Time Diff");
}

}  // namespace

namespace {

TEST_F(MsgViewTest, JumpToMessageHoldsTheRowToTheView) {
  for (int i = 0; i < 10; ++i) Add({});
  struct Case { int Asked; int Row; };
  for (const Case& c : {Case{-1, 0}, Case{3, 3}, Case{499, 9}}) {
    Dialogs.JumpRow = c.Asked;
    View.JumpToMessage();
    EXPECT_EQ(View.GetItemIndex(), c.Row) << c.Asked;
  }
  Dialogs.JumpConfirmed = false;
  Dialogs.JumpRow = 0;
  View.JumpToMessage();
  EXPECT_EQ(View.GetItemIndex(), 9);
}

}  // namespace

namespace {

TEST_F(MsgViewTest, ExportsReportProgressAndRaiseOnFailure) {
  AddTypes({0, 1, 2});
  qbtest::TTempFiles files;
  View.ExportXML(files.Path("view.xml"));
  ASSERT_FALSE(Host.ProgressTotals.empty());
  EXPECT_GT(Host.ProgressTotals.front(), 0);
  EXPECT_EQ(Host.ProgressTotals.back(), 0);
  EXPECT_TRUE(QFile::exists(files.Path("view.xml")));
  EXPECT_THROW(View.ExportText(files.Path("missing/folder/view.txt")), std::runtime_error);
  EXPECT_THROW(View.SaveToFile(files.Path("missing/folder/view.qbl")), std::runtime_error);
}

TEST_F(MsgViewTest, HintShowsATextTooLongForItsColumn) {
  Parent.activateWindow();
  if (!QTest::qWaitForWindowActive(&Parent) || QGuiApplication::applicationState() != Qt::ApplicationActive)
    GTEST_SKIP() << "no active window on this platform";
  Add({qbmInfo, QByteArray("short")});
  Add({qbmInfo, QByteArray(400, 'w')});
  QTest::mouseMove(View.viewport(), QPoint(60, Mid(1)));
  ASSERT_NE(View.HintWindow(), nullptr);
  EXPECT_TRUE(View.HintWindow()->isVisible());
  EXPECT_EQ(View.HintWindow()->Text(), QString(400, QLatin1Char('w')));
  QTest::mouseMove(View.viewport(), QPoint(60, Mid(0)));
  EXPECT_FALSE(View.HintWindow()->isVisible());
  QTest::mouseMove(View.viewport(), QPoint(60, Mid(1)));
  View.AppDeactivated();
  EXPECT_FALSE(View.HintWindow()->isVisible());
}

}  // namespace

namespace {

TEST_F(MsgViewTest, SettingsDecideTheDetailColumns) {
  using qbrowtext::TDetail;
  struct Case { bool Hide; uint16_t Columns; std::vector<TDetail> Shown; };
  const uint16_t stampAndDiff = uint16_t(TQBColumn::TimeStamp) | uint16_t(TQBColumn::TimeDiff);
  for (const Case& c : {Case{true, TQBViewDisplay::DefaultColumns, {}},
                        Case{false, uint16_t(uint16_t(TQBColumn::ProcessID) | stampAndDiff), {TDetail::PID, TDetail::Time}},
                        Case{false, TQBViewDisplay::DefaultColumns,
                             {TDetail::Category, TDetail::AppName, TDetail::Computer, TDetail::Date, TDetail::Time}}}) {
    Host.HideExtraColumns = c.Hide;
    Host.Columns = c.Columns;
    Reapply();
    const TQBDetailLayout layout = View.DetailLayout();
    std::vector<TDetail> shown;
    for (int d = 0; d < qbrowtext::DetailCount; ++d)
      if (layout.Visible[size_t(d)]) shown.push_back(TDetail(d));
    EXPECT_EQ(shown, c.Shown);
    EXPECT_EQ(layout.MessageRight, View.viewport()->width() - View.ColumnWidths().VisibleTotal(View.Display().Columns));
  }
}

}  // namespace
