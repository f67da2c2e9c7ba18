// Feeds arbitrary bytes, read as a UTF-8 details text, to every inspector parser: no input may crash
// or hang them. Two routes that must agree are checked against each other: building the property tree
// straight from indented lines and building it from their path lines.

#include "inspectors/parsers/QBCollectionParser.h"
#include "inspectors/parsers/QBColorParser.h"
#include "inspectors/parsers/QBDetailsLines.h"
#include "inspectors/parsers/QBHexDecoder.h"
#include "inspectors/parsers/QBHierarchyParser.h"
#include "inspectors/parsers/QBObjectTitle.h"
#include "inspectors/parsers/QBPrintLayout.h"
#include "inspectors/parsers/QBPropertyPaths.h"
#include "inspectors/parsers/QBPropertyTree.h"
#include "inspectors/parsers/QBShownText.h"
#include "inspectors/parsers/QBTableParser.h"
#include "inspectors/parsers/QBTextInspectorText.h"
#include "model/QBLineBreaks.h"

#include <cstdint>
#include <cstdlib>
#include <stdexcept>

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// The inspectors print at most a page's width of each line, as the print layouts are given here: an
// unbounded width would pad every line to the longest name, which is the cost the width prevents.
constexpr qsizetype kPageChars = 200;

void CheckPrinted(const QStringList& printed) {
  for (const QString& line : printed) Check(line.size() <= kPageChars);
}

void FuzzText(const QString& details, const QStringList& lines) {
  const QString normalized = NormalizeLineBreaks(details);
  Check(!normalized.endsWith(u'\n'));
  JoinLinesCrLf(lines);
  ItemCountStatus(lines.size());
  CopiedValueText(JoinLinesCrLf(SplitDetailsLines(normalized)));
  CheckPrinted(NumberedPrintLines(lines, kPageChars));
}

void FuzzTable(const QStringList& lines) {
  const TQBTable table = ParseTable(lines);
  // The copied text has every cell of the grid, so a short input with one very wide row would make
  // it rows x columns long; that size is the grid's own, not the parser's, and is left out here.
  if (qint64(table.RowCount()) * table.ColumnCount() <= 1 << 16) {
    const QStringList copied = table.GetLines();
    CheckPrinted(TablePrintLines(copied, kPageChars));
    table.RowAsProperties(1);
  }
  CheckPrinted(TablePrintLines(lines, kPageChars));
}

void FuzzProperties(const QStringList& lines) {
  TQBPropertyTree direct;
  direct.AddIndentedLines(lines);
  TQBPropertyTree fromPaths;
  for (const QString& path : IndentationToPaths(lines)) fromPaths.AddPathLine(path);
  const QStringList got = direct.GetLines();
  Check(got == fromPaths.GetLines());
  CheckPrinted(PropertyPrintLines(got, kPageChars));
  if (direct.Count() > 0) {
    const TQBPropertyTree::TNodeId last = TQBPropertyTree::TNodeId(direct.Count());
    const TQBPropertyTree::TNodeId found = direct.FindByFullPath(direct.FullPath(last));
    Check(found != TQBPropertyTree::None && direct.FullPath(found) == direct.FullPath(last));
  }
  ObjectTitle(lines, QStringLiteral("TFuzz"));
}

void FuzzCollection(const QStringList& lines) {
  const std::vector<TQBCollectionItem> items = ParseCollection(lines);
  CollectionLines(items);
  CollectionCopyText(items);
  for (const TQBCollectionItem& item : items) {
    TQBPropertyTree tree;
    for (const QString& entry : item.Entries) tree.AddPathLine(entry);
    tree.GetLines();
  }
}

void FuzzHierarchy(const QStringList& lines) {
  const std::vector<TQBHierarchyNode> nodes = ParseHierarchy(lines);
  for (size_t i = 0; i < nodes.size(); ++i)
    Check(nodes[i].Parent < int(i) && (nodes[i].Parent < 0 ? nodes[i].Depth == 0
                                                          : nodes[i].Depth == nodes[size_t(nodes[i].Parent)].Depth + 1));
  HierarchyLines(nodes);
}

void FuzzColor(const QStringList& lines) {
  try {
    const TQBColorValues values = ParseColorLines(lines);
    Check(values.Hsl.H >= 0 && values.Hsl.H <= 240 && values.Hsl.S >= 0 && values.Hsl.S <= 240 &&
          values.Hsl.L >= 0 && values.Hsl.L <= 240);
  } catch (const std::invalid_argument&) {
    // Malformed colour lines are reported to the user; nothing else may be thrown.
  }
}

// The bounded reading the inspectors lay out: it never shows more than its limits and never counts
// fewer lines or columns than it shows.
void CheckCounts(const TQBShownCounts& counts) {
  Check(counts.ShownLines <= counts.TotalLines && counts.ShownLines <= qbshown::MaxLines);
  Check(counts.CutLines <= counts.ShownLines && counts.ShownColumns <= counts.TotalColumns);
  Check(counts.ShownColumns <= qbshown::MaxColumns);
  Check(counts.Complete() == ShownNoticeText(counts).isEmpty());
}

void FuzzShown(QByteArrayView utf8) {
  for (const TQBLineBreaks breaks : {TQBLineBreaks::AsWritten, TQBLineBreaks::Collapsed}) {
    const TQBShownLines shown = ShownLines(utf8, breaks);
    Check(shown.Lines.size() == shown.Counts.ShownLines);
    CheckCounts(shown.Counts);
    CrLfLines(utf8, breaks);
  }
  const TQBShownTable table = ParseShownTable(utf8);
  CheckCounts(table.Counts);
  Check(table.Table.ColumnCount() <= qbshown::MaxColumns);
}

void FuzzHex(const QString& details) {
  Check(DecodeHexBytes(details).size() == details.size() / 2);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString details = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
  const QStringList lines = SplitDetailsLines(details);
  FuzzText(details, lines);
  FuzzTable(lines);
  FuzzProperties(lines);
  FuzzCollection(lines);
  FuzzHierarchy(lines);
  FuzzColor(lines);
  FuzzHex(details);
  FuzzShown(QByteArrayView(data, qsizetype(size)));
  ScaledPictureRect({int(size % 5000), int(size % 3001)}, {4800, 6600});
  return 0;
}
