#pragma once
// The print dialog. Its full form ("Print Quillbox Messages") prepares the printing of a view: title,
// printer, whether only the selected messages print, the font size and the columns of this one job.
// Its short form ("Print Inspector Contents") asks for the title and the printer only.
//
// The printer is the shared printer (view/widgets/QBSharedPrinter): "Change Printer..." changes it
// for all later printing. With no printer installed the shared printer writes a PDF file; the dialog
// names that file and "Change Printer..." chooses another.

#include "view/QBColumns.h"

#include <QDialog>
#include <QString>

#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QSpinBox;
class TQBColumnControls;

class TFrmPrint : public QDialog {
  Q_OBJECT
public:
  enum class TForm { Messages, Inspector };
  TFrmPrint(TForm form, QPrinter& printer, QWidget* parent);

  QLineEdit* Title() const { return FTitle; }
  QLabel* Printer() const { return FPrinterName; }
  QPushButton* ChangePrinter() const { return FChangePrinter; }
  QCheckBox* PrintSelected() const { return FPrintSelected; }
  QLabel* NoSelection() const { return FNoSelection; }
  QSpinBox* FontSize() const { return FFontSize; }
  QGroupBox* ColumnsGroup() const { return FColumnsGroup; }
  TQBColumnControls* Columns() const { return FColumns; }

  // How "Change Printer..." asks for the printer (or, without an installed printer, for the PDF
  // file); false when cancelled. Tests replace it.
  using TPrinterChooser = std::function<bool(QWidget* parent, QPrinter& printer)>;
  static void SetPrinterChooser(TPrinterChooser chooser);

private:
  void OnChangePrinter();
  void ShowPrinter();

  QPrinter& FPrinter;
  QLineEdit* FTitle = nullptr;
  QLabel* FPrinterName = nullptr;
  QPushButton* FChangePrinter = nullptr;
  QCheckBox* FPrintSelected = nullptr;
  QLabel* FNoSelection = nullptr;
  QSpinBox* FFontSize = nullptr;
  QGroupBox* FColumnsGroup = nullptr;
  TQBColumnControls* FColumns = nullptr;
};

// The full form over control (the views area). title, printSelection, columns and fontSize go in and,
// on OK, come back: the title with " (Selection)" when only the selection prints, the columns built
// anew from the controls. On Cancel nothing changes. Returns whether the user confirmed.
bool RunMessagePrintDialog(QString& title, bool hasSelection, bool& printSelection, QWidget* control,
                           TQBColumnSet& columns, int& fontSize);
// The short form over control; on OK the title is the edited one. Returns whether the user confirmed.
bool RunInspectorPrintDialog(QString& title, QWidget* control);
