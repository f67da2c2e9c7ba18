#include "plugins/QBPlugInLists.h"

QString ModuleStateText(TQBModuleState state, const QString& error) {
  switch (state) {
    case TQBModuleState::NotLoaded: return QStringLiteral("Not loaded");
    case TQBModuleState::Loaded: return QStringLiteral("Loaded");
    case TQBModuleState::NoUnits: return QStringLiteral("No units");
    case TQBModuleState::Failed: break;
  }
  // The reason as one line: the dialog shows it in a list row.
  return QStringLiteral("Failed: ") + error.simplified();
}

TPackageList::~TPackageList() = default;

void TPackageList::Assign(const QStringList& names) {
  FEntries.clear();
  for (const QString& name : names) FEntries.append({name});
}

void TPackageList::UnloadModule(const QString& name) {
  for (qsizetype i = 0; i < FEntries.size(); ++i) {
    if (FEntries[i].Name.compare(name, Qt::CaseInsensitive) != 0) continue;
    if (FEntries[i].Module) FLoader.Unload(FEntries[i].Module);
    FEntries.removeAt(i);
    return;
  }
}

void TPackageList::UnloadAll() {
  while (!FEntries.isEmpty()) {
    const TEntry last = FEntries.takeLast();
    if (last.Module) FLoader.Unload(last.Module);
  }
}

qsizetype TInspectorList::IndexOfType(int32_t code) const {
  for (size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i]->MessageType() == code) return qsizetype(i);
  return -1;
}

qsizetype TInspectorList::IndexOfName(const QString& name) const {
  for (size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i]->InspectorName() == name) return qsizetype(i);
  return -1;
}

qsizetype TCustomViewList::IndexOf(const QString& name) const {
  for (qsizetype i = 0; i < FEntries.size(); ++i)
    if (FEntries[i].Name.compare(name, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

const TQBCustomViewClass* TCustomViewList::Find(const QString& name) const {
  const qsizetype i = IndexOf(name);
  return i < 0 ? nullptr : FEntries[i].Class;
}
