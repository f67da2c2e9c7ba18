// TFrmViewer: the layout commands (panes, toolbars, always on top), the column commands, the window
// position commands and help.

#include "shell/widgets/QBMainForm.h"

#include "inspectors/QBCallStackList.h"
#include "inspectors/QBInspectorPane.h"
#include "shell/QBLayoutRules.h"
#include "shell/widgets/QBToolStrip.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontMetrics>
#include <QScreen>
#include <QGuiApplication>
#include <QLabel>
#include <QTabBar>
#include <QUrl>

void TFrmViewer::ConnectLayoutCommands() {
  Handle(TQBCmd::ViewInspector, [this] { OnViewInspector(); });
  Handle(TQBCmd::FullSizeInspector, [this] { OnFullSizeInspector(); });
  Handle(TQBCmd::InspectorOnBottom, [this] { ToggleDisplayFlag(&TQBDisplaySettings::InspectorOnBottom); });
  Handle(TQBCmd::ViewCallStack, [this] { ToggleDisplayFlag(&TQBDisplaySettings::CallStack); });
  Handle(TQBCmd::ViewDetailPanel, [this] { ToggleDisplayFlag(&TQBDisplaySettings::DetailPanel); });
  Handle(TQBCmd::WrapButtons, [this] {
    FSettings.Display.WrapButtons = !FSettings.Display.WrapButtons;
    ApplyWrapButtons();
    UpdateCommands();
  });
  Handle(TQBCmd::AlwaysOnTop, [this] {
    FSettings.Display.AlwaysOnTop = !FSettings.Display.AlwaysOnTop;
    OnAlwaysOnTop();
    UpdateCommands();
  });
  for (TQBCmd cmd : {TQBCmd::AllDetails, TQBCmd::ViewMsgOnly, TQBCmd::ViewCategory, TQBCmd::ViewAppName,
                     TQBCmd::ViewComputerName, TQBCmd::ViewProcessID, TQBCmd::ViewThread, TQBCmd::ViewDate,
                     TQBCmd::ViewTimeStamp, TQBCmd::ViewTimeDiff, TQBCmd::ViewTimeOffset})
    Handle(cmd, [this, cmd] { OnColumnCommand(cmd); });
  Handle(TQBCmd::HideExtraColumns, [this] { OnHideExtraColumns(); });
  Handle(TQBCmd::AutoCollapse, [this] { OnAutoCollapse(); });
  Handle(TQBCmd::FlattenStructure, [this] { OnFlatten(); });
  for (TQBCmd cmd : {TQBCmd::PosUpperLeft, TQBCmd::PosUpperRight, TQBCmd::PosLowerRight, TQBCmd::PosLowerLeft,
                     TQBCmd::PosLeft, TQBCmd::PosTop, TQBCmd::PosRight, TQBCmd::PosBottom})
    Handle(cmd, [this, cmd] { OnPosition(cmd); });
  Handle(TQBCmd::HelpProduct, [this] { OnHelp(QStringLiteral("Viewer")); });
  Handle(TQBCmd::HelpQuillbox, [this] { OnHelp(QStringLiteral("QuillboxLoggingSystem")); });
}

void TFrmViewer::ApplyPaneLayout() {
  const TQBDisplaySettings& d = FSettings.Display;
  FLayout->Apply({d.Inspector, d.CallStack, d.InspectorOnBottom, FFullSize, d.DetailPanel});
}

void TFrmViewer::ApplyRowHeight() {
  FRowHeight = qMax(15, QFontMetrics(FMessageFont).height());
  FLayout->SetRowHeight(FRowHeight);
  FLayout->Tabs()->setFont(FMessageFont);
  FLayout->CallStackHeader()->setFont(FMessageFont);
  FLayout->CallStackList()->setFont(FMessageFont);
}

void TFrmViewer::ToggleDisplayFlag(bool TQBDisplaySettings::*flag) {
  FSettings.Display.*flag = !(FSettings.Display.*flag);
  ApplyPaneLayout();
  UpdateCommands();
}

void TFrmViewer::OnViewInspector() {
  ToggleDisplayFlag(&TQBDisplaySettings::Inspector);
  // A hidden pane still inspects, with the string inspector whatever the type: look again.
  if (FocusedRow() >= 0) FPane->InspectFocusedMessage();
}

void TFrmViewer::OnFullSizeInspector() {
  FFullSize = !FFullSize;
  if (FFullSize) {
    FCallStackBeforeFullSize = FSettings.Display.CallStack;
    FSettings.Display.CallStack = false;
  } else {
    FSettings.Display.CallStack = FCallStackBeforeFullSize;
  }
  ApplyPaneLayout();
  if (!FFullSize && FCurrent.Widget) FCurrent.Widget->setFocus();
  UpdateCommands();
}

void TFrmViewer::ApplyWrapButtons() {
  FLayout->MainToolBar()->SetWrap(FSettings.Display.WrapButtons);
  FLayout->ViewToolBar()->SetWrap(FSettings.Display.WrapButtons);
}

void TFrmViewer::OnAlwaysOnTop() {
  const bool onTop = FSettings.Display.AlwaysOnTop;
  if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
  const bool shown = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  if (shown) show();  // changing a window flag hides the window
}

void TFrmViewer::OnColumnCommand(TQBCmd cmd) {
  FSettings.Display.Columns = qblayout::ApplyColumnCommand(FSettings.Display.Columns, cmd);
  FSettings.Display.HideExtraColumns = false;
  ReapplyViewSettings();
  UpdateCommands();
}

void TFrmViewer::OnHideExtraColumns() {
  FSettings.Display.HideExtraColumns = !FSettings.Display.HideExtraColumns;
  ReapplyViewSettings();
  UpdateCommands();
}

void TFrmViewer::OnAutoCollapse() {
  if (!FCurrent.View) return;
  FSettings.General.AutoCollapse = !FSettings.General.AutoCollapse;
  ReapplyViewSettings();
  UpdateCommands();
}

void TFrmViewer::OnFlatten() {
  if (!FCurrent.View) return;
  FSettings.General.FlattenStructure = !FSettings.General.FlattenStructure;
  ReapplyViewSettings();
  UpdateCommands();
}

void TFrmViewer::OnPosition(TQBCmd cmd) {
  QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect frame = frameGeometry();
  const auto rect = qblayout::PositionRect(cmd, screen->geometry(), frame.size());
  if (!rect) return;
  // The commands place the outer frame; the client size differs from it by the decorations.
  const QSize decoration = frame.size() - size();
  showNormal();
  move(rect->topLeft());
  resize(rect->size() - decoration);
}

void TFrmViewer::OnHelp(const QString& topic) {
  const QString file = FFolders.Install + QStringLiteral("Help/Quillbox4.chm");
  if (FFolders.Install.isEmpty() || !QFileInfo::exists(file)) {
    FDialogs->ShowError(this, QStringLiteral("Quillbox Help"),
                        QStringLiteral("Quillbox Help File (Quillbox4.chm) could not be found."));
    return;
  }
  // The desktop's help viewer gets the file; the topic address inside it is "::/<topic>.htm".
  Q_UNUSED(topic);
  QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}
