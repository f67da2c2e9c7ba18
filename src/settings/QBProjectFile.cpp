#include "settings/QBProjectFile.h"

#include <QByteArray>
#include <QFileInfo>

#include <algorithm>

namespace qbproject {
namespace {

const QString ViewCountKey = QStringLiteral("ViewCount");
const QString NameKey = QStringLiteral("ViewName");
const QString EncodedNameKey = QStringLiteral("ViewNameEncoded");
const QString ClassNameKey = QStringLiteral("ViewClassName");
const QString OldClassKey = QStringLiteral("ViewClass");
const QString AllMessages = QStringLiteral("All Messages");

QString PlacePrefix(int place) { return QString::number(place) + QLatin1Char('_'); }

// Characters a section name or a value line cannot carry wherever they stand.
bool IsUnsafeChar(QChar c) {
  return c == QLatin1Char('[') || c == QLatin1Char(']') || c == QLatin1Char('=') || c == QLatin1Char('%') ||
         c.category() == QChar::Other_Control;
}

// The highest place that has a key of its own in "Views": a stored ViewCount beyond it describes
// nothing, and a huge one must not make the reader spin.
int HighestListedPlace(const TQBIniFile& ini) {
  int highest = 0;
  for (const QString& key : ini.ReadSection(ViewsSection)) {
    const qsizetype underscore = key.indexOf(QLatin1Char('_'));
    bool ok = false;
    const int place = underscore > 0 ? key.left(underscore).toInt(&ok) : 0;
    if (ok) highest = std::max(highest, place);
  }
  return highest;
}

bool PlaceHasKeys(const TQBIniFile& ini, const QString& prefix) {
  for (const QString& key : {NameKey, EncodedNameKey, ClassNameKey, OldClassKey})
    if (ini.ValueExists(ViewsSection, prefix + key)) return true;
  return false;
}

QString ReadClassName(const TQBIniFile& ini, const QString& prefix) {
  // The writer stores the class under ViewClassName; files that name it ViewClass still read.
  for (const QString& key : {ClassNameKey, OldClassKey})
    if (ini.ValueExists(ViewsSection, prefix + key)) return ini.ReadString(ViewsSection, prefix + key, {});
  return DefaultClassName;
}

}  // namespace

bool NeedsEncoding(const QString& name) {
  if (name.isEmpty()) return false;
  if (name.front().isSpace() || name.back().isSpace()) return true;
  return std::any_of(name.begin(), name.end(), [](QChar c) { return c != QLatin1Char('%') && IsUnsafeChar(c); });
}

QString EncodeName(const QString& name) {
  QString encoded;
  qsizetype first = 0, last = name.size();
  while (first < last && name[first].isSpace()) ++first;
  while (last > first && name[last - 1].isSpace()) --last;
  for (qsizetype i = 0; i < name.size(); ++i) {
    const QChar c = name[i];
    const bool escape = i < first || i >= last || IsUnsafeChar(c);
    if (!escape) {
      encoded += c;
      continue;
    }
    // A surrogate pair is one character; its UTF-8 bytes are escaped together.
    const qsizetype n = c.isHighSurrogate() && i + 1 < name.size() ? 2 : 1;
    for (const char byte : name.mid(i, n).toUtf8())
      encoded += QStringLiteral("%%1").arg(uint8_t(byte), 2, 16, QLatin1Char('0')).toUpper();
    i += n - 1;
  }
  return encoded;
}

QString DecodeName(const QString& encoded) {
  return QString::fromUtf8(QByteArray::fromPercentEncoding(encoded.toUtf8()));
}

TQBProjectContents ReadViews(const TQBIniFile& ini) {
  TQBProjectContents contents;
  contents.ViewCount = ini.ReadInteger(ViewsSection, ViewCountKey, 0);
  const int last = std::min(contents.ViewCount, HighestListedPlace(ini));
  for (int place = 1; place <= last; ++place) {
    const QString prefix = PlacePrefix(place);
    if (!PlaceHasKeys(ini, prefix)) continue;
    TQBProjectView view;
    if (ini.ValueExists(ViewsSection, prefix + EncodedNameKey)) {
      const QString encoded = ini.ReadString(ViewsSection, prefix + EncodedNameKey, {});
      view.Name = DecodeName(encoded);
      view.Section = prefix + encoded;
    } else {
      view.Name = ini.ReadString(ViewsSection, prefix + NameKey, AllMessages);
      view.Section = prefix + view.Name;
    }
    view.ClassName = ReadClassName(ini, prefix);
    if (!view.ClassName.isEmpty()) contents.Views.append(view);
  }
  return contents;
}

void LoadViewFilter(TQBIniFile& ini, const TQBProjectView& entry, IQBMessageView& view) {
  ini.SetSection(entry.Section);
  view.LoadFilter(ini.Reader());
}

void WriteViews(TQBIniFile& ini, const QList<IQBMessageView*>& views) {
  for (const QString& section : ini.ReadSections()) ini.EraseSection(section);
  ini.WriteInteger(ViewsSection, ViewCountKey, int32_t(views.size()));
  for (qsizetype i = 0; i < views.size(); ++i) {
    IQBMessageView& view = *views[i];
    const QString prefix = PlacePrefix(int(i + 1));
    const QString name = view.GetViewName();
    ini.WriteString(ViewsSection, prefix + NameKey, name);
    ini.WriteString(ViewsSection, prefix + ClassNameKey, view.GetViewClassName());
    QString section = prefix + name;
    if (NeedsEncoding(name)) {
      const QString encoded = EncodeName(name);
      ini.WriteString(ViewsSection, prefix + EncodedNameKey, encoded);
      section = prefix + encoded;
    }
    ini.SetSection(section);
    view.SaveFilter(ini.Writer());
  }
}

QString PaneText(const QString& path) {
  const QString name = path.isEmpty() ? QString() : QFileInfo(path).completeBaseName();
  return name.isEmpty() ? QStringLiteral("Project:") : QStringLiteral("Project: ") + name;
}

QString NoViewsMessage(const QString& path) {
  return QStringLiteral("Project File (") + QFileInfo(path).fileName() + QStringLiteral(") ") +
         QStringLiteral("does not contain any views.\r\r") +
         QStringLiteral("The project will still be loaded. Any new views ") +
         QStringLiteral("that you add will be included with the project ") +
         QStringLiteral("file the next time the project is saved.");
}

}  // namespace qbproject
