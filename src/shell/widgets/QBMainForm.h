#pragma once
// TFrmViewer, the main window: builds the layout, owns the commands, the views and the display state,
// serves the views through IQBViewerHost and runs the log file commands through TQBLogCommands.
// Its handlers live in the files of the areas they serve: QBMainFormLog.cpp (log files),
// QBMainFormLayout.cpp (panes, columns, window position, help), QBMainFormViews.cpp (views and
// message commands), QBMainFormCommands.cpp (UpdateCommands and the status panes),
// QBMainFormInspector.cpp (the inspector pane's host and its commands).

#include "dialogs/QBMsgViewDialogs.h"
#include "inspectors/QBInspectorPaneHost.h"
#include "model/QBMessageAdder.h"
#include "shell/QBCommandRules.h"
#include "shell/widgets/QBCommandTable.h"
#include "shell/QBFolders.h"
#include "shell/QBLogCommands.h"
#include "shell/QBLogState.h"
#include "shell/widgets/QBMainLayout.h"
#include "shell/widgets/QBMenus.h"
#include "shell/QBMessageOrigin.h"
#include "shell/QBSettings.h"

#include <quillbox/QBCustomViewIntf.h>

#include <QFont>
#include <QIcon>
#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class TQBIniFile;
class TQBInspectorPane;
class TQBStatusPanes;
class TQBLoadProgress;
class QFileDialog;

// A view's interfaces, fetched once when it is created; the current view's are copied whenever the
// current view changes.
struct TQBViewBinding {
  QWidget* Widget = nullptr;
  IQBMessageView* View = nullptr;
  IQBMessageViewList* List = nullptr;
  IQBMessageViewMethods* Methods = nullptr;
  IQBMessageViewSearch* Search = nullptr;
  IQBMessageViewPrint* Print = nullptr;
  IQBMessageViewSave* Save = nullptr;
  IQBMessageViewExport* Export = nullptr;
  static TQBViewBinding Of(QWidget* view);
};

// The window's prompts and file dialogs, replaceable so tests answer them without modal windows.
class IQBShellDialogs {
public:
  virtual ~IQBShellDialogs() = default;
  virtual int AskYesNoCancel(QWidget* over, const QString& text) = 0;
  // Empty when cancelled.
  virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& dir) = 0;
  virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& dir, const QString& filter,
                               const QString& suffix, QString* chosenFilter) = 0;
  virtual void ShowError(QWidget* over, const QString& caption, const QString& text) = 0;
  // The print dialog in its inspector variant, proposing title; false when the user cancels.
  virtual bool AskInspectorPrintTitle(QWidget* over, QString& title) = 0;
};
std::unique_ptr<IQBShellDialogs> NewShellDialogs();

class TFrmViewer : public QMainWindow, public IQBViewerHost, private IQBLogWindow, private IQBInspectorPaneHost {
  Q_OBJECT
public:
  // Runs the creation steps: publishes the host interface, reads the settings from ini, creates the
  // "All Messages" view and, when args name exactly one existing file, posts its loading.
  TFrmViewer(TQBIniFile& ini, const TQBFolders& folders, const QStringList& args,
             std::unique_ptr<IQBShellDialogs> dialogs = NewShellDialogs());
  // Writes every setting into the in-memory settings file and unpublishes the host interface.
  ~TFrmViewer() override;

  // IQBViewerHost
  int GetRowHeight() const override { return FRowHeight; }
  const QFont& GetFont(int kind) const override;
  void GetTypeStyle(int32_t code, TQBTypeStyle& entry) const override;
  bool GetAutoScroll() const override { return false; }
  bool GetAutoCollapse() const override { return FSettings.General.AutoCollapse; }
  bool GetFlatten() const override { return FSettings.General.FlattenStructure; }
  uint16_t GetColumns() const override { return FSettings.Display.Columns; }
  bool GetHideExtraColumns() const override { return FSettings.Display.HideExtraColumns; }
  QMenu* GetPopupMenu() const override { return FMenus.MessageList; }
  const QList<QIcon>& GetImageList(int n) const override;
  int32_t GetBookmarkColor() const override { return FSettings.Display.MarkerColor; }
  bool GetRowShading() const override { return FSettings.Display.RowShading; }
  int32_t GetRowShadingColor() const override { return FSettings.Display.RowShadingColor; }
  int32_t GetSyncMsgColor() const override { return FSettings.Display.SyncMsgColor; }
  int32_t GetSeparatorColor() const override { return FSettings.Display.SeparatorColor; }
  int32_t GetInactiveSeparatorColor() const override { return FSettings.Display.InactiveSeparatorColor; }
  int32_t GetAppStartSeparatorColor() const override { return FSettings.Display.AppStartSeparatorColor; }
  void SelectionChanged() override;
  void UpdateCommands() override;
  void ShowStatusText(const QString& text) override;
  void SetProgressTotal(int total) override;
  void SetProgress(int n) override;
  void StepProgress() override;

  // For tests and tools: the parts of the window.
  const TQBCommandTable& Commands() const { return *FCommands; }
  QAction* Action(TQBCmd cmd) const { return FCommands->Action(cmd); }
  const TQBMenus& Menus() const { return FMenus; }
  TQBMainLayout& Layout() const { return *FLayout; }
  TQBInspectorPane& InspectorPane() const { return *FPane; }
  TQBStatusPanes& StatusPanes() const { return *FStatus; }
  const TQBLogState& LogState() const { return FLog; }
  const TQBSettings& Settings() const { return FSettings; }
  const TQBViewBinding& CurrentView() const { return FCurrent; }
  const QList<TQBViewBinding>& Views() const { return FViews; }
  TQBMessageAdder& Adder() { return FAdder; }
  // Load(path, append) as Open and Append run it after their dialogs.
  bool LoadFile(const QString& path, bool append);
  // The state UpdateCommands last applied.
  const TQBCommandStates& CommandStates() const { return FStates; }

signals:
  // A load that began from the command line has ended.
  void CommandLineLoadDone();

protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  QMenu* createPopupMenu() override;

private:
  // Creation steps.
  void BuildWindow();
  void ColourPanels();
  void CreateImageLists();
  void CreateFonts();
  void ApplySettings();
  void ApplyWindowPlacement();
  void CreateDefaultView();
  void ConnectCommands();
  void Handle(TQBCmd cmd, std::function<void()> handler);
  void PostCommandLineLoad(const QStringList& args);
  void OnApplicationState(Qt::ApplicationState state);
  void StoreSettings();

  // Views (QBMainFormViews.cpp).
  void BindCurrentView();
  void PrepareView(IQBMessageView* view);
  void ForEachView(const std::function<void(IQBMessageView&)>& f) const;
  void ClearAllViews();
  void ReapplyViewSettings();
  void ConnectViewCommands();
  void OnDelete();
  void OnCropToSelection();
  void OnSelectAll();
  void OnCopyMessageText();
  void OnFind();
  void OnFindNext();
  void OnJumpToMsg();
  void OnMethodMatch();
  void OnCurrentMethod();
  void OnToggleMethod();
  void OnExpandAll();
  void OnExpandToEnd();
  void OnCollapseAll();
  void OnViewPrior();
  void OnViewNext();
  void OnTabChanged(int index);
  void FillSwitchToViewMenu();
  void OnPlugIns();

  // Log files (QBMainFormLog.cpp).
  void ConnectLogCommands();
  bool WithLoadProgress(const std::function<bool(IQBLogLoadEvents*)>& load);
  void OnOpen();
  void OnAppend();
  void OnSave();
  void OnExport();
  void OnRefresh();
  QString AskOpenFileName(const QString& title);
  int AskSaveBeforeLoad() override;
  int AskSaveBeforeExit() override;
  QString AskSaveFileName(const QString& dir) override;
  void ReportInvalidLog(const QString& path) override;
  void ReportError(const QString& text) override;
  void SetBusy(bool busy) override;
  void ClearAllMessages() override;
  IQBMessageViewList* CurrentList() override { return FCurrent.List; }
  IQBMessageViewSave* CurrentSave() override { return FCurrent.Save; }
  IQBMessageViewExport* CurrentExport() override { return FCurrent.Export; }

  // Layout, columns, position and help (QBMainFormLayout.cpp).
  void ConnectLayoutCommands();
  void ApplyPaneLayout();
  void ApplyRowHeight();
  void ToggleDisplayFlag(bool TQBDisplaySettings::*flag);
  void OnViewInspector();
  void OnFullSizeInspector();
  void OnAlwaysOnTop();
  void ApplyWrapButtons();
  void OnColumnCommand(TQBCmd cmd);
  void OnHideExtraColumns();
  void OnAutoCollapse();
  void OnFlatten();
  void OnPosition(TQBCmd cmd);
  void OnHelp(const QString& topic);

  // The inspector pane (QBMainFormInspector.cpp).
  void CreateInspectorPane();
  void ApplyInspectorSettings();
  void StoreInspectorSettings();
  void ConnectInspectorCommands();
  bool IsClearingViews() const override { return FClearingViews; }
  bool HasActiveView() const override { return FCurrent.View && FCurrent.List; }
  int FocusedRow() const override;
  int RowCount() const override;
  int SelectedCount() const override;
  bool GotoCurrentMessage() override;
  void GetSelectedRange(int& first, int& last) const override;
  void GetCallStack(std::vector<TQBCallStackEntry>& entries) const override;
  void SelectRow(int row) override;
  bool IsInspectorShown() const override { return FSettings.Display.Inspector; }
  void MessageFocused() override;
  void ClearMessageDetails() override;
  bool RunInspectorPrintDialog(QString& title) override;

  // Command states and status panes (QBMainFormCommands.cpp).
  TQBCommandInputs GatherCommandInputs() const;
  void ApplyCommandStates(const TQBCommandStates& states);
  void UpdateStatusPanes(const TQBCommandInputs& in);

  TQBIniFile& FIni;
  TQBFolders FFolders;
  std::unique_ptr<IQBShellDialogs> FDialogs;
  TQBMsgViewDialogs FMsgViewDialogs;
  TQBSettings FSettings;
  TQBLogState FLog;
  TQBMessageAdder FAdder;
  TQBModifiedFlagObserver FModifiedObserver;
  std::unique_ptr<IQBNewMessageObserver> FViewsObserver;
  TQBLogCommands FLogCommands;
  std::unique_ptr<TQBLoadProgress> FProgress;

  TQBCommandTable* FCommands;
  TQBInspectorPane* FPane;
  TQBMainLayout* FLayout;
  TQBStatusPanes* FStatus;
  TQBMenus FMenus;
  std::array<bool, QBCommandCount> FHandled{};
  TQBCommandStates FStates;

  QList<TQBViewBinding> FViews;  // in tab order; index 0 is "All Messages"
  TQBViewBinding FCurrent;
  bool FSyncMode = false;
  int FSyncRecNo = -1;
  bool FFullSize = false;
  bool FSplittersPlaced = false;
  bool FCallStackBeforeFullSize = false;
  bool FClearingViews = false;
  // The current view's selected count while one selection change is handled: counting walks the
  // whole view, and the inspection and the command states both need it.
  std::optional<int> FSelectedSnapshot;

  int FRowHeight = 17;
  QFont FMessageFont, FInspectorFont, FInspectorFixedFont;
  std::array<QList<QIcon>, 5> FImageLists;

  // Where the messages the user adds come from.
  TQBMessageOrigin FOrigin = QBMessageOriginOfThisProcess();

  // Find options.
  QString FFindText;
  bool FFindForward = true, FFindFromCursor = false, FFindInDetails = true;
};
