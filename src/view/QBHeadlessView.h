#pragma once
// A message view without a widget: the view's core (rows, filter, bookmarks, navigation) behind the
// view interfaces the main window uses. The command-line tool builds its views from it, and tests of
// the window's widget-free areas (organizer, project files) use it where the window would put a
// message view. Like every view with filter criteria, it reports them to the installed view registry.

#include "view/QBHeadlessList.h"
#include "view/QBViewModel.h"
#include "view/QBViewNavigation.h"

#include <quillbox/QBCustomViewIntf.h>

#include <memory>

class TQBHeadlessView : public IQBMessageView, public IQBMessageViewList {
public:
  // The view shows the messages of set; autoCollapse stands for the host's auto-collapse setting.
  explicit TQBHeadlessView(TQuillboxMessageSet& set = MessageSet, bool autoCollapse = true);
  ~TQBHeadlessView() override;
  TQBHeadlessView(const TQBHeadlessView&) = delete;
  TQBHeadlessView& operator=(const TQBHeadlessView&) = delete;

  TQBViewModel& Model() { return *FModel; }
  const TQBViewModel& Model() const { return *FModel; }
  // Messages the view holds, visible or inside collapsed methods.
  int ItemCount() const { return FModel->Rows().ItemCount(); }

  // IQBMessageView
  QString GetViewName() const override { return FName; }
  void SetViewName(const QString& name) override { FName = name; }
  bool IsRowSelected(int row) const override;
  void SetRowSelected(int row, bool value) override;
  int GetCount() const override { return FModel->Rows().RowCount(); }
  int SelectedCount() const override { return FModel->Rows().SelectedCount(); }
  int GetRowRecNo(int row) const override;
  QString GetViewClassName() const override { return QStringLiteral("Default"); }
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
  void ApplySettings() override {}
  void RecalcColumnWidths() override {}
  void SetSyncMessage(int recNo) override { FModel->SetSyncMessage(recNo); }
  void LoadFilter(const IQBSettingsReader& reader) override;
  void SaveFilter(IQBSettingsWriter& writer) const override { FModel->SaveFilter(writer); }
  void GetSelectedRange(int& first, int& last) const override;

  // IQBMessageViewList
  int GetItemIndex() const override { return FList.CurrentRow(); }
  void SetItemIndex(int row) override { FList.SetCurrentRow(row); }
  void GetFilterCriteria(TQBFilterCriteria& criteria) const override { criteria = FModel->GetFilterCriteria(); }
  void SetFilterCriteria(const TQBFilterCriteria& criteria) override;
  void GetNavigationState(int32_t typeCode, bool& hasPrevious, bool& hasNext) const override;
  bool GotoCurrentMessage() override { return FModel->Rows().GotoCurrentMessage(); }
  void GotoRowMessage(int row) override;
  void SelectRow(int row) override { FNavigator.SelectRow(row); }
  void JumpToMessage() override {}
  void NavigateToType(int kind, int32_t typeCode) override;
  void NavigateTimeDiff(int kind, int thresholdMs) override;
  void GoToMessage(int recNo) override { FNavigator.GoToMessage(recNo); }
  void ClearBookmarks() override { FModel->ClearBookmarks(); }
  void ToggleBookmark(int n) override { FNavigator.ToggleBookmark(n); }
  void GoToBookmark(int n) override { FNavigator.GoToBookmark(n); }
  int GetBookmark(int n) const override { return FModel->GetBookmark(n); }
  int GetRowLevel(int row) const override;
  void ResetDepth() override { FModel->ResetDepth(); }
  void BeginUpdate() override { FList.BeginUpdate(); }
  void EndUpdate() override { FList.EndUpdate(); }
  void EditMessage(int) override {}
  void GetCallStack(QStringList& list) const override;

private:
  struct THost final : IQBViewHostHooks {
    explicit THost(bool autoCollapse) : FAutoCollapse(autoCollapse) {}
    bool AutoCollapse() const override { return FAutoCollapse; }
    bool FAutoCollapse;
  };
  bool ValidRow(int row) const { return row >= 0 && row < GetCount(); }

  THost FHost;
  TQBHeadlessList FList;
  std::unique_ptr<TQBViewModel> FModel;
  TQBViewNavigator FNavigator;
  QString FName;
};
