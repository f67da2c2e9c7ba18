// The bitmap, colour and hierarchy inspectors: decoding and the display modes, copying a picture,
// colour values and swatch, and trees from tab depths. Printing a picture: QBInspectorPrintTest.cpp.

#include "QBInspectorTestSupport.h"
#include "support/QBWait.h"

#include "inspectors/QBBitmapInspector.h"
#include "inspectors/QBColorInspector.h"
#include "inspectors/QBHierarchyInspector.h"
#include "inspectors/QBPictureControl.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QScrollArea>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class QBPictureInspectorsTest : public ::testing::Test {
protected:
  void SetUp() override { ResetStore(); }
};

TEST_F(QBPictureInspectorsTest, BitmapShowsThePictureAndItsSize) {
  TQBInspectorFixture<TQBBitmapInspector> f;
  f.Inspect({16, "b", BitmapHexText(30, 20) + "7"});  // an odd last digit is ignored
  EXPECT_EQ(f.Inspector->GetStatus(), "30 x 20");
  EXPECT_EQ(f.Inspector->PictureControl()->Picture().size(), QSize(30, 20));
  f.Inspector->CopyContents();
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(30, 20));
}

TEST_F(QBPictureInspectorsTest, UndecodableBitmapRaisesAndKeepsThePicture) {
  TQBInspectorFixture<TQBBitmapInspector> f;
  f.Inspect({16, "b", BitmapHexText(8, 4)});
  for (const QString& details : {QString("424D00zz"), QString(), QString("not hex at all")}) {
    AddMessage({16, "b", details});
    EXPECT_THROW(f.Inspector->Inspect(), std::exception);
    EXPECT_EQ(f.Inspector->GetStatus(), "8 x 4");
  }
  f.Inspector->Clear();
  EXPECT_EQ(f.Inspector->GetStatus(), "0 x 0");
}

TEST_F(QBPictureInspectorsTest, DisplayModeFollowsTheButtons) {
  TQBInspectorFixture<TQBBitmapInspector> f;
  EXPECT_EQ(f.Inspector->DisplayMode(), 1);
  f.Inspect({16, "b", BitmapHexText(1000, 500)});
  struct TCase {
    int Mode;
    QRect Drawn;
  };
  // The picture control fills the 400 x 250 area in scale and stretch mode.
  f.Inspector->ScrollArea()->setFixedSize(400, 250);
  for (const TCase c : {TCase{0, QRect(0, 0, 400, 200)}, TCase{2, QRect(0, 0, 400, 250)}, TCase{1, QRect(0, 0, 1000, 500)}}) {
    f.Inspector->SetDisplayMode(c.Mode);
    EXPECT_EQ(f.Inspector->DisplayMode(), c.Mode);
    // The picture is placed again when the posted layout of the scroll area has run.
    QB_EXPECT_SOON(f.Inspector->PictureControl()->PictureRect() == c.Drawn) << "mode " << c.Mode;
    EXPECT_EQ(f.Inspector->PictureControl()->PictureRect(), c.Drawn) << "mode " << c.Mode;
  }
  f.Inspector->SetDisplayMode(7);
  EXPECT_EQ(f.Inspector->DisplayMode(), 1);
}

TEST_F(QBPictureInspectorsTest, ColorShowsItsValuesAndSwatch) {
  struct TCase {
    QString Details;
    QStringList Panes;  // R G B A H S L
    QColor Swatch;
  };
  const TCase cases[] = {
      {"255\n0\n0\n255", {"255", "0", "0", "255", "0", "240", "120"}, QColor(255, 0, 0)},
      {"300\n0\n0", {"300", "0", "0", "0", "0", "240", "21"}, QColor(44, 0, 0)},
      {"255\n255\n255\n7", {"255", "255", "255", "7", "0", "0", "240"}, QColor(255, 255, 255)},
  };
  TQBInspectorFixture<TQBColorInspector> f;
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Details.toStdString());
    f.Inspect({31, "c", c.Details});
    QStringList panes;
    for (int i = 0; i < 7; ++i) panes << f.Inspector->ValuePane(i)->text();
    EXPECT_EQ(panes, c.Panes);
    EXPECT_EQ(f.Inspector->SwatchColor(), c.Swatch);
  }
}

TEST_F(QBPictureInspectorsTest, MalformedColorRaisesAndKeepsThePanes) {
  TQBInspectorFixture<TQBColorInspector> f;
  f.Inspect({31, "c", "1\n2\n3"});
  for (const QString& details : {QString("1\n2"), QString("1\nx\n3"), QString("")}) {
    AddMessage({31, "c", details});
    EXPECT_THROW(f.Inspector->Inspect(), std::exception);
    EXPECT_EQ(f.Inspector->ValuePane(1)->text(), "2");
  }
}

TEST_F(QBPictureInspectorsTest, ColorPrintsOnlyTheHeaderAndCopiesWhatItShows) {
  TQBInspectorFixture<TQBColorInspector> f;
  f.Inspect({31, "c", "255\n0\n0\n255"});
  QGuiApplication::clipboard()->setText("before");
  f.Inspector->CopyContents();
  EXPECT_EQ(ClipboardText(), "R\t255\r\nG\t0\r\nB\t0\r\nA\t255\r\nH\t0\r\nS\t240\r\nL\t120\r\n");
  EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->colorData().value<QColor>(), QColor(255, 0, 0));
  const TQBPdfOutput out;
  f.Inspector->PrintContents("Colour (Details)");
  const TQBPdf pdf = out.Read();
  EXPECT_EQ(pdf.Pages, 1);
  EXPECT_EQ(pdf.Text, "Colour (Details) -- Page 1");
}

TEST_F(QBPictureInspectorsTest, HierarchyBuildsTheTreeFromTabDepths) {
  TQBInspectorFixture<TQBHierarchyInspector> f;
  f.Inspect({44, "h", "root\n\tchild 1\n\tchild 2\n\t\t\t\tgrandchild\n \t \nsecond root", "TWindowTree"});
  QTreeWidget& tree = *f.Inspector->Tree();
  ASSERT_EQ(tree.topLevelItemCount(), 2);
  EXPECT_EQ(tree.topLevelItem(0)->childCount(), 2);
  EXPECT_EQ(tree.topLevelItem(0)->child(1)->child(0)->text(0), "grandchild");
  EXPECT_TRUE(tree.topLevelItem(0)->child(1)->isExpanded());
  EXPECT_EQ(f.Inspector->GetTitle(), "TWindowTree");
  EXPECT_EQ(f.Lines(), QStringList({"root", "\tchild 1", "\tchild 2", "\t\tgrandchild", "second root"}));
  f.Inspector->CopyContents();
  EXPECT_EQ(ClipboardText(), "root\r\n\tchild 1\r\n\tchild 2\r\n\t\tgrandchild\r\nsecond root\r\n");
  f.Inspector->CollapseAll();
  EXPECT_FALSE(tree.topLevelItem(0)->isExpanded());
  f.Inspect({44, "h", "other", ""});
  EXPECT_EQ(f.Inspector->GetTitle(), "TWindowTree");  // an empty type name leaves the title
}

// A chain of lines each one tab deeper than the last nests as deep as it is long.
TEST_F(QBPictureInspectorsTest, HierarchySurvivesAVeryDeepChain) {
  QString details;
  for (int depth = 0; depth < 6000; ++depth) details += QString(depth, '\t') + "n\n";
  TQBInspectorFixture<TQBHierarchyInspector> f;
  f.Inspect({44, "h", details});
  EXPECT_EQ(f.Lines().size(), 6000);
  f.Inspect({44, "h", "next"});
  EXPECT_EQ(f.Inspector->Tree()->topLevelItemCount(), 1);
}

}  // namespace
