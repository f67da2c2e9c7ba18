#include "dialogs/QBPrintForm.h"

#include "dialogs/QBColumnControls.h"
#include "dialogs/QBDialogLook.h"
#include "view/widgets/QBSharedPrinter.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

bool ChoosePrinter(QWidget* parent, QPrinter& printer) {
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    // No printer to choose: the choice is the PDF file the printing writes.
    QFileDialog dialog(parent, QStringLiteral("Print to PDF File"), printer.outputFileName(),
                       QStringLiteral("PDF Files (*.pdf)"));
    dialog.setObjectName(QStringLiteral("dlgPrintToFile"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    QBSetPdfOutput(printer, dialog.selectedFiles().front());
    return true;
  }
  QPrintDialog dialog(&printer, parent);
  dialog.setObjectName(QStringLiteral("dlgPrinter"));
  return dialog.exec() == QDialog::Accepted;
}

TFrmPrint::TPrinterChooser& Chooser() {
  static TFrmPrint::TPrinterChooser chooser = ChoosePrinter;
  return chooser;
}

QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

void TFrmPrint::SetPrinterChooser(TPrinterChooser chooser) { Chooser() = chooser ? std::move(chooser) : ChoosePrinter; }

TFrmPrint::TFrmPrint(TForm form, QPrinter& printer, QWidget* parent) : QDialog(parent), FPrinter(printer) {
  const bool messages = form == TForm::Messages;
  setObjectName(QStringLiteral("FrmPrint"));
  setWindowTitle(messages ? QStringLiteral("Print Quillbox Messages") : QStringLiteral("Print Inspector Contents"));
  qbdialogs::ApplyDialogLook(*this);

  QFrame* frame = qbdialogs::NewContentFrame(this);
  FTitle = new QLineEdit(frame);
  FTitle->setObjectName(QStringLiteral("edtTitle"));
  FTitle->setAccessibleName(QStringLiteral("Title"));
  FTitle->setMinimumWidth(300);
  FPrinterName = new QLabel(frame);
  FPrinterName->setObjectName(QStringLiteral("stsPrinter"));
  FPrinterName->setAccessibleName(QStringLiteral("Printer"));
  FPrinterName->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  FPrinterName->setTextInteractionFlags(Qt::TextSelectableByMouse);
  FChangePrinter = new QPushButton(QStringLiteral("Change Printer..."), frame);
  FChangePrinter->setObjectName(QStringLiteral("btnChangePrinter"));
  FChangePrinter->setAccessibleName(QStringLiteral("Change Printer"));
  FPrintSelected = new QCheckBox(QStringLiteral("Print Selected Messages"), frame);
  FPrintSelected->setObjectName(QStringLiteral("chkPrintSelectedMsgs"));
  FPrintSelected->setAccessibleName(QStringLiteral("Print Selected Messages"));
  FNoSelection = new QLabel(QStringLiteral("No messages selected in view"), frame);
  FNoSelection->setObjectName(QStringLiteral("lblNoSelection"));
  FNoSelection->setStyleSheet(QStringLiteral("color: #800000;"));
  FNoSelection->hide();
  FFontSize = new QSpinBox(frame);
  FFontSize->setObjectName(QStringLiteral("spnFontSize"));
  FFontSize->setAccessibleName(QStringLiteral("Font Size"));
  FFontSize->setRange(6, 36);
  FColumnsGroup = new QGroupBox(QStringLiteral("Columns"), frame);
  FColumnsGroup->setObjectName(QStringLiteral("grpColumns"));
  FColumns = new TQBColumnControls(TQBColumnControls::TButtons::Right, FColumnsGroup);
  (new QVBoxLayout(FColumnsGroup))->addWidget(FColumns);

  auto* grid = new QGridLayout(frame);
  grid->addWidget(Caption(QStringLiteral("Title"), FTitle, frame), 0, 0);
  grid->addWidget(FTitle, 0, 1, 1, 2);
  grid->addWidget(Caption(QStringLiteral("Printer"), FChangePrinter, frame), 1, 0);
  grid->addWidget(FPrinterName, 1, 1);
  grid->addWidget(FChangePrinter, 1, 2);
  auto* selection = new QHBoxLayout;
  selection->addWidget(FPrintSelected);
  selection->addWidget(FNoSelection);
  selection->addStretch(1);
  grid->addLayout(selection, 2, 1, 1, 2);
  grid->addWidget(Caption(QStringLiteral("Font Size"), FFontSize, frame), 3, 0);
  grid->addWidget(FFontSize, 3, 1, Qt::AlignLeft);
  grid->addWidget(FColumnsGroup, 4, 0, 1, 3);
  grid->setColumnStretch(1, 1);
  // The short form hides the selection box and the columns: the dialog shrinks by their height and the
  // buttons move up with it.
  FPrintSelected->setVisible(messages);
  FColumnsGroup->setVisible(messages);

  QPushButton* ok = qbdialogs::NewButton(QStringLiteral("OK"), QStringLiteral("btnOk"), this);
  QPushButton* cancel = qbdialogs::NewButton(QStringLiteral("Cancel"), QStringLiteral("btnCancel"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(FChangePrinter, &QPushButton::clicked, this, &TFrmPrint::OnChangePrinter);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  layout->addLayout(qbdialogs::ButtonRow({ok, cancel}));
  layout->setSizeConstraint(QLayout::SetFixedSize);
  ShowPrinter();
}

void TFrmPrint::ShowPrinter() { FPrinterName->setText(QBPrinterDescription(FPrinter)); }

void TFrmPrint::OnChangePrinter() {
  if (Chooser()(this, FPrinter)) ShowPrinter();
}

bool RunMessagePrintDialog(QString& title, bool hasSelection, bool& printSelection, QWidget* control,
                           TQBColumnSet& columns, int& fontSize) {
  TFrmPrint dialog(TFrmPrint::TForm::Messages, QBSharedPrinter(), control ? control->window() : nullptr);
  dialog.Title()->setText(title);
  dialog.PrintSelected()->setChecked(hasSelection && printSelection);
  dialog.PrintSelected()->setEnabled(hasSelection);
  dialog.NoSelection()->setVisible(!hasSelection);
  dialog.FontSize()->setValue(fontSize);
  dialog.Columns()->Load(columns);
  qbdialogs::PlaceDialog(dialog, control);
  if (dialog.exec() != QDialog::Accepted) return false;
  const bool selectionOnly = dialog.PrintSelected()->isChecked();
  title = dialog.Title()->text() + (selectionOnly ? QStringLiteral(" (Selection)") : QString());
  printSelection = selectionOnly;
  fontSize = dialog.FontSize()->value();
  columns = dialog.Columns()->Choice().ToColumns();
  return true;
}

bool RunInspectorPrintDialog(QString& title, QWidget* control) {
  TFrmPrint dialog(TFrmPrint::TForm::Inspector, QBSharedPrinter(), control ? control->window() : nullptr);
  dialog.Title()->setText(title);
  qbdialogs::PlaceDialog(dialog, control);
  if (dialog.exec() != QDialog::Accepted) return false;
  title = dialog.Title()->text();
  return true;
}
