#include "dialogs/QBSettingsFont.h"

#include "view/widgets/QBRowPainter.h"

QFont QBFontOf(const TQBFontSettings& settings) {
  return qbrowpaint::StyledFont(QFont(settings.Name, settings.Size > 0 ? settings.Size : 8), settings.Style);
}
