#pragma once
// The progress of a print job: a small window, modal over the whole program, with the share of rows
// printed and a Cancel button. While it shows, the program's other windows repaint but take no input,
// so no command can change or close what is being printed; Cancel (or Escape, or its close box) ends
// the job at the next row.

#include "view/QBPrintReport.h"

#include <QElapsedTimer>
#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

class TQBPrintProgressDialog final : public IQBPrintProgress {
public:
  // over: the view being printed; title: the job's title.
  TQBPrintProgressDialog(QWidget* over, const QString& title);
  ~TQBPrintProgressDialog() override;

  void Start(int total) override;
  bool Step() override;

  QProgressDialog* Dialog() const { return FDialog.get(); }

private:
  // Lets the windows repaint and the Cancel button react, at most every few milliseconds: events are
  // the slowest part of a step.
  void ProcessEvents();

  std::unique_ptr<QProgressDialog> FDialog;
  QElapsedTimer FSinceEvents;
  int FDone = 0;
};
