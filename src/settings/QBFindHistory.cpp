#include "settings/QBFindHistory.h"

#include <algorithm>

const QString TQBFindHistory::Section = QStringLiteral("MRULists");

namespace {
const QString kCount = QStringLiteral("FindText_Count");
QString ItemKey(int i) { return QStringLiteral("FindText_Item%1").arg(i); }
}  // namespace

int TQBFindHistory::IndexOf(const QString& text) const {
  for (qsizetype i = 0; i < FTexts.size(); ++i)
    if (FTexts[i].compare(text, Qt::CaseInsensitive) == 0) return int(i);
  return -1;
}

void TQBFindHistory::Load(IQBSettingsReader& reader) {
  reader.SetSection(Section);
  FTexts.clear();
  const int count = std::clamp(reader.ReadInteger(kCount, 0), 0, MaxCount);
  for (int i = 0; i < count; ++i) {
    const QString text = reader.ReadString(ItemKey(i), QString());
    if (!text.isEmpty() && IndexOf(text) < 0) FTexts.append(text);
  }
}

void TQBFindHistory::Save(IQBSettingsWriter& writer) const {
  writer.SetSection(Section);
  const int count = int(std::min<qsizetype>(FTexts.size(), MaxCount));
  writer.WriteInteger(kCount, count);
  for (int i = 0; i < count; ++i) writer.WriteString(ItemKey(i), FTexts[i]);
  // Keys beyond the count would bring old texts back if the count grew again.
  for (int i = count; i < MaxCount; ++i) writer.DeleteKey(ItemKey(i));
}

void TQBFindHistory::Add(const QString& text) {
  if (text.isEmpty()) return;
  const int found = IndexOf(text);
  if (found < 0)
    FTexts.prepend(text);
  else
    FTexts.move(found, 0);
  while (FTexts.size() > MaxCount) FTexts.removeLast();
}
