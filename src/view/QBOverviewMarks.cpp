#include "view/QBOverviewMarks.h"

#include "model/QBMessageTypes.h"

#include <algorithm>

namespace qboverview {

int LineOfRow(int row, int rows, int height) { return int(int64_t(row) * height / rows); }

int FirstRowOfLine(int line, int rows, int height) {
  // The smallest row r with r * height / rows >= line.
  return int(std::min<int64_t>(rows, (int64_t(line) * rows + height - 1) / height));
}

int RowAtLine(int y, int rows, int height) {
  if (rows <= 0 || height <= 0) return -1;
  y = std::clamp(y, 0, height - 1);
  const int first = FirstRowOfLine(y, rows, height);
  const int end = FirstRowOfLine(y + 1, rows, height);
  // No row starts on a line inside a tall row: that row is the last one starting above it.
  if (end <= first) return std::clamp(first - 1, 0, rows - 1);
  return first + (end - first - 1) / 2;
}

TQBLineStarts::TQBLineStarts(int rows, int height, int itemCount, const std::function<int(int)>& itemOfRow)
    : Rows(std::max(rows, 0)), Height(rows > 0 ? std::max(height, 0) : 0) {
  if (Height == 0) return;
  Items.reserve(size_t(Height) + 1);
  for (int line = 0; line <= Height; ++line) {
    const int row = FirstRowOfLine(line, Rows, Height);
    Items.push_back(row >= Rows ? itemCount : itemOfRow(row));
  }
}

std::vector<int> MarkLines(const TQBLineStarts& starts, const std::function<int(int)>& nextItem,
                           const std::function<int(int)>& rowOfItem) {
  std::vector<int> lines;
  if (starts.Height == 0) return lines;
  const int itemCount = starts.Items.back();
  for (int item = nextItem(starts.Items.front()); item >= 0;) {
    const int row = rowOfItem(item);
    if (row < 0 || row >= starts.Rows) break;
    const int line = LineOfRow(row, starts.Rows, starts.Height);
    lines.push_back(line);
    const int next = starts.Items[size_t(line) + 1];
    if (next >= itemCount) break;
    item = nextItem(next);
  }
  return lines;
}

const std::vector<int32_t>& TypesOf(TQBMarkKind kind) {
  static const std::array<std::vector<int32_t>, MarkKindCount> types{{
      {qbmError, qbmException},
      {qbmWarning},
      {},
      {qbmCheckPoint},
      {qbmSeparator, qbmInactiveSeparator, qbmResetSeparator, qbmAppStartSeparator},
      {},
  }};
  return types[size_t(kind)];
}

const char* KindName(TQBMarkKind kind) {
  static const std::array<const char*, MarkKindCount> names{"errors",      "warnings",   "bookmarks",
                                                            "check points", "separators", "find matches"};
  return names[size_t(kind)];
}

}  // namespace qboverview

std::vector<int> TQBOverviewSource::TypeLines(TQBMarkKind kind, const qboverview::TQBLineStarts& starts) const {
  const auto rowOfItem = [this](int item) { return FRows.RowOfItem(item); };
  std::vector<int> lines;
  for (int32_t type : qboverview::TypesOf(kind)) {
    const std::vector<int> own =
        qboverview::MarkLines(starts, [&](int item) { return FRows.NextItemOfType(type, item); }, rowOfItem);
    std::vector<int> merged;
    merged.reserve(lines.size() + own.size());
    std::set_union(lines.begin(), lines.end(), own.begin(), own.end(), std::back_inserter(merged));
    lines.swap(merged);
  }
  return lines;
}

std::vector<int> TQBOverviewSource::BookmarkRows() const {
  std::vector<int> rows;
  for (int n = 0; n < TQBBookmarks::Count; ++n) {
    const int recNo = FBookmarks.Get(n);
    if (recNo < 0) continue;
    const int item = FRows.ItemAtOrAfterRecNo(recNo);
    if (item < FRows.ItemCount() && FRows.ItemRecNo(item) == recNo && FRows.IsItemVisible(item))
      rows.push_back(FRows.RowOfItem(item));
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

int TQBOverviewSource::NextFoundItem(int item) const {
  if (!FFound) return -1;
  const std::vector<int32_t>& found = *FFound;
  for (;;) {
    // A run of found items hidden in a collapsed method is passed in one step: on to the next row.
    const auto it = std::lower_bound(found.begin(), found.end(), item);
    if (it == found.end() || *it >= FRows.ItemCount()) return -1;
    if (FRows.IsItemVisible(*it)) return *it;
    item = FRows.NextVisibleItem(*it);
    if (item < 0) return -1;
  }
}

TQBOverviewMarks TQBOverviewSource::Compute(int height, int topRow, int pageRows) const {
  TQBOverviewMarks marks;
  marks.Height = height;
  const int rows = FRows.RowCount();
  if (rows <= 0 || height <= 0) return marks;
  const qboverview::TQBLineStarts starts(rows, height, FRows.ItemCount(), [this](int row) { return FRows.ItemOfRow(row); });
  for (TQBMarkKind kind : {TQBMarkKind::Error, TQBMarkKind::Warning, TQBMarkKind::CheckPoint, TQBMarkKind::Separator})
    marks.Lines[size_t(kind)] = TypeLines(kind, starts);
  const std::vector<int> bookmarks = BookmarkRows();
  std::vector<int>& bookmarkLines = marks.Lines[size_t(TQBMarkKind::Bookmark)];
  for (int row : bookmarks) bookmarkLines.push_back(qboverview::LineOfRow(row, rows, height));
  bookmarkLines.erase(std::unique(bookmarkLines.begin(), bookmarkLines.end()), bookmarkLines.end());
  marks.Lines[size_t(TQBMarkKind::Found)] = qboverview::MarkLines(
      starts, [this](int item) { return NextFoundItem(item); }, [this](int item) { return FRows.RowOfItem(item); });
  const int top = std::clamp(topRow, 0, rows - 1);
  const int bottom = std::clamp(top + std::max(pageRows, 1) - 1, top, rows - 1);
  marks.FrameTop = qboverview::LineOfRow(top, rows, height);
  marks.FrameBottom = qboverview::LineOfRow(bottom, rows, height);
  return marks;
}

TQBMarkCounts TQBOverviewSource::Counts() const {
  TQBMarkCounts counts{};
  for (TQBMarkKind kind : {TQBMarkKind::Error, TQBMarkKind::Warning, TQBMarkKind::CheckPoint, TQBMarkKind::Separator})
    for (int32_t type : qboverview::TypesOf(kind)) counts[size_t(kind)] += FRows.RowCountOfType(type);
  counts[size_t(TQBMarkKind::Bookmark)] = int(BookmarkRows().size());
  if (FFound)
    counts[size_t(TQBMarkKind::Found)] = int(std::count_if(FFound->begin(), FFound->end(), [this](int32_t item) {
      return item < FRows.ItemCount() && FRows.IsItemVisible(item);
    }));
  return counts;
}
