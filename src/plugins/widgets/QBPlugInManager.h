#pragma once
// TInternalPlugInManager: loads the plug-in modules, keeps what they register, answers the inspector
// pane and runs the plug-ins dialog. The program keeps its one instance in InternalPlugInManager and,
// for the plug-ins, in the host library's PlugInManager (see TQBPlugInManagerScope).

#include "plugins/QBModuleLoader.h"
#include "plugins/QBPlugInLists.h"

#include <quillbox/QuillboxPlugIns.h>

#include <QMessageBox>
#include <QPointer>

#include <functional>
#include <memory>

class QPlainTextEdit;

// Shows a message box. The manager's error reports and notices go through one of these, so tests can
// answer them without a modal box.
using TQBMessageBoxFn = std::function<void(QMessageBox::Icon icon, const QString& caption, const QString& text)>;

// The program's string table entries of the plug-in manager.
namespace qbplugintexts {
inline const QString NoPlugIns = QStringLiteral("There are no Quillbox Inspector plug-ins loaded.");
inline const QString NoControl = QStringLiteral(
    "The \"%1\" custom inspector does not define an inspector control.\r\n\r\nPlease contact the author of the "
    "plug-in.");
inline const QString NoInspector = QStringLiteral(
    "Custom inspector for message type (%1) not found.\r\n\r\nYou may be missing a custom inspector plug-in.");
inline const QString ErrorCaption = QStringLiteral("Error");
}  // namespace qbplugintexts

class TInternalPlugInManager final : public TBasePlugInManager {
public:
  explicit TInternalPlugInManager(std::unique_ptr<IQBModuleLoader> loader = std::make_unique<TQBLibraryLoader>());
  // Frees the inspectors, forgets the view classes, then unloads the modules, the last loaded first:
  // an inspector's destructor is code of its module.
  ~TInternalPlugInManager() override;

  void RegisterInspector(TQuillboxCustomInspector* inspector) override;
  // Ignores a class that does not implement IQBMessageView.
  void RegisterCustomView(const QString& name, const TQBCustomViewClass* viewClass) override;
  bool FindPlugInFiles(const QString& folder, QStringList* list) override;
  TQuillboxCustomInspector* FindInspector(int32_t msgType) override;
  void Create() override;
  // Loads every module of the plug-in folder; a module that fails is reported and skipped, one that
  // registers nothing is unloaded again. Packages() keeps each module's state for the dialog.
  void LoadPlugIns() override;
  // The folder LoadPlugIns reads ("" loads nothing); the program passes its install folder's.
  void SetPlugInFolder(const QString& folder) { FPlugInFolder = folder; }
  void ShowPlugInsDialog() override;
  // The plug-in control for the type, or the explanation text box saying why there is none.
  QWidget* GetInspectorControlFor(int32_t msgType) override;

  // True when a plug-in inspector for the type has a control that can inspect the selection: one
  // message (IQBInspectMessage) or two (IQBInspectMessagePair).
  bool InspectorSupports(int selectedCount, int32_t msgType) const;
  TQuillboxCustomInspector* FindInspectorByName(const QString& name) const;
  // Without a list, the number of inspectors; else appends their names in registration order and
  // returns the list's count.
  int GetInspectorNames(QStringList* list) const;

  // Loads the modules of a given folder (LoadPlugIns uses the configured plug-in folder).
  void LoadPlugInsFrom(const QString& folder);

  void SetMessageBox(TQBMessageBoxFn messageBox) { FMessageBox = std::move(messageBox); }
  const TPackageList& Packages() const { return *FPackages; }
  const TInspectorList& Inspectors() const { return *FInspectors; }
  const TCustomViewList& CustomViews() const { return *FCustomViews; }

private:
  void LoadModule(const QString& path, qsizetype entry);
  // Records the failure of a module and reports it.
  void ModuleFailed(qsizetype entry, const QString& error);
  void ShowExplanation(const QString& text);

  std::unique_ptr<IQBModuleLoader> FLoader;
  QString FPlugInFolder;
  QPointer<QPlainTextEdit> FExplanation;  // may be freed by the pane it was shown in
  std::unique_ptr<TPackageList> FPackages;
  std::unique_ptr<TInspectorList> FInspectors;
  std::unique_ptr<TCustomViewList> FCustomViews;
  TQBMessageBoxFn FMessageBox;
};

// The program's own reference to the manager; the same object as PlugInManager.
extern TInternalPlugInManager* InternalPlugInManager;

// The manager's lifetime at start-up and shut-down: creates it, publishes it in both globals and loads
// the plug-ins, then registers the program's own view class as "Default", so plug-in views come first
// in the registry. The destructor frees the manager and clears both globals.
class TQBPlugInManagerScope {
public:
  TQBPlugInManagerScope(const QString& plugInFolder, const TQBCustomViewClass& defaultView,
                        TQBMessageBoxFn messageBox = {});
  ~TQBPlugInManagerScope();
  TQBPlugInManagerScope(const TQBPlugInManagerScope&) = delete;
  TQBPlugInManagerScope& operator=(const TQBPlugInManagerScope&) = delete;
};
