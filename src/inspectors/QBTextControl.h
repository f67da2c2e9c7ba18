#pragma once
// The text control of the text inspectors: a plain-text editor that takes a text as lines (cut at
// CR LF, CR or LF), gives them back unwrapped, shows an optional line-number gutter and can be edited
// (edits last until the next text is set).

#include <QPlainTextEdit>
#include <QStringList>

class TQBLineNumberGutter;

class TQBTextControl : public QPlainTextEdit {
  Q_OBJECT
public:
  explicit TQBTextControl(QWidget* parent = nullptr);

  // Replaces the text by these lines and puts the caret at line 0, column 0.
  void SetLines(const QStringList& lines);
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
};
