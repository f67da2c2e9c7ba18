#pragma once
// The clear confirmation: "Clear All Messages from the Current View?" with a box that widens the clear
// to every view, or "Clear All Messages from ALL Views?" when the caller already clears them all.

#include <QDialog>

class QCheckBox;
class QLabel;

class TFrmConfirmClearView : public QDialog {
  Q_OBJECT
public:
  // all: whether the caller clears every view; the box is offered only for the current view of many.
  TFrmConfirmClearView(bool all, int viewCount, QWidget* parent = nullptr);
  QString Text() const;
  QCheckBox* ClearAllBox() const { return FClearAll; }
  bool ClearAll() const;

private:
  QLabel* FText = nullptr;
  QCheckBox* FClearAll = nullptr;
};

// Asks over the views area (on the main window's monitor while it is minimized); all takes the box's
// state. True for Yes.
bool ConfirmClearView(QWidget* viewsArea, int viewCount, bool& all);
