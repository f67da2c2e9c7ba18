#include "view/QBPrintColumns.h"

#include <algorithm>

namespace {

constexpr int kLeastWidth = 3;  // a column narrower than this says nothing and is dropped

// The natural gap before a field: two blanks after a name column, and before one that follows a number.
int NaturalLead(const TQBPrintField* before, const TQBPrintField& field) {
  if (!before) return 0;
  return !before->Right || !field.Right ? TQBPrintLayout::Gap : 0;
}

// Cuts fields one cell at a time from the widest (the later on a tie) until their packed width is at
// most budget.
void CutToFit(std::vector<TQBPrintField>& fields, int budget) {
  const auto packedWidth = [&] {
    int width = 0;
    for (const TQBPrintField& f : fields) width += f.Width + TQBPrintLayout::Gap;
    return fields.empty() ? 0 : width - TQBPrintLayout::Gap;
  };
  for (int width = packedWidth(); width > budget && !fields.empty(); width = packedWidth()) {
    auto widest = fields.begin();
    for (auto f = fields.begin(); f != fields.end(); ++f)
      if (f->Width >= widest->Width) widest = f;
    if (widest->Width > kLeastWidth)
      --widest->Width;
    else
      fields.erase(widest);
  }
}

}  // namespace

TQBPrintLayout::TQBPrintLayout(const std::vector<TQBPrintColumnSpec>& columns, int charsPerLine, int deepestLevel)
    : FCharsPerLine(charsPerLine) {
  for (const TQBPrintColumnSpec& c : columns) FFields.push_back({c.Column, 0, c.Width, c.Right});
  Place(FFields, false);
  // The room the indentation and the columns share beside the text's third of the line.
  const int third = (charsPerLine + 2) / 3;
  const int room = charsPerLine - TextStart - Gap - third;
  const int deepestIndent = 2 * std::max(0, deepestLevel);
  FIndentCap = deepestIndent;
  if (deepestIndent + FColumnsWidth <= room) return;

  FNatural = false;
  FFields.clear();
  for (const TQBPrintColumnSpec& c : columns) FFields.push_back({c.Column, 0, c.Tight, c.Right});
  CutToFit(FFields, std::max(room - deepestIndent, room / 2));
  Place(FFields, true);
  FIndentCap = std::max(0, room - FColumnsWidth);
}

void TQBPrintLayout::Place(std::vector<TQBPrintField>& fields, bool packed) {
  int offset = 0;
  const TQBPrintField* before = nullptr;
  for (TQBPrintField& f : fields) {
    offset += packed ? (before ? Gap : 0) : NaturalLead(before, f);
    f.Start = offset;
    offset += f.Width;
    before = &f;
  }
  // A name column at the end keeps its two blanks in the natural layout.
  if (!packed && before && !before->Right) offset += Gap;
  FColumnsWidth = offset;
  for (TQBPrintField& f : fields) f.Start += FCharsPerLine - FColumnsWidth;
}

int TQBPrintLayout::Indent(int level) const { return std::min(2 * std::max(0, level), FIndentCap); }

int TQBPrintLayout::TextWidth(int level) const {
  const int width = FCharsPerLine - TextStart - Indent(level) - FColumnsWidth - Gap;
  // Narrower than one character the text could never be cut into pieces.
  return width < 1 ? 2 : width;
}

QString TQBPrintLayout::Line(const std::function<QString(TQBColumn)>& textOf) const {
  QString line(FColumnsWidth, u' ');
  const int area = FCharsPerLine - FColumnsWidth;
  for (const TQBPrintField& f : FFields) {
    const QString text = textOf(f.Column).left(f.Width);
    line.replace(f.Start - area + (f.Right ? f.Width - int(text.size()) : 0), text.size(), text);
  }
  return line;
}
