#pragma once
// The interfaces through which the main window meets a message view, and the host interface through
// which a view calls back. A view is a QWidget that implements at least IQBMessageView (Q_INTERFACES);
// the main window fetches every interface with qobject_cast, so a missing optional interface only
// leaves its commands disabled. Views are owned and freed by the main window, never by whoever holds
// an interface pointer.
//
// Only declarations of the toolkit's widget and paint types are needed here, so code without widgets
// can include this header. Rows count from 0 and -1 means no row; messages are named by their record number in MessageSet.

#include <quillbox/QBTypeStyle.h>
#include <quillbox/QBSettingsIntf.h>
#include <quillbox/QuillboxTypes.h>
#include <quillbox/QuillboxHostExport.h>

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>

class QFont;
class QIcon;
class QMenu;
struct TQBFilterCriteria;

class QUILLBOX_HOST_EXPORT IQBMessageView {
public:
  virtual ~IQBMessageView();
  virtual QString GetViewName() const = 0;
  virtual void SetViewName(const QString& name) = 0;
  virtual bool IsRowSelected(int row) const = 0;
  virtual void SetRowSelected(int row, bool value) = 0;
  virtual int GetCount() const = 0;
  virtual int SelectedCount() const = 0;
  virtual int GetRowRecNo(int row) const = 0;
  // The name the class is registered under; a project file stores it to recreate the view.
  virtual QString GetViewClassName() const = 0;
  virtual bool IsFocused() const = 0;
  // Both return the number of rows removed.
  virtual int DeleteSelected() = 0;
  virtual int CropToSelection() = 0;
  virtual void SelectAll() = 0;
  virtual void CopyToClipboard() = 0;
  // Offers MessageSet's current record to the view, which adds a row when its filter accepts it.
  virtual void AddCurrentMessage(bool force) = 0;
  virtual void SetPopupMenu(QMenu* menu) = 0;
  virtual void Initialize() = 0;
  virtual void ClearView() = 0;
  virtual void Invalidate() = 0;
  virtual void ApplySettings() = 0;
  virtual void RecalcColumnWidths() = 0;
  // -1 clears the mark.
  virtual void SetSyncMessage(int recNo) = 0;
  virtual void LoadFilter(const IQBSettingsReader& reader) = 0;
  virtual void SaveFilter(IQBSettingsWriter& writer) const = 0;
  // The record numbers of the first and the last selected message.
  virtual void GetSelectedRange(int& first, int& last) const = 0;
};

class QUILLBOX_HOST_EXPORT IQBMessageViewList {
public:
  virtual ~IQBMessageViewList();
  virtual int GetItemIndex() const = 0;
  virtual void SetItemIndex(int row) = 0;
  virtual void GetFilterCriteria(TQBFilterCriteria& criteria) const = 0;
  virtual void SetFilterCriteria(const TQBFilterCriteria& criteria) = 0;
  virtual void GetNavigationState(int32_t typeCode, bool& hasPrevious, bool& hasNext) const = 0;
  // Positions MessageSet on the current row's message; false when there is no current row.
  virtual bool GotoCurrentMessage() = 0;
  virtual void GotoRowMessage(int row) = 0;
  virtual void SelectRow(int row) = 0;
  virtual void JumpToMessage() = 0;
  // kind: 0 first, 1 previous, 2 next, 3 last.
  virtual void NavigateToType(int kind, int32_t typeCode) = 0;
  virtual void NavigateTimeDiff(int kind, int thresholdMs) = 0;
  virtual void GoToMessage(int recNo) = 0;
  virtual void ClearBookmarks() = 0;
  virtual void ToggleBookmark(int n) = 0;
  virtual void GoToBookmark(int n) = 0;
  // The record number of bookmark n, -1 when unset.
  virtual int GetBookmark(int n) const = 0;
  virtual int GetRowLevel(int row) const = 0;
  virtual void ResetDepth() = 0;
  virtual void BeginUpdate() = 0;
  virtual void EndUpdate() = 0;
  virtual void EditMessage(int row) = 0;
  virtual void GetCallStack(QStringList& list) const = 0;
};

class QUILLBOX_HOST_EXPORT IQBMessageViewMethods {
public:
  virtual ~IQBMessageViewMethods();
  virtual void GoToMatchingMethod() = 0;
  virtual void GoToCurrentMethod() = 0;
  virtual void ToggleCurrentMethod() = 0;
  virtual bool IsCurrentMethodCollapsed() const = 0;
  virtual bool IsMethodCollapsed(int row) const = 0;
  virtual void CollapseMethod(int row) = 0;
  virtual void ExpandMethod(int row) = 0;
  virtual void ExpandAll(bool fromStart) = 0;
  virtual void CollapseAll() = 0;
};

class QUILLBOX_HOST_EXPORT IQBMessageViewSearch {
public:
  virtual ~IQBMessageViewSearch();
  // Runs the view's find dialog on the caller's values; true when the user confirmed it.
  virtual bool ShowFindDialog(QString& text, bool& forward, bool& inDetails, bool& fromCursor) = 0;
  virtual void FindText(bool fresh, const QString& text, bool inDetails, bool fromCursor, bool forward) = 0;
};

class QUILLBOX_HOST_EXPORT IQBMessageViewPrint {
public:
  virtual ~IQBMessageViewPrint();
  // columns: the column flags, 1 Category ... 256 Time Offset.
  virtual void Print(const QString& title, bool selectionOnly, int fontSize, uint16_t columns) = 0;
};

class QUILLBOX_HOST_EXPORT IQBMessageViewSave {
public:
  virtual ~IQBMessageViewSave();
  virtual void SaveToFile(const QString& fileName) = 0;
};

class QUILLBOX_HOST_EXPORT IQBMessageViewExport {
public:
  virtual ~IQBMessageViewExport();
  virtual void ExportXML(const QString& fileName) = 0;
  virtual void ExportText(const QString& fileName) = 0;
};

class QUILLBOX_HOST_EXPORT IQBViewActivation {
public:
  virtual ~IQBViewActivation();
  virtual void AppActivated() = 0;
  virtual void AppDeactivated() = 0;
};

// Go to Time (optional, an addition of this program): the view focuses the first row whose time stamp
// is at or after ts, opening collapsed methods on the way as GoToMessage does, or the last row when no
// message is that late.
class QUILLBOX_HOST_EXPORT IQBMessageViewTime {
public:
  virtual ~IQBMessageViewTime();
  virtual void GoToTime(const TQBTimeStamp& ts) = 0;
};

// The find options (optional, an addition of this program): "Match case" and "Regular expression".
// The window hands the current view its options before Find and Find Next; the view's find dialog
// shows and edits them, and FindText searches with them. A view without this interface searches with
// both off.
class QUILLBOX_HOST_EXPORT IQBMessageViewFindOptions {
public:
  virtual ~IQBMessageViewFindOptions();
  virtual void GetFindOptions(bool& matchCase, bool& regularExpression) const = 0;
  virtual void SetFindOptions(bool matchCase, bool regularExpression) = 0;
};

// The main window as the views see it. There is one, published in ViewerHost while the main window
// exists.
class QUILLBOX_HOST_EXPORT IQBViewerHost {
public:
  virtual ~IQBViewerHost();
  virtual int GetRowHeight() const = 0;
  // kind: 0 message font, 1 inspector fixed font, 2 inspector font.
  virtual const QFont& GetFont(int kind) const = 0;
  virtual void GetTypeStyle(int32_t code, TQBTypeStyle& entry) const = 0;
  virtual bool GetAutoScroll() const = 0;
  virtual bool GetAutoCollapse() const = 0;
  virtual bool GetFlatten() const = 0;
  virtual uint16_t GetColumns() const = 0;
  virtual bool GetHideExtraColumns() const = 0;
  virtual QMenu* GetPopupMenu() const = 0;
  // n: 0 toolbar, 1 message icons, 2 navigation, 3 scratch pad, 4 bookmarks.
  virtual const QList<QIcon>& GetImageList(int n) const = 0;
  virtual int32_t GetBookmarkColor() const = 0;
  virtual bool GetRowShading() const = 0;
  virtual int32_t GetRowShadingColor() const = 0;
  virtual int32_t GetSyncMsgColor() const = 0;
  virtual int32_t GetSeparatorColor() const = 0;
  virtual int32_t GetInactiveSeparatorColor() const = 0;
  virtual int32_t GetAppStartSeparatorColor() const = 0;
  virtual void SelectionChanged() = 0;
  virtual void UpdateCommands() = 0;
  virtual void ShowStatusText(const QString& text) = 0;
  virtual void SetProgressTotal(int total) = 0;
  virtual void SetProgress(int n) = 0;
  virtual void StepProgress() = 0;
  // The log a message came from when the store holds several logs merged by time (0 for the first
  // given), -1 otherwise: a view nests the methods of each log apart.
  virtual int GetSourceLog(int recNo) const { (void)recNo; return -1; }
  // Whether the store holds several logs merged, and the base name of a message's log (empty unless
  // they are): the "Log" column and the per-log mark in a row's gutter.
  virtual bool GetLogsMerged() const { return false; }
  virtual QString GetSourceLogName(int recNo) const { (void)recNo; return {}; }
};

// The published host; null outside the main window's lifetime.
QUILLBOX_HOST_EXPORT extern IQBViewerHost* ViewerHost;

#define IQBMessageView_iid "{54BEC2F8-7730-4C45-8CCF-32D3E17F714B}"
#define IQBMessageViewList_iid "{283D47EE-E91A-440A-9F09-3DEB8E34AAD8}"
#define IQBMessageViewMethods_iid "{1DE94E3D-EFC0-411A-80AB-4E6A4326E3BA}"
#define IQBMessageViewSearch_iid "{C042AC7A-0269-4576-902B-E5AD2DEB36D6}"
#define IQBMessageViewPrint_iid "{B6712892-7C53-438E-B9AE-83BC96FD7B7E}"
#define IQBMessageViewSave_iid "{F410B2B0-D21B-4C42-90B0-3DD6FC898CE5}"
#define IQBMessageViewExport_iid "{04566A46-BBC9-42CB-B752-23EA6BE54C2E}"
#define IQBViewActivation_iid "{0993DEC5-AF4C-4126-95A2-D8D31D1132D1}"
#define IQBMessageViewTime_iid "{6E0F3B52-94A1-4C7D-B1E8-2D5A07C39F61}"
#define IQBMessageViewFindOptions_iid "{B3D1C7A4-5E2F-4B86-9C0D-71A8E4F2D355}"

Q_DECLARE_INTERFACE(IQBMessageView, IQBMessageView_iid)
Q_DECLARE_INTERFACE(IQBMessageViewList, IQBMessageViewList_iid)
Q_DECLARE_INTERFACE(IQBMessageViewMethods, IQBMessageViewMethods_iid)
Q_DECLARE_INTERFACE(IQBMessageViewSearch, IQBMessageViewSearch_iid)
Q_DECLARE_INTERFACE(IQBMessageViewPrint, IQBMessageViewPrint_iid)
Q_DECLARE_INTERFACE(IQBMessageViewSave, IQBMessageViewSave_iid)
Q_DECLARE_INTERFACE(IQBMessageViewExport, IQBMessageViewExport_iid)
Q_DECLARE_INTERFACE(IQBViewActivation, IQBViewActivation_iid)
Q_DECLARE_INTERFACE(IQBMessageViewTime, IQBMessageViewTime_iid)
Q_DECLARE_INTERFACE(IQBMessageViewFindOptions, IQBMessageViewFindOptions_iid)
