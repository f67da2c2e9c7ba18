// TFrmViewer: the creation steps, the window's events and the host interface's forwarding.

#include "window/QBMainForm.h"

#include "QBResources.h"
#include "inspectors/QBCallStackList.h"
#include "inspectors/QBInspectorPane.h"
#include "inspectors/QBInspectorSet.h"
#include "inspectors/QBShades.h"
#include "plugins/widgets/QBPlugInManager.h"
#include "shell/QBHelpCommands.h"
#include "shell/QBInspectedView.h"
#include "shell/QBLayoutCommands.h"
#include "shell/QBLogFollower.h"
#include "shell/QBMessageCommands.h"
#include "shell/QBSearchCommands.h"
#include "shell/QBTerminateRequest.h"
#include "shell/QBVocabulary.h"
#include "window/areas/QBAreaAdapters.h"
#include "window/areas/QBDetailPanel.h"
#include "window/areas/QBTimelineArea.h"
#include "window/areas/QBEditWindow.h"
#include "window/areas/QBFollowWindow.h"
#include "window/areas/QBInspectorHost.h"
#include "window/areas/QBLayoutWindow.h"
#include "window/areas/QBLogWindow.h"
#include "window/QBMainLayout.h"
#include "window/areas/QBNavigationWindow.h"
#include "window/areas/QBOrganizerWindow.h"
#include "window/areas/QBOverviewArea.h"
#include "window/areas/QBProjectWindow.h"
#include "window/areas/QBQuickFilterArea.h"
#include "window/areas/QBOptionsWindow.h"
#include "window/areas/QBPrintWindow.h"
#include "window/areas/QBRecentMenu.h"
#include "window/QBStatusPanes.h"
#include "window/QBToolStrip.h"
#include "window/areas/QBViewArea.h"
#include "window/QBViewTabs.h"
#include "window/QBViewerHost.h"
#include "window/QBWindowFeedback.h"
#include "window/QBWindowGeometry.h"
#include "view/widgets/QBColorValue.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QStackedWidget>
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
  // The find dialog keeps its history in the settings file.
  FMsgViewDialogs.SetSettingsFile(&FIni);
  qbmsgviewdialogs::Install(&FMsgViewDialogs);
  BuildWindow();
  CreateAreas();
  ColourPanels();

  FLog.LastLogDir = FFolders.DefaultLogs;
  // A first start has no settings at all; once there are some, they decide the window's place and size.
  FFirstStart = FIni.ReadSections().isEmpty() && !QFileInfo::exists(FIni.FileName());
  FSettings.Read(FIni);
  ApplySettings();
  FViews->CreateDefaultView();

  setWindowTitle(QBApplicationTitle);
  for (TQBCmd hidden : {TQBCmd::ViewScratchPad, TQBCmd::BlockMessages, TQBCmd::AutoScroll})
    Action(hidden)->setVisible(false);
  Action(TQBCmd::Refresh)->setVisible(true);
  setAcceptDrops(true);
  ConnectCommands();
  UpdateCommands();
  // The last project opens over the command-line log, so its views fill from it once.
  FLogArea->Loads().PostCommandLine(args, [this] {
    FProject->OpenStartProject();
    emit CommandLineLoadDone();
  });
}

void TFrmViewer::BuildWindow() {
  FCommands = new TQBCommandTable(this);
  addActions(QList<QAction*>(FCommands->Actions().begin(), FCommands->Actions().end()));
  FLayout = new TQBMainLayout(this);
  setCentralWidget(FLayout->Root());
  FMenus = BuildMenus(*this, *FCommands, *FLayout->MainToolBar(), *FLayout->ViewToolBar());
  FStatus = new TQBStatusPanes(statusBar());
  FFeedback = std::make_unique<TQBWindowFeedback>(
      TQBWindowFeedback::TParts{*this, *FDialogs.Errors, *FStatus, [this] { UpdateCommands(); }});
  FHost = std::make_unique<TQBViewerHost>(TQBViewerHost::TParts{
      FDisplay, FMenus.MessageList, *FStatus, *FFeedback, [this] { FInspectorHost->SelectionChanged(); }, FLog.Sources});
  // Published before any view exists. Commands change state only through UpdateCommands; there is no
  // idle polling to switch off.
  ViewerHost = FHost.get();
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
  FViewsWindow = std::make_unique<TQBViewsWindow>(TQBViewsWindow::TParts{
      *FLayout->CallStackList(), FSelectionListeners, *FFeedback, [this] { FInspectorHost->InspectFocusedMessage(); }});
  FViews = std::make_unique<TQBViewManager>(*FViewTabs, *FViewsWindow, *FFeedback, MessageSet,
                                            InternalPlugInManager ? &InternalPlugInManager->CustomViews() : nullptr);
  FViewTabs->SetManager(FViews.get());
  FViewTabs->SetCloseAction(Action(TQBCmd::ViewRemove));
  FOrganizer = std::make_unique<TQBOrganizerWindow>(
      TQBOrganizerWindow::TParts{*this, *FViews, MessageSet, *FDialogs.Organizer, *FFeedback});
  FViewArea = std::make_unique<TQBViewArea>(TQBViewArea::TParts{
      *this, *FLayout->Pages(), *FViews, MessageSet, *FDialogs.Views, [this](const QString& topic) {
        FHelp->ShowTopic(topic);
      }});
  FLayout->Timeline()->Bind(TimelineBindings(*FViews, FViewArea->Commands(), [this] { UpdateCommands(); }));
  FProject = std::make_unique<TQBProjectWindow>(
      TQBProjectWindow::TParts{*this, *FViews, *FStatus, *FDialogs.Project, *FFeedback,
                               [this](const QString& path) {
                                 if (FRecentProjects) FRecentProjects->Opened(path);
                               }});

  FInspectorHost = std::make_unique<TQBInspectorHost>(TQBInspectorHost::TParts{
      *FViews, FLog, FSelectionListeners, *FDialogs.Inspector, *this, *FFeedback});
  FInspectedView = std::make_unique<TQBInspectedView>(*FViews, FSettings.Display, MessageSet);
  FPane = new TQBInspectorPane(*FInspectedView, *FInspectorHost, *FFeedback);
  FPane->SetPlugIns(InternalPlugInManager);
  FPane->AdoptContentActions(Action(TQBCmd::CopyInspectorContents), Action(TQBCmd::PrintInspectorContents));
  FPane->SetLayoutActions(Action(TQBCmd::InspectorOnBottom), Action(TQBCmd::FullSizeInspector));
  FPane->SetCallStackList(FLayout->CallStackList());
  FInspectorHost->SetPane(FPane);
  FLayout->SetInspectorPane(FPane);
  const auto inspect = [this] { FInspectorHost->InspectFocusedMessage(); };

  FLogArea = std::make_unique<TQBLogWindow>(TQBLogWindow::TParts{
      *this, FLog, FAdder, *FViews, *FFeedback, *FStatus, *FDialogs.Log, [this, inspect] {
        inspect();
        FOrganizer->Commands().ReportLeftOut();
      }});
  FLayoutWindow = std::make_unique<TQBLayoutWindow>(
      TQBLayoutWindow::TParts{*this, *FLayout, *FViews, *FViewTabs, *FDialogs.Errors, inspect});
  FLayoutCommands = std::make_unique<TQBLayoutCommands>(FSettings, *FLayoutWindow);
  FHelp = std::make_unique<TQBHelpCommands>(FFolders.Install, *FLayoutWindow);
  FMessageCommands = std::make_unique<TQBMessageCommands>(*FViews, FLog, inspect);
  FTimeQuestion = std::make_unique<TQBTimeQuestion>(*FViews, *FDialogs.Search);
  FSearch = std::make_unique<TQBSearchCommands>(*FViews, MessageSet, *FTimeQuestion);
  FOverview = std::make_unique<TQBOverviewArea>(
      TQBOverviewArea::TParts{*FLayout->Pages(), FSettings.Display, FSearch->State()});
  FQuickFilter = std::make_unique<TQBQuickFilterArea>(TQBQuickFilterArea::TParts{*FLayout->Pages(), *FViews, *FFeedback});
  FSearch->SetPost([this](std::function<void()> work) {
    QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
  });
  FFollowWindow = std::make_unique<TQBFollowWindow>(
      TQBFollowWindow::TParts{*FLogArea, *FViews, *FFeedback, [this] { return FCommandsRunning > 0; }});
  FFollower = std::make_unique<TQBLogFollower>(FLog, FAdder, *FFollowWindow, *FFeedback, FFollowWindow.get());
  FLogArea->Commands().AddListener(FFollower.get());
  CreateRecentMenus();
  FGeometry = std::make_unique<TQBWindowGeometry>(*this, *FLayout, FSettings);
  FEdit = std::make_unique<TQBEditWindow>(TQBEditWindow::TParts{
      *FViews, *FLayout->Pages(), FLog, FAdder, FOrigin, FSettings.General, *FDialogs.Edit, *FFeedback, inspect});
  FNavigation = std::make_unique<TQBNavigationWindow>(TQBNavigationWindow::TParts{
      *this, *FViews, MessageSet, *FDialogs.Navigation, *FMenus.NavSelect, [this] { UpdateCommands(); },
      [this] { ApplyNavEnabling(); }});
  TQBNavigator& navigator = FNavigation->Navigator();

  FPrintArea = std::make_unique<TQBPrintWindow>(
      TQBPrintWindow::TParts{*this, *FLayout->Pages(), FSettings, FLog, *FViews, *FDialogs.Print, *FFeedback});
  FOptionsArea = std::make_unique<TQBOptionsWindow>(TQBOptionsWindow::TParts{
      *this, FSettings, *FViews, *FLayoutWindow, *FLayoutCommands, FPane->Inspectors(), *FDialogs.Options,
      [this] { ApplyFonts(); },
      [this] {
        StoreSettings();
        FSettings.Write(FIni);
      },
      [this](const QString& topic) { FHelp->ShowTopic(topic); }, inspect});

  // The adding path's observers, in their order: the organizer (its new views hear of the message
  // too), navigation, the views, then the modified flag.
  FAdder.AddObserver(&FOrganizer->Commands());
  FAdder.AddObserver(&navigator);
  FAdder.AddObserver(FViews.get());
  FAdder.AddObserver(&FModifiedObserver);
  FSelectionListeners.Add(&navigator);
  FSelectionListeners.Add(FLayout->DetailPanel());
  FInputSources = {FViews.get(),          &FLogArea->Commands(),    FLayoutCommands.get(),
                   FInspectorHost.get(), &FOrganizer->Commands(), &navigator,
                   FFollower.get(),        FOverview.get()};
}

void TFrmViewer::CreateRecentMenus() {
  const TQBRecentMenu::TParts files{*this, *FMenus.RecentFiles, FIni, *FDialogs.Errors};
  FRecentFiles = std::make_unique<TQBRecentMenu>(
      files, TQBRecentMenu::TKind{QStringLiteral("RecentFile"), QStringLiteral("mnuRecentFile"),
                                  QStringLiteral("recent files"),
                                  [this](const QString& path) { FLogArea->Loads().LoadFile(path, false); }});
  FRecentLogFiles = std::make_unique<TQBRecentLogFiles>(*FRecentFiles);
  FLogArea->Commands().AddListener(FRecentLogFiles.get());
  const TQBRecentMenu::TParts projects{*this, *FMenus.RecentProjects, FIni, *FDialogs.Errors};
  FRecentProjects = std::make_unique<TQBRecentMenu>(
      projects, TQBRecentMenu::TKind{QStringLiteral("RecentProject"), QStringLiteral("mnuRecentProject"),
                                     QStringLiteral("recent projects"), [this](const QString& path) {
                                       FProject->Commands().OpenProjectFile(path);
                                     }});
}

void TFrmViewer::ColourPanels() {
  // The lighter shade of the button face colours the call stack header and the unselected tabs (the
  // detail panel takes it by itself); the tabs' border is 20 darker.
  const QColor shade10 = ButtonFaceShade(-10);
  FLayout->CallStackHeader()->setStyleSheet(QStringLiteral("background: %1;").arg(shade10.name()));
  FLayout->SetTabColors(shade10, ShadeOf(shade10, -20));
}

void TFrmViewer::ApplySettings() {
  ApplyFonts();
  if (!FSettings.General.LastLogDir.isEmpty() && QFileInfo(FSettings.General.LastLogDir).isDir())
    FLog.LastLogDir = FSettings.General.LastLogDir;
  FSearch->ReadSettings(FSettings);
  FOrganizer->Commands().ApplySettings(FSettings.Organizer);
  FProject->ApplySettings(FSettings.General, FFolders.DefaultProjects);
  FFollower->SetMaxRecordBody(int64_t(FSettings.General.MaxFollowRecord) << 20);
  FFollower->SetOn(FSettings.General.FollowLogFile);
  FGeometry->Restore(FFirstStart);
  TQBInspectorSet& inspectors = FPane->Inspectors();
  inspectors.SetValueColor(qbcolor::ToQColor(FDisplay.ValueColor()));
  inspectors.ApplyOptions(FSettings.Display.Inspectors);
  FLayout->DetailPanel()->SetValueColor(qbcolor::ToQColor(FDisplay.ValueColor()));
  FNavigation->Navigator().Restore(FSettings.General);
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
  FAdder.RemoveObserver(&FOrganizer->Commands());
  FAdder.RemoveObserver(&FNavigation->Navigator());
  FAdder.RemoveObserver(FViews.get());
  FAdder.RemoveObserver(&FModifiedObserver);
  FSelectionListeners.Remove(&FNavigation->Navigator());
  FSelectionListeners.Remove(FLayout->DetailPanel());
  // The views go before the host interface they may call while being destroyed, and the pane before
  // its host. The timeline lets go of the views first.
  FLayout->Timeline()->Bind({});
  FViews->FreeViews();
  delete FPane;
  FPane = nullptr;
  if (ViewerHost == FHost.get()) ViewerHost = nullptr;
  if (qbmsgviewdialogs::Installed() == &FMsgViewDialogs) qbmsgviewdialogs::Install(nullptr);
}

void TFrmViewer::StoreSettings() {
  FGeometry->Store();
  FSettings.General.LastLogDir = FLog.LastLogDir;
  FSettings.General.FollowLogFile = FFollower->IsOn();
  FSearch->WriteSettings(FSettings);
  FNavigation->Navigator().Store(FSettings.General);
  FSettings.Organizer = FOrganizer->Commands().Settings();
  FProject->StoreSettings(FSettings.General);
  FPane->Inspectors().StoreOptions(FSettings.Display.Inspectors);
}

void TFrmViewer::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The message list has the keyboard from the start, whatever panes are shown beside it.
  if (FGeometry->Shown()) FViewTabs->FocusCurrentView();
}

void TFrmViewer::closeEvent(QCloseEvent* event) {
  // A close that arrives while a report prints or a file loads (a terminate signal) waits for its end
  // and runs again then; the project's auto-save comes before the log's own question.
  if (!FPrintArea->CanClose([this] { close(); }) || !FSearch->CanClose([this] { close(); })) {
    event->ignore();
    return;
  }
  if (!FLogArea->Loads().Gate().Busy()) {
    // No work is left that a terminate signal had to stop: the close is decided here, and a refused
    // one leaves later loads and searches alone.
    qbterminate::Reset();
    if (!FProject->CanClose(FSettings.General.AutoSaveProject)) {
      event->ignore();
      return;
    }
  }
  if (!FLogArea->Loads().CanClose([this] { close(); })) {
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
  // With Shift held, several files dropped together are merged by time.
  FLogArea->Loads().Drop(files, event->modifiers().testFlag(Qt::ShiftModifier));
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

bool TFrmViewer::LoadFile(const QString& path, bool append) { return FLogArea->Loads().LoadFile(path, append); }
