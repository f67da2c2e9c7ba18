#include "model/QBDisplayText.h"

namespace {

// The abbreviation of a control, or null for any other character.
const char16_t* ControlName(char16_t c) {
  switch (c) {
    case 0x202A: return u"LRE";
    case 0x202B: return u"RLE";
    case 0x202C: return u"PDF";
    case 0x202D: return u"LRO";
    case 0x202E: return u"RLO";
    case 0x2066: return u"LRI";
    case 0x2067: return u"RLI";
    case 0x2068: return u"FSI";
    case 0x2069: return u"PDI";
    default: return nullptr;
  }
}

bool IsControl(char16_t c) { return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069); }

}  // namespace

bool HasBidiControls(QStringView text) {
  for (QChar c : text)
    if (IsControl(c.unicode())) return true;
  return false;
}

QString VisibleBidiControls(const QString& text) {
  if (!HasBidiControls(text)) return text;
  QString shown;
  shown.reserve(text.size() + 16);
  for (QChar c : text) {
    if (const char16_t* name = ControlName(c.unicode())) {
      shown += u'\u27E8';
      shown += QStringView(name);
      shown += u'\u27E9';
    } else {
      shown += c;
    }
  }
  return shown;
}
