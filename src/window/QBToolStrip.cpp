#include "window/QBToolStrip.h"

#include "window/QBCommandTable.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QToolButton>

#include <algorithm>

// Lays its items out left to right; with wrapping on, an item that does not fit starts a new line.
class TQBFlowLayout final : public QLayout {
public:
  explicit TQBFlowLayout(QWidget* parent) : QLayout(parent) {
    setContentsMargins(2, 1, 2, 1);
    setSpacing(1);
  }
  ~TQBFlowLayout() override {
    while (QLayoutItem* item = takeAt(0)) delete item;
  }

  bool Wrap() const { return FWrap; }
  void SetWrap(bool wrap) {
    FWrap = wrap;
    invalidate();
  }

  void addItem(QLayoutItem* item) override { FItems.append(item); }
  int count() const override { return int(FItems.size()); }
  QLayoutItem* itemAt(int index) const override { return FItems.value(index); }
  QLayoutItem* takeAt(int index) override {
    return index >= 0 && index < FItems.size() ? FItems.takeAt(index) : nullptr;
  }
  Qt::Orientations expandingDirections() const override { return {}; }
  bool hasHeightForWidth() const override { return FWrap; }
  int heightForWidth(int width) const override { return Arrange(QRect(0, 0, width, 0), false); }
  QSize sizeHint() const override {
    int width = 0, height = 0;
    for (QLayoutItem* item : FItems) {
      width += item->sizeHint().width() + spacing();
      height = std::max(height, item->sizeHint().height());
    }
    const QMargins m = contentsMargins();
    return {width + m.left() + m.right(), height + m.top() + m.bottom()};
  }
  QSize minimumSize() const override {
    // Narrow enough for the window to shrink; one line of buttons high.
    const QMargins m = contentsMargins();
    int height = 0, width = 0;
    for (QLayoutItem* item : FItems) {
      height = std::max(height, item->sizeHint().height());
      width = std::max(width, item->sizeHint().width());
    }
    return {width + m.left() + m.right(), height + m.top() + m.bottom()};
  }
  void setGeometry(const QRect& rect) override {
    QLayout::setGeometry(rect);
    Arrange(rect, true);
  }

private:
  // Places the items (when apply is set) and returns the height they take.
  int Arrange(const QRect& rect, bool apply) const {
    const QMargins m = contentsMargins();
    const QRect area = rect.marginsRemoved(m);
    int x = area.x(), y = area.y(), lineHeight = 0;
    for (QLayoutItem* item : FItems) {
      const QSize size = item->sizeHint();
      if (FWrap && x > area.x() && x + size.width() > area.right() + 1) {
        x = area.x();
        y += lineHeight + spacing();
        lineHeight = 0;
      }
      if (apply) item->setGeometry(QRect(QPoint(x, y), size));
      x += size.width() + spacing();
      lineHeight = std::max(lineHeight, size.height());
    }
    return y + lineHeight - rect.y() + m.bottom();
  }

  QList<QLayoutItem*> FItems;
  bool FWrap = false;
};

TQBToolStrip::TQBToolStrip(QWidget* parent) : QFrame(parent), FLayout(new TQBFlowLayout(this)) {
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  setFrameShape(QFrame::NoFrame);
}

QToolButton* TQBToolStrip::NewButton() {
  auto* button = new QToolButton(this);
  button->setAutoRaise(true);
  button->setIconSize(QSize(16, 16));
  button->setFocusPolicy(Qt::NoFocus);
  FLayout->addWidget(button);
  return button;
}

QToolButton* TQBToolStrip::AddAction(QAction* action) {
  QToolButton* button = NewButton();
  button->setDefaultAction(action);
  button->setObjectName(QStringLiteral("btn") + action->objectName().mid(3));
  button->setAccessibleName(QBPlainCaption(action->text()));
  // The tool tip follows the action (Toggle Method changes its hint).
  button->setToolButtonStyle(Qt::ToolButtonIconOnly);
  return button;
}

QToolButton* TQBToolStrip::AddMenuButton(QMenu* menu, const QString& name, const QString& caption, const QIcon& icon) {
  QToolButton* button = NewButton();
  button->setObjectName(name);
  button->setAccessibleName(caption);
  button->setToolTip(caption);
  button->setIcon(icon);
  button->setMenu(menu);
  button->setPopupMode(QToolButton::InstantPopup);
  return button;
}

void TQBToolStrip::AddSeparator() {
  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::VLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setFixedSize(7, 22);
  FLayout->addWidget(line);
}

bool TQBToolStrip::Wrap() const { return FLayout->Wrap(); }

void TQBToolStrip::SetWrap(bool wrap) {
  FLayout->SetWrap(wrap);
  setSizePolicy(QSizePolicy::Ignored, wrap ? QSizePolicy::Preferred : QSizePolicy::Fixed);
  updateGeometry();
}
