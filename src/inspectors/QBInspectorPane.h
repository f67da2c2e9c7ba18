#pragma once
// pnlInspector: the inspector pane. It holds the pane toolbar and, below it, the twelve built-in
// inspectors and any plug-in control, at most one of them visible. It chooses the inspector for the
// focused message of the active view, shows plug-in controls, fills the call stack list and runs Copy
// and Print Inspector Contents. Everything it needs from the main window comes through
// IQBInspectedView (the current view), IQBInspectorPaneHost and IQBAreaFeedback; the plug-in
// inspectors come from the plug-in manager it is handed.

#include "inspectors/parsers/QBInspectorChoice.h"
#include "inspectors/QBInspectorSet.h"

#include <QIcon>
#include <QList>
#include <QPointer>
#include <QWidget>

class QAction;
class IQBAreaFeedback;
class IQBInspectedView;
class IQBInspectorPaneHost;
class TQBCallStackList;
class TQBImageList;
class TQBInspectorToolbar;
class TQBStockInspector;
class TInternalPlugInManager;

class TQBInspectorPane : public QWidget {
  Q_OBJECT
public:
  TQBInspectorPane(IQBInspectedView& view, IQBInspectorPaneHost& host, IQBAreaFeedback& feedback,
                   QWidget* parent = nullptr);
  // Hands plug-in controls and the explanation box back unparented: they belong to the plug-ins and
  // the plug-in manager, which free them.
  ~TQBInspectorPane() override;

  // The twelve inspectors; the main window hands them its fonts, value colour and options.
  const TQBInspectorSet& Inspectors() const { return FInspectors; }
  TQBInspectorSet& Inspectors() { return FInspectors; }
  TQBInspectorToolbar* Toolbar() const { return FToolbar; }
  // imlInspectorImages, owned by the pane.
  TQBImageList* InspectorImages() const { return FImages; }
  // actCopyInspectorContents and actPrintInspectorContents, owned by the pane; the main window puts
  // them into its menus.
  QAction* CopyAction() const { return FCopyAction; }
  QAction* PrintAction() const { return FPrintAction; }
  // The main window's actInspectorOnBottom and actFullSizeInspector for the two toggle buttons.
  void SetLayoutActions(QAction* onBottom, QAction* fullSize);
  // A main window that owns the two content commands itself hands them over: the pane's own pair goes
  // (two actions with one shortcut would make it ambiguous), the buttons run the window's commands,
  // the window runs them through CopyInspectorContents and PrintInspectorContents and sets their
  // enabled states from CanCopyContents and CanPrintContents.
  void AdoptContentActions(QAction* copy, QAction* print);
  // The plug-in manager whose inspectors the pane shows (none until set); not owned.
  void SetPlugIns(TInternalPlugInManager* plugIns) { FPlugIns = plugIns; }
  // The list the pane fills with the call stack; not owned.
  void SetCallStackList(TQBCallStackList* list);

  // Chooses and fills the inspector for the active view's focused message.
  void InspectFocusedMessage();
  void InspectWith(TQBInspectorKind kind);
  // Shows the inspector of a built-in kind; an inspector already showing is left alone (no flicker).
  void ShowInspectorKind(TQBInspectorKind kind);
  void HideAllInspectors();
  // Shows the plug-in control for MessageSet's current record and lets it inspect one or two messages.
  void ShowPlugInInspector();
  // The first visible control of the pane below its toolbar; null if none.
  QWidget* VisibleInspectorControl() const;

  bool CanCopyContents() const;
  bool CanPrintContents() const;
  void CopyInspectorContents();
  void PrintInspectorContents();
  // Sets the enabled states of the copy and print actions; part of the main window's UpdateCommands.
  void UpdateActions();

private:
  void CreateActions();
  void SetTypeGlyph();
  void ClearCallStack();
  void FillCallStack();
  bool HasFocusedMessage() const;
  // Runs step, reporting an error it raises to the user.
  template <typename TStep> void Guarded(TStep step);

  IQBInspectedView& FView;
  IQBInspectorPaneHost& FHost;
  IQBAreaFeedback& FFeedback;
  TInternalPlugInManager* FPlugIns = nullptr;
  TQBInspectorToolbar* FToolbar;
  TQBImageList* FImages;
  TQBInspectorSet FInspectors;
  QList<QIcon> FMsgIcons;
  QAction* FCopyAction = nullptr;
  QAction* FPrintAction = nullptr;
  QPointer<TQBCallStackList> FCallStack;
};
