#include "dialogs/QBConfirmDialogs.h"

#include "dialogs/QBDialogLook.h"
#include "dialogs/QBShortenPath.h"
#include "view/QBLogSave.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The report's frame and its OK button row; returns the frame's text label.
QLabel* Build(QDialog& dialog, const QString& text, QSize textArea, std::initializer_list<QPushButton*> buttons) {
  dialog.setWindowTitle(QString::fromLatin1(qbdialogs::Caption));
  qbdialogs::ApplyDialogLook(dialog);
  QLabel* label = nullptr;
  QFrame* frame = qbdialogs::NewMessageFrame(&dialog, QStyle::SP_MessageBoxCritical, text, textArea, &label);
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

TFrmInvalidLog::TFrmInvalidLog(const QString& text, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmInvalidLog"));
  QPushButton* ok = qbdialogs::NewButton(QStringLiteral("OK"), QStringLiteral("btnOK"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  FText = Build(*this, text, QSize(TextWidth, 93), {ok});
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
