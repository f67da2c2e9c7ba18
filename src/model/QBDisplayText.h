#pragma once
// The screen form of texts that come from a log. Bidirectional embedding, override and isolate
// controls (U+202A to U+202E, U+2066 to U+2069) change the order in which the characters after them
// are drawn, so a log could make "evil" U+202E "gpj.exe" read as "evilexe.jpg". Wherever the viewer
// shows a logged text it shows each such control as a visible mark instead ("⟨RLO⟩"), so the reading
// order is the order of the characters. Only the display changes: the store, copies of whole contents
// and every export keep the characters as they are.

#include <QString>
#include <QStringView>

// True when the text holds one of the controls.
bool HasBidiControls(QStringView text);

// The text with each control replaced by its mark: "⟨" + its abbreviation (LRE, RLE, PDF, LRO, RLO,
// LRI, RLI, FSI, PDI) + "⟩". A text without any comes back as it is, without a copy.
QString VisibleBidiControls(const QString& text);
