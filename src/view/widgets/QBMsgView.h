#pragma once
// TQBMessageView, the default message view: the virtual list box with owner-drawn message rows, and
// the view interfaces through which the main window drives it. The view holds no business logic of its
// own: rows, nesting, filter, bookmarks and the sync mark live in its TQBViewModel, navigation in
// TQBViewNavigator, files in the writers; this class draws, routes input and reports to the host.
//
// Files: QBMsgView.cpp (construction, drawing and input), QBMsgViewIntf.cpp (the interface
// operations), QBMsgViewSearch.cpp (find), QBMsgViewHost.cpp (the hooks through which the core reaches the host), and the hint
// window in QBMsgViewHint.

#include "view/widgets/QBColumnWidths.h"
#include "view/widgets/QBMsgViewHint.h"
#include "view/widgets/QBRowPainter.h"
#include "view/widgets/QBVList.h"
#include "view/widgets/QBViewDisplay.h"
#include "view/QBQuickFilter.h"
#include "view/QBTextPattern.h"
#include "view/QBViewModel.h"
#include "view/QBViewNavigation.h"

#include <quillbox/QBCustomViewIntf.h>
#include <quillbox/QuillboxMessageSet.h>

#include <QMenu>
#include <QPointer>

#include <memory>
#include <optional>

class IQBMsgViewDialogs;
class TQBMsgViewHostHooks;

class TQBMessageView : public TQBVirtualListBox,
                       public IQBMessageView,
                       public IQBMessageViewList,
                       public IQBMessageViewMethods,
                       public IQBMessageViewSearch,
                       public IQBMessageViewPrint,
                       public IQBMessageViewSave,
                       public IQBMessageViewExport,
                       public IQBViewActivation,
                       public IQBMessageViewTime,
                       public IQBMessageViewFindOptions,
                       private IQBRowListHooks {
  Q_OBJECT
  Q_INTERFACES(IQBMessageView IQBMessageViewList IQBMessageViewMethods IQBMessageViewSearch IQBMessageViewPrint
                   IQBMessageViewSave IQBMessageViewExport IQBViewActivation IQBMessageViewTime
                   IQBMessageViewFindOptions)
public:
  // The name this class is registered under.
  static constexpr const char* ClassName = "Default";

  // owner: the parent until the main window gives the view its tab page. The view shows the messages
  // of set (the program's one store unless a test passes its own).
  explicit TQBMessageView(QWidget* owner, TQuillboxMessageSet& set = MessageSet);
  ~TQBMessageView() override;

  TQBViewModel& Model() { return FModel; }
  const TQBViewModel& Model() const { return FModel; }
  const TQBViewDisplay& Display() const { return FDisplay; }
  const TQBColumnWidths& ColumnWidths() const { return FWidths; }
  // The text whose matches the rows mark in the message text (the quick filter's); none marks nothing.
  void SetHighlight(std::optional<TQBQuickTerm> term);
  // The hint window, once it was needed.
  TQBMessageViewHintWindow* HintWindow() const { return FHint; }
  // The layout of the detail columns at the current width.
  TQBDetailLayout DetailLayout() const;
  // The dialogs this view opens; null (the default) uses the ones the program installed.
  void SetDialogs(IQBMsgViewDialogs* dialogs) { FDialogs = dialogs; }
  IQBMsgViewDialogs* Dialogs() const;

  // --- IQBMessageView -----------------------------------------------------------------------------
  QString GetViewName() const override { return FViewName; }
  void SetViewName(const QString& name) override;
  bool IsRowSelected(int row) const override;
  void SetRowSelected(int row, bool value) override;
  int GetCount() const override { return FModel.Rows().RowCount(); }
  int SelectedCount() const override { return FModel.Rows().SelectedCount(); }
  int GetRowRecNo(int row) const override;
  QString GetViewClassName() const override { return QString::fromLatin1(ClassName); }
  bool IsFocused() const override { return hasFocus(); }
  int DeleteSelected() override;
  int CropToSelection() override;
  void SelectAll() override;
  void CopyToClipboard() override;
  void AddCurrentMessage(bool force) override { FModel.AddCurrentMessage(force); }
  void SetPopupMenu(QMenu* menu) override { FDisplay.PopupMenu = menu; }
  // The menu a right click on the header line opens (the main window hands it its column commands);
  // not owned. Without one, the header opens the popup menu of the rows.
  void SetHeaderPopupMenu(QMenu* menu) { FHeaderPopupMenu = menu; }
  QMenu* HeaderPopupMenu() const { return FHeaderPopupMenu; }
  void Initialize() override { ApplySettings(); }
  void ClearView() override { FModel.ClearView(); }
  void Invalidate() override { RepaintAllRows(); }
  void ApplySettings() override;
  void RecalcColumnWidths() override;
  void SetSyncMessage(int recNo) override { FModel.SetSyncMessage(recNo); }
  // Both report the old and the new criteria to the view registry (the organizer).
  void LoadFilter(const IQBSettingsReader& reader) override;
  void SaveFilter(IQBSettingsWriter& writer) const override { FModel.SaveFilter(writer); }
  void GetSelectedRange(int& first, int& last) const override;

  // --- IQBMessageViewList -------------------------------------------------------------------------
  int GetItemIndex() const override { return ItemIndex(); }
  void SetItemIndex(int row) override { TQBVirtualListBox::SetItemIndex(row); }
  void GetFilterCriteria(TQBFilterCriteria& criteria) const override { criteria = FModel.GetFilterCriteria(); }
  void SetFilterCriteria(const TQBFilterCriteria& criteria) override;
  void GetNavigationState(int32_t typeCode, bool& hasPrevious, bool& hasNext) const override;
  bool GotoCurrentMessage() override { return FModel.Rows().GotoCurrentMessage(); }
  void GotoRowMessage(int row) override;
  void SelectRow(int row) override { FNavigator.SelectRow(row); }
  void JumpToMessage() override;
  void NavigateToType(int kind, int32_t typeCode) override;
  void NavigateTimeDiff(int kind, int thresholdMs) override;
  void GoToMessage(int recNo) override { FNavigator.GoToMessage(recNo); }
  void ClearBookmarks() override { FModel.ClearBookmarks(); }
  void ToggleBookmark(int n) override { FNavigator.ToggleBookmark(n); }
  void GoToBookmark(int n) override { FNavigator.GoToBookmark(n); }
  int GetBookmark(int n) const override { return FModel.GetBookmark(n); }
  int GetRowLevel(int row) const override;
  void ResetDepth() override { FModel.ResetDepth(); }
  void BeginUpdate() override { TQBVirtualListBox::BeginUpdate(); }
  void EndUpdate() override { TQBVirtualListBox::EndUpdate(); }
  void EditMessage(int row) override;
  void GetCallStack(QStringList& list) const override;

  // --- IQBMessageViewMethods ----------------------------------------------------------------------
  void GoToMatchingMethod() override { FNavigator.GoToMatchingMethod(); }
  void GoToCurrentMethod() override { FNavigator.GoToCurrentMethod(); }
  void ToggleCurrentMethod() override { FModel.Rows().ToggleCurrentMethod(); }
  bool IsCurrentMethodCollapsed() const override { return FModel.Rows().IsCurrentMethodCollapsed(); }
  bool IsMethodCollapsed(int row) const override;
  void CollapseMethod(int row) override;
  void ExpandMethod(int row) override;
  void ExpandAll(bool fromStart) override { FModel.Rows().ExpandAll(fromStart); }
  void CollapseAll() override { FModel.Rows().CollapseAll(); }

  // --- IQBMessageViewSearch (QBMsgViewSearch.cpp) ------------------------------------------------
  bool ShowFindDialog(QString& text, bool& forward, bool& inDetails, bool& fromCursor) override;
  void FindText(bool fresh, const QString& text, bool inDetails, bool fromCursor, bool forward) override;

  // --- IQBMessageViewFindOptions: what the find dialog and FindText search with -------------------
  void GetFindOptions(bool& matchCase, bool& regularExpression) const override {
    matchCase = FFindOptions.MatchCase, regularExpression = FFindOptions.RegularExpression;
  }
  void SetFindOptions(bool matchCase, bool regularExpression) override { FFindOptions = {matchCase, regularExpression}; }

  // --- IQBMessageViewPrint: the printed report on the shared printer, with modal progress and Cancel
  // while it runs; a failure raises std::runtime_error with its text -------------------------------
  void Print(const QString& title, bool selectionOnly, int fontSize, uint16_t columns) override;

  // --- IQBMessageViewSave, IQBMessageViewExport: a failure raises std::runtime_error with its text --
  void SaveToFile(const QString& fileName) override;
  void ExportXML(const QString& fileName) override;
  void ExportText(const QString& fileName) override;

  // --- IQBViewActivation --------------------------------------------------------------------------
  void AppActivated() override {}
  void AppDeactivated() override { HideHint(); }

  void HideHint();

  // --- IQBMessageViewTime -------------------------------------------------------------------------
  void GoToTime(const TQBTimeStamp& ts) override { FNavigator.GoToTime(ts); }

  // --- IQBRowListHooks: the row model reaches the list through these ------------------------------
  void SetRowCount(int count) override { SetNumItems(count); }
  void RepaintRow(int row) override { TQBVirtualListBox::RepaintRow(row); }
  void RepaintAll() override { RepaintAllRows(); }
  int CurrentRow() const override { return ItemIndex(); }
  void SetCurrentRow(int row) override { SetItemIndex(row); }
  void SetAnchorRow(int row) override { TQBVirtualListBox::SetAnchorRow(row); }
  int TopRow() const override { return TopIndex(); }
  void SetTopRow(int row) override { SetTopIndex(row); }
  int PageRows() const override { return TQBVirtualListBox::PageRows(); }
  void RelocateCurrentRow(int row, int top) override { RelocateItemIndex(row, top); }

protected:
  void DrawHeader(QPainter& painter) override;
  void DrawItem(QPainter& painter, int index, const QRect& rect, bool selected, const QString& text) override;
  void paintEvent(QPaintEvent* event) override;
  QString DoGetItem(int index) const override;
  void DoClick() override;
  void DoDblClick() override;
  void TopIndexChanged(int index) override;
  void RecalcMetrics() override;

  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool viewportEvent(QEvent* event) override;

private:
  friend class TQBMsgViewHostHooks;

  // Selection notices to the host: at once after a click, deferred and coalesced after keys.
  void NotifySelectionChanged();
  void PostSelectionNotice();
  static bool IsNavigationKey(int key);
  bool ValidRow(int row) const { return row >= 0 && row < GetCount(); }
  void UpdateHint(const QPoint& pos);
  QRect EditorRect(int row) const;
  // Widens columns for the names of a message added to the view.
  void OfferColumnNames(int recNo);

  QString FViewName;
  IQBMsgViewDialogs* FDialogs = nullptr;
  std::unique_ptr<TQBMsgViewHostHooks> FHostHooks;
  TQBViewModel FModel;
  TQBViewNavigator FNavigator;
  TQBViewDisplay FDisplay;
  TQBColumnWidths FWidths;
  QPointer<TQBMessageViewHintWindow> FHint;
  QPointer<QMenu> FHeaderPopupMenu;
  // The row painter of the paint in progress: what every row shares is gathered once per paint.
  std::unique_ptr<TQBRowPaintContext> FPaintContext;
  std::unique_ptr<TQBRowPainter> FRowPainter;
  TQBTextCache FTextCache;
  bool FInNavigationKey = false;
  TQBSearchOptions FFindOptions;
  std::optional<TQBQuickTerm> FHighlight;
};
