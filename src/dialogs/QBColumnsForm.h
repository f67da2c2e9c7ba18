#pragma once
// The column chooser "Select Message Columns": the column controls of the options dialog's "Columns"
// page with OK and Cancel at the right.

#include "settings/QBColumnChoice.h"

#include <QDialog>

class TQBColumnControls;

class TFrmColumns : public QDialog {
  Q_OBJECT
public:
  explicit TFrmColumns(QWidget* parent);
  TQBColumnControls* Columns() const { return FColumns; }

  // Shows the chooser over control (the main window) loaded from columns; the choice when confirmed.
  static bool Execute(QWidget* control, TQBColumnSet columns, TQBColumnChoice& choice);

private:
  TQBColumnControls* FColumns = nullptr;
};
