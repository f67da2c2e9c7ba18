#include "dialogs/QBConfirmDialogs.h"

#include "dialogs/QBDialogLook.h"
#include "dialogs/QBShortenPath.h"
#include "view/QBLogSave.h"

#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The common frame of the two dialogs; returns the frame's text label.
QLabel* Build(QDialog& dialog, qbdialogs::TMessageIcon icon, const QString& text, QSize textArea,
              std::initializer_list<QPushButton*> buttons) {
  dialog.setWindowTitle(QString::fromLatin1(qbdialogs::Caption));
  qbdialogs::ApplyDialogLook(dialog);
  QFrame* frame = qbdialogs::NewContentFrame(&dialog);
  QLabel* label = qbdialogs::FillMessageArea(*frame, icon, text, textArea);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(frame);
  layout->addLayout(qbdialogs::ButtonRow(buttons));
  layout->setSizeConstraint(QLayout::SetFixedSize);  // not resizable
  return label;
}

void ShowReport(const QString& text, QWidget* control) {
  TFrmInvalidLog dialog(text, control ? control->window() : nullptr);
  qbdialogs::PlaceDialog(dialog, control);
  dialog.exec();
}

QString ShortPath(const QString& path) {
  return QBShortenPath(QDir::toNativeSeparators(path), qbdialogs::DialogFont(), TFrmInvalidLog::TextWidth);
}

}  // namespace

TFrmYesNoCancel::TFrmYesNoCancel(const QString& text, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmYesNoCancel"));
  // The question stays above other windows while it waits.
  setWindowFlag(Qt::WindowStaysOnTopHint);
  QPushButton* yes = qbdialogs::NewButton(QStringLiteral("&Yes"), QStringLiteral("btnYes"), this);
  QPushButton* no = qbdialogs::NewButton(QStringLiteral("&No"), QStringLiteral("btnNo"), this);
  QPushButton* cancel = qbdialogs::NewButton(QStringLiteral("Cancel"), QStringLiteral("btnCancel"), this);
  yes->setDefault(true);
  connect(yes, &QPushButton::clicked, this, [this] { Answered(qbAnswerYes); });
  connect(no, &QPushButton::clicked, this, [this] { Answered(qbAnswerNo); });
  connect(cancel, &QPushButton::clicked, this, [this] { Answered(qbAnswerCancel); });
  FText = Build(*this, qbdialogs::TMessageIcon::Question, text, QSize(273, 85), {yes, no, cancel});
}

QString TFrmYesNoCancel::Text() const { return FText->text(); }

void TFrmYesNoCancel::Answered(int answer) {
  FAnswer = answer;
  done(answer);
}

void TFrmYesNoCancel::keyPressEvent(QKeyEvent* event) {
  // Escape answers Cancel, the answer that changes nothing.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    Answered(qbAnswerCancel);
    return;
  }
  QDialog::keyPressEvent(event);
}

int AskYesNoCancel(QWidget* control, const QString& text) {
  TFrmYesNoCancel dialog(text, control ? control->window() : nullptr);
  qbdialogs::PlaceDialog(dialog, control);
  dialog.exec();
  return dialog.Answer();
}

TFrmInvalidLog::TFrmInvalidLog(const QString& text, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmInvalidLog"));
  QPushButton* ok = qbdialogs::NewButton(QStringLiteral("OK"), QStringLiteral("btnOK"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  FText = Build(*this, qbdialogs::TMessageIcon::Error, text, QSize(TextWidth, 93), {ok});
}

QString TFrmInvalidLog::Text() const { return FText->text(); }

QString InvalidLogText(const QString& shortPath) {
  return QStringLiteral("The following log file contains invalid messages:\r%1\r\rThis may be the result of one of the "
                        "following:\r  - The file is not a valid Quillbox log file\r  - The file is corrupt\r  - The "
                        "file was saved using Quillbox 1")
      .arg(shortPath);
}


void ReportInvalidLog(const QString& path, QWidget* control) { ShowReport(InvalidLogText(ShortPath(path)), control); }

void ReportSaveFailure(int messageNumber, const QString& path, QWidget* view) {
  ShowReport(SaveFailureMessage(messageNumber, ShortPath(path)), view);
}
