// The message view's printed report, read back from the PDF it writes: the page header, the column
// heading, rows and continuation lines in their grid cells, icons, paging, cancelling and failures.

#include "view/widgets/QBMsgView.h"
#include "view/widgets/QBMsgViewDialogs.h"
#include "view/widgets/QBReportPrinter.h"
#include "view/widgets/QBSharedPrinter.h"

#include "model/QBMessageAdder.h"
#include "model/QBMessageTypes.h"

#include "QBHostDouble.h"
#include "support/QBTestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cmath>
#include <deque>
#include <stdexcept>

namespace {

using qbtest::THostDouble;

// The output of a poppler tool on a file.
QString RunTool(const QString& tool, const QStringList& args) {
  QProcess p;
  p.start(tool, args);
  if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

// A word of pdftotext -bbox: its text and position in points.
struct TWord {
  QString Text;
  double X = 0, Y = 0, XMax = 0;
};

std::vector<std::vector<TWord>> PagesOfWords(const QString& pdf) {
  const QString html = RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  std::vector<std::vector<TWord>> pages;
  static const QRegularExpression word(
      QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"[0-9.]+\">([^<]*)</word>"));
  for (const QString& page : html.split(QStringLiteral("<page "), Qt::SkipEmptyParts).mid(1)) {
    pages.emplace_back();
    for (auto it = word.globalMatch(page); it.hasNext();) {
      const auto m = it.next();
      pages.back().push_back({m.captured(4), m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble()});
    }
  }
  return pages;
}

const TWord* Find(const std::vector<TWord>& words, const QString& text) {
  for (const TWord& w : words)
    if (w.Text == text) return &w;
  return nullptr;
}

class TProgressDouble final : public IQBPrintProgress {
public:
  explicit TProgressDouble(int cancelAfter) : FCancelAfter(cancelAfter) {}
  void Start(int total) override { Total = total; }
  bool Step() override { return ++Steps < FCancelAfter; }
  int Total = -1;
  int Steps = 0;

private:
  int FCancelAfter;
};

// Dialogs whose print progress cancels after a number of rows.
class TCancellingDialogs final : public IQBMsgViewDialogs {
public:
  bool AskJumpToRow(QWidget*, int&) override { return false; }
  bool AskEditedText(QWidget*, const QFont&, const QRect&, int, QString&) override { return false; }
  void ShowInfo(QWidget*, const QString&) override {}
  std::unique_ptr<IQBPrintProgress> BeginPrintProgress(QWidget*, const QString& title) override {
    Titles << title;
    return std::make_unique<TProgressDouble>(CancelAfter);
  }
  int CancelAfter = 1 << 30;
  QStringList Titles;
};

class MsgViewPrintTest : public ::testing::Test {
protected:
  void SetUp() override {
    View.SetDialogs(&Dialogs);
    View.Initialize();
    Adder.AddObserver(&View.Model());
    Pdf = Dir.filePath(QStringLiteral("report.pdf"));
    QBSetPdfOutput(QBSharedPrinter(), Pdf);
    QBSharedPrinter().setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                                QPageLayout::Millimeter));
  }

  // Adds a message through the adding path, as a load does.
  void Add(int32_t type, const QByteArray& text, const QByteArray& category = "Net", const QByteArray& thread = "Main") {
    TQBRawMessage raw = qbtest::Message(type, Keep(text));
    raw.Category = Utf8Bytes(Keep(category));
    raw.ThreadName = Utf8Bytes(Keep(thread));
    raw.AppName = Utf8Bytes(Keep(QByteArray("App")));
    raw.ProcessID = 4242;
    raw.Time = qbtest::kNoon;
    raw.Date = qbtest::kDay;
    raw.CategoryColor = qbcolor::Rgb(255, 255, 255);
    raw.CategoryFontColor = qbcolor::Rgb(0, 0, 0);
    Adder.AddMessage(raw);
  }

  // The grid the report used: measured the way the printer measures it.
  TQBPrintGrid Grid(int fontSize = 8) {
    QPrinter& printer = QBSharedPrinter();
    QPdfWriter writer(Dir.filePath(QStringLiteral("probe.pdf")));
    writer.setResolution(printer.resolution());
    writer.setPageLayout(printer.pageLayout());
    QPainter painter(&writer);
    return TQBReportRenderer(writer, painter, fontSize, TQBReportLook()).Grid();
  }
  // Device pixels to points from the page's left or top edge.
  double ToPoints(int pixels) const { return pixels * 72.0 / QBSharedPrinter().resolution(); }
  double LeftMarginPoints() const { return QBSharedPrinter().pageLayout().paintRect(QPageLayout::Point).left(); }
  double TopMarginPoints() const { return QBSharedPrinter().pageLayout().paintRect(QPageLayout::Point).top(); }
  // Where a grid line's top and a cell's left edge lie on the page, in points.
  double LineTop(const TQBPrintGrid& g, int line) const { return TopMarginPoints() + ToPoints(g.LineTop(line)); }
  double CellLeft(const TQBPrintGrid& g, int cell) const { return LeftMarginPoints() + ToPoints(g.CellLeft(cell)); }

  THostDouble Host;
  TQuillboxMessageSet Set;
  TQBMessageView View{nullptr, Set};
  TCancellingDialogs Dialogs;
  TQBMessageAdder Adder{Set};
  QTemporaryDir Dir;
  QString Pdf;

private:
  const QByteArray& Keep(const QByteArray& b) { return FKept.emplace_back(b); }
  std::deque<QByteArray> FKept;
};

TEST_F(MsgViewPrintTest, TheViewOffersPrintingAndWritesTheReportGrid) {
  ASSERT_NE(qobject_cast<IQBMessageViewPrint*>(&View), nullptr);
  Add(qbmInfo, "First message");
  Add(qbmEnterMethod, "Method entry");
  // The tail follows a line break, so it starts a line whatever width the font leaves the text.
  Add(qbmWarning, QByteArray(300, 'w') + "\rtailword", "Cat", "Worker");
  Add(qbmExitMethod, "Method exit");
  View.Print(QStringLiteral("Errors (Selection)"), false, 8, colCategory | colThreadName | colTimeStamp);

  const QString info = RunTool(QStringLiteral("pdfinfo"), {Pdf});
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
  const auto pages = PagesOfWords(Pdf);
  ASSERT_EQ(pages.size(), 1u);
  const std::vector<TWord>& words = pages[0];
  const TQBPrintGrid g = Grid();
  const auto lineTop = [&](int line) { return TopMarginPoints() + ToPoints(g.LineTop(line)); };
  const auto cellLeft = [&](int cell) { return LeftMarginPoints() + ToPoints(g.CellLeft(cell)); };

  // Header box text on line 3: the title, the date and "Page: 1".
  const TWord* title = Find(words, QStringLiteral("Errors"));
  ASSERT_NE(title, nullptr);
  EXPECT_NEAR(title->X, cellLeft(6) + ToPoints(20), 1.0);
  EXPECT_NE(Find(words, QStringLiteral("(Selection)")), nullptr);
  const TWord* page = Find(words, QStringLiteral("Page:"));
  ASSERT_NE(page, nullptr);
  EXPECT_NE(Find(words, QStringLiteral("1")), nullptr);
  EXPECT_NEAR(page->Y, title->Y, 1.0);

  // The column heading on line 6, its words in their cells.
  const TWord* message = Find(words, QStringLiteral("Message"));
  ASSERT_NE(message, nullptr);
  EXPECT_NEAR(message->X, cellLeft(6), 0.5);
  EXPECT_GE(message->Y, lineTop(6) - 0.5);
  EXPECT_LT(message->Y, lineTop(7));
  const TWord* stamp = Find(words, QStringLiteral("Stamp"));
  ASSERT_NE(stamp, nullptr);
  EXPECT_NEAR(stamp->X, cellLeft(g.CharsPerLine - 5), 0.5) << "the heading ends at the line's last cell";
  for (const char* heading : {"Category", "Thread", "Time"}) EXPECT_NE(Find(words, QString::fromLatin1(heading)), nullptr) << heading;

  // The rows from line 7: level 0 text after 9 cells, level 1 after 11.
  const TWord* first = Find(words, QStringLiteral("First"));
  ASSERT_NE(first, nullptr);
  EXPECT_NEAR(first->X, cellLeft(9), 0.5);
  EXPECT_GE(first->Y, lineTop(7) - 0.5);
  EXPECT_LT(first->Y, lineTop(8));
  // The long warning: its text continues on the next lines in the same cells, the tail on the last.
  const TWord* tail = Find(words, QStringLiteral("tailword"));
  ASSERT_NE(tail, nullptr);
  EXPECT_NEAR(tail->X, cellLeft(11), 0.5);
  int warningLines = 0;
  for (const TWord& w : words)
    if (w.Text.startsWith(QLatin1Char('w'))) {
      ++warningLines;
      EXPECT_NEAR(w.X, cellLeft(11), 0.5) << "continuation lines start in the text's first cell";
    }
  EXPECT_GE(warningLines, 3);
  // The columns print once, on the row's first line.
  int catCount = 0;
  for (const TWord& w : words) catCount += w.Text == QLatin1String("Cat");
  EXPECT_EQ(catCount, 1);
  const TWord* exit = Find(words, QStringLiteral("exit"));
  ASSERT_NE(exit, nullptr);
  EXPECT_GT(exit->Y, tail->Y);

  // One picture per icon kind, placed once per row.
  const QString images = RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), Pdf});
  EXPECT_GE(images.count(QStringLiteral("image")), 4) << images.toStdString();
  EXPECT_EQ(Host.ProgressTotals, (std::vector<int>{4, 0}));
  EXPECT_EQ(Host.ProgressSteps, 4);
  EXPECT_EQ(Dialogs.Titles, QStringList{QStringLiteral("Errors (Selection)")});
}

TEST_F(MsgViewPrintTest, AllColumnsOnNestedRowsStayUnderTheirHeadingsAndInsideThePage) {
  const TQBColumnSet all = colCategory | colAppName | colComputerName | colProcessID | colThreadName | colDate | colTimeStamp;
  for (int level = 0; level < 3; ++level) Add(qbmEnterMethod, "enter", "Scheduler", "Worker");
  Add(qbmInfo, QByteArray(200, 'x'), "Scheduler", "Worker");
  View.Print(QStringLiteral("Nested"), false, 8, all);
  const auto pages = PagesOfWords(Pdf);
  ASSERT_EQ(pages.size(), 1u);
  const TQBPrintGrid g = Grid();
  const auto cellLeft = [&](int cell) { return CellLeft(g, cell); };
  const auto wordAt = [&](int line, double x) -> const TWord* {
    for (const TWord& w : pages[0])
      if (w.Y >= LineTop(g, line) - 0.5 && w.Y < LineTop(g, line + 1) && std::abs(w.X - x) < 0.5) return &w;
    return nullptr;
  };
  // From the heading down nothing passes the line's last cell (the header box is wider).
  for (const TWord& w : pages[0])
    if (w.Y >= LineTop(g, 6) - 0.5) EXPECT_LE(w.XMax, cellLeft(g.CharsPerLine) + 0.5) << w.Text.toStdString();

  // The deepest row, on line 10, keeps a third of the line for its text.
  const TWord* text = wordAt(10, cellLeft(9 + 6));
  ASSERT_NE(text, nullptr);
  EXPECT_GE(text->Text.size(), (g.CharsPerLine + 2) / 3);
  // Each heading word starts (or, right-aligned, ends) in the cells of its column's text below it.
  const TQBPrintReport report(View.Model().Rows(), {QStringLiteral("Nested"), false, all}, g.CharsPerLine);
  const TQBPrintRow row = report.RowOf(3);
  const QString headingLine = report.HeadingLine();
  const QString rowLine = QString(row.Prefix, u' ') + row.Lines[0];
  ASSERT_GE(report.Layout().Fields().size(), 5u) << "most columns stay, cut";
  for (const TQBPrintField& f : report.Layout().Fields()) {
    for (const auto& [line, cells] : {std::pair(6, headingLine), std::pair(10, rowLine)}) {
      const QString shown = cells.mid(f.Start, f.Width).trimmed();
      if (shown.isEmpty()) continue;  // the computer name the messages lack
      const int at = int(cells.indexOf(shown, f.Start));
      const TWord* word = wordAt(line, cellLeft(at));
      ASSERT_NE(word, nullptr) << shown.toStdString() << " on line " << line;
      EXPECT_TRUE(shown.startsWith(word->Text)) << word->Text.toStdString();
    }
  }
}

TEST_F(MsgViewPrintTest, ManyRowsBreakIntoPagesEachWithItsHeader) {
  for (int i = 0; i < 150; ++i) Add(qbmInfo, "row " + QByteArray::number(i));
  View.Print(QStringLiteral("Long"), false, 8, 0);
  const TQBPrintGrid g = Grid();
  const int perPage = g.LastBodyLine() - TQBPrintGrid::FirstBodyLine + 1;
  const int expectedPages = (150 + perPage - 1) / perPage;
  const auto pages = PagesOfWords(Pdf);
  ASSERT_EQ(int(pages.size()), expectedPages);
  for (size_t p = 0; p < pages.size(); ++p) {
    EXPECT_NE(Find(pages[p], QStringLiteral("Long")), nullptr) << p;
    EXPECT_NE(Find(pages[p], QStringLiteral("Message")), nullptr) << p;
    EXPECT_NE(Find(pages[p], QString::number(p + 1)), nullptr) << p;
  }
  EXPECT_NE(Find(pages.back(), QStringLiteral("149")), nullptr);
}

TEST_F(MsgViewPrintTest, SelectionOnlyPrintsTheSelectedRows) {
  for (const char* text : {"alpha", "beta", "gamma"}) Add(qbmInfo, text);
  View.Model().Rows().SetRowSelected(1, true);
  View.Print(QStringLiteral("Sel"), true, 10, 0);
  const auto pages = PagesOfWords(Pdf);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_NE(Find(pages[0], QStringLiteral("beta")), nullptr);
  EXPECT_EQ(Find(pages[0], QStringLiteral("alpha")), nullptr);
  EXPECT_EQ(Find(pages[0], QStringLiteral("gamma")), nullptr);
}

TEST_F(MsgViewPrintTest, CancelEndsTheJobAndKeepsAnEarlierFile) {
  for (int i = 0; i < 20; ++i) Add(qbmInfo, "row");
  QFile earlier(Pdf);
  ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
  earlier.write("earlier file");
  earlier.close();
  Dialogs.CancelAfter = 5;
  View.Print(QStringLiteral("Cancelled"), false, 8, 0);
  ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
  EXPECT_EQ(earlier.readAll(), QByteArray("earlier file"));
  EXPECT_EQ(Host.ProgressTotals.back(), 0) << "the progress is reset";
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("report.pdf")}) << "no temporary left";
}

TEST_F(MsgViewPrintTest, AFileThatCannotBeWrittenFailsWithItsReason) {
  Add(qbmInfo, "x");
  QBSetPdfOutput(QBSharedPrinter(), Dir.filePath(QStringLiteral("missing/folder/report.pdf")));
  try {
    View.Print(QStringLiteral("T"), false, 8, 0);
    ADD_FAILURE() << "printing into a missing folder succeeded";
  } catch (const std::runtime_error& e) {
    EXPECT_TRUE(QString::fromUtf8(e.what()).startsWith(QStringLiteral("Cannot write the file"))) << e.what();
  }
  EXPECT_EQ(Host.ProgressTotals.back(), 0);
}

TEST_F(MsgViewPrintTest, AnEmptyViewPrintsAnEmptyPage) {
  View.Print(QStringLiteral("Nothing"), true, 8, 0);
  EXPECT_TRUE(QFile::exists(Pdf));
  EXPECT_EQ(Host.ProgressTotals, (std::vector<int>{0, 0}));
}

}  // namespace
