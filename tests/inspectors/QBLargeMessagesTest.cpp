// Messages no inspector can lay out whole and texts that would disguise their reading order, through
// every inspector that reads a text: each shows a bounded part with its notice, still copies all of it,
// and shows bidirectional controls as marks while copying them as logged.

#include "QBInspectorTestSupport.h"

#include "inspectors/QBCallStackList.h"
#include "inspectors/QBCollectionInspector.h"
#include "inspectors/QBHierarchyInspector.h"
#include "inspectors/QBObjectInspector.h"
#include "inspectors/QBPropertiesInspector.h"
#include "inspectors/QBStringInspector.h"
#include "inspectors/QBStringListInspector.h"
#include "inspectors/QBTableInspector.h"
#include "inspectors/QBTableModel.h"
#include "inspectors/QBTextControl.h"
#include "inspectors/parsers/QBShownText.h"

#include <QTableView>
#include <QTreeView>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

class QBLargeMessagesTest : public ::testing::Test {
protected:
  void SetUp() override { ResetStore(); }
};

// An inspector of any kind with a way to count what it shows.
struct TSubject {
  const char* Name;
  int32_t Type;
  std::function<std::unique_ptr<QWidget>(TQBStockInspector*&)> Make;
  std::function<qsizetype(TQBStockInspector&)> Shown;  // lines, rows or nodes laid out
};

template <typename T>
std::function<std::unique_ptr<QWidget>(TQBStockInspector*&)> Maker() {
  return [](TQBStockInspector*& inspector) {
    auto owner = std::make_unique<QWidget>();
    owner->resize(400, 300);
    auto* toolbar = new TQBInspectorToolbar(owner.get());
    inspector = NewInspector<T>(owner.get(), toolbar);
    inspector->setGeometry(0, 29, 400, 271);
    return owner;
  };
}

qsizetype TextLines(TQBStockInspector& i) { return static_cast<TQBStringInspector&>(i).TextControl()->blockCount(); }

const TSubject kSubjects[] = {
    {"text", 21, Maker<TQBTextInspector>(), TextLines},
    {"monospace", 5, Maker<TQBMonospaceTextInspector>(), TextLines},
    {"string list", 6, Maker<TQBStringListInspector>(),
     [](TQBStockInspector& i) {
       QStringList lines;
       i.GetLines(lines);
       return lines.size();
     }},
    {"table", 38, Maker<TQBTableInspector>(),
     [](TQBStockInspector& i) { return qsizetype(static_cast<TQBTableInspector&>(i).Model().rowCount() + 1); }},
    {"properties", 22, Maker<TQBPropertiesInspector>(),
     [](TQBStockInspector& i) { return qsizetype(static_cast<TQBPropertiesInspector&>(i).Properties().Count()); }},
    {"hierarchy", 44, Maker<TQBHierarchyInspector>(),
     [](TQBStockInspector& i) { return qsizetype(static_cast<TQBHierarchyInspector&>(i).Tree()->topLevelItemCount()); }},
};

TEST_F(QBLargeMessagesTest, ManyLinesShowTheFirstLinesWithANoticeAndCopyWhole) {
  QString details;
  for (int i = 0; i < 150000; ++i) details += QStringLiteral("line%1=v\n").arg(i);
  const QString whole = QString(details).replace(u'\n', QStringLiteral("\r\n"));
  for (const TSubject& s : kSubjects) {
    SCOPED_TRACE(s.Name);
    TQBStockInspector* inspector = nullptr;
    const auto owner = s.Make(inspector);
    AddMessage({s.Type, "large", details});
    inspector->Inspect();
    EXPECT_EQ(s.Shown(*inspector), qbshown::MaxLines);
    EXPECT_TRUE(inspector->ShownNotice().contains("of 150000 lines")) << inspector->ShownNotice().toStdString();
    inspector->CopyContents();
    EXPECT_EQ(ClipboardText(), whole);
    // The next, small message is shown whole, without a notice.
    AddMessage({s.Type, "small", "a=1\nb=2"});
    inspector->Inspect();
    EXPECT_EQ(inspector->ShownNotice(), QString());
  }
}

TEST_F(QBLargeMessagesTest, TheStringListCountsEveryItemAndTheStringInspectorCutsALongLine) {
  TQBInspectorFixture<TQBStringListInspector> list;
  list.Inspect({6, "feeds", QString(10 << 20, u'\n')});
  EXPECT_EQ(list.Inspector->GetStatus(), QStringLiteral("%1 Items").arg(10 << 20));
  EXPECT_EQ(list.Lines().size(), qbshown::MaxLines);

  TQBInspectorFixture<TQBStringInspector> string;
  const QString text(1 << 20, u'x');
  string.Inspect({0, text});
  const QStringList lines = string.Lines();
  ASSERT_EQ(lines.size(), 1);
  EXPECT_EQ(lines[0], QString(qbshown::MaxLineChars, u'x') + QStringLiteral(" \u2026 (%1 characters in all)").arg(1 << 20));
  string.Inspector->CopyContents();
  EXPECT_EQ(ClipboardText(), text + "\r\n");
}

TEST_F(QBLargeMessagesTest, AMillionColumnsShowTheFirstThousand) {
  QString row;
  for (int i = 0; i < 1000000; ++i) row += i ? QStringLiteral("\tc") : QStringLiteral("c");
  TQBInspectorFixture<TQBTableInspector> table;
  table.Inspect({38, "wide", row});
  EXPECT_EQ(table.Inspector->Model().columnCount(), qbshown::MaxColumns);
  EXPECT_TRUE(table.Inspector->ShownNotice().contains("of 1000000 columns"));
  table.Inspector->CopyContents();
  EXPECT_EQ(ClipboardText(), row + "\r\n");
}

// "evil" U+202E "gpj.exe" must not read as "evilexe.jpg" anywhere an inspector shows it, and a copy
// of the whole contents gives the characters as they were logged.
TEST_F(QBLargeMessagesTest, BidirectionalControlsShowAsMarksAndCopyAsLogged) {
  const QString evil = u"evil\u202Egpj.exe"_qs;
  const QString shown = u"evil\u27E8RLO\u27E9gpj.exe"_qs;
  {
    TQBInspectorFixture<TQBStringInspector> f;
    f.Inspect({0, evil});
    EXPECT_EQ(f.Lines(), QStringList{shown});
    f.Inspector->CopyContents();
    EXPECT_EQ(ClipboardText(), evil + "\r\n");
    f.Inspector->CopyValue();
    EXPECT_EQ(ClipboardText(), evil + "\r\n");
  }
  {
    TQBInspectorFixture<TQBTableInspector> f;
    f.Inspect({38, "t", "Name\n" + evil});
    const QAbstractItemModel& model = *f.Inspector->Grid()->model();
    EXPECT_EQ(model.index(0, 0).data().toString(), shown);
    f.Inspector->CopyContents();
    EXPECT_EQ(ClipboardText(), "Name\r\n" + evil + "\r\n");
  }
  {
    TQBInspectorFixture<TQBObjectInspector> f;
    f.Inspect({4, "o", "Name=" + evil + "\nTag=" + evil, "TButton"});
    const QAbstractItemModel& model = *f.Inspector->Grid()->model();
    EXPECT_EQ(model.index(1, 1).data().toString(), shown);
    EXPECT_EQ(f.Inspector->GetTitle(), shown + ": TButton");
    f.Inspector->CopyContents();
    EXPECT_EQ(ClipboardText(), "Name=" + evil + "\r\nTag=" + evil + "\r\n");
  }
  {
    TQBInspectorFixture<TQBHierarchyInspector> f;
    f.Inspect({44, "h", evil + "\n\t" + evil});
    EXPECT_EQ(f.Inspector->Tree()->topLevelItem(0)->child(0)->text(0), shown);
    f.Inspector->CopyContents();
    EXPECT_EQ(ClipboardText(), evil + "\r\n\t" + evil + "\r\n");
  }
  {
    TQBInspectorFixture<TQBCollectionInspector> f;
    f.Inspect({41, "c", evil + "|A=" + evil});
    f.Inspector->CopyContents();
    EXPECT_EQ(ClipboardText(), evil + "\r\n\tA\t" + evil + "\r\n");
  }
  TQBCallStackList stack;
  stack.Fill({{evil + "\r\nsecond line", 3}});
  EXPECT_EQ(stack.ItemText(0), shown);
}

}  // namespace
