#include "shell/widgets/QBMainForm.h"

#include "QBResources.h"
#include "inspectors/QBInspectorPane.h"
#include "inspectors/QBShades.h"
#include "shell/widgets/QBLoadProgress.h"
#include "shell/widgets/QBStatusPanes.h"
#include "shell/widgets/QBToolStrip.h"
#include "shell/QBWindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QSplitter>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>

namespace {

// Offers every added message to every view, in tab order. The interfaces were fetched when the views
// were created: a cast per view and message would cost a tenth of a large load.
class TViewsObserver final : public IQBNewMessageObserver {
public:
  explicit TViewsObserver(const QList<TQBViewBinding>& views) : FViews(views) {}
  void NewMessageAdded(int) override {
    for (const TQBViewBinding& view : FViews) view.View->AddCurrentMessage(false);
  }

private:
  const QList<TQBViewBinding>& FViews;
};

QFont FontOf(const TQBFontSettings& settings) {
  QFont font(settings.Name, settings.Size > 0 ? settings.Size : 8);
  font.setBold(settings.Style & 8);
  font.setItalic(settings.Style & 4);
  font.setUnderline(settings.Style & 2);
  font.setStrikeOut(settings.Style & 1);
  return font;
}

QList<QIcon> IconsOf(const QString& pattern, int count) {
  QList<QIcon> icons;
  for (int i = 0; i < count; ++i) icons.append(QIcon(pattern.arg(i, 2, 10, QLatin1Char('0'))));
  return icons;
}

}  // namespace

TQBViewBinding TQBViewBinding::Of(QWidget* view) {
  TQBViewBinding b;
  b.Widget = view;
  b.View = qobject_cast<IQBMessageView*>(view);
  b.List = qobject_cast<IQBMessageViewList*>(view);
  b.Methods = qobject_cast<IQBMessageViewMethods*>(view);
  b.Search = qobject_cast<IQBMessageViewSearch*>(view);
  b.Print = qobject_cast<IQBMessageViewPrint*>(view);
  b.Save = qobject_cast<IQBMessageViewSave*>(view);
  b.Export = qobject_cast<IQBMessageViewExport*>(view);
  return b;
}

TFrmViewer::TFrmViewer(TQBIniFile& ini, const TQBFolders& folders, const QStringList& args,
                       std::unique_ptr<IQBShellDialogs> dialogs)
    : FIni(ini),
      FFolders(folders),
      FDialogs(std::move(dialogs)),
      FAdder(MessageSet),
      FModifiedObserver(FLog),
      FViewsObserver(std::make_unique<TViewsObserver>(FViews)),
      FLogCommands(FLog, FAdder, *this) {
  QBInitResources();
  setObjectName(QStringLiteral("FrmViewer"));
  setAccessibleName(QBApplicationTitle);
  // Commands change state only through UpdateCommands; there is no idle polling to switch off.
  ViewerHost = this;
  qbmsgviewdialogs::Install(&FMsgViewDialogs);
  FAdder.AddObserver(FViewsObserver.get());
  FAdder.AddObserver(&FModifiedObserver);
  FProgress = std::make_unique<TQBLoadProgress>(*this, [this] { return FCurrent.List; });
  BuildWindow();
  ColourPanels();
  CreateImageLists();

  FRowHeight = 17;
  FLog.LastLogDir = FFolders.DefaultLogs;
  FSettings.Read(FIni);
  ApplySettings();
  CreateDefaultView();
  FStatus->SetProject(QStringLiteral("Project:"));

  setWindowTitle(QBApplicationTitle);
  for (TQBCmd hidden : {TQBCmd::ViewScratchPad, TQBCmd::BlockMessages, TQBCmd::AutoScroll})
    Action(hidden)->setVisible(false);
  Action(TQBCmd::Refresh)->setVisible(true);
  setAcceptDrops(true);
  ConnectCommands();
  UpdateCommands();
  PostCommandLineLoad(args);
}

void TFrmViewer::BuildWindow() {
  FCommands = new TQBCommandTable(this);
  addActions(QList<QAction*>(FCommands->Actions().begin(), FCommands->Actions().end()));
  CreateInspectorPane();
  FLayout = new TQBMainLayout(this, FPane);
  setCentralWidget(FLayout->Root());
  FMenus = BuildMenus(*this, *FCommands, *FLayout->MainToolBar(), *FLayout->ViewToolBar());
  FStatus = new TQBStatusPanes(statusBar());
  statusBar()->setFont(QFont(QStringLiteral("Tahoma"), 8));
  setFont(QFont(QStringLiteral("Verdana"), 8));
  FLayout->Tabs()->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(FLayout->Tabs(), &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { FMenus.Views->popup(FLayout->Tabs()->mapToGlobal(at)); });
  connect(FLayout->Tabs(), &QTabBar::currentChanged, this, &TFrmViewer::OnTabChanged);
  connect(FMenus.SwitchToView, &QMenu::aboutToShow, this, &TFrmViewer::FillSwitchToViewMenu);
  for (TQBToolStrip* strip : {FLayout->MainToolBar(), FLayout->ViewToolBar()}) {
    strip->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(strip, &QWidget::customContextMenuRequested, this,
            [this, strip](const QPoint& at) { FMenus.System->popup(strip->mapToGlobal(at)); });
  }
  connect(qApp, &QGuiApplication::applicationStateChanged, this, &TFrmViewer::OnApplicationState);
}

void TFrmViewer::ColourPanels() {
  // The lighter shade of the button face colours the detail panel, the call stack header and the
  // unselected tabs; the tabs' border is 20 darker.
  const QColor shade10 = ButtonFaceShade(-10);
  FLayout->DetailPanel()->setStyleSheet(QStringLiteral("#pnlDetail { background: %1; }").arg(shade10.name()));
  FLayout->CallStackHeader()->setStyleSheet(QStringLiteral("background: %1;").arg(shade10.name()));
  FLayout->SetTabColors(shade10, ShadeOf(shade10, -20));
}

void TFrmViewer::CreateImageLists() {
  for (const TQBCommandInfo& info : QBCommandInfos()) FImageLists[0].append(QBCommandIcon(info.Icon));
  FImageLists[1] = IconsOf(QStringLiteral(":/icons/messages/msg%1.svg"), 46);
  // The navigation kinds are message types and show their icons.
  FImageLists[2] = FImageLists[1];
  for (int n = 0; n < 10; ++n) FImageLists[4].append(QIcon(QStringLiteral(":/icons/bookmarks/bookmark%1.svg").arg(n)));
  FImageLists[4].append(QIcon(QStringLiteral(":/icons/bookmarks/sync.svg")));
}

TFrmViewer::~TFrmViewer() {
  StoreSettings();
  StoreInspectorSettings();
  FSettings.Write(FIni);
  FCurrent = {};
  FAdder.RemoveObserver(FViewsObserver.get());
  FAdder.RemoveObserver(&FModifiedObserver);
  // The views go before the host interface they may call while being destroyed.
  for (const TQBViewBinding& view : FViews) delete view.Widget;
  FViews.clear();
  if (ViewerHost == this) ViewerHost = nullptr;
  if (qbmsgviewdialogs::Installed() == &FMsgViewDialogs) qbmsgviewdialogs::Install(nullptr);
}

void TFrmViewer::CreateFonts() {
  FMessageFont = FontOf(FSettings.MessageFont);
  FInspectorFont = FontOf(FSettings.InspectorFont);
  FInspectorFixedFont = FontOf(FSettings.InspectorFixedFont);
}

void TFrmViewer::ApplySettings() {
  CreateFonts();
  ApplyRowHeight();
  if (!FSettings.General.LastLogDir.isEmpty() && QFileInfo(FSettings.General.LastLogDir).isDir())
    FLog.LastLogDir = FSettings.General.LastLogDir;
  FFindForward = FSettings.Find.FindForward;
  FFindFromCursor = FSettings.Find.FindFromCursor;
  FFindInDetails = FSettings.Find.FindInDetails;
  ApplyWindowPlacement();
  ApplyInspectorSettings();
  ApplyPaneLayout();
  ApplyWrapButtons();
  OnAlwaysOnTop();
}

void TFrmViewer::ApplyWindowPlacement() {
  QList<QRect> monitors;
  for (const QScreen* screen : QGuiApplication::screens()) monitors.append(screen->geometry());
  const QRect rect = qbplacement::NormalRect(FSettings.Position, monitors);
  resize(rect.size());
  move(rect.topLeft());
  if (FSettings.Position.Maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void TFrmViewer::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (FSplittersPlaced) return;
  // The bars are placed once the window has its real size: the right-hand column and the lower panes
  // keep the stored sizes, or start at 26 % of the width and a third of the height.
  FSplittersPlaced = true;
  // Hidden splitters have no size of their own yet: measure the main splitter, which is always shown.
  const QSize client = FLayout->MainSplitter()->size();
  const auto place = [](QSplitter* splitter, int length, int stored, double share) {
    const int total = length - splitter->handleWidth();
    if (total <= 0) return;
    const int bar = qbplacement::SplitterBar(total, stored).value_or(int(total * share));
    splitter->setSizes({bar, total - bar});
  };
  place(FLayout->MainSplitter(), client.width(), FSettings.Display.MainSplitFixed, 0.74);
  place(FLayout->RightSplitter(), client.height(), FSettings.Display.RightSplitFixed, 0.66);
  place(FLayout->LeftSplitter(), client.height(), FSettings.Display.LeftSplitFixed, 0.66);
}

void TFrmViewer::StoreSettings() {
  const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
  FSettings.Position.Left = normal.left();
  FSettings.Position.Top = normal.top();
  FSettings.Position.Right = normal.right() + 1;
  FSettings.Position.Bottom = normal.bottom() + 1;
  FSettings.Position.Maximized = isMaximized();
  const auto storedSize = [](const QSplitter* splitter) {
    const QList<int> sizes = splitter->sizes();
    return sizes.size() == 2 && splitter->isVisible() ? sizes[1] : -1;
  };
  if (const int v = storedSize(FLayout->MainSplitter()); v >= 0) FSettings.Display.MainSplitFixed = v;
  if (const int v = storedSize(FLayout->RightSplitter()); v >= 0) FSettings.Display.RightSplitFixed = v;
  if (const int v = storedSize(FLayout->LeftSplitter()); v >= 0) FSettings.Display.LeftSplitFixed = v;
  FSettings.General.LastLogDir = FLog.LastLogDir;
  FSettings.Find.FindForward = FFindForward;
  FSettings.Find.FindFromCursor = FFindFromCursor;
  FSettings.Find.FindInDetails = FFindInDetails;
}

void TFrmViewer::Handle(TQBCmd cmd, std::function<void()> handler) {
  // Only commands with a handler are ever enabled: a command whose work is not built stays grey.
  FHandled[Index(cmd)] = true;
  connect(Action(cmd), &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
}

void TFrmViewer::ConnectCommands() {
  ConnectLogCommands();
  ConnectLayoutCommands();
  ConnectViewCommands();
  ConnectInspectorCommands();
  Handle(TQBCmd::Exit, [this] { close(); });
}

void TFrmViewer::PostCommandLineLoad(const QStringList& args) {
  const QString path = TQBLogCommands::CommandLinePath(args);
  if (path.isEmpty()) return;
  // Queued: it runs from the event loop, after the window is shown.
  QMetaObject::invokeMethod(
      this,
      [this, path] {
        LoadFile(path, false);
        emit CommandLineLoadDone();
      },
      Qt::QueuedConnection);
}

const QFont& TFrmViewer::GetFont(int kind) const {
  return kind == 1 ? FInspectorFixedFont : kind == 2 ? FInspectorFont : FMessageFont;
}

void TFrmViewer::GetTypeStyle(int32_t code, TQBTypeStyle& entry) const {
  entry = code >= 0 && code < int32_t(FSettings.FontStyles.Entries.size()) ? FSettings.FontStyles.Entries[size_t(code)]
                                                                           : TQBTypeStyle{};
}

const QList<QIcon>& TFrmViewer::GetImageList(int n) const {
  static const QList<QIcon> none;
  return n >= 0 && n < int(FImageLists.size()) ? FImageLists[size_t(n)] : none;
}

void TFrmViewer::SelectionChanged() {
  // A notice posted before a load began waits for its end: UpdateCommands runs then anyway.
  if (FLog.Loading) return;
  // The pane refreshes the command states after inspecting; both use one count of the selection. A
  // change handled inside this one (a report's dialog lets the user click) drops the count again.
  FSelectedSnapshot = FCurrent.View ? FCurrent.View->SelectedCount() : 0;
  struct TDropSnapshot {
    std::optional<int>& Snapshot;
    ~TDropSnapshot() { Snapshot.reset(); }
  } drop{FSelectedSnapshot};
  FPane->InspectFocusedMessage();
}

void TFrmViewer::ShowStatusText(const QString& text) {
  FStatus->SetStatusText(text);
  // Painted at once: the texts announce work that keeps the event loop busy ("Loading Trace.qbl...").
  if (FStatus->StatusMessage()->isVisible()) FStatus->StatusMessage()->repaint();
}
void TFrmViewer::SetProgressTotal(int total) { FStatus->SetProgressTotal(total); }
void TFrmViewer::SetProgress(int n) { FStatus->SetProgress(n); }
void TFrmViewer::StepProgress() { FStatus->StepProgress(); }

void TFrmViewer::closeEvent(QCloseEvent* event) {
  // A close that arrives while a file loads waits for the load: the loader is still on the stack.
  if (FLog.Loading || !FLogCommands.CanClose()) {
    event->ignore();
    return;
  }
  event->accept();
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
  for (const TQBViewBinding& view : FViews)
    if (auto* activation = qobject_cast<IQBViewActivation*>(view.Widget))
      active ? activation->AppActivated() : activation->AppDeactivated();
}
