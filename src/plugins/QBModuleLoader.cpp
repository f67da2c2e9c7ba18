#include "plugins/QBModuleLoader.h"

#include <quillbox/QBPlugInModule.h>

#include <QFileInfo>
#include <QLibrary>

#include <algorithm>
#include <stdexcept>

namespace {

QLibrary* Library(TModuleHandle module) { return static_cast<QLibrary*>(module); }

[[noreturn]] void Fail(const QString& message) { throw std::runtime_error(message.toStdString()); }

}  // namespace

IQBModuleLoader::~IQBModuleLoader() = default;

TQBLibraryLoader::TQBLibraryLoader() = default;
TQBLibraryLoader::~TQBLibraryLoader() = default;

TModuleHandle TQBLibraryLoader::Load(const QString& path) {
  auto library = std::make_unique<QLibrary>(path);
  if (!library->load())
    Fail(QStringLiteral("The plug-in module \"%1\" cannot be loaded.\n\n%2")
             .arg(QFileInfo(path).fileName(), library->errorString()));
  FLibraries.push_back(std::move(library));
  return FLibraries.back().get();
}

QStringList TQBLibraryLoader::Units(TModuleHandle module) {
  using TUnitsFn = const char* const* (*)();
  const auto units = reinterpret_cast<TUnitsFn>(Library(module)->resolve(QBPackageUnitsSymbol));
  if (!units)
    Fail(QStringLiteral("The file \"%1\" is not a Quillbox plug-in module: it does not list its units.")
             .arg(QFileInfo(Library(module)->fileName()).fileName()));
  QStringList names;
  for (const char* const* unit = units(); unit && *unit; ++unit) names.append(QString::fromUtf8(*unit));
  return names;
}

void (*TQBLibraryLoader::Resolve(TModuleHandle module, const char* symbol))() {
  return Library(module)->resolve(symbol);
}

void TQBLibraryLoader::Unload(TModuleHandle module) {
  const auto it = std::find_if(FLibraries.begin(), FLibraries.end(),
                               [module](const std::unique_ptr<QLibrary>& library) { return library.get() == module; });
  if (it == FLibraries.end()) return;
  (*it)->unload();
  FLibraries.erase(it);
}
