#pragma once
// TFrmViewer, the main window, is the composition root: it builds the window, creates the area objects
// and wires each command to the area that does its work. It keeps no area state. docs/main-window.md
// lists the areas with their files and interfaces and draws who calls whom.
// QBMainForm.cpp builds and forwards the window's events; QBMainFormCommands.cpp wires the commands
// and runs UpdateCommands.

#include "dialogs/QBMsgViewDialogs.h"
#include "model/QBMessageAdder.h"
#include "shell/QBCommandRules.h"
#include "settings/QBFolders.h"
#include "shell/QBLogState.h"
#include "shell/QBMessageOrigin.h"
#include "shell/QBSearchCommands.h"
#include "shell/QBSelectionListeners.h"
#include "settings/QBSettings.h"
#include "shell/QBViewManager.h"
#include "window/QBCommandTable.h"
#include "window/QBDisplayState.h"
#include "window/QBMenus.h"
#include "window/QBViewerHost.h"
#include "window/dialogs/QBShellDialogs.h"

#include <quillbox/QBCustomViewIntf.h>

#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

class TQBEditWindow;
class TQBFollowWindow;
class TQBHelpCommands;
class TQBLogFollower;
class TQBRecentLogFiles;
class TQBRecentMenu;
class TQBIniFile;
class TQBInspectedView;
class TQBInspectorHost;
class TQBInspectorPane;
class TQBLayoutCommands;
class TQBLayoutWindow;
class TQBLogWindow;
class TQBMainLayout;
class TQBMessageCommands;
class TQBNavigationWindow;
class TQBOrganizerWindow;
class TQBProjectWindow;
class TQBOptionsWindow;
class TQBOverviewArea;
class TQBQuickFilterArea;
class TQBPrintWindow;
class TQBSearchCommands;
class TQBStatusPanes;
class TQBViewArea;
class TQBViewTabs;
class TQBTimeQuestion;
class TQBViewsWindow;
class TQBWindowFeedback;
class TQBWindowGeometry;

class TFrmViewer : public QMainWindow {
  Q_OBJECT
public:
  // Runs the creation steps: publishes the host interface, reads the settings from ini, creates the
  // "All Messages" view and posts the rest of start-up: the loading of the file when args name exactly
  // one, then the opening of the last project.
  TFrmViewer(TQBIniFile& ini, const TQBFolders& folders, const QStringList& args, TQBShellDialogs dialogs = {});
  // Writes every setting into the in-memory settings file and unpublishes the host interface.
  ~TFrmViewer() override;

  // Asks every area for its part of the command-state record, applies the states and renews the
  // status panes and the title.
  void UpdateCommands();

  // For tests and tools: the parts of the window.
  // The views' host interface, published in ViewerHost while the window lives.
  IQBViewerHost& Host() const { return *FHost; }
  const TQBCommandTable& Commands() const { return *FCommands; }
  QAction* Action(TQBCmd cmd) const { return FCommands->Action(cmd); }
  const TQBMenus& Menus() const { return FMenus; }
  TQBMainLayout& Layout() const { return *FLayout; }
  TQBInspectorPane& InspectorPane() const { return *FPane; }
  TQBStatusPanes& StatusPanes() const { return *FStatus; }
  const TQBLogState& LogState() const { return FLog; }
  const TQBSettings& Settings() const { return FSettings; }
  const TQBViewManager& Views() const { return *FViews; }
  TQBViewManager& ViewManager() { return *FViews; }
  const TQBViewBinding& CurrentView() const { return FViews->Current(); }
  TQBMessageAdder& Adder() { return FAdder; }
  TQBProjectWindow& ProjectArea() const { return *FProject; }
  TQBLogFollower& Follower() const { return *FFollower; }
  TQBRecentMenu& RecentFiles() const { return *FRecentFiles; }
  TQBRecentMenu& RecentProjects() const { return *FRecentProjects; }
  TQBOverviewArea& Overview() const { return *FOverview; }
  TQBQuickFilterArea& QuickFilter() const { return *FQuickFilter; }
  // Load(path, append) as Open and Append run it after their dialogs; false also when it has to wait
  // for a load that runs.
  bool LoadFile(const QString& path, bool append);
  // The state UpdateCommands last applied.
  const TQBCommandStates& CommandStates() const { return FStates; }

signals:
  // Start-up has ended: the command-line argument has been handled (its log loaded, or its absence
  // reported; also when there was none) and the last project opened after it.
  void CommandLineLoadDone();

protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  QMenu* createPopupMenu() override;

private:
  // Creation (QBMainForm.cpp).
  void BuildWindow();
  void CreateAreas();
  void CreateRecentMenus();
  void ColourPanels();
  void ApplySettings();
  void ApplyFonts();
  void StoreSettings();
  void OnApplicationState(Qt::ApplicationState state);

  // Wiring and command states (QBMainFormCommands.cpp): every command connected to its area.
  void ConnectCommands();
  // First, Previous, Next and Last take the navigator's enabling at once (outside UpdateCommands).
  void ApplyNavEnabling();
  void Handle(TQBCmd cmd, std::function<void()> handler);
  void ApplyCommandStates(const TQBCommandStates& states);
  void UpdateStatusPanes(const TQBCommandInputs& in);

  TQBIniFile& FIni;
  const TQBFolders FFolders;
  bool FFirstStart = false;  // no settings file and no settings in memory
  TQBShellDialogs FDialogs;
  TQBMsgViewDialogs FMsgViewDialogs;
  TQBSettings FSettings;
  TQBLogState FLog;
  TQBMessageAdder FAdder;
  TQBModifiedFlagObserver FModifiedObserver;
  TQBSelectionListeners FSelectionListeners;
  TQBDisplayState FDisplay;
  // Where the messages the user adds come from: computed once, for the annotation commands.
  const TQBMessageOrigin FOrigin = QBMessageOriginOfThisProcess();

  // Widgets, owned by the window.
  TQBCommandTable* FCommands = nullptr;
  TQBMainLayout* FLayout = nullptr;
  TQBStatusPanes* FStatus = nullptr;
  TQBInspectorPane* FPane = nullptr;
  TQBMenus FMenus;
  // The areas' reports, busy cursor, status texts and command states; the views' host interface.
  std::unique_ptr<TQBWindowFeedback> FFeedback;
  std::unique_ptr<TQBViewerHost> FHost;

  // Areas.
  TQBViewTabs* FViewTabs = nullptr;
  std::unique_ptr<TQBViewsWindow> FViewsWindow;
  std::unique_ptr<TQBViewManager> FViews;
  // Made right after the view manager, before the first view, and gone after the last one.
  std::unique_ptr<TQBOrganizerWindow> FOrganizer;
  std::unique_ptr<TQBViewArea> FViewArea;
  std::unique_ptr<TQBProjectWindow> FProject;
  std::unique_ptr<TQBInspectedView> FInspectedView;
  std::unique_ptr<TQBInspectorHost> FInspectorHost;
  std::unique_ptr<TQBLogWindow> FLogArea;
  std::unique_ptr<TQBFollowWindow> FFollowWindow;
  std::unique_ptr<TQBLogFollower> FFollower;
  std::unique_ptr<TQBRecentMenu> FRecentFiles;
  std::unique_ptr<TQBRecentLogFiles> FRecentLogFiles;
  std::unique_ptr<TQBRecentMenu> FRecentProjects;
  std::unique_ptr<TQBLayoutCommands> FLayoutCommands;
  std::unique_ptr<TQBLayoutWindow> FLayoutWindow;
  std::unique_ptr<TQBHelpCommands> FHelp;
  std::unique_ptr<TQBMessageCommands> FMessageCommands;
  std::unique_ptr<TQBTimeQuestion> FTimeQuestion;
  std::unique_ptr<TQBSearchCommands> FSearch;
  std::unique_ptr<TQBOverviewArea> FOverview;
  std::unique_ptr<TQBQuickFilterArea> FQuickFilter;
  std::unique_ptr<TQBEditWindow> FEdit;
  std::unique_ptr<TQBNavigationWindow> FNavigation;
  std::unique_ptr<TQBWindowGeometry> FGeometry;
  std::unique_ptr<TQBPrintWindow> FPrintArea;
  std::unique_ptr<TQBOptionsWindow> FOptionsArea;

  // Wiring: the commands that have a handler, the areas UpdateCommands asks, what it last applied.
  std::array<bool, QBCommandCount> FHandled{};
  int FCommandsRunning = 0;  // handlers on the stack; followed messages wait for them
  std::vector<const IQBCommandInputSource*> FInputSources;
  TQBCommandStates FStates;
};
