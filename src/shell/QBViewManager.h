#pragma once
// The views of the main window as one list: entry i is the view on page i under tab i (IQBViewPages
// keeps the widgets in step), index 0 is "All Messages". The manager creates views of the registered
// classes, removes, moves, renames, modifies and selects them, binds the current view's interfaces,
// keeps the synchronize message mode and hands every added message to the views.
//
// Costs: an added message goes to the views that may take it (TQBViewRouter): the views that filter
// on one application, category, process, thread or computer are asked only for messages of that
// value, so a thousand organized views cost a lookup per message, not a thousand calls. Everything
// else is linear in the number of views, except filling a view, which offers it every message of the
// store once.

#include "model/QBMessageAdder.h"
#include "shell/QBAreaFeedback.h"
#include "shell/QBCommandRules.h"
#include "shell/QBViewBinding.h"
#include "view/QBFilterCriteria.h"
#include "view/QBViewRouter.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class IQBViewPages;
class TCustomViewList;
class TQBCustomViewClass;

inline const QString QBAllMessagesName = QStringLiteral("All Messages");

// What the manager asks of the main window.
class IQBViewsWindow {
public:
  virtual ~IQBViewsWindow() = default;
  // A view was created and initialised: the call stack list and the detail fields are emptied and
  // the command states renewed.
  virtual void ViewPrepared() = 0;
  // The current view, or what it shows, changed: inspect its focused message (which ends with
  // UpdateCommands).
  virtual void InspectFocusedMessage() = 0;
};

// A view to create.
struct TQBNewView {
  QString Name;
  // The registered class; an unknown name falls back to "Default", then to the first class.
  QString ClassName = QStringLiteral("Default");
  // Handed to a view that offers IQBMessageViewList.
  TQBFilterCriteria Criteria{};
  // Fill: offer the view every message of the store and make it the current view.
  bool Fill = false;
  bool MarkProjectModified = false;
};

// One entry of the "Switch to View" menu.
struct TQBSwitchEntry {
  QString Caption;
  bool Current = false;
  friend bool operator==(const TQBSwitchEntry&, const TQBSwitchEntry&) = default;
};

// The class a view of className is made of: the one registered under that name (case ignored), else
// "Default", else the first one registered; null when none is registered.
const TQBCustomViewClass* QBFindViewClass(const TCustomViewList* registry, const QString& className);

class TQBViewManager final : public IQBCurrentView, public IQBNewMessageObserver, public IQBCommandInputSource {
public:
  // registry may be null (no plug-in manager): then no view can be created. feedback reports errors,
  // shows the busy cursor and renews the command states.
  TQBViewManager(IQBViewPages& pages, IQBViewsWindow& window, IQBAreaFeedback& feedback, TQuillboxMessageSet& set,
                 const TCustomViewList* registry);
  TQBViewManager(const TQBViewManager&) = delete;
  TQBViewManager& operator=(const TQBViewManager&) = delete;

  // Creates "All Messages" on page 0 and makes it current. False (reported) when it cannot be made.
  bool CreateDefaultView();
  // Creates a view on a new page at index (the end when index is -1 or past it; never before "All
  // Messages"). Returns its index, or -1 when it could not be created (reported).
  int InsertView(const TQBNewView& view, int index = -1);
  // Removes the view at index (never "All Messages"); the view after it, or else the one before it,
  // becomes current when the removed view was current.
  void RemoveView(int index);
  // Removes every view but "All Messages".
  void RemoveAllViews();
  // Moves the view at index one place; "All Messages" never moves and nothing moves onto place 0.
  void MoveView(int index, int by);
  void RenameView(int index, const QString& name);
  // Modify View: renames the view, hands it new criteria when it offers IQBMessageViewList (criteria
  // given), empties it and fills it again from the whole store. The focused message stays focused
  // and the selected ones selected, as far as the new filter shows them (TQBViewPlace).
  void ModifyView(int index, const QString& name, const std::optional<TQBFilterCriteria>& criteria);
  // Empties the views and fills them again from the whole store, in one pass over it.
  void RefillViews(const QList<int>& indexes);
  // Some view's criteria were set from outside the manager.
  void CriteriaChanged() { FRouter.Invalidate(); }

  // Many views to create (the organizer): until the last EndBulk the window does not repaint, the tab
  // strip is hidden (each new tab would lay out all the others) and no view is prepared or command
  // state renewed one by one; all that happens once at the end. Calls nest.
  void BeginBulk();
  void EndBulk();
  // Holds every view's update bracket open, also those of views created meanwhile, until the matching
  // EndUpdateAll: while a log loads, the views in the background then do no repaint and no scroll bar
  // work per added row either. Calls nest.
  void BeginUpdateAll();
  void EndUpdateAll();

  // A tab change: shows the page, binds the view, synchronises it and inspects its focused message.
  void Select(int index);
  void SelectNext();
  void SelectPrevious();

  int Count() const { return int(FViews.size()); }
  const TQBViewBinding& At(int index) const { return FViews[index].Binding; }
  QString Caption(int index) const { return FViews[index].Caption; }
  int CurrentIndex() const { return FCurrent; }
  // The index of the view, -1 when it is none of the list.
  int IndexOf(const IQBMessageView* view) const;
  // The names of the registered view classes, in registration order.
  QStringList ClassNames() const;
  // IQBCurrentView: the bound interfaces of the current view.
  const TQBViewBinding& Current() const override { return FBound; }

  // Synchronize Message Mode: switching it on takes the focused message of the current view (none
  // without one), and every view marks it; tab changes then go to it.
  void SetSyncMode(bool on);
  bool SyncMode() const { return FSyncMode; }
  int SyncRecNo() const { return FSyncRecNo; }

  // Set by every change to the set of views or their names.
  bool ProjectModified() const { return FProjectModified; }
  void SetProjectModified(bool modified) { FProjectModified = modified; }

  QList<TQBSwitchEntry> SwitchToViewEntries() const;

  // Every view empties; the current view is inspected once afterwards.
  void ClearAllViews();
  // Clear All and a new load: every view empties, then the store (the views hold record numbers into
  // it).
  void ClearViewsAndStore();
  // True while ClearAllViews runs: the views report their emptied selections meanwhile.
  bool IsClearing() const { return FClearing; }
  // Every view re-reads its display settings from the host.
  void ReapplySettings();
  // The application became active or inactive: views that offer IQBViewActivation hear of it.
  void NotifyActivation(bool active);
  // Frees every view, the last first (window destruction).
  void FreeViews();

  // The current view's SelectedCount. Counting walks the view; while a hold is alive, the count taken
  // when it began is answered, so one selection change counts once.
  int SelectedCount() const;
  class THold {
  public:
    explicit THold(std::optional<int>& held) : FHeld(held) {}
    ~THold() { FHeld.reset(); }
    THold(const THold&) = delete;
    THold& operator=(const THold&) = delete;

  private:
    std::optional<int>& FHeld;
  };
  [[nodiscard]] THold HoldSelectedCount();

  // The view part of the command-state record.
  void GatherInputs(TQBCommandInputs& in) const override;

  // IQBNewMessageObserver: the added message goes to every view that may take it.
  void NewMessageAdded(int recNo) override;

private:
  struct TEntry {
    TQBViewBinding Binding;
    QString Caption;
  };
  // InsertView's work, while the window is held.
  int PlaceView(const TQBNewView& view, int index);
  // The busy cursor and no repainting of the window, on and off.
  void HoldWindow(bool hold);
  // Makes a view of the class and checks its interface; null (reported) when that fails.
  QObject* MakeView(const QString& className);
  void Fill(const QList<IQBMessageView*>& views);
  void Bind();
  void StripFollowsCount();
  // Removes the pages from first on, the last first; the tab strip is left hidden.
  void RemovePagesFrom(int first);
  // The list changed: the router's view of it follows.
  void ViewsChanged();
  // A view leaves the list: it is no longer held in an update bracket.
  void Forget(const TQBViewBinding& binding);

  IQBViewPages& FPages;
  IQBViewsWindow& FWindow;
  IQBAreaFeedback& FFeedback;
  TQuillboxMessageSet& FSet;
  const TCustomViewList* FRegistry;
  QList<TEntry> FViews;
  int FCurrent = -1;
  TQBViewBinding FBound;
  bool FSyncMode = false;
  int FSyncRecNo = -1;
  bool FProjectModified = false;
  bool FClearing = false;
  std::optional<int> FHeldSelected;
  TQBViewRouter FRouter;
  int FBulk = 0;
  bool FBulkCreated = false;
  int FUpdateAll = 0;
  QList<IQBMessageViewList*> FBracketed;
  // While a message is handed out: views created meanwhile, which hear of it once the others have.
  bool FDispatching = false;
  QList<IQBMessageView*> FMadeWhileDispatching;
};
