#include "settings/QBRecentList.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

const QString TQBRecentList::Section = QStringLiteral("MRULists");

QString TQBRecentList::ItemKey(int index) const { return FName + QStringLiteral("_Item%1").arg(index); }

QString TQBRecentList::Normalised(const QString& path) {
  return path.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

void TQBRecentList::Load(IQBSettingsReader& reader) {
  reader.SetSection(Section);
  FFiles.clear();
  const int count = std::clamp(reader.ReadInteger(FName + QStringLiteral("_Count"), 0), 0, FLength);
  for (int i = 0; i < count; ++i) {
    const QString path = Normalised(reader.ReadString(ItemKey(i), QString()));
    if (!path.isEmpty() && !FFiles.contains(path)) FFiles.append(path);
  }
}

void TQBRecentList::Save(IQBSettingsWriter& writer) const {
  writer.SetSection(Section);
  writer.WriteInteger(FName + QStringLiteral("_Count"), int(FFiles.size()));
  for (int i = 0; i < FFiles.size(); ++i) writer.WriteString(ItemKey(i), FFiles[i]);
  // Keys past the count would come back if the count grew again.
  for (int i = int(FFiles.size()); i < FLength; ++i) writer.DeleteKey(ItemKey(i));
}

void TQBRecentList::Add(const QString& path) {
  const QString file = Normalised(path);
  if (file.isEmpty()) return;
  FFiles.removeAll(file);
  FFiles.prepend(file);
  while (FFiles.size() > FLength) FFiles.removeLast();
}

bool TQBRecentList::Remove(const QString& path) { return FFiles.removeAll(Normalised(path)) > 0; }

void TQBRecentList::Choose(int index, IQBRecentListOwner& owner) {
  if (index < 0 || index >= FFiles.size()) return;
  const QString path = FFiles[index];
  if (QFileInfo::exists(path)) {
    owner.OpenRecent(path);
    return;
  }
  owner.ReportMissingRecent(path);
  FFiles.removeAt(index);
  owner.RecentListChanged();
}

QString TQBRecentList::MenuText(int index) const {
  const QFileInfo file(FFiles.value(index));
  QString label = QStringLiteral("%1  (%2)").arg(file.fileName(), file.path());
  label.replace(u'&', QStringLiteral("&&"));
  const QString number = index < 9    ? QStringLiteral("&%1").arg(index + 1)
                         : index == 9 ? QStringLiteral("1&0")
                                      : QString::number(index + 1);
  return number + u' ' + label;
}
