#pragma once
// The main window as the views see it (IQBViewerHost, published in ViewerHost while the window lives):
// the display getters answer from the display state, the selection notice goes to the window's
// inspection, the status text and the command states to the areas' feedback, the progress to the
// status panes.

#include <quillbox/QBCustomViewIntf.h>

#include "model/QBSourceLogs.h"
#include "window/QBDisplayState.h"

#include <functional>

class IQBAreaFeedback;
class TQBStatusPanes;

class TQBViewerHost final : public IQBViewerHost {
public:
  struct TParts {
    const TQBDisplayState& Display;
    QMenu* PopupMenu;  // the message list's context menu
    TQBStatusPanes& Panes;  // the progress pane
    IQBAreaFeedback& Feedback;  // status texts and command states
    std::function<void()> SelectionChanged;  // the current view's selection changed
    const TQBSourceLogs& Sources;  // which log each message came from, when logs were merged
  };
  explicit TQBViewerHost(TParts parts) : P(std::move(parts)) {}

  int GetRowHeight() const override { return P.Display.RowHeight(); }
  const QFont& GetFont(int kind) const override { return P.Display.Font(kind); }
  void GetTypeStyle(int32_t code, TQBTypeStyle& entry) const override { entry = P.Display.TypeStyle(code); }
  bool GetAutoScroll() const override { return false; }
  bool GetAutoCollapse() const override { return P.Display.AutoCollapse(); }
  bool GetFlatten() const override { return P.Display.Flatten(); }
  uint16_t GetColumns() const override { return P.Display.Columns(); }
  bool GetHideExtraColumns() const override { return P.Display.HideExtraColumns(); }
  QMenu* GetPopupMenu() const override { return P.PopupMenu; }
  const QList<QIcon>& GetImageList(int n) const override { return P.Display.ImageList(n); }
  int32_t GetBookmarkColor() const override { return P.Display.BookmarkColor(); }
  bool GetRowShading() const override { return P.Display.RowShading(); }
  int32_t GetRowShadingColor() const override { return P.Display.RowShadingColor(); }
  int32_t GetSyncMsgColor() const override { return P.Display.SyncMsgColor(); }
  int32_t GetSeparatorColor() const override { return P.Display.SeparatorColor(); }
  int32_t GetInactiveSeparatorColor() const override { return P.Display.InactiveSeparatorColor(); }
  int32_t GetAppStartSeparatorColor() const override { return P.Display.AppStartSeparatorColor(); }
  void SelectionChanged() override { P.SelectionChanged(); }
  void UpdateCommands() override;
  void ShowStatusText(const QString& text) override;
  void SetProgressTotal(int total) override;
  void SetProgress(int n) override;
  void StepProgress() override;
  int GetSourceLog(int recNo) const override { return P.Sources.LogOf(recNo); }
  bool GetLogsMerged() const override { return P.Sources.Merged(); }
  QString GetSourceLogName(int recNo) const override;

private:
  TParts P;
};
