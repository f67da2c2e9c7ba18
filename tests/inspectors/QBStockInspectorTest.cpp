// The inspector base: construction order, showing and hiding with the button panel, image list
// notices, frame fonts, and the paging of printed lines read back from the PDF.

#include "QBInspectorTestSupport.h"

#include "inspectors/QBGradientPanel.h"
#include "inspectors/QBImageList.h"

#include <QFont>

#include <gtest/gtest.h>

namespace {

// Records the virtual steps the construction runs and prints the lines it is given.
class TRecordingInspector : public TQBStockInspector {
public:
  TRecordingInspector(QWidget* owner, TQBInspectorToolbar* toolbar) : TQBStockInspector(owner, toolbar) {}
  void CreateButtonPanel(TQBInspectorToolbar* toolbar) override {
    Steps << "ButtonPanel";
    TQBStockInspector::CreateButtonPanel(toolbar);
  }
  void CreateToolButtons(QWidget*) override { Steps << "ToolButtons"; }
  void CreateTitleBar() override {
    Steps << "TitleBar";
    TQBStockInspector::CreateTitleBar();
  }
  void CreateStatusBar() override {
    Steps << "StatusBar";
    TQBStockInspector::CreateStatusBar();
  }
  void CreateContent() override { Steps << "Content"; }
  bool HasStatusBar() const override { return true; }
  void ImagesChanged() override { ++ImageNotices; }
  void GetLines(QStringList& lines) override { lines = Lines; }

  QStringList Steps;
  QStringList Lines;
  int ImageNotices = 0;
};

TEST(QBStockInspectorTest, ConstructionRunsItsStepsInOrder) {
  TQBInspectorFixture<TRecordingInspector> f;
  EXPECT_EQ(f.Inspector->Steps,
            QStringList({"ButtonPanel", "ToolButtons", "TitleBar", "StatusBar", "Content"}));
  EXPECT_EQ(f.Inspector->ButtonPanel()->parentWidget()->parentWidget(), f.Toolbar);
  EXPECT_TRUE(f.Inspector->TitleBar()->isHidden());
  EXPECT_FALSE(f.Inspector->StatusBar()->isHidden());
}

TEST(QBStockInspectorTest, ShowAndHideTakeTheButtonPanelAlong) {
  TQBInspectorFixture<TRecordingInspector> f;
  f.Inspector->HideInspector();
  EXPECT_TRUE(f.Inspector->isHidden());
  EXPECT_TRUE(f.Inspector->ButtonPanel()->isHidden());
  f.Inspector->ShowInspector();
  EXPECT_FALSE(f.Inspector->isHidden());
  EXPECT_FALSE(f.Inspector->ButtonPanel()->isHidden());
}

TEST(QBStockInspectorTest, ClearEmptiesTitleAndStatus) {
  TQBInspectorFixture<TRecordingInspector> f;
  f.Inspector->SetTitle("t");
  f.Inspector->SetStatus("s");
  f.Inspector->Clear();
  EXPECT_EQ(f.Inspector->GetTitle(), "");
  EXPECT_EQ(f.Inspector->GetStatus(), "");
}

TEST(QBStockInspectorTest, ImageListNoticesReachTheInspectorUntilTheListIsGone) {
  TQBInspectorFixture<TRecordingInspector> f;
  auto* images = new TQBImageList;
  f.Inspector->SetImages(images);
  EXPECT_EQ(f.Inspector->ImageNotices, 1);
  images->SetImages({QIcon()});
  EXPECT_EQ(f.Inspector->ImageNotices, 2);
  delete images;
  EXPECT_EQ(f.Inspector->Images(), nullptr);
  f.Inspector->SetImages(nullptr);
  EXPECT_EQ(f.Inspector->ImageNotices, 2);
}

TEST(QBStockInspectorTest, FrameFontSetsBarHeights) {
  TQBInspectorFixture<TRecordingInspector> f;
  f.Inspector->SetFrameFont(QFont("Tahoma", 10), 18);
  EXPECT_EQ(f.Inspector->TitleBar()->height(), 20);
  EXPECT_EQ(f.Inspector->StatusBar()->height(), 24);
}

// The first page holds LinesPerPage lines and every later one a line fewer; a full page breaks at
// once, so exactly LinesPerPage lines end with a page that holds only its header.
TEST(QBStockInspectorTest, PrintedLinesArePagedUnderTheirHeader) {
  const int perPage = TQBPdfOutput::LinesPerPage();
  ASSERT_GT(perPage, 10);
  struct TCase {
    int Lines;
    int Pages;
  };
  for (const TCase c : {TCase{0, 1}, TCase{perPage - 1, 1}, TCase{perPage, 2}, TCase{2 * perPage - 2, 2},
                        TCase{2 * perPage - 1, 3}}) {
    SCOPED_TRACE(c.Lines);
    TQBInspectorFixture<TRecordingInspector> f;
    for (int i = 1; i <= c.Lines; ++i) f.Inspector->Lines << QStringLiteral("line %1").arg(i);
    const TQBPdfOutput out;
    f.Inspector->PrintContents("Orders (Details)");
    const TQBPdf pdf = out.Read();
    EXPECT_EQ(pdf.Pages, c.Pages);
    EXPECT_TRUE(pdf.Text.contains(QStringLiteral("Orders (Details) -- Page %1").arg(c.Pages)));
    if (c.Lines > 0) {
      EXPECT_TRUE(pdf.Text.contains(QStringLiteral("line %1").arg(c.Lines)));
    }
  }
}

}  // namespace
