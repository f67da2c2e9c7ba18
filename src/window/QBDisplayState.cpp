#include "window/QBDisplayState.h"

#include "settings/QBSettings.h"
#include "window/QBCommandTable.h"

#include <QFontMetrics>

namespace {

QFont FontOf(const TQBFontSettings& settings) {
  QFont font(settings.Name, settings.Size > 0 ? settings.Size : 8);
  font.setBold(settings.Style & 8);
  font.setItalic(settings.Style & 4);
  font.setUnderline(settings.Style & 2);
  font.setStrikeOut(settings.Style & 1);
  return font;
}

QList<QIcon> IconsOf(const QString& pattern, int count) {
  QList<QIcon> icons;
  for (int i = 0; i < count; ++i) icons.append(QIcon(pattern.arg(i, 2, 10, QLatin1Char('0'))));
  return icons;
}

}  // namespace

TQBDisplayState::TQBDisplayState(const TQBSettings& settings) : FSettings(settings) { CreateImageLists(); }

void TQBDisplayState::CreateImageLists() {
  for (const TQBCommandInfo& info : QBCommandInfos()) FImageLists[0].append(QBCommandIcon(info.Icon));
  FImageLists[1] = IconsOf(QStringLiteral(":/icons/messages/msg%1.svg"), 46);
  // The navigation kinds are message types and show their icons.
  FImageLists[2] = FImageLists[1];
  for (int n = 0; n < 10; ++n) FImageLists[4].append(QIcon(QStringLiteral(":/icons/bookmarks/bookmark%1.svg").arg(n)));
  FImageLists[4].append(QIcon(QStringLiteral(":/icons/bookmarks/sync.svg")));
}

void TQBDisplayState::ApplyFonts() {
  FMessageFont = FontOf(FSettings.MessageFont);
  FInspectorFont = FontOf(FSettings.InspectorFont);
  FInspectorFixedFont = FontOf(FSettings.InspectorFixedFont);
  FRowHeight = qMax(15, QFontMetrics(FMessageFont).height());
}

const QFont& TQBDisplayState::Font(int kind) const {
  return kind == 1 ? FInspectorFixedFont : kind == 2 ? FInspectorFont : FMessageFont;
}

TQBTypeStyle TQBDisplayState::TypeStyle(int32_t code) const {
  const auto& entries = FSettings.FontStyles.Entries;
  return code >= 0 && code < int32_t(entries.size()) ? entries[size_t(code)] : TQBTypeStyle{};
}

const QList<QIcon>& TQBDisplayState::ImageList(int n) const {
  static const QList<QIcon> none;
  return n >= 0 && n < int(FImageLists.size()) ? FImageLists[size_t(n)] : none;
}

bool TQBDisplayState::AutoCollapse() const { return FSettings.General.AutoCollapse; }
bool TQBDisplayState::Flatten() const { return FSettings.General.FlattenStructure; }
uint16_t TQBDisplayState::Columns() const { return FSettings.Display.Columns; }
bool TQBDisplayState::HideExtraColumns() const { return FSettings.Display.HideExtraColumns; }
int32_t TQBDisplayState::BookmarkColor() const { return FSettings.Display.MarkerColor; }
bool TQBDisplayState::RowShading() const { return FSettings.Display.RowShading; }
int32_t TQBDisplayState::RowShadingColor() const { return FSettings.Display.RowShadingColor; }
int32_t TQBDisplayState::SyncMsgColor() const { return FSettings.Display.SyncMsgColor; }
int32_t TQBDisplayState::SeparatorColor() const { return FSettings.Display.SeparatorColor; }
int32_t TQBDisplayState::InactiveSeparatorColor() const { return FSettings.Display.InactiveSeparatorColor; }
int32_t TQBDisplayState::AppStartSeparatorColor() const { return FSettings.Display.AppStartSeparatorColor; }
int32_t TQBDisplayState::ValueColor() const { return FSettings.Display.ValueColor; }
