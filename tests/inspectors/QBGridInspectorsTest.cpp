// The grid inspectors: the table's header row, columns and copies; the property tree with its paths,
// captions, remembered selection and copies; the object title; collection items; memory figures.
// Printing: QBInspectorPrintTest.cpp.

#include "QBInspectorTestSupport.h"

#include "inspectors/QBCollectionInspector.h"
#include "inspectors/QBMemoryStatusInspector.h"
#include "inspectors/QBObjectInspector.h"
#include "inspectors/QBPropertyTreeModel.h"
#include "inspectors/QBTableInspector.h"
#include "inspectors/QBTableModel.h"

#include <QHeaderView>
#include <QListWidget>
#include <QTableView>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

class QBGridInspectorsTest : public ::testing::Test {
protected:
  void SetUp() override { ResetStore(); }
};

QStringList HeaderCaptions(const QAbstractItemModel& model) {
  QStringList captions;
  for (int c = 0; c < model.columnCount(); ++c) captions << model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
  return captions;
}

TEST_F(QBGridInspectorsTest, TableShowsHeaderRowAndRaggedRows) {
  TQBInspectorFixture<TQBTableInspector> f;
  QTableView& grid = *f.Inspector->Grid();
  f.Inspect({38, "only a header", "Id\tName"});
  EXPECT_EQ(HeaderCaptions(*grid.model()), QStringList({"Id", "Name"}));
  EXPECT_EQ(grid.model()->rowCount(), 1);  // one empty data row under the header
  f.Inspect({38, "ragged", "Id\tName\n1\n2\tBob\tspare value"});
  EXPECT_EQ(HeaderCaptions(*grid.model()), QStringList({"Id", "Name", ""}));
  EXPECT_EQ(grid.model()->rowCount(), 2);
  EXPECT_EQ(grid.model()->index(0, 1).data().toString(), "");
  EXPECT_EQ(grid.model()->index(1, 2).data().toString(), "spare value");
  // Columns are as wide as their widest text plus 4 pixels (a text wider than the header's least
  // section width in any font, which no column can go below).
  const QFontMetrics metrics(grid.font());
  EXPECT_EQ(grid.columnWidth(2), metrics.horizontalAdvance("spare value") + 4);
}

TEST_F(QBGridInspectorsTest, TableCopiesRowsAndAllRows) {
  TQBInspectorFixture<TQBTableInspector> f;
  f.Inspect({38, "t", "Id\tName\n1\tAnn\n2\tBob"});
  f.Inspector->Grid()->selectRow(1);
  f.Inspector->CopySelectedRowValues();
  EXPECT_EQ(ClipboardText(), "2\tBob");
  f.Inspector->CopySelectedRowAsProperties();
  EXPECT_EQ(ClipboardText(), "Id=2\r\nName=Bob");
  f.Inspector->CopyContents();
  EXPECT_EQ(ClipboardText(), "Id\tName\r\n1\tAnn\r\n2\tBob\r\n");
}

TEST_F(QBGridInspectorsTest, PropertiesNestByIndentationAndListTheirPaths) {
  TQBInspectorFixture<TQBPropertiesInspector> f;
  f.Inspect({22, "p", "Font=(TFont)\n  Name=Tahoma\n      Deep=1\nSize=8\nSize=9"});
  EXPECT_EQ(f.Lines(), QStringList({"Font=(TFont)", "Font.Name=Tahoma", "Font.Name.Deep=1", "Size=8", "Size=9"}));
  EXPECT_EQ(HeaderCaptions(*f.Inspector->Grid()->model()), QStringList({"Field", "Value"}));
  f.Inspector->CopyContents();
  EXPECT_EQ(ClipboardText(), f.Lines().join("\r\n") + "\r\n");
}

TEST_F(QBGridInspectorsTest, ClickedPropertyStaysSelectedInTheNextMessage) {
  TQBInspectorFixture<TQBPropertiesInspector> f;
  f.Owner.show();
  f.Inspect({22, "p", "A=1\nFont=x\n  Size=8"});
  QTreeView& grid = *f.Inspector->Grid();
  grid.expandAll();
  const auto& model = static_cast<const TQBPropertyTreeModel&>(*grid.model());
  const QModelIndex size = model.IndexOf(model.Tree().FindByFullPath(u"Font.Size"));
  grid.setCurrentIndex(size);
  emit grid.clicked(size);
  EXPECT_EQ(f.Inspector->RememberedPath(), "Font.Size");
  f.Inspect({22, "p", "B=2\nFont=y\n  Size=10"});
  EXPECT_EQ(model.Tree().FullPath(model.NodeOf(grid.currentIndex())), "Font.Size");
  f.Inspector->CopySelectedValue();
  EXPECT_EQ(ClipboardText(), "10");
}

TEST_F(QBGridInspectorsTest, ObjectTitleNamesTheObject) {
  TQBInspectorFixture<TQBObjectInspector> f;
  f.Inspect({4, "o", "Name='Button1'\nCaption=OK", "TButton"});
  EXPECT_EQ(f.Inspector->GetTitle(), "Button1: TButton");
  EXPECT_FALSE(f.Inspector->TitleBar()->isHidden());
  EXPECT_EQ(HeaderCaptions(*f.Inspector->Grid()->model()), QStringList({"Property", "Value"}));
  f.Inspect({4, "o", "Caption=OK", "TButton"});
  EXPECT_EQ(f.Inspector->GetTitle(), "TButton");
}

TEST_F(QBGridInspectorsTest, CollectionListsItemsAndShowsTheFirst) {
  TQBInspectorFixture<TQBCollectionInspector> f;
  f.Inspect({41, "c", "Button 1|Caption=Hello World;Width=10\nignored line\nButton 2|\"Caption=Hello World\"",
             "TToolButton"});
  QListWidget& items = *f.Inspector->ItemList();
  ASSERT_EQ(items.count(), 2);
  EXPECT_EQ(items.currentRow(), 0);
  EXPECT_EQ(f.Inspector->GetTitle(), "TToolButton Collection Items");
  EXPECT_EQ(f.Inspector->Properties().GetLines(), QStringList({"Caption=Hello", "World=", "Width=10"}));
  items.setCurrentRow(1);
  EXPECT_EQ(f.Inspector->Properties().GetLines(), QStringList({"Caption=Hello World"}));
  EXPECT_EQ(f.Lines(), QStringList({"Button 1", "        Caption=Hello", "        World", "        Width=10", "Button 2",
                                    "        Caption=Hello World"}));
  f.Inspector->CopyContents();
  EXPECT_TRUE(ClipboardText().startsWith("Button 1\r\n\tCaption\tHello\r\n"));
}

TEST_F(QBGridInspectorsTest, MemoryStatusRightAlignsItsFigures) {
  TQBInspectorFixture<TQBMemoryStatusInspector> f;
  f.Owner.show();
  f.Inspect({20, "m", "MemoryLoad=42\nTotalPhys=8,589,934,592"});
  EXPECT_TRUE(f.Inspector->IsHeaderRightAligned(1));
  EXPECT_FALSE(f.Inspector->IsHeaderRightAligned(0));
  QTreeView& grid = *f.Inspector->Grid();
  const int figure = QFontMetrics(grid.font()).horizontalAdvance("0,000,000,000");
  EXPECT_EQ(grid.columnWidth(0), grid.viewport()->width() - figure - 4);
  EXPECT_EQ(HeaderCaptions(*grid.model()), QStringList({"Statistic", "Value"}));
}

}  // namespace
