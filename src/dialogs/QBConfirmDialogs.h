#pragma once
// The report of an invalid log (also used when a log cannot be saved), in the common look of the
// program's message dialogs.

#include <QDialog>
#include <QString>

class QLabel;

class TFrmInvalidLog : public QDialog {
  Q_OBJECT
public:
  TFrmInvalidLog(const QString& text, QWidget* parent);
  QString Text() const;
  // The width the file path is shortened to, in the dialog's font.
  static constexpr int TextWidth = 309;

private:
  QLabel* FText = nullptr;
};

// A log that holds invalid messages was opened or appended; the path is shortened to fit.
void ReportInvalidLog(const QString& path, QWidget* control);
// Message number messageNumber could not be saved to path; centred over the view being saved.
void ReportSaveFailure(int messageNumber, const QString& path, QWidget* view);
// The invalid-log report's text, with the path already shortened.
QString InvalidLogText(const QString& shortPath);
