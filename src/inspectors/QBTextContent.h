#pragma once
// What the text inspectors share about their content: the text control in the inspector with a
// 2-pixel blank strip at its left, and the copy that takes the selection or all lines.

class QWidget;
class TQBTextControl;

// Creates the text control in its strip; the returned wrapper goes into the inspector.
QWidget* NewTextContent(QWidget* inspector, TQBTextControl*& control);

// The selection as the control copies it, or with no selection the whole text (TQBTextControl::WholeText).
void CopyTextContents(TQBTextControl& control);
