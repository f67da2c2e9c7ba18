#pragma once
// The screen form of texts that come from a log. Bidirectional embedding, override and isolate
// controls (U+202A to U+202E, U+2066 to U+2069) change the order in which the characters after them
// are drawn, so a log could make "evil" U+202E "gpj.exe" read as "evilexe.jpg". Wherever the viewer
// shows a logged text it shows each such control as a visible mark instead ("⟨RLO⟩"), so the reading
// order is the order of the characters. Only the display changes: the store, copies of whole contents
// and every export keep the characters as they are.

#include <QString>
#include <QStringView>

// True for one of the controls.
bool IsBidiControl(char16_t c);
// True when the text holds one of the controls.
bool HasBidiControls(QStringView text);

// The text with each control replaced by its mark: "⟨" + its abbreviation (LRE, RLE, PDF, LRO, RLO,
// LRI, RLI, FSI, PDI) + "⟩". A text without any comes back as it is, without a copy.
QString VisibleBidiControls(const QString& text);

// A name from a file (a view name of a project) as one line of a tab, a menu entry or a status pane:
// its bidirectional controls as above, each line break (CR LF, CR, LF, U+2028, U+2029) as U+21B5 (a
// return arrow) and every other control character as its control picture (U+2400 and on: U+241B for
// ESC). A name without any comes back as it is.
QString VisibleName(const QString& name);
