// The areas' dialogs as the user sees them: modal, in the program's dialog look, centred over the
// control they are about.

#include "shell/widgets/QBErrorReport.h"
#include "shell/widgets/QBInspectorDialogs.h"
#include "shell/widgets/QBLogDialogs.h"
#include "shell/widgets/QBSearchDialogs.h"

#include "dialogs/QBDialogLook.h"
#include "dialogs/QBGoToTimeForm.h"
#include "inspectors/QBPrintJob.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>

namespace {

const QString DialogCaption = QString::fromLatin1(qbdialogs::Caption);

// Texts use "\r" line breaks; a plain-text label wants "\n".
QString LinesOf(QString text) { return text.replace(QLatin1Char('\r'), QLatin1Char('\n')); }

int ExecPlaced(QMessageBox& box, QWidget* over) {
  box.setTextFormat(Qt::PlainText);
  qbdialogs::ApplyDialogLook(box);
  box.adjustSize();
  qbdialogs::PlaceDialog(box, over);
  return box.exec();
}

void ShowErrorBox(QWidget* over, const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::Critical, caption, LinesOf(text), QMessageBox::Ok, over);
  box.setObjectName(QStringLiteral("FrmDisplayMessage"));
  ExecPlaced(box, over);
}

class TErrorReport final : public IQBErrorReport {
public:
  void ShowError(QWidget* over, const QString& caption, const QString& text) override {
    ShowErrorBox(over, caption, text);
  }
};

class TLogDialogs final : public IQBLogDialogs {
public:
  int AskYesNoCancel(QWidget* over, const QString& text) override {
    QMessageBox box(QMessageBox::Question, DialogCaption, LinesOf(text), QMessageBox::NoButton, over);
    box.setObjectName(QStringLiteral("FrmYesNoCancel"));
    // The question stays above other windows while it waits.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    yes->setObjectName(QStringLiteral("btnYes"));
    no->setObjectName(QStringLiteral("btnNo"));
    cancel->setObjectName(QStringLiteral("btnCancel"));
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    ExecPlaced(box, over);
    if (box.clickedButton() == yes) return 6;
    return box.clickedButton() == no ? 7 : 2;
  }

  QString OpenFileName(QWidget* parent, const QString& title, const QString& dir) override {
    QFileDialog dialog(parent, title, dir, QStringLiteral("Quillbox Log Files (*.qbl)"));
    dialog.setObjectName(QStringLiteral("dlgOpenLog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("qbl"));
    dialog.setSizeGripEnabled(true);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().front()
                                                                                  : QString();
  }

  QString SaveFileName(QWidget* parent, const QString& title, const QString& dir, const QString& filter,
                       const QString& suffix, QString* chosenFilter) override {
    QFileDialog dialog(parent, title, dir, filter);
    dialog.setObjectName(QStringLiteral("dlgSaveLog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    dialog.setSizeGripEnabled(true);
    // The suffix follows the chosen file type: "Text Files" saves "name.txt".
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& chosen) {
      const qsizetype star = chosen.indexOf(QStringLiteral("*."));
      if (star >= 0) dialog.setDefaultSuffix(chosen.mid(star + 2).section(QLatin1Char(')'), 0, 0).trimmed());
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    if (chosenFilter) *chosenFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().front();
  }

  void ShowError(QWidget* over, const QString& caption, const QString& text) override {
    ShowErrorBox(over, caption, text);
  }
};

class TInspectorDialogs final : public IQBInspectorDialogs {
public:
  bool AskInspectorPrintTitle(QWidget* over, QString& title) override {
    // Until the program's own print dialog is built, the toolkit's printer choice stands in for it; the
    // proposed title is printed as it is.
    Q_UNUSED(title);
    QPrintDialog dialog(&QBSharedPrinter(), over);
    dialog.setObjectName(QStringLiteral("FrmPrint"));
    return dialog.exec() == QDialog::Accepted;
  }
};

}  // namespace

std::unique_ptr<IQBErrorReport> NewErrorReport() { return std::make_unique<TErrorReport>(); }
std::unique_ptr<IQBLogDialogs> NewLogDialogs() { return std::make_unique<TLogDialogs>(); }
std::unique_ptr<IQBInspectorDialogs> NewInspectorDialogs() { return std::make_unique<TInspectorDialogs>(); }

namespace {
class TSearchDialogs final : public IQBSearchDialogs {
public:
  bool AskTime(QWidget* over, TQBTimeStamp& value) override { return TFrmGoToTime::Execute(over, value); }
};
}  // namespace

std::unique_ptr<IQBSearchDialogs> NewSearchDialogs() { return std::make_unique<TSearchDialogs>(); }
