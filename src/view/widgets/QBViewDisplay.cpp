#include "view/widgets/QBViewDisplay.h"

#include <quillbox/QBCustomViewIntf.h>

void TQBViewDisplay::ReadFrom(const IQBViewerHost& host, qreal devicePixelRatio) {
  AutoScroll = host.GetAutoScroll();
  AutoCollapse = host.GetAutoCollapse();
  Flatten = host.GetFlatten();
  Indent = Flatten ? 0 : DefaultIndent;
  MarkerColor = host.GetBookmarkColor();
  SyncColor = host.GetSyncMsgColor();
  SeparatorColor = host.GetSeparatorColor();
  InactiveSeparatorColor = host.GetInactiveSeparatorColor();
  AppStartSeparatorColor = host.GetAppStartSeparatorColor();
  RowShading = host.GetRowShading();
  RowShadingColor = host.GetRowShadingColor();
  Columns = host.GetHideExtraColumns() ? 0 : host.GetColumns();
  Font = host.GetFont(0);
  PopupMenu = host.GetPopupMenu();
  MessageIcons.Assign(host.GetImageList(1), devicePixelRatio);
  BookmarkIcons.Assign(host.GetImageList(4), devicePixelRatio);
  // The style table is read once here rather than for every painted row.
  for (int code = 0; code < int(TypeStyles.size()); ++code) host.GetTypeStyle(code, TypeStyles[size_t(code)]);
}

const TQBTypeStyle& TQBViewDisplay::StyleOf(int32_t type) const {
  if (type > 0 && type < int32_t(TypeStyles.size()) && !TypeStyles[size_t(type)].UseDefault)
    return TypeStyles[size_t(type)];
  return TypeStyles[0];
}
