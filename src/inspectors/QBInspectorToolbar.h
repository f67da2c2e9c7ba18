#pragma once
// pnlInspectorToolbar: the strip at the top of the inspector pane. Left the type tab, in the middle
// the inspectors' button panels stacked on one another (only the visible inspector's is shown), right
// the standard buttons of the pane.

#include "inspectors/QBGradientPanel.h"

class QGridLayout;
class QToolButton;
class TQBMsgTypeTab;

class TQBInspectorToolbar : public TQBGradientPanel {
  Q_OBJECT
public:
  explicit TQBInspectorToolbar(QWidget* parent = nullptr);

  TQBMsgTypeTab* MsgTypeTab() const { return FMsgType; }
  // Places an inspector's button panel in the stack; it fills the free middle space.
  void AddButtonPanel(QWidget* panel);
  QWidget* StandardButtons() const { return FStandard; }
  QToolButton* CopyButton() const { return FCopy; }
  QToolButton* PrintButton() const { return FPrint; }
  QToolButton* OnBottomButton() const { return FOnBottom; }
  QToolButton* FullSizeButton() const { return FFullSize; }

private:
  void CreateStandardButtons();

  TQBMsgTypeTab* FMsgType;
  QWidget* FPanels;
  QGridLayout* FPanelStack;
  QWidget* FStandard = nullptr;
  QToolButton* FCopy = nullptr;
  QToolButton* FPrint = nullptr;
  QToolButton* FOnBottom = nullptr;
  QToolButton* FFullSize = nullptr;
};
