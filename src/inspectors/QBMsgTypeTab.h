#pragma once
// pnlMsgType: the arrow-shaped tab at the left of the inspector pane's toolbar that holds the type
// glyph stsMsgType, the icon of the focused message's type with the message's origin as its hint.

#include <QIcon>
#include <QWidget>

class QLabel;

class TQBMsgTypeTab : public QWidget {
  Q_OBJECT
public:
  explicit TQBMsgTypeTab(QWidget* parent = nullptr);

  // Shows the icon with the hint ("\r" breaks its lines); a null icon and an empty hint clear it.
  void SetGlyph(const QIcon& icon, const QString& hint);
  QLabel* Glyph() const { return FGlyph; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QLabel* FGlyph;
};
