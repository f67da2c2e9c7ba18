#pragma once
// A toolbar whose buttons either stay on one line (those past the right edge are cut off, as on any
// toolbar without an overflow menu) or wrap onto further lines when the strip is too narrow. The
// toolkit's own toolbar can only hide overflowing buttons behind an extension button, which is why
// the window's toolbars are built from this.

#include <QFrame>

class QAction;
class QMenu;
class QToolButton;
class TQBFlowLayout;

class TQBToolStrip : public QFrame {
  Q_OBJECT
public:
  explicit TQBToolStrip(QWidget* parent = nullptr);

  // A button presenting the action, named "btn" + the action's name without "act".
  QToolButton* AddAction(QAction* action);
  // A button that opens a menu.
  QToolButton* AddMenuButton(QMenu* menu, const QString& name, const QString& caption, const QIcon& icon);
  // A gap with a thin line between groups.
  void AddSeparator();

  bool Wrap() const;
  void SetWrap(bool wrap);

private:
  QToolButton* NewButton();
  TQBFlowLayout* FLayout;
};
