#include "settings/QBProjectFile.h"

#include "model/QBFileCheck.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <iterator>
#include <vector>

namespace qbproject {
namespace {

const QString ViewCountKey = QStringLiteral("ViewCount");
const QString NameKey = QStringLiteral("ViewName");
const QString EncodedNameKey = QStringLiteral("ViewNameEncoded");
const QString ClassNameKey = QStringLiteral("ViewClassName");
const QString OldClassKey = QStringLiteral("ViewClass");
const QString AllMessages = QStringLiteral("All Messages");
// The keys a place of "Views" may have.
const QString* const PlaceKeys[] = {&NameKey, &EncodedNameKey, &ClassNameKey, &OldClassKey};

QString PlacePrefix(int place) { return QString::number(place) + QLatin1Char('_'); }

// Characters a section name or a value line cannot carry wherever they stand.
bool IsUnsafeChar(QChar c) {
  return c == QLatin1Char('[') || c == QLatin1Char(']') || c == QLatin1Char('=') || c == QLatin1Char('%') ||
         c.category() == QChar::Other_Control;
}

// The places in 1..viewCount that have a key of their own in "Views", in increasing order. The keys
// are walked, not the count's range: a huge ViewCount must not make the reader spin.
std::vector<int> ListedPlaces(const TQBIniFile& ini, int viewCount) {
  std::vector<int> places;
  for (const QString& key : ini.ReadSection(ViewsSection)) {
    const qsizetype underscore = key.indexOf(QLatin1Char('_'));
    if (underscore <= 0) continue;
    const QString name = key.mid(underscore + 1);
    if (std::none_of(std::begin(PlaceKeys), std::end(PlaceKeys),
                     [&name](const QString* k) { return name.compare(*k, Qt::CaseInsensitive) == 0; }))
      continue;
    bool ok = false;
    const int place = key.left(underscore).toInt(&ok);
    if (ok && place >= 1 && place <= viewCount) places.push_back(place);
  }
  std::sort(places.begin(), places.end());
  places.erase(std::unique(places.begin(), places.end()), places.end());
  return places;
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

std::unique_ptr<TQBIniFile> OpenProjectFile(const QString& path, QString* problem) {
  // Checked first: a missing file would read as an empty project, a pipe or a device must not block.
  QFile file;
  if (!OpenInputFile(file, path, problem)) return nullptr;
  file.close();
  auto ini = std::make_unique<TQBIniFile>(path, false, MaxFileBytes);
  if (!ini->ReadProblem().isEmpty()) {
    *problem = ini->ReadProblem();
    return nullptr;
  }
  return ini;
}

TQBProjectContents ReadViews(const TQBIniFile& ini) {
  TQBProjectContents contents;
  contents.ViewCount = ini.ReadInteger(ViewsSection, ViewCountKey, 0);
  std::vector<int> places = ListedPlaces(ini, contents.ViewCount);
  contents.Listed = int(places.size());
  if (places.size() > size_t(MaxViews)) places.resize(size_t(MaxViews));
  for (const int place : places) {
    const QString prefix = PlacePrefix(place);
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
  ini.EraseAll();
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

QString TooManyViewsMessage(const QString& path, int listed) {
  return QStringLiteral("Project File (%1) lists %2 views. Only the first %3 were opened.")
      .arg(QFileInfo(path).fileName())
      .arg(listed)
      .arg(MaxViews);
}

QString NoViewsMessage(const QString& path) {
  return QStringLiteral("Project File (") + QFileInfo(path).fileName() + QStringLiteral(") ") +
         QStringLiteral("does not contain any views.\r\r") +
         QStringLiteral("The project will still be loaded. Any new views ") +
         QStringLiteral("that you add will be included with the project ") +
         QStringLiteral("file the next time the project is saved.");
}

}  // namespace qbproject
