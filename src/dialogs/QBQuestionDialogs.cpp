#include "dialogs/QBQuestionDialogs.h"

#include "dialogs/QBDialogLook.h"
#include "shell/QBVocabulary.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

void FinishLayout(QDialog& dialog, QFrame* frame, std::initializer_list<QPushButton*> buttons) {
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(frame);
  layout->addLayout(qbdialogs::ButtonRow(buttons));
  layout->setSizeConstraint(QLayout::SetFixedSize);  // not resizable
}

}  // namespace

TFrmYesNoCancel::TFrmYesNoCancel(const QString& text, QWidget* parent) : QDialog(parent), FAnswer(qbCancel) {
  setObjectName(QStringLiteral("FrmYesNoCancel"));
  setWindowTitle(QString::fromLatin1(qbdialogs::Caption));
  // The question stays above other windows while it waits.
  setWindowFlag(Qt::WindowStaysOnTopHint);
  qbdialogs::ApplyDialogLook(*this);
  QFrame* frame = qbdialogs::NewMessageFrame(this, QStyle::SP_MessageBoxQuestion, text, QSize(273, 85), &FText);

  QPushButton* yes = qbdialogs::NewButton(QStringLiteral("&Yes"), QStringLiteral("btnYes"), this);
  QPushButton* no = qbdialogs::NewButton(QStringLiteral("&No"), QStringLiteral("btnNo"), this);
  QPushButton* cancel = qbdialogs::NewButton(QStringLiteral("Cancel"), QStringLiteral("btnCancel"), this);
  yes->setDefault(true);
  const auto answer = [this](int code) {
    FAnswer = code;
    done(code);
  };
  connect(yes, &QPushButton::clicked, this, [answer] { answer(qbYes); });
  connect(no, &QPushButton::clicked, this, [answer] { answer(qbNo); });
  // Escape and the close box reject the dialog, which leaves the answer at Cancel.
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  FinishLayout(*this, frame, {yes, no, cancel});
}

QString TFrmYesNoCancel::Text() const { return FText->text(); }

TFrmRemoveView::TFrmRemoveView(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmRemoveView"));
  setWindowTitle(QString::fromLatin1(qbdialogs::Caption));
  qbdialogs::ApplyDialogLook(*this);
  // Two lines of the dialog font.
  const int twoLines = 2 * fontMetrics().lineSpacing();
  QFrame* frame = qbdialogs::NewMessageFrame(this, QStyle::SP_MessageBoxQuestion, QStringLiteral("Remove All Views?"),
                                             QSize(200, twoLines), &FText);
  QPushButton* yes = qbdialogs::NewButton(QStringLiteral("&Yes"), QStringLiteral("btnYes"), this);
  QPushButton* no = qbdialogs::NewButton(QStringLiteral("&No"), QStringLiteral("btnNo"), this);
  yes->setDefault(true);
  connect(yes, &QPushButton::clicked, this, &QDialog::accept);
  connect(no, &QPushButton::clicked, this, &QDialog::reject);
  FinishLayout(*this, frame, {yes, no});
}

QString TFrmRemoveView::Text() const { return FText->text(); }

int AskYesNoCancel(QWidget* control, const QString& text) {
  TFrmYesNoCancel dialog(text, control ? control->window() : nullptr);
  qbdialogs::PlaceDialog(dialog, control);
  dialog.exec();
  return dialog.Answer();
}

int AskSaveBeforeLoad(QWidget* control) {
  return AskYesNoCancel(control, QStringLiteral("The current log file has been modified.\r\rWould you like to save "
                                                "the *current* log file before loading the *new* log file?\r\rTo "
                                                "cancel loading the log file, click the Cancel button."));
}

int AskSaveBeforeExit(QWidget* control) {
  return AskYesNoCancel(control, QStringLiteral("The current log file has been modified.\r\rWould you like to save "
                                                "the log file before exiting?"));
}

int AskSaveProjectChanges(QWidget* control) {
  return AskYesNoCancel(control, QStringLiteral("You have modified the views and/or filter criteria for the current "
                                                "project.\r\rWould you like to save these changes?"));
}

int AskSaveNewProject(QWidget* control) {
  return AskYesNoCancel(control, QStringLiteral("You have created additional views with filter criteria.\r\rWould "
                                                "you like to save these settings in a Quillbox Project File?"));
}

bool ConfirmRemoveAllViews(QWidget* viewsArea) {
  TFrmRemoveView dialog(viewsArea ? viewsArea->window() : nullptr);
  qbdialogs::PlaceDialog(dialog, viewsArea);
  return dialog.exec() == QDialog::Accepted;
}
