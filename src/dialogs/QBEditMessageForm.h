#pragma once
// The edit message dialog: a borderless box below a view row in which the user changes a message text.
// Enter confirms (it never inserts a line break) and Esc cancels.

#include <QDialog>
#include <QFont>
#include <QRect>
#include <QString>

class QPlainTextEdit;
class QPushButton;

class TFrmEditMessage : public QDialog {
  Q_OBJECT
public:
  explicit TFrmEditMessage(QWidget* parent = nullptr);

  // The text shown with its line breaks normalised (each run of CR and LF one CR LF, none at the end)
  // and selected; MsgText gives it back with CR LF line breaks.
  void SetMsgText(const QString& text);
  QString MsgText() const;
  QPlainTextEdit* Editor() const { return FEdit; }

  // Where the dialog goes: at below's top left, as wide as below, with its own height, moved up so it
  // does not pass bottomLimit (a screen y).
  static QRect PlacedRect(const QRect& below, int height, int bottomLimit);

  // Runs the dialog for text in font; true with the new text when confirmed.
  static bool Execute(QWidget* view, const QFont& font, const QRect& below, int bottomLimit, QString& text);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QPlainTextEdit* FEdit = nullptr;
};
