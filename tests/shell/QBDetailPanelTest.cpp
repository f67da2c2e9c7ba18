// The message detail panel's geometry at the widths where its layout changes, and the values it shows.

#include "support/QBTestFiles.h"

#include "shell/QBDetailFields.h"
#include "shell/QBDetailPanelLayout.h"
#include "view/QBTimeText.h"

#include "model/QBMessageAdder.h"

#include <gtest/gtest.h>

namespace {

TEST(DetailPanelLayout, ColumnsAndPlacesByWidth) {
  struct TCase {
    int Width, Height, Columns;
    int Pair;        // a field to look at
    QRect Pane;      // its value pane
    QPoint Label;    // its label's top left
  } cases[] = {
      {290, 136, 1, 7, {63, 116, 223, 17}, {4, 118}},
      {290, 136, 1, 0, {63, 4, 223, 17}, {4, 6}},
      {291, 71, 2, 3, {63, 52, 80, 17}, {4, 54}},
      {291, 71, 2, 4, {207, 4, 80, 17}, {152, 6}},
      {539, 71, 2, 7, {331, 52, 204, 17}, {276, 54}},
      {540, 39, 4, 4, {332, 4, 60, 17}, {296, 6}},
      {540, 39, 4, 7, {456, 20, 80, 17}, {396, 22}},
      {600, 39, 4, 6, {501, 4, 95, 17}, {441, 6}},
      {600, 39, 4, 2, {222, 4, 95, 17}, {167, 6}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "width " << c.Width << " pair " << c.Pair);
    const TQBDetailPanelGeometry g = qbdetail::LayoutForWidth(c.Width);
    EXPECT_EQ(g.Height, c.Height);
    EXPECT_EQ(g.Columns, c.Columns);
    EXPECT_EQ(g.Panes[size_t(c.Pair)], c.Pane);
    EXPECT_EQ(g.Labels[size_t(c.Pair)].topLeft(), c.Label);
    EXPECT_EQ(g.Labels[size_t(c.Pair)].height(), qbdetail::LabelHeight);
  }
}

// A font whose "App Name" needs 70 pixels, 17 more than its column's room in the four-column form and
// 13 more than in the two-column form: that column's panes move right, the panes give up the width and
// the four-column form begins 17 pixels later.
TEST(DetailPanelLayout, AWiderLabelMovesItsColumnsPanesAndNothingElse) {
  const qbdetail::TLabelWidths fitting{57, 57, 53, 53, 34, 34, 53, 53}, wideAppName{50, 50, 70, 50, 20, 30, 40, 50};
  for (const int width : {290, 291, 539, 540, 600})
    EXPECT_EQ(qbdetail::LayoutForWidth(width, fitting).Panes, qbdetail::LayoutForWidth(width).Panes) << width;
  const struct {
    int Width, Columns, Pair;
    QRect Pane, Label;
  } cases[] = {
      {600, 4, 2, {234, 4, 90, 17}, {162, 6, 70, 13}},
      {600, 4, 0, {63, 4, 90, 17}, {4, 6, 57, 13}},
      {600, 4, 4, {369, 4, 70, 17}, {333, 6, 34, 13}},
      {600, 4, 7, {503, 20, 90, 17}, {443, 22, 58, 13}},
      {557, 4, 7, {473, 20, 80, 17}, {413, 22, 58, 13}},
      {556, 2, 2, {76, 36, 206, 17}, {4, 38, 70, 13}},
      {556, 2, 4, {346, 4, 206, 17}, {291, 6, 53, 13}},
      {200, 1, 2, {76, 36, 120, 17}, {4, 38, 70, 13}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "width " << c.Width << " pair " << c.Pair);
    const TQBDetailPanelGeometry g = qbdetail::LayoutForWidth(c.Width, wideAppName);
    EXPECT_EQ(g.Columns, c.Columns);
    EXPECT_EQ(g.Panes[size_t(c.Pair)], c.Pane);
    EXPECT_EQ(g.Labels[size_t(c.Pair)], c.Label);
  }
}

TEST(DetailPanelLayout, EveryPairFitsTheWidthWithItsLabelBeforeItsPane) {
  const qbdetail::TLabelWidths fonts[] = {{}, {75, 80, 80, 75, 30, 50, 40, 85}};
  for (const qbdetail::TLabelWidths& labels : fonts) {
    for (int w = 120; w <= 1200; ++w) {
      const TQBDetailPanelGeometry g = qbdetail::LayoutForWidth(w, labels);
      for (int i = 0; i < 8; ++i) {
        ASSERT_GE(g.Labels[size_t(i)].width(), labels[size_t(i)]) << "width " << w << " pair " << i;
        ASSERT_LE(g.Panes[size_t(i)].right(), w) << "width " << w << " pair " << i;
        ASSERT_LT(g.Labels[size_t(i)].right(), g.Panes[size_t(i)].left()) << "width " << w << " pair " << i;
        // Panes in the same column are not placed beside each other's labels.
        for (int j = 0; j < 8; ++j) {
          if (j != i) {
            ASSERT_FALSE(g.Labels[size_t(j)].intersects(g.Panes[size_t(i)])) << w << " " << i << " " << j;
          }
        }
      }
    }
  }
}

TEST(DetailFields, LabelsPanesAndTheValuesOfAMessage) {
  const auto& fields = qbdetail::Fields();
  QStringList labels, panes;
  for (const TQBDetailField& f : fields) labels << f.Label, panes << f.Pane;
  EXPECT_EQ(labels, QStringList({"Category", "Type Name", "App Name", "Computer", "PID", "Thread", "Date", "TimeStamp"}));
  EXPECT_EQ(panes, QStringList({"stsCategory", "stsTypeName", "stsAppName", "stsComputer", "stsPID", "stsThreadName",
                                "stsDate", "stsTimeStamp"}));
  EXPECT_FALSE(fields[3].RightAligned);
  EXPECT_TRUE(fields[4].RightAligned);

  TQuillboxMessageSet set;
  TQBMessageAdder adder(set);
  TQBRawMessage m = qbtest::Message(0, "text");
  m.Category = Utf8Bytes("Net");
  m.TypeName = Utf8Bytes("TForm");
  m.AppName = Utf8Bytes("Server");
  m.ComputerName = Utf8Bytes("HOST1");
  m.ThreadName = Utf8Bytes("Main");
  m.ProcessID = 4242;
  m.Date = qbtest::kDay;
  m.Time = 9 * 3600000 + 5 * 60000 + 3 * 1000 + 7;
  const int recNo = adder.AddMessage(m);
  const auto values = qbdetail::ValuesOf(set.At(recNo));
  EXPECT_EQ(QStringList(values.begin(), values.end()),
            QStringList({"Net", "TForm", "Server", "HOST1", "4242", "Main", qbtimetext::ShortDate(qbtest::kDay),
                         "9:05:03.007"}));
}

}  // namespace
