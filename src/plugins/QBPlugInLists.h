#pragma once
// The plug-in manager's three registries: the module files, the registered inspectors (owned) and the
// registered view classes (not owned).

#include "plugins/QBModuleLoader.h"

#include <quillbox/QuillboxPlugIns.h>

#include <QList>
#include <QString>

#include <memory>
#include <vector>

// What became of a module file the manager found.
enum class TQBModuleState {
  NotLoaded,  // found, not tried yet
  Loaded,     // loaded and registered at least one inspector or view class
  NoUnits,    // loaded, but registered nothing: unloaded again
  Failed,     // could not be loaded, is no plug-in module, or its registration raised an error
};

// The state as the plug-ins dialog shows it: "Loaded", "No units" or "Failed: " and the reason.
QString ModuleStateText(TQBModuleState state, const QString& error);

// One entry per module file found, with the module's handle while the module stays loaded: after it
// registered, and also after a registration that failed part-way (what it registered before the
// error points into its code, so it is unloaded only with the others).
class TPackageList {
public:
  struct TEntry {
    QString Name;  // file name without folder
    TModuleHandle Module = nullptr;
    TQBModuleState State = TQBModuleState::NotLoaded;
    QString Error;  // why it failed, for the user
  };

  explicit TPackageList(IQBModuleLoader& loader) : FLoader(loader) {}
  ~TPackageList();
  TPackageList(const TPackageList&) = delete;
  TPackageList& operator=(const TPackageList&) = delete;

  void Assign(const QStringList& names);
  qsizetype Count() const { return FEntries.size(); }
  const TEntry& Entry(qsizetype i) const { return FEntries[i]; }
  void SetModule(qsizetype i, TModuleHandle module) { FEntries[i].Module = module; }
  void SetState(qsizetype i, TQBModuleState state, const QString& error = {}) {
    FEntries[i].State = state;
    FEntries[i].Error = error;
  }
  // Unloads the named module (the name compared without case) and removes its entry.
  void UnloadModule(const QString& name);
  // Unloads every module, the last loaded first.
  void UnloadAll();

private:
  IQBModuleLoader& FLoader;
  QList<TEntry> FEntries;
};

// Registered inspectors in registration order; the list owns them.
class TInspectorList {
public:
  void Add(TQuillboxCustomInspector* inspector) { FItems.emplace_back(inspector); }
  qsizetype Count() const { return qsizetype(FItems.size()); }
  TQuillboxCustomInspector* Item(qsizetype i) const { return FItems[size_t(i)].get(); }
  // The first inspector for the type code, or -1.
  qsizetype IndexOfType(int32_t code) const;
  // The first inspector with exactly this name (case counts), or -1.
  qsizetype IndexOfName(const QString& name) const;
  void Clear() { FItems.clear(); }

private:
  std::vector<std::unique_ptr<TQuillboxCustomInspector>> FItems;
};

// Registered view classes by name, in registration order; names may repeat.
class TCustomViewList {
public:
  struct TEntry {
    QString Name;
    const TQBCustomViewClass* Class = nullptr;
  };

  void Add(const QString& name, const TQBCustomViewClass* viewClass) { FEntries.append({name, viewClass}); }
  qsizetype Count() const { return FEntries.size(); }
  const TEntry& Entry(qsizetype i) const { return FEntries[i]; }
  // The first entry with the name, compared without case, or -1.
  qsizetype IndexOf(const QString& name) const;
  // The class registered first under the name, or null.
  const TQBCustomViewClass* Find(const QString& name) const;
  void Clear() { FEntries.clear(); }

private:
  QList<TEntry> FEntries;
};
