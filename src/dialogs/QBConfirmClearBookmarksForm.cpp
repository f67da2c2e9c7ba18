#include "dialogs/QBConfirmClearBookmarksForm.h"

#include "dialogs/QBDialogLook.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

TFrmConfirmClearBookmarks::TFrmConfirmClearBookmarks(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmConfirmClearBookmarks"));
  setWindowTitle(QString::fromLatin1(qbdialogs::Caption));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  qbdialogs::ApplyDialogLook(*this);
  QFrame* frame = qbdialogs::NewMessageFrame(this, QStyle::SP_MessageBoxQuestion,
                                             QStringLiteral("Remove All bookmarks from the the current view?"),
                                             QSize(260, 32), &FText);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  layout->addLayout(qbdialogs::YesNoRow(*this));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TFrmConfirmClearBookmarks::Text() const { return FText->text(); }

bool ConfirmClearBookmarks(QWidget* viewsArea) {
  TFrmConfirmClearBookmarks dialog(viewsArea ? viewsArea->window() : nullptr);
  qbdialogs::PlaceDialog(dialog, viewsArea);
  return dialog.exec() == QDialog::Accepted;
}
