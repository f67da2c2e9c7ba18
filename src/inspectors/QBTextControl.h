#pragma once
// The text control of the text inspectors: a plain-text editor that takes a text as lines (cut at
// CR LF, CR or LF), gives them back unwrapped, shows an optional line-number gutter and can be edited
// (edits last until the next text is set).
//
// A logged text is shown bounded (inspectors/parsers/QBShownText.h) and with its bidirectional
// controls as marks (model/QBDisplayText.h); the control keeps the text itself for WholeText, so a
// copy of the whole contents gives every line with every character as logged.

#include "inspectors/parsers/QBShownText.h"

#include <QByteArray>
#include <QPlainTextEdit>
#include <QStringList>

class TQBLineNumberGutter;

class TQBTextControl : public QPlainTextEdit {
  Q_OBJECT
public:
  explicit TQBTextControl(QWidget* parent = nullptr);

  // Replaces the text by these lines and puts the caret at line 0, column 0.
  void SetLines(const QStringList& lines);
  // Shows a logged text (UTF-8) as above; returns what was shown of it.
  TQBShownCounts SetText(QByteArrayView utf8, TQBLineBreaks breaks);
  // Every line followed by CR LF: the whole text last set, or the lines as shown once the user edited
  // them (or when they were set as lines).
  QString WholeText() const;
  // The lines as shown (unwrapped, edits included); none for an empty control.
  QStringList Lines() const;
  // Caret to the start of the line (clamped to the last line), scrolled into view.
  void GoToLine(int line);
  bool HasSelection() const { return textCursor().hasSelection(); }

  bool WordWrap() const { return lineWrapMode() != NoWrap; }
  // With wrap on only the vertical scroll bar shows, with wrap off both.
  void SetWordWrap(bool wrap);
  bool LineNumbers() const;
  void SetLineNumbers(bool show);

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  void UpdateGutterWidth();
  void ScrollGutter(const QRect& rect, int dy);

  TQBLineNumberGutter* FGutter;
  // The logged text when the lines show it changed (in part, or with marks); empty otherwise.
  QByteArray FWhole;
  TQBLineBreaks FWholeBreaks = TQBLineBreaks::AsWritten;
};
