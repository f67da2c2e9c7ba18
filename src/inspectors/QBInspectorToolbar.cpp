#include "inspectors/QBInspectorToolbar.h"

#include "inspectors/QBMsgTypeTab.h"
#include "inspectors/QBToolButtons.h"

#include <QGridLayout>
#include <QHBoxLayout>

TQBInspectorToolbar::TQBInspectorToolbar(QWidget* parent)
    : TQBGradientPanel(parent), FMsgType(new TQBMsgTypeTab(this)), FPanels(new QWidget(this)),
      FPanelStack(new QGridLayout(FPanels)) {
  setObjectName(QStringLiteral("pnlInspectorToolbar"));
  setAccessibleName(QStringLiteral("Inspector Toolbar"));
  setFixedHeight(29);
  SetBorderSides(Qt::BottomEdge);
  FPanelStack->setContentsMargins(0, 0, 0, 0);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 1);
  row->setSpacing(0);
  row->addWidget(FMsgType);
  row->addWidget(FPanels, 1);
  CreateStandardButtons();
  row->addWidget(FStandard);
}

void TQBInspectorToolbar::AddButtonPanel(QWidget* panel) {
  panel->setParent(FPanels);
  FPanelStack->addWidget(panel, 0, 0);
}

void TQBInspectorToolbar::CreateStandardButtons() {
  FStandard = new QWidget(this);
  FStandard->setObjectName(QStringLiteral("pnlStandardInspectorButtons"));
  FStandard->setFixedWidth(112);
  SetUpButtonRow(FStandard);
  FStandard->layout()->setContentsMargins(0, 2, 4, 0);
  FCopy = AddToolButton(FStandard, QStringLiteral("Copy Inspector Contents"), -1, false);
  FCopy->setObjectName(QStringLiteral("btnCopyInspectorContents"));
  FPrint = AddToolButton(FStandard, QStringLiteral("Print Inspector Contents"), -1, false);
  FPrint->setObjectName(QStringLiteral("btnPrintInspectorContents"));
  AddButtonGroove(FStandard);
  FOnBottom = AddToolButton(FStandard, QStringLiteral("Inspector on Bottom"), -1, true);
  FOnBottom->setObjectName(QStringLiteral("btnInspectorOnBottom"));
  AddButtonGap(FStandard, 1);
  FFullSize = AddToolButton(FStandard, QStringLiteral("Full Size Inspector"), -1, true);
  FFullSize->setObjectName(QStringLiteral("btnFullSizeInspector"));
}
