#pragma once
// The plug-in base that the host library shares with plug-in modules: the inspector base class and the
// plug-in manager base whose one instance plug-ins register through.

#include <quillbox/QuillboxHostExport.h>

#include <QString>
#include <QStringList>

#include <cstdint>

class QWidget;
class TQBCustomViewClass;

// Base class of plug-in inspectors. A plug-in derives from it, gives the six descriptions and, when it
// can show its message type, the control that shows it. The plug-in manager owns every registered object
// and frees it through the virtual destructor before the plug-in's module is unloaded.
class QUILLBOX_HOST_EXPORT TQuillboxCustomInspector {
public:
  TQuillboxCustomInspector();
  virtual ~TQuillboxCustomInspector();
  TQuillboxCustomInspector(const TQuillboxCustomInspector&) = delete;
  TQuillboxCustomInspector& operator=(const TQuillboxCustomInspector&) = delete;

  virtual int32_t MessageType() const = 0;
  virtual QString InspectorName() const = 0;
  virtual QString Version() const = 0;
  virtual QString Description() const = 0;
  virtual QString SupportEmail() const = 0;
  virtual QString SupportWebSite() const = 0;

  // The windowed control that shows a message of MessageType(), or null. The control belongs to the
  // plug-in; the viewer only parents it into its inspector pane.
  QWidget* GetInspectorControl() const { return FInspectorControl; }

protected:
  void SetInspectorControl(QWidget* control) { FInspectorControl = control; }

private:
  QWidget* FInspectorControl = nullptr;
};

// Base of the viewer's plug-in manager. The virtual operations are in the order plug-ins rely on.
class QUILLBOX_HOST_EXPORT TBasePlugInManager {
public:
  TBasePlugInManager();
  virtual ~TBasePlugInManager();
  TBasePlugInManager(const TBasePlugInManager&) = delete;
  TBasePlugInManager& operator=(const TBasePlugInManager&) = delete;

  // Takes ownership of the inspector.
  virtual void RegisterInspector(TQuillboxCustomInspector* inspector) = 0;
  // Records a view class under a name; the class stays owned by its module.
  virtual void RegisterCustomView(const QString& name, const TQBCustomViewClass* viewClass) = 0;
  virtual bool FindPlugInFiles(const QString& folder, QStringList* list) = 0;
  virtual TQuillboxCustomInspector* FindInspector(int32_t msgType) = 0;
  // The manager's second construction step: builds the members it owns.
  virtual void Create() = 0;
  virtual void LoadPlugIns() = 0;
  virtual void ShowPlugInsDialog() = 0;
  virtual QWidget* GetInspectorControlFor(int32_t msgType) = 0;
};

// The one plug-in manager of the process; null before start-up stores it and after shut-down frees it.
QUILLBOX_HOST_EXPORT extern TBasePlugInManager* PlugInManager;
