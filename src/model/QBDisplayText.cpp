#include "model/QBDisplayText.h"

#include <algorithm>

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

}  // namespace

bool IsBidiControl(char16_t c) { return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069); }

bool HasBidiControls(QStringView text) {
  for (QChar c : text)
    if (IsBidiControl(c.unicode())) return true;
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

namespace {

bool IsLineBreak(char16_t c) { return c == u'\r' || c == u'\n' || c == 0x2028 || c == 0x2029; }
bool IsControlChar(char16_t c) { return c < 0x20 || c == 0x7F; }

}  // namespace

QString VisibleName(const QString& name) {
  const bool plain = std::none_of(name.begin(), name.end(), [](QChar ch) {
    const char16_t c = ch.unicode();
    return IsLineBreak(c) || IsControlChar(c);
  });
  if (plain) return VisibleBidiControls(name);
  QString shown;
  shown.reserve(name.size() + 8);
  for (qsizetype i = 0; i < name.size(); ++i) {
    const char16_t c = name[i].unicode();
    if (IsLineBreak(c)) {
      shown += u'\u21B5';
      if (c == u'\r' && i + 1 < name.size() && name[i + 1] == u'\n') ++i;
    } else if (IsControlChar(c)) {
      shown += QChar(c == 0x7F ? char16_t(0x2421) : char16_t(0x2400 + c));
    } else {
      shown += QChar(c);
    }
  }
  return VisibleBidiControls(shown);
}
