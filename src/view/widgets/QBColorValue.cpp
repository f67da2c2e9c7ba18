#include "view/widgets/QBColorValue.h"


namespace qbcolor {

QColor SystemQColor(int index, const QPalette& palette) {
  switch (index) {
  case SysWindow: return palette.color(QPalette::Base);
  case SysWindowText: return palette.color(QPalette::Text);
  case SysHighlight: return palette.color(QPalette::Highlight);
  case SysHighlightText: return palette.color(QPalette::HighlightedText);
  case SysButtonFace: return palette.color(QPalette::Button);
  case SysButtonShadow: return palette.color(QPalette::Dark);
  case SysInfoText: return palette.color(QPalette::ToolTipText);
  case 24: return palette.color(QPalette::ToolTipBase);
  case 20: return palette.color(QPalette::Light);
  case 18: return palette.color(QPalette::ButtonText);
  case 17: return palette.color(QPalette::PlaceholderText);
  default: return palette.color(QPalette::Window);
  }
}

QColor ToQColor(int32_t value, const QPalette& palette) {
  const uint32_t v = uint32_t(value);
  if ((v >> 24) == 0xFF) return SystemQColor(int(v & 0xFF), palette);
  return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

}  // namespace qbcolor
