#include "settings/QBIniDocument.h"

namespace {

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

// A "[Name]" line gives the name; anything after the closing bracket is ignored, as INI readers do. A
// header without its bracket gives an empty name, so the keys below it are dropped rather than added to
// the section before.
std::optional<QStringView> SectionName(QStringView line) {
  if (!line.startsWith(u'[')) return std::nullopt;
  const qsizetype close = line.indexOf(u']');
  if (close < 0) return QStringView();
  return line.sliced(1, close - 1).trimmed();
}

}  // namespace

TQBIniDocument TQBIniDocument::Parse(QByteArrayView bytes) {
  if (bytes.startsWith(QByteArrayView(kUtf8Bom, 3))) bytes = bytes.sliced(3);
  const QString text = QString::fromUtf8(bytes);
  TQBIniDocument doc;
  TSection* current = nullptr;
  for (QStringView line : QStringView(text).split(u'\n')) doc.ParseLine(line.trimmed(), current);
  return doc;
}

void TQBIniDocument::ParseLine(QStringView line, TSection*& current) {
  if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) return;
  if (const auto name = SectionName(line)) {
    current = name->isEmpty() ? nullptr : &FindOrAdd(name->toString());
    return;
  }
  const qsizetype eq = line.indexOf(u'=');
  if (!current || eq < 0) return;
  const QString key = line.first(eq).trimmed().toString();
  if (key.isEmpty()) return;
  const QString folded = Fold(key);
  if (current->Index.contains(folded)) return;
  current->Index.insert(folded, current->Entries.size());
  current->Entries.append({key, line.sliced(eq + 1).trimmed().toString()});
}

QByteArray TQBIniDocument::ToBytes() const {
  QString text;
  for (const TSection& section : FSections) {
    if (!text.isEmpty()) text += u'\n';
    text += QLatin1Char('[') + section.Name + QLatin1String("]\n");
    for (const TEntry& entry : section.Entries) text += entry.Key + u'=' + entry.Value + u'\n';
  }
  return text.toUtf8();
}

std::optional<QString> TQBIniDocument::Value(const QString& section, const QString& key) const {
  const TSection* s = Find(section);
  if (!s) return std::nullopt;
  const auto it = s->Index.constFind(Fold(key));
  if (it == s->Index.cend()) return std::nullopt;
  return s->Entries[*it].Value;
}

void TQBIniDocument::SetValue(const QString& section, const QString& key, const QString& text) {
  // A line break inside a value would end the line early and turn the rest into a line of its own.
  QString value = text;
  value.replace(u'\r', u' ').replace(u'\n', u' ');
  TSection& s = FindOrAdd(section);
  const QString folded = Fold(key);
  if (const auto it = s.Index.constFind(folded); it != s.Index.cend()) {
    s.Entries[*it].Value = value;
    return;
  }
  s.Index.insert(folded, s.Entries.size());
  s.Entries.append({key, value});
}

bool TQBIniDocument::DeleteKey(const QString& section, const QString& key) {
  const auto sit = FIndex.constFind(Fold(section));
  if (sit == FIndex.cend()) return false;
  TSection& s = FSections[*sit];
  const auto it = s.Index.constFind(Fold(key));
  if (it == s.Index.cend()) return false;
  s.Entries.removeAt(*it);
  s.Reindex();
  return true;
}

void TQBIniDocument::EraseSection(const QString& section) {
  const auto it = FIndex.constFind(Fold(section));
  if (it == FIndex.cend()) return;
  FSections.removeAt(*it);
  Reindex();
}

void TQBIniDocument::Clear() {
  FSections.clear();
  FIndex.clear();
}

bool TQBIniDocument::SectionExists(const QString& section) const { return Find(section) != nullptr; }

QStringList TQBIniDocument::Sections() const {
  QStringList names;
  for (const TSection& s : FSections) names.append(s.Name);
  return names;
}

QStringList TQBIniDocument::Keys(const QString& section) const {
  QStringList keys;
  if (const TSection* s = Find(section))
    for (const TEntry& e : s->Entries) keys.append(e.Key);
  return keys;
}

const TQBIniDocument::TSection* TQBIniDocument::Find(const QString& section) const {
  const auto it = FIndex.constFind(Fold(section));
  return it == FIndex.cend() ? nullptr : &FSections[*it];
}

TQBIniDocument::TSection& TQBIniDocument::FindOrAdd(const QString& section) {
  const QString folded = Fold(section);
  if (const auto it = FIndex.constFind(folded); it != FIndex.cend()) return FSections[*it];
  FIndex.insert(folded, FSections.size());
  FSections.append({section, {}, {}});
  return FSections.last();
}

void TQBIniDocument::TSection::Reindex() {
  Index.clear();
  for (qsizetype i = 0; i < Entries.size(); ++i) Index.insert(Entries[i].Key.toCaseFolded(), i);
}

void TQBIniDocument::Reindex() {
  FIndex.clear();
  for (qsizetype i = 0; i < FSections.size(); ++i) FIndex.insert(Fold(FSections[i].Name), i);
}
