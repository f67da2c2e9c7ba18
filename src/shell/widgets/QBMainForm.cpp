// TFrmViewer: the creation steps, the window's events and the host interface's forwarding.

#include "shell/widgets/QBMainForm.h"

#include "QBResources.h"
#include "inspectors/QBCallStackList.h"
#include "inspectors/QBInspectorPane.h"
#include "inspectors/QBInspectorSet.h"
#include "inspectors/QBShades.h"
#include "plugins/widgets/QBPlugInManager.h"
#include "shell/QBHelpCommands.h"
#include "shell/QBLayoutCommands.h"
#include "shell/QBLogFollower.h"
#include "shell/QBMessageCommands.h"
#include "shell/QBSearchCommands.h"
#include "shell/widgets/QBFollowWindow.h"
#include "shell/widgets/QBInspectorHost.h"
#include "shell/widgets/QBLayoutWindow.h"
#include "shell/widgets/QBLogWindow.h"
#include "shell/widgets/QBMainLayout.h"
#include "shell/widgets/QBRecentFilesMenu.h"
#include "shell/widgets/QBStatusPanes.h"
#include "shell/widgets/QBToolStrip.h"
#include "shell/widgets/QBViewTabs.h"
#include "shell/widgets/QBWindowGeometry.h"
#include "view/widgets/QBColorValue.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QTabBar>
#include <QUrl>

namespace {

QStringList LocalFilesOf(const QMimeData* data) {
  QStringList files;
  if (!data || !data->hasUrls()) return files;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) files.append(url.toLocalFile());
  return files;
}

}  // namespace

TFrmViewer::TFrmViewer(TQBIniFile& ini, const TQBFolders& folders, const QStringList& args, TQBShellDialogs dialogs)
    : FIni(ini),
      FFolders(folders),
      FDialogs(std::move(dialogs)),
      FAdder(MessageSet),
      FModifiedObserver(FLog),
      FSelectionListeners(MessageSet),
      FDisplay(FSettings) {
  QBInitResources();
  setObjectName(QStringLiteral("FrmViewer"));
  setAccessibleName(QBApplicationTitle);
  // Commands change state only through UpdateCommands; there is no idle polling to switch off.
  ViewerHost = this;
  qbmsgviewdialogs::Install(&FMsgViewDialogs);
  BuildWindow();
  CreateAreas();
  ColourPanels();

  FLog.LastLogDir = FFolders.DefaultLogs;
  FSettings.Read(FIni);
  ApplySettings();
  FViews->CreateDefaultView();
  FStatus->SetProject(QStringLiteral("Project:"));

  setWindowTitle(QBApplicationTitle);
  for (TQBCmd hidden : {TQBCmd::ViewScratchPad, TQBCmd::BlockMessages, TQBCmd::AutoScroll})
    Action(hidden)->setVisible(false);
  Action(TQBCmd::Refresh)->setVisible(true);
  setAcceptDrops(true);
  ConnectCommands();
  UpdateCommands();
  FLogArea->PostCommandLine(args, [this] { emit CommandLineLoadDone(); });
}

void TFrmViewer::BuildWindow() {
  FCommands = new TQBCommandTable(this);
  addActions(QList<QAction*>(FCommands->Actions().begin(), FCommands->Actions().end()));
  FLayout = new TQBMainLayout(this);
  setCentralWidget(FLayout->Root());
  FMenus = BuildMenus(*this, *FCommands, *FLayout->MainToolBar(), *FLayout->ViewToolBar());
  FStatus = new TQBStatusPanes(statusBar());
  statusBar()->setFont(QFont(QStringLiteral("Tahoma"), 8));
  setFont(QFont(QStringLiteral("Verdana"), 8));
  for (TQBToolStrip* strip : {FLayout->MainToolBar(), FLayout->ViewToolBar()}) {
    strip->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(strip, &QWidget::customContextMenuRequested, this,
            [this, strip](const QPoint& at) { FMenus.System->popup(strip->mapToGlobal(at)); });
  }
  connect(qApp, &QGuiApplication::applicationStateChanged, this, &TFrmViewer::OnApplicationState);
}

void TFrmViewer::CreateAreas() {
  FViewTabs = new TQBViewTabs(*this, *FLayout->Tabs(), *FLayout->Pages(), FMenus);
  IQBViewsWindow& viewsWindow = *this;
  FViews = std::make_unique<TQBViewManager>(*FViewTabs, viewsWindow, MessageSet,
                                            InternalPlugInManager ? &InternalPlugInManager->CustomViews() : nullptr);
  FViewTabs->SetManager(FViews.get());

  FInspectorHost = std::make_unique<TQBInspectorHost>(TQBInspectorHost::TParts{
      *FViews, FSettings.Display, FLog, FSelectionListeners, *this, *FDialogs.Inspector, *FDialogs.Errors, *this});
  FPane = new TQBInspectorPane(*FInspectorHost);
  FPane->AdoptContentActions(Action(TQBCmd::CopyInspectorContents), Action(TQBCmd::PrintInspectorContents));
  FPane->SetLayoutActions(Action(TQBCmd::InspectorOnBottom), Action(TQBCmd::FullSizeInspector));
  FPane->SetCallStackList(FLayout->CallStackList());
  FInspectorHost->SetPane(FPane);
  FLayout->SetInspectorPane(FPane);
  const auto inspect = [this] { FInspectorHost->InspectFocusedMessage(); };

  FLogArea = std::make_unique<TQBLogWindow>(TQBLogWindow::TParts{
      *this, FLog, FAdder, *FViews, *this, *FStatus, *FDialogs.Log, *FDialogs.Errors, inspect});
  FLayoutWindow = std::make_unique<TQBLayoutWindow>(
      TQBLayoutWindow::TParts{*this, *FLayout, *FViews, *FViewTabs, *FDialogs.Errors, inspect});
  FLayoutCommands = std::make_unique<TQBLayoutCommands>(FSettings, *FLayoutWindow);
  FHelp = std::make_unique<TQBHelpCommands>(FFolders.Install, *FLayoutWindow);
  FMessageCommands = std::make_unique<TQBMessageCommands>(*FViews, FLog);
  IQBTimeQuestion& timeQuestion = *this;
  FSearch = std::make_unique<TQBSearchCommands>(*FViews, MessageSet, timeQuestion);
  FFollowWindow = std::make_unique<TQBFollowWindow>(TQBFollowWindow::TParts{
      *this, *FLogArea, *FViews, *this, *FDialogs.Errors, [this] { return FCommandsRunning > 0; }});
  FFollower = std::make_unique<TQBLogFollower>(FLog, FAdder, *FFollowWindow, FFollowWindow.get());
  FRecentFiles = std::make_unique<TQBRecentFilesMenu>(
      TQBRecentFilesMenu::TParts{*this, *FMenus.RecentFiles, *FLogArea, FIni, *FDialogs.Errors});
  FLogArea->Commands().AddListener(FFollower.get());
  FLogArea->Commands().AddListener(FRecentFiles.get());
  FGeometry = std::make_unique<TQBWindowGeometry>(*this, *FLayout, FSettings);

  // The adding path's observers, in their order: the views, then the modified flag.
  FAdder.AddObserver(FViews.get());
  FAdder.AddObserver(&FModifiedObserver);
  FInputSources = {FViews.get(), &FLogArea->Commands(), FLayoutCommands.get(), FInspectorHost.get(),
                   FFollower.get()};
}

void TFrmViewer::ColourPanels() {
  // The lighter shade of the button face colours the detail panel, the call stack header and the
  // unselected tabs; the tabs' border is 20 darker.
  const QColor shade10 = ButtonFaceShade(-10);
  FLayout->DetailPanel()->setStyleSheet(QStringLiteral("#pnlDetail { background: %1; }").arg(shade10.name()));
  FLayout->CallStackHeader()->setStyleSheet(QStringLiteral("background: %1;").arg(shade10.name()));
  FLayout->SetTabColors(shade10, ShadeOf(shade10, -20));
}

void TFrmViewer::ApplySettings() {
  ApplyFonts();
  if (!FSettings.General.LastLogDir.isEmpty() && QFileInfo(FSettings.General.LastLogDir).isDir())
    FLog.LastLogDir = FSettings.General.LastLogDir;
  FSearch->ReadSettings(FSettings);
  FFollower->SetOn(FSettings.General.FollowLogFile);
  FGeometry->Restore();
  TQBInspectorSet& inspectors = FPane->Inspectors();
  inspectors.SetValueColor(qbcolor::ToQColor(FDisplay.ValueColor()));
  inspectors.ApplyOptions(FSettings.Display.Inspectors);
  FLayoutCommands->ApplySettings();
}

void TFrmViewer::ApplyFonts() {
  FDisplay.ApplyFonts();
  const QFont& font = FDisplay.MessageFont();
  FLayout->SetRowHeight(FDisplay.RowHeight());
  FLayout->Tabs()->setFont(font);
  FLayout->CallStackHeader()->setFont(font);
  FLayout->CallStackList()->setFont(font);
  FPane->Inspectors().SetFonts(font, FDisplay.RowHeight(), FDisplay.InspectorFont(), FDisplay.InspectorFixedFont());
}

TFrmViewer::~TFrmViewer() {
  StoreSettings();
  FSettings.Write(FIni);
  // Following ends before anything it adds to goes.
  FFollower.reset();
  FAdder.RemoveObserver(FViews.get());
  FAdder.RemoveObserver(&FModifiedObserver);
  // The views go before the host interface they may call while being destroyed, and the pane before
  // its host.
  FViews->FreeViews();
  delete FPane;
  FPane = nullptr;
  if (ViewerHost == this) ViewerHost = nullptr;
  if (qbmsgviewdialogs::Installed() == &FMsgViewDialogs) qbmsgviewdialogs::Install(nullptr);
}

void TFrmViewer::StoreSettings() {
  FGeometry->Store();
  FSettings.General.LastLogDir = FLog.LastLogDir;
  FSettings.General.FollowLogFile = FFollower->IsOn();
  FSearch->WriteSettings(FSettings);
  FPane->Inspectors().StoreOptions(FSettings.Display.Inspectors);
}

void TFrmViewer::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The message list has the keyboard from the start, whatever panes are shown beside it.
  if (FGeometry->Shown()) FViewTabs->FocusCurrentView();
}

void TFrmViewer::closeEvent(QCloseEvent* event) {
  // A close that arrives while a file loads (a terminate signal) waits for the load to end.
  if (!FLogArea->CanClose([this] { close(); })) {
    event->ignore();
    return;
  }
  event->accept();
}

void TFrmViewer::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalFilesOf(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TFrmViewer::dropEvent(QDropEvent* event) {
  const QStringList files = LocalFilesOf(event->mimeData());
  if (files.isEmpty()) return;
  event->acceptProposedAction();
  activateWindow();
  raise();
  FLogArea->Drop(files);
}

QMenu* TFrmViewer::createPopupMenu() {
  // Linux windows have no system menu the program can extend; the right click on the menu bar offers
  // its two commands instead (the toolbars offer the same menu).
  QMenu* menu = QMainWindow::createPopupMenu();
  if (!menu) menu = new QMenu(this);
  QAction* first = menu->actions().isEmpty() ? nullptr : menu->actions().front();
  menu->insertActions(first, FMenus.System->actions());
  return menu;
}

void TFrmViewer::OnApplicationState(Qt::ApplicationState state) {
  const bool active = state == Qt::ApplicationActive;
  if (active) UpdateCommands();
  FViews->NotifyActivation(active);
}

bool TFrmViewer::LoadFile(const QString& path, bool append) { return FLogArea->LoadFile(path, append); }

void TFrmViewer::SelectionChanged() { FInspectorHost->SelectionChanged(); }

void TFrmViewer::ShowStatusText(const QString& text) {
  FStatus->SetStatusText(text);
  // Painted at once: the texts announce work that keeps the event loop busy ("Loading Trace.qbl...").
  if (FStatus->StatusMessage()->isVisible()) FStatus->StatusMessage()->repaint();
}
void TFrmViewer::SetProgressTotal(int total) { FStatus->SetProgressTotal(total); }
void TFrmViewer::SetProgress(int n) { FStatus->SetProgress(n); }
void TFrmViewer::StepProgress() { FStatus->StepProgress(); }

void TFrmViewer::ViewPrepared() {
  FLayout->CallStackList()->clear();
  FSelectionListeners.MessageCleared();
  UpdateCommands();
}

void TFrmViewer::InspectFocusedMessage() { FInspectorHost->InspectFocusedMessage(); }

void TFrmViewer::ReportError(const QString& text) { FDialogs.Errors->ShowError(this, QBApplicationTitle, text); }

void TFrmViewer::SetBusy(bool busy) { QBSetBusyCursor(busy); }

bool TFrmViewer::AskTime(TQBTimeStamp& value) {
  return FDialogs.Search->AskTime(qobject_cast<QWidget*>(FViews->Current().Object), value);
}
