#pragma once
// Line-break normalising of message texts, shared by the edit dialog and the string inspector.

#include <QString>
#include <QStringView>

// Every run of CR and LF characters becomes one CR LF; a run at the very end is dropped. Empty lines
// disappear, and a run at the very start stays as one leading line break.
QString NormalizeLineBreaks(QStringView text);
