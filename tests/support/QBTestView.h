#pragma once
// A message view for tests: the view core (rows, filter, bookmarks, methods, save) behind the view
// interfaces, drawing nothing. Tests reach it only through the interfaces, as the main window does.
//
// TQBTestView is a plain QObject: the areas take their views as QObjects, so the areas' tests link no
// widgets and show that the areas work without a window. The real main window puts every view on a
// tab page and needs a widget: TQBTestWidgetView (QBTestWidgetView.h) is the same view on one.

#include "shell/QBViewBinding.h"
#include "view/QBHeadlessList.h"
#include "view/QBViewModel.h"
#include "view/QBViewNavigation.h"
#include "view/QBViewRegistry.h"

#include <quillbox/QBCustomViewIntf.h>

#include <QObject>

#include <memory>
#include <optional>

// The view without its object: TQBTestView and TQBTestWidgetView add the QObject that qobject_cast
// finds the interfaces through.
class TQBTestViewCore : public IQBMessageView,
                        public IQBMessageViewList,
                        public IQBMessageViewMethods,
                        public IQBMessageViewSave,
                        public IQBMessageViewExport {
public:
  TQBTestViewCore();
  ~TQBTestViewCore() override { qbviewregistry::Unregister(*this); }
  TQBTestViewCore(const TQBTestViewCore&) = delete;
  TQBTestViewCore& operator=(const TQBTestViewCore&) = delete;

  TQBViewModel& Model() { return *FModel; }
  // How often each bracket was opened and closed, ApplySettings ran and the selection was counted.
  int BeginUpdates = 0, EndUpdates = 0, Applied = 0;
  mutable int SelectionCounts = 0;
  // The message GoToMessage last went to, and the one SetSyncMessage marked.
  int WentTo = -1, SyncMark = -1;
  // EditMessage's answer: the new text as if the edit dialog was confirmed with it; none = cancelled.
  std::optional<QString> EditAnswer;
  // The rows EditMessage ran on, in order.
  QList<int> EditedRows;

  // IQBMessageView
  QString GetViewName() const override { return FName; }
  void SetViewName(const QString& name) override { FName = name; }
  bool IsRowSelected(int row) const override { return FModel->Rows().IsRowSelected(row); }
  void SetRowSelected(int row, bool value) override { FModel->Rows().SetRowSelected(row, value); }
  int GetCount() const override { return FModel->Rows().RowCount(); }
  int SelectedCount() const override { return ++SelectionCounts, FModel->Rows().SelectedCount(); }
  int GetRowRecNo(int row) const override { return FModel->Rows().GetRowRecNo(row); }
  QString GetViewClassName() const override { return QStringLiteral("Default"); }
  // Nothing has the keyboard without a widget; TQBTestWidgetView asks its widget.
  bool IsFocused() const override { return false; }
  int DeleteSelected() override { return FModel->Rows().DeleteSelected(); }
  int CropToSelection() override { return FModel->Rows().CropToSelection(); }
  void SelectAll() override { FModel->Rows().SelectAll(); }
  void CopyToClipboard() override {}
  void AddCurrentMessage(bool force) override { FModel->AddCurrentMessage(force); }
  void SetPopupMenu(QMenu*) override {}
  void Initialize() override {}
  void ClearView() override { FModel->ClearView(); }
  void Invalidate() override {}
  void ApplySettings() override { ++Applied; }
  void RecalcColumnWidths() override {}
  void SetSyncMessage(int recNo) override { SyncMark = recNo, FModel->SetSyncMessage(recNo); }
  // Reported to the view registry as the program's own view reports them: the organizer learns which
  // values have a view.
  void LoadFilter(const IQBSettingsReader& reader) override {
    qbviewregistry::ReplaceCriteria(*this, [&] { FModel->LoadFilter(reader); });
  }
  void SaveFilter(IQBSettingsWriter& writer) const override { FModel->SaveFilter(writer); }
  void GetSelectedRange(int& first, int& last) const override { FModel->Rows().GetSelectedRange(first, last); }

  // IQBMessageViewList
  int GetItemIndex() const override { return FList.CurrentRow(); }
  void SetItemIndex(int row) override { FList.SetCurrentRow(row); }
  void GetFilterCriteria(TQBFilterCriteria& criteria) const override { criteria = FModel->GetFilterCriteria(); }
  void SetFilterCriteria(const TQBFilterCriteria& criteria) override {
    qbviewregistry::ReplaceCriteria(*this, [&] { FModel->SetFilterCriteria(criteria); });
  }
  void GetNavigationState(int32_t typeCode, bool& hasPrevious, bool& hasNext) const override {
    FNavigator->GetNavigationState(typeCode, hasPrevious, hasNext);
  }
  bool GotoCurrentMessage() override { return FModel->Rows().GotoCurrentMessage(); }
  void GotoRowMessage(int row) override { FModel->Rows().GotoRowMessage(row); }
  void SelectRow(int row) override { FList.SetCurrentRow(row); }
  void JumpToMessage() override {}
  void NavigateToType(int kind, int32_t typeCode) override { FNavigator->NavigateToType(TQBNavigateKind(kind), typeCode); }
  void NavigateTimeDiff(int kind, int ms) override { FNavigator->NavigateTimeDiff(TQBNavigateKind(kind), ms); }
  void GoToMessage(int recNo) override { WentTo = recNo; }
  void ClearBookmarks() override { FModel->ClearBookmarks(); }
  void ToggleBookmark(int n) override;
  void GoToBookmark(int) override {}
  int GetBookmark(int n) const override { return FModel->GetBookmark(n); }
  int GetRowLevel(int row) const override { return FModel->Rows().GetRowLevel(row); }
  void ResetDepth() override { FModel->ResetDepth(); }
  void BeginUpdate() override { ++BeginUpdates, FList.BeginUpdate(); }
  void EndUpdate() override { ++EndUpdates, FList.EndUpdate(); }
  void EditMessage(int row) override;
  void GetCallStack(QStringList&) const override {}

  // IQBMessageViewMethods
  void GoToMatchingMethod() override { FNavigator->GoToMatchingMethod(); }
  void GoToCurrentMethod() override { FNavigator->GoToCurrentMethod(); }
  void ToggleCurrentMethod() override { FModel->Rows().ToggleCurrentMethod(); }
  bool IsCurrentMethodCollapsed() const override { return FModel->Rows().IsCurrentMethodCollapsed(); }
  bool IsMethodCollapsed(int row) const override { return FModel->Rows().IsMethodCollapsed(row); }
  void CollapseMethod(int row) override { FModel->Rows().CollapseMethod(row); }
  void ExpandMethod(int row) override { FModel->Rows().ExpandMethod(row); }
  void ExpandAll(bool fromStart) override { FModel->Rows().ExpandAll(fromStart); }
  void CollapseAll() override { FModel->Rows().CollapseAll(); }

  // IQBMessageViewSave: a failed save throws with the text to report.
  void SaveToFile(const QString& fileName) override;
  // IQBMessageViewExport
  void ExportXML(const QString& fileName) override;
  void ExportText(const QString&) override {}

private:
  IQBViewHostHooks FHooks;
  TQBHeadlessList FList;
  std::unique_ptr<TQBViewModel> FModel;
  std::unique_ptr<TQBViewNavigator> FNavigator;
  QString FName;
};

class TQBTestView : public QObject, public TQBTestViewCore {
  Q_OBJECT
  Q_INTERFACES(IQBMessageView IQBMessageViewList IQBMessageViewMethods IQBMessageViewSave IQBMessageViewExport)
public:
  explicit TQBTestView(QObject* owner = nullptr) : QObject(owner) {}
};

// The current view as the areas see it: the binding the test sets, empty for none.
class TQBTestCurrentView final : public IQBCurrentView {
public:
  const TQBViewBinding& Current() const override { return Binding; }
  TQBViewBinding Binding;
};
