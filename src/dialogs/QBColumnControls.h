#pragma once
// The column controls that the options dialog's "Columns" page, the column chooser and the print
// dialog share: the boxes Category, Application Name, Computer Name, Process ID, Thread and Log in a
// left column; Date, Time and, indented under Time, the three time radio buttons in a right column; the
// buttons "All Columns" and "Message Text Only" below them or at the right. The controls follow the
// time rule of TQBColumnChoice.

#include "settings/QBColumnChoice.h"

#include <QWidget>

class QCheckBox;
class QPushButton;
class QRadioButton;

class TQBColumnControls : public QWidget {
  Q_OBJECT
public:
  enum class TButtons { Below, Right };
  TQBColumnControls(TButtons buttons, QWidget* parent);

  // Loads the controls from a column set.
  void Load(TQBColumnSet columns);
  // The state of the controls.
  TQBColumnChoice Choice() const;

  QCheckBox* Box(TQBColumnSet flag) const;  // colCategory .. colDate, colLog
  QCheckBox* TimeBox() const { return FTime; }
  QRadioButton* Radio(TQBColumnSet timeFlag) const;
  QPushButton* AllColumns() const { return FAll; }
  QPushButton* MessageTextOnly() const { return FTextOnly; }

private:
  void Show(const TQBColumnChoice& choice);
  void TimeClicked(bool on);
  void SetAll(bool on);

  QCheckBox* FCategory = nullptr;
  QCheckBox* FAppName = nullptr;
  QCheckBox* FComputerName = nullptr;
  QCheckBox* FProcessID = nullptr;
  QCheckBox* FThreadName = nullptr;
  QCheckBox* FLog = nullptr;
  QCheckBox* FDate = nullptr;
  QCheckBox* FTime = nullptr;
  QRadioButton* FTimeStamp = nullptr;
  QRadioButton* FTimeDiff = nullptr;
  QRadioButton* FTimeOffset = nullptr;
  QPushButton* FAll = nullptr;
  QPushButton* FTextOnly = nullptr;
};
