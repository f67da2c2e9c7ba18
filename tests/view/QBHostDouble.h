#pragma once
// A stand-in for the main window as the message view sees it: display settings the test sets, and
// counters of what the view reported. Publishes itself in ViewerHost while it lives.

#include "view/widgets/QBColorValue.h"
#include "view/widgets/QBIconLists.h"
#include "view/widgets/QBViewDisplay.h"

#include <quillbox/QBCustomViewIntf.h>

#include <QFont>
#include <QIcon>
#include <QList>

#include <array>

namespace qbtest {

class THostDouble : public IQBViewerHost {
public:
  THostDouble() {
    Font = QFont(QStringLiteral("DejaVu Sans"));
    Font.setPixelSize(12);
    Styles[0].Color = qbcolor::SystemColor(qbcolor::SysWindowText);
    for (size_t i = 1; i < Styles.size(); ++i) Styles[i].UseDefault = true;
    ViewerHost = this;
  }
  ~THostDouble() override { ViewerHost = nullptr; }

  int GetRowHeight() const override { return 17; }
  const QFont& GetFont(int) const override { return Font; }
  void GetTypeStyle(int32_t code, TQBTypeStyle& entry) const override {
    entry = code >= 0 && code < int32_t(Styles.size()) ? Styles[size_t(code)] : Styles[0];
  }
  bool GetAutoScroll() const override { return AutoScroll; }
  bool GetAutoCollapse() const override { return AutoCollapse; }
  bool GetFlatten() const override { return Flatten; }
  uint16_t GetColumns() const override { return Columns; }
  bool GetHideExtraColumns() const override { return HideExtraColumns; }
  QMenu* GetPopupMenu() const override { return nullptr; }
  const QList<QIcon>& GetImageList(int n) const override {
    static const QList<QIcon> none;
    return n == 1 ? qbicons::MessageIcons() : n == 4 ? qbicons::BookmarkIcons() : none;
  }
  int32_t GetBookmarkColor() const override { return qbcolor::Rgb(173, 216, 230); }
  bool GetRowShading() const override { return RowShading; }
  int32_t GetRowShadingColor() const override { return ShadingColor; }
  int32_t GetSyncMsgColor() const override { return qbcolor::Rgb(255, 235, 175); }
  int32_t GetSeparatorColor() const override { return qbcolor::Rgb(137, 173, 228); }
  int32_t GetInactiveSeparatorColor() const override { return qbcolor::Rgb(214, 207, 169); }
  int32_t GetAppStartSeparatorColor() const override { return qbcolor::Rgb(137, 173, 228); }
  void SelectionChanged() override { ++SelectionNotices; }
  void UpdateCommands() override { ++CommandUpdates; }
  void ShowStatusText(const QString&) override {}
  void SetProgressTotal(int total) override { ProgressTotals.push_back(total); }
  void SetProgress(int) override {}
  void StepProgress() override { ++ProgressSteps; }

  QFont Font;
  std::array<TQBTypeStyle, 45> Styles{};
  bool AutoScroll = false, AutoCollapse = false, Flatten = false, HideExtraColumns = false, RowShading = false;
  uint16_t Columns = TQBViewDisplay::DefaultColumns;
  int32_t ShadingColor = qbcolor::Rgb(200, 200, 200);
  int SelectionNotices = 0;
  int CommandUpdates = 0;
  int ProgressSteps = 0;
  std::vector<int> ProgressTotals;
};

}  // namespace qbtest
