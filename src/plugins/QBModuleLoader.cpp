#include "plugins/QBModuleLoader.h"

#include <quillbox/QBPlugInModule.h>

#include <QFileInfo>
#include <QLibrary>

#include <stdexcept>

namespace {

QLibrary* Library(TModuleHandle module) { return static_cast<QLibrary*>(module); }

[[noreturn]] void Fail(const QString& message) { throw std::runtime_error(message.toStdString()); }

}  // namespace

IQBModuleLoader::~IQBModuleLoader() = default;

TModuleHandle TQBLibraryLoader::Load(const QString& path) {
  auto library = std::make_unique<QLibrary>(path);
  if (!library->load())
    Fail(QStringLiteral("The plug-in module \"%1\" cannot be loaded.\n\n%2")
             .arg(QFileInfo(path).fileName(), library->errorString()));
  return library.release();
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
  std::unique_ptr<QLibrary> library(Library(module));
  library->unload();
}
