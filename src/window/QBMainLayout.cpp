#include "window/QBMainLayout.h"

#include "inspectors/QBCallStackList.h"
#include "window/areas/QBDetailPanel.h"
#include "window/QBTabStrip.h"
#include "window/areas/QBTimelinePanel.h"
#include "window/QBToolStrip.h"

#include <QFrame>
#include <QLabel>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

constexpr int kSplitterBar = 7;

template <typename W>
W* Named(W* widget, const char* name, const QString& accessible) {
  widget->setObjectName(QLatin1String(name));
  widget->setAccessibleName(accessible);
  return widget;
}

QSplitter* NewSplitter(Qt::Orientation orientation, const char* name, const QString& accessible) {
  auto* splitter = Named(new QSplitter(orientation), name, accessible);
  splitter->setHandleWidth(kSplitterBar);
  splitter->setOpaqueResize(true);
  splitter->setChildrenCollapsible(false);
  return splitter;
}

QVBoxLayout* TightColumn(QWidget* widget) {
  auto* column = new QVBoxLayout(widget);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  return column;
}

}  // namespace

TQBMainLayout::TQBMainLayout(QWidget* parent) : QObject(parent) {
  FRoot = Named(new QWidget(parent), "pnlRoot", QStringLiteral("Quillbox File Viewer"));
  auto* root = TightColumn(FRoot);
  FMainToolBar = Named(new TQBToolStrip(FRoot), "tbMain", QStringLiteral("Main toolbar"));
  root->addWidget(FMainToolBar);
  auto* rule = new QFrame(FRoot);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  root->addWidget(rule);
  FClient = Named(new QWidget(FRoot), "pnlClient", QStringLiteral("Client area"));
  root->addWidget(FClient, 1);
  auto* client = TightColumn(FClient);
  client->setContentsMargins(4, 4, 4, 4);

  FSplMain = NewSplitter(Qt::Horizontal, "splMain", QStringLiteral("Message list and inspector divider"));
  FSplLeft = NewSplitter(Qt::Vertical, "splLeft", QStringLiteral("Message list and lower inspector divider"));
  FSplRight = NewSplitter(Qt::Vertical, "splRight", QStringLiteral("Inspector and call stack divider"));

  FSplLeft->addWidget(BuildMessageSide());
  FSplRight->addWidget(BuildCallStack());

  FSplMain->addWidget(FSplLeft);
  FSplMain->addWidget(FSplRight);
  FSplMain->setStretchFactor(0, 1);
  FSplMain->setStretchFactor(1, 0);
  client->addWidget(FSplMain);
}

void TQBMainLayout::SetInspectorPane(QWidget* pane) {
  // The inspector pane starts on the right, above the call stack.
  FInspector = pane;
  FInspector->setMinimumSize(120, 80);
  FSplRight->insertWidget(0, FInspector);
  FSplRight->setStretchFactor(0, 1);
  FSplRight->setStretchFactor(1, 0);
}

QWidget* TQBMainLayout::BuildMessageSide() {
  FMessages = Named(new QWidget, "pnlMessages", QStringLiteral("Messages"));
  auto* column = TightColumn(FMessages);
  FViewToolBar = Named(new TQBToolStrip(FMessages), "tbView", QStringLiteral("View toolbar"));
  column->addWidget(FViewToolBar);
  FTimeline = new TQBTimelinePanel(FMessages);
  FTimeline->hide();
  column->addWidget(FTimeline);
  FPages = Named(new QStackedWidget(FMessages), "nbViews", QStringLiteral("Views"));
  column->addWidget(FPages, 1);
  FTabs = Named(new TQBTabStrip(FMessages), "tabViews", QStringLiteral("View tabs"));
  FTabs->setShape(QTabBar::RoundedSouth);
  FTabs->setDrawBase(true);
  FTabs->setExpanding(false);
  FTabs->hide();
  column->addWidget(FTabs);
  // The message detail panel is embedded here when it is built; until then it is an empty frame.
  FDetail = new TQBDetailPanel(FMessages);
  FDetail->hide();
  column->addWidget(FDetail);
  return FMessages;
}

QWidget* TQBMainLayout::BuildCallStack() {
  FCallStack = Named(new QWidget, "pnlCallStack", QStringLiteral("Call stack"));
  auto* column = TightColumn(FCallStack);
  FCallStackHeader = Named(new QLabel(QStringLiteral("Call Stack"), FCallStack), "lblCallStack",
                           QStringLiteral("Call Stack"));
  FCallStackHeader->setIndent(4);
  FCallStackHeader->setAutoFillBackground(true);
  FCallStackHeader->setFrameShape(QFrame::StyledPanel);
  column->addWidget(FCallStackHeader);
  FCallStackList = new TQBCallStackList(FCallStack);
  column->addWidget(FCallStackList, 1);
  return FCallStack;
}

void TQBMainLayout::Apply(const TQBPaneFlags& flags) {
  QSplitter* home = flags.InspectorOnBottom ? FSplLeft : FSplRight;
  if (FInspector->parentWidget() != home) home->insertWidget(flags.InspectorOnBottom ? 1 : 0, FInspector);
  const bool callStack = flags.CallStack && !flags.FullSize;
  const bool messages = !flags.FullSize;
  FInspector->setVisible(flags.Inspector);
  FCallStack->setVisible(callStack);
  FMessages->setVisible(messages);
  FDetail->setVisible(flags.DetailPanel);
  FTimeline->setVisible(flags.Timeline);
  FSplLeft->setVisible(messages || (flags.InspectorOnBottom && flags.Inspector));
  FSplRight->setVisible((flags.Inspector && !flags.InspectorOnBottom) || callStack);
}

void TQBMainLayout::SetRowHeight(int rowHeight) {
  FRowHeight = rowHeight;
  FTabs->setFixedHeight(rowHeight + 10);
  FCallStackHeader->setFixedHeight(rowHeight + 1);
  RestyleTabs();
}

void TQBMainLayout::SetTabColors(const QColor& unselected, const QColor& shadow) {
  FTabColor = unselected.name();
  FTabShadow = shadow.name();
  RestyleTabs();
}

void TQBMainLayout::RestyleTabs() {
  // The tab strip is the one place the layout draws its own look: its height follows the row height
  // and the unselected tabs take the panel shade.
  QString sheet = QStringLiteral("QTabBar::tab { height: %1px; padding: 0 12px; }").arg(FRowHeight + 6);
  if (!FTabColor.isEmpty())
    sheet += QStringLiteral("QTabBar::tab:!selected { background: %1; border: 1px solid %2; border-top: none; }")
                 .arg(FTabColor, FTabShadow);
  FTabs->setStyleSheet(sheet);
}

void TQBMainLayout::SetMainShare(double share) {
  const int total = FSplMain->width() > 0 ? FSplMain->width() : 800;
  const int left = int(total * share);
  FSplMain->setSizes({left, total - left});
}
