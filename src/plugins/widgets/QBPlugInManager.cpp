#include "plugins/widgets/QBPlugInManager.h"

#include "plugins/widgets/QBAboutPlugInsForm.h"
#include "plugins/QBPlugInUtils.h"
#include "shell/QBVocabulary.h"

#include <quillbox/QBCustomViewClass.h>
#include <quillbox/QBInspectorIntf.h>
#include <quillbox/QBPlugInModule.h>

#include <QApplication>
#include <QPlainTextEdit>

#include <exception>
#include <optional>

TInternalPlugInManager* InternalPlugInManager = nullptr;

namespace {

void ShowMessageBox(QMessageBox::Icon icon, const QString& caption, const QString& text) {
  QMessageBox box(icon, caption, text, QMessageBox::Ok);
  box.exec();
}

// Shown in the inspector pane in place of a plug-in control that is missing.
QPlainTextEdit* NewExplanationBox() {
  auto* box = new QPlainTextEdit;
  box->setObjectName(QStringLiteral("memPlugInExplanation"));
  box->setFrameShape(QFrame::NoFrame);
  box->setReadOnly(true);
  return box;
}

}  // namespace

TInternalPlugInManager::TInternalPlugInManager(std::unique_ptr<IQBModuleLoader> loader)
    : FLoader(std::move(loader)), FMessageBox(ShowMessageBox) {
  Create();
}

TInternalPlugInManager::~TInternalPlugInManager() {
  FInspectors.reset();
  FCustomViews.reset();
  FPackages->UnloadAll();
  FPackages.reset();
  delete FExplanation.data();
}

void TInternalPlugInManager::Create() {
  if (FPackages) return;
  FExplanation = NewExplanationBox();
  FInspectors = std::make_unique<TInspectorList>();
  FPackages = std::make_unique<TPackageList>(*FLoader);
  FCustomViews = std::make_unique<TCustomViewList>();
}

void TInternalPlugInManager::RegisterInspector(TQuillboxCustomInspector* inspector) {
  if (inspector) FInspectors->Add(inspector);
}

void TInternalPlugInManager::RegisterCustomView(const QString& name, const TQBCustomViewClass* viewClass) {
  if (viewClass && viewClass->ImplementsMessageView()) FCustomViews->Add(name, viewClass);
}

bool TInternalPlugInManager::FindPlugInFiles(const QString& folder, QStringList* list) {
  if (folder.isEmpty() || !list) return false;
  return qbplugins::FindFiles(folder, QStringLiteral("*.so"), *list) > 0;
}

TQuillboxCustomInspector* TInternalPlugInManager::FindInspector(int32_t msgType) {
  const qsizetype i = FInspectors->IndexOfType(msgType);
  return i < 0 ? nullptr : FInspectors->Item(i);
}

void TInternalPlugInManager::LoadPlugIns() { LoadPlugInsFrom(FPlugInFolder); }

void TInternalPlugInManager::LoadPlugInsFrom(const QString& folder) {
  QStringList names;
  if (!FindPlugInFiles(folder, &names)) return;
  FPackages->Assign(names);
  for (qsizetype i = 0; i < FPackages->Count(); ++i) LoadModule(folder + FPackages->Entry(i).Name, i);
}

namespace {

// Runs step; an error it raises comes back as its text (fallback when it carries none), else null.
template <typename TStep>
std::optional<QString> ErrorOf(TStep step, const QString& fallback) {
  try {
    step();
  } catch (const std::exception& e) {
    return QString::fromUtf8(e.what());
  } catch (...) {
    return fallback;
  }
  return std::nullopt;
}

}  // namespace

// Loading, listing the units and registering are tried in turn; whatever fails is reported, named by
// its module file, and kept as the entry's state for the plug-ins dialog. A module that registered
// nothing is unloaded at once. A module whose registration failed after it registered something stays
// loaded (its inspectors point into its code) and is unloaded with the others, after them.
void TInternalPlugInManager::LoadModule(const QString& path, qsizetype entry) {
  const QString name = FPackages->Entry(entry).Name;
  TModuleHandle module = nullptr;
  QStringList units;
  const QString unloadable = QStringLiteral("The plug-in module \"%1\" cannot be loaded.").arg(name);
  if (const auto error = ErrorOf([&] { module = FLoader->Load(path); }, unloadable)) return ModuleFailed(entry, *error);
  if (const auto error = ErrorOf([&] { units = FLoader->Units(module); }, unloadable)) {
    FLoader->Unload(module);
    return ModuleFailed(entry, *error);
  }
  const qsizetype inspectors = FInspectors->Count(), views = FCustomViews->Count();
  const auto registration = ErrorOf(
      [&] {
        for (const QString& unit : units)
          if (const auto reg = FLoader->Resolve(module, qbplugins::UnitRegistrationSymbol(unit).constData())) reg();
      },
      {});
  const bool registered = FInspectors->Count() > inspectors || FCustomViews->Count() > views;
  if (registered) FPackages->SetModule(entry, module);
  else FLoader->Unload(module);
  if (registration) {
    QString text = QStringLiteral("The plug-in module \"%1\" failed while registering.").arg(name);
    if (!registration->isEmpty()) text += QStringLiteral("\n\n") + *registration;
    return ModuleFailed(entry, text);
  }
  FPackages->SetState(entry, registered ? TQBModuleState::Loaded : TQBModuleState::NoUnits);
}

void TInternalPlugInManager::ModuleFailed(qsizetype entry, const QString& error) {
  FPackages->SetState(entry, TQBModuleState::Failed, error);
  FMessageBox(QMessageBox::Warning, qbplugintexts::ErrorCaption, error);
}

void TInternalPlugInManager::ShowPlugInsDialog() {
  // The dialog also tells what became of every module file, so it opens when a file was found even
  // if no inspector came of it.
  if (GetInspectorNames(nullptr) == 0 && FPackages->Count() == 0) {
    FMessageBox(QMessageBox::NoIcon, QBApplicationTitle, qbplugintexts::NoPlugIns);
    return;
  }
  TFrmAboutPlugIns dialog(*this, QApplication::activeWindow());  // Qt centres it on that window
  dialog.exec();
}

QWidget* TInternalPlugInManager::GetInspectorControlFor(int32_t msgType) {
  if (TQuillboxCustomInspector* inspector = FindInspector(msgType)) {
    if (QWidget* control = inspector->GetInspectorControl()) return control;
    ShowExplanation(qbplugintexts::NoControl.arg(inspector->InspectorName()));
  } else {
    ShowExplanation(qbplugintexts::NoInspector.arg(qbplugins::GetMessageTypeSymbol(msgType)));
  }
  return FExplanation;
}

void TInternalPlugInManager::ShowExplanation(const QString& text) {
  // The pane may have freed the box together with itself; a later question gets a new one.
  if (!FExplanation) FExplanation = NewExplanationBox();
  FExplanation->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

bool TInternalPlugInManager::InspectorSupports(int selectedCount, int32_t msgType) const {
  const qsizetype i = FInspectors->IndexOfType(msgType);
  if (i < 0 || (selectedCount != 1 && selectedCount != 2)) return false;
  QWidget* control = FInspectors->Item(i)->GetInspectorControl();
  if (!control) return false;
  return selectedCount == 1 ? qobject_cast<IQBInspectMessage*>(control) != nullptr
                            : qobject_cast<IQBInspectMessagePair*>(control) != nullptr;
}

TQuillboxCustomInspector* TInternalPlugInManager::FindInspectorByName(const QString& name) const {
  const qsizetype i = FInspectors->IndexOfName(name);
  return i < 0 ? nullptr : FInspectors->Item(i);
}

int TInternalPlugInManager::GetInspectorNames(QStringList* list) const {
  if (!list) return int(FInspectors->Count());
  for (qsizetype i = 0; i < FInspectors->Count(); ++i) list->append(FInspectors->Item(i)->InspectorName());
  return int(list->size());
}

TQBPlugInManagerScope::TQBPlugInManagerScope(const QString& plugInFolder, const TQBCustomViewClass& defaultView,
                                             TQBMessageBoxFn messageBox) {
  auto* manager = new TInternalPlugInManager;
  manager->SetPlugInFolder(plugInFolder);
  if (messageBox) manager->SetMessageBox(std::move(messageBox));
  InternalPlugInManager = manager;
  PlugInManager = manager;
  manager->LoadPlugIns();
  manager->RegisterCustomView(QStringLiteral("Default"), &defaultView);
}

TQBPlugInManagerScope::~TQBPlugInManagerScope() {
  delete InternalPlugInManager;
  InternalPlugInManager = nullptr;
  PlugInManager = nullptr;
}
