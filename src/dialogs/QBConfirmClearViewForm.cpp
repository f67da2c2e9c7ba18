#include "dialogs/QBConfirmClearViewForm.h"

#include "dialogs/QBDialogLook.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

TFrmConfirmClearView::TFrmConfirmClearView(bool all, int viewCount, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmConfirmClearView"));
  setWindowTitle(QString::fromLatin1(qbdialogs::Caption));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  qbdialogs::ApplyDialogLook(*this);

  const QString text = all ? QStringLiteral("Clear All Messages from ALL Views?")
                           : QStringLiteral("Clear All Messages from the Current View?");
  FClearAll = new QCheckBox(QStringLiteral("&Clear ALL Views"));
  FClearAll->setObjectName(QStringLiteral("chkClearAll"));
  FClearAll->setChecked(all);
  // A clear of everything needs no widening, and one view is all views.
  FClearAll->setVisible(!all && viewCount > 1);
  QFrame* frame =
      qbdialogs::NewMessageFrame(this, QStyle::SP_MessageBoxQuestion, text, QSize(260, 32), &FText, FClearAll);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  layout->addLayout(qbdialogs::YesNoRow(*this));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TFrmConfirmClearView::Text() const { return FText->text(); }

bool TFrmConfirmClearView::ClearAll() const { return FClearAll->isChecked(); }

bool ConfirmClearView(QWidget* viewsArea, int viewCount, bool& all) {
  QWidget* window = viewsArea ? viewsArea->window() : nullptr;
  TFrmConfirmClearView dialog(all, viewCount, window);
  if (window && window->isMinimized()) {
    // The command may come from the window menu of a minimized window: use that window's monitor.
    if (QScreen* screen = window->screen()) {
      dialog.resize(dialog.sizeHint());
      dialog.move(qbdialogs::PlacedRect(dialog.size(), screen->geometry(), screen->geometry()).topLeft());
    }
  } else {
    qbdialogs::PlaceDialog(dialog, viewsArea);
  }
  const bool yes = dialog.exec() == QDialog::Accepted;
  all = dialog.ClearAll();
  return yes;
}
