#pragma once
// The four run-time module operations the plug-in manager needs: load a module, list its units, look
// up an exported function, unload it. TQBLibraryLoader does them with QLibrary; tests substitute a
// recording loader to watch the order of loading and unloading.

#include <QString>
#include <QStringList>

#include <memory>

using TModuleHandle = void*;

class IQBModuleLoader {
public:
  virtual ~IQBModuleLoader();
  // Loads the module at path, which runs its static initialisers. Throws std::runtime_error with a
  // message for the user when the file is not a loadable module.
  virtual TModuleHandle Load(const QString& path) = 0;
  // The module's unit names. Throws std::runtime_error when the module does not list them.
  virtual QStringList Units(TModuleHandle module) = 0;
  // A function exported under symbol, or null.
  virtual void (*Resolve(TModuleHandle module, const char* symbol))() = 0;
  virtual void Unload(TModuleHandle module) = 0;
};

class TQBLibraryLoader final : public IQBModuleLoader {
public:
  TModuleHandle Load(const QString& path) override;
  QStringList Units(TModuleHandle module) override;
  void (*Resolve(TModuleHandle module, const char* symbol))() override;
  void Unload(TModuleHandle module) override;
};
