#include "shell/QBViewManager.h"

#include "plugins/QBPlugInLists.h"
#include "shell/QBScopeGuards.h"
#include "shell/QBViewPages.h"
#include "shell/QBViewPlace.h"
#include "view/QBViewRegistry.h"

#include <quillbox/QBCustomViewClass.h>
#include <quillbox/QuillboxMessageSet.h>

#include <QSet>

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace {

bool ValidRecNo(const TQuillboxMessageSet& set, int recNo) { return recNo >= 1 && recNo <= set.GetRecordCount(); }

}  // namespace

const TQBCustomViewClass* QBFindViewClass(const TCustomViewList* registry, const QString& className) {
  if (!registry || registry->Count() == 0) return nullptr;
  if (const qsizetype i = registry->IndexOf(className); i >= 0) return registry->Entry(i).Class;
  if (const TQBCustomViewClass* found = registry->Find(QStringLiteral("Default"))) return found;
  return registry->Entry(0).Class;
}

TQBViewManager::TQBViewManager(IQBViewPages& pages, IQBViewsWindow& window, IQBAreaFeedback& feedback,
                               TQuillboxMessageSet& set, const TCustomViewList* registry)
    : FPages(pages), FWindow(window), FFeedback(feedback), FSet(set), FRegistry(registry) {}

void TQBViewManager::HoldWindow(bool hold) {
  if (hold) {
    FFeedback.SetBusy(true);
    FPages.SuspendUpdates(true);
  } else {
    FPages.SuspendUpdates(false);
    FFeedback.SetBusy(false);
  }
}

QObject* TQBViewManager::MakeView(const QString& className) {
  const TQBCustomViewClass* viewClass = QBFindViewClass(FRegistry, className);
  if (!viewClass) {
    FFeedback.ReportError(QStringLiteral("Unable to create a view. ViewClass (%1) not found.").arg(className));
    return nullptr;
  }
  QObject* view = FPages.CreateView(*viewClass);
  if (!qobject_cast<IQBMessageView*>(view)) {
    if (view) FPages.DestroyView(view);
    FFeedback.ReportError(QStringLiteral("Invalid CustomView registered"));
    return nullptr;
  }
  return view;
}

bool TQBViewManager::CreateDefaultView() {
  if (!FViews.isEmpty()) return true;
  if (InsertView({QBAllMessagesName}) != 0) return false;
  Select(0);
  return true;
}

int TQBViewManager::InsertView(const TQBNewView& spec, int index) {
  // Inside a bulk the window is already held; holding it again per view would cost as much as the
  // views themselves (the hold walks every child widget).
  if (FBulk > 0) return PlaceView(spec, index);
  QString error;
  int placed = -1;
  {
    HoldWindow(true);
    const TQBFinally release(error, [this] { HoldWindow(false); });
    placed = PlaceView(spec, index);
  }
  if (!error.isEmpty()) FFeedback.ReportError(error);
  return placed;
}

int TQBViewManager::PlaceView(const TQBNewView& spec, int index) {
  QObject* object = MakeView(spec.ClassName);
  if (!object) return -1;
  // Nothing goes before "All Messages".
  const int minIndex = FViews.isEmpty() ? 0 : 1;
  index = index < 0 || index > Count() ? Count() : std::max(index, minIndex);
  const TQBViewBinding binding = TQBViewBinding::Of(object);
  FPages.InsertPage(index, object, spec.Name);
  binding.View->SetViewName(spec.Name);
  const uint64_t generation = qbviewregistry::Generation();
  if (binding.List) binding.List->SetFilterCriteria(spec.Criteria);
  FViews.insert(index, {binding, spec.Name});
  if (FCurrent >= index) ++FCurrent;
  // A view after the others (the organizer's, a project's) joins the router's index alone.
  if (index == Count() - 1) FRouter.Append({binding.View, binding.List}, generation);
  else ViewsChanged();
  if (FUpdateAll > 0 && binding.List) {
    binding.List->BeginUpdate();
    FBracketed.append(binding.List);
  }
  if (FDispatching) FMadeWhileDispatching.append(binding.View);
  // Settings first: a view fills by its display settings (auto-collapse shows an empty method as one
  // row), so a view filled before them would show other rows than one filled later.
  binding.View->Initialize();
  if (spec.Fill) Fill({binding.View});
  if (spec.MarkProjectModified) FProjectModified = true;
  if (FBulk > 0) {
    FBulkCreated = true;
    if (spec.Fill || FCurrent < 0) FCurrent = index;
    Bind();
    return index;
  }
  FWindow.ViewPrepared();
  if (spec.Fill || FCurrent < 0) Select(index);
  else Bind();
  StripFollowsCount();
  if (spec.MarkProjectModified) FFeedback.UpdateCommands();
  return index;
}

void TQBViewManager::BeginBulk() {
  if (FBulk++ > 0) return;
  FBulkCreated = false;
  HoldWindow(true);
  FPages.SetTabStripVisible(false);
}

void TQBViewManager::EndBulk() {
  if (FBulk == 0 || --FBulk > 0) return;
  HoldWindow(false);
  StripFollowsCount();
  if (!FBulkCreated) return;
  FWindow.ViewPrepared();
  Select(FCurrent);
}

void TQBViewManager::BeginUpdateAll() {
  if (FUpdateAll++ > 0) return;
  for (const TEntry& entry : FViews)
    if (entry.Binding.List) {
      entry.Binding.List->BeginUpdate();
      FBracketed.append(entry.Binding.List);
    }
}

void TQBViewManager::EndUpdateAll() {
  if (FUpdateAll == 0 || --FUpdateAll > 0) return;
  QString error;
  for (IQBMessageViewList* list : std::exchange(FBracketed, {})) {
    const QString text = QBCatchAll([list] { list->EndUpdate(); });
    if (error.isEmpty()) error = text;
  }
  if (!error.isEmpty()) FFeedback.ReportError(error);
}

void TQBViewManager::Forget(const TQBViewBinding& binding) {
  if (binding.List) FBracketed.removeAll(binding.List);
  FMadeWhileDispatching.removeAll(binding.View);
}

void TQBViewManager::Fill(const QList<IQBMessageView*>& views) {
  QString error;
  {
    // Each view's bracket is open while it fills: no repaint and no scroll bar work per row.
    // A message is offered only to the views that may take it: filling a project's thousands of views
    // costs a pass over the store plus the rows they take, not views times messages.
    std::vector<std::unique_ptr<TQBViewUpdateBracket>> brackets;
    std::vector<TQBViewRouter::TTarget> targets;
    const QSet<IQBMessageView*> filled(views.begin(), views.end());
    for (const TEntry& entry : FViews)
      if (filled.contains(entry.Binding.View)) {
        brackets.push_back(std::make_unique<TQBViewUpdateBracket>(entry.Binding.List, error));
        targets.push_back({entry.Binding.View, entry.Binding.List});
      }
    TQBViewRouter router;
    router.SetViews(std::move(targets));
    const int saved = FSet.RecNo();
    for (int recNo = 1; recNo <= FSet.GetRecordCount(); ++recNo) {
      for (IQBMessageView* view : router.Candidates(FSet, FSet.At(recNo))) {
        if (FSet.RecNo() != recNo) FSet.GotoRec(recNo);
        view->AddCurrentMessage(false);
      }
    }
    if (ValidRecNo(FSet, saved)) FSet.GotoRec(saved);
  }
  if (!error.isEmpty()) FFeedback.ReportError(error);
}

void TQBViewManager::RefillViews(const QList<int>& indexes) {
  QList<IQBMessageView*> views;
  // The focused and selected messages outlive the refill; rows are made anew.
  std::vector<std::pair<TQBViewBinding, TQBViewPlace>> places;
  for (int index : indexes)
    if (index >= 0 && index < Count()) {
      views.append(FViews[index].Binding.View);
      places.emplace_back(FViews[index].Binding, TQBViewPlace::Of(FViews[index].Binding));
    }
  if (views.isEmpty()) return;
  QString error;
  {
    HoldWindow(true);
    const TQBFinally release(error, [this] { HoldWindow(false); });
    for (IQBMessageView* view : views) view->ClearView();
    Fill(views);
    for (const auto& [binding, place] : places) place.RestoreTo(binding);
  }
  if (!error.isEmpty()) FFeedback.ReportError(error);
  if (indexes.contains(FCurrent)) FWindow.InspectFocusedMessage();
}

void TQBViewManager::ModifyView(int index, const QString& name, const std::optional<TQBFilterCriteria>& criteria) {
  if (index < 0 || index >= Count()) return;
  RenameView(index, name);
  if (criteria && FViews[index].Binding.List) {
    FViews[index].Binding.List->SetFilterCriteria(*criteria);
    FRouter.Invalidate();
  }
  RefillViews({index});
}

int TQBViewManager::IndexOf(const IQBMessageView* view) const {
  for (int i = 0; i < Count(); ++i)
    if (FViews[i].Binding.View == view) return i;
  return -1;
}

QStringList TQBViewManager::ClassNames() const {
  QStringList names;
  for (qsizetype i = 0; FRegistry && i < FRegistry->Count(); ++i) names.append(FRegistry->Entry(i).Name);
  return names;
}

void TQBViewManager::ViewsChanged() {
  std::vector<TQBViewRouter::TTarget> targets;
  targets.reserve(size_t(FViews.size()));
  for (const TEntry& entry : FViews) targets.push_back({entry.Binding.View, entry.Binding.List});
  FRouter.SetViews(std::move(targets));
}

void TQBViewManager::RemoveView(int index) {
  if (index < 1 || index >= Count()) return;
  const bool wasCurrent = index == FCurrent;
  // The interfaces go before the view they point into.
  FBound = {};
  Forget(FViews[index].Binding);
  FPages.RemovePage(index);
  FViews.removeAt(index);
  ViewsChanged();
  FProjectModified = true;
  StripFollowsCount();
  if (FCurrent > index) --FCurrent;
  if (wasCurrent) {
    FCurrent = -1;
    Select(std::min(index, Count() - 1));
    return;
  }
  Bind();
  FFeedback.UpdateCommands();
}

void TQBViewManager::RemovePagesFrom(int first) {
  // The first page that stays is shown before the others go, and the tab strip is hidden meanwhile:
  // removing the shown page would show its neighbour (laying out the page stack), and every tab removed
  // from a shown strip lays out all the others, so a thousand views took seconds to remove.
  FPages.ShowPage(std::max(first - 1, 0));
  FPages.SetTabStripVisible(false);
  while (Count() > first) {
    Forget(FViews.last().Binding);
    FPages.RemovePage(Count() - 1);
    FViews.removeLast();
  }
  ViewsChanged();
}

void TQBViewManager::RemoveAllViews() {
  if (Count() <= 1) return;
  FBound = {};
  const bool wasOnFirst = FCurrent == 0;
  QString error;
  {
    HoldWindow(true);
    const TQBFinally release(error, [this] { HoldWindow(false); });
    RemovePagesFrom(1);
  }
  FProjectModified = true;
  StripFollowsCount();
  FCurrent = -1;
  if (!error.isEmpty()) FFeedback.ReportError(error);
  if (wasOnFirst) {
    FCurrent = 0;
    Bind();
    FFeedback.UpdateCommands();
    return;
  }
  Select(0);
}

void TQBViewManager::MoveView(int index, int by) {
  const int to = index + by;
  if (index < 1 || to < 1 || index >= Count() || to >= Count() || index == to) return;
  const bool wasCurrent = index == FCurrent;
  FBound = {};
  FPages.MovePage(index, to);
  FViews.move(index, to);
  ViewsChanged();
  FProjectModified = true;
  if (wasCurrent) {
    Select(to);
    return;
  }
  if (FCurrent == to) FCurrent = index;
  Bind();
  FFeedback.UpdateCommands();
}

void TQBViewManager::RenameView(int index, const QString& name) {
  if (index < 0 || index >= Count()) return;
  FViews[index].Binding.View->SetViewName(name);
  FViews[index].Caption = name;
  FPages.SetCaption(index, name);
  FProjectModified = true;
}

void TQBViewManager::Select(int index) {
  if (index < 0 || index >= Count()) return;
  FCurrent = index;
  FPages.ShowPage(index);
  Bind();
  if (FSyncRecNo != -1 && FBound.List) FBound.List->GoToMessage(FSyncRecNo);
  FWindow.InspectFocusedMessage();
}

void TQBViewManager::SelectNext() {
  if (FCurrent + 1 < Count()) Select(FCurrent + 1);
}

void TQBViewManager::SelectPrevious() {
  if (FCurrent > 0) Select(FCurrent - 1);
}

void TQBViewManager::Bind() { FBound = FCurrent >= 0 && FCurrent < Count() ? FViews[FCurrent].Binding : TQBViewBinding{}; }

void TQBViewManager::StripFollowsCount() { FPages.SetTabStripVisible(Count() > 1); }

void TQBViewManager::SetSyncMode(bool on) {
  FSyncMode = on;
  FSyncRecNo = on ? FBound.FocusedRecNo() : -1;
  for (const TEntry& entry : FViews) entry.Binding.View->SetSyncMessage(FSyncRecNo);
}

QList<TQBSwitchEntry> TQBViewManager::SwitchToViewEntries() const {
  QList<TQBSwitchEntry> entries;
  for (int i = 0; i < Count(); ++i) entries.append({FViews[i].Caption, i == FCurrent});
  return entries;
}

void TQBViewManager::ClearAllViews() {
  {
    FClearing = true;
    struct TEnd {
      bool& Clearing;
      ~TEnd() { Clearing = false; }
    } end{FClearing};
    for (const TEntry& entry : FViews) entry.Binding.View->ClearView();
  }
  FWindow.InspectFocusedMessage();
}

void TQBViewManager::ClearViewsAndStore() {
  ClearAllViews();
  FSet.Close();
  FSet.Open();
}

void TQBViewManager::ReapplySettings() {
  for (const TEntry& entry : FViews) entry.Binding.View->ApplySettings();
}

void TQBViewManager::NotifyActivation(bool active) {
  for (const TEntry& entry : FViews)
    if (IQBViewActivation* activation = entry.Binding.Activation)
      active ? activation->AppActivated() : activation->AppDeactivated();
}

void TQBViewManager::FreeViews() {
  FBound = {};
  FCurrent = -1;
  RemovePagesFrom(0);
}

int TQBViewManager::SelectedCount() const {
  if (FHeldSelected) return *FHeldSelected;
  return FBound.View ? FBound.View->SelectedCount() : 0;
}

TQBViewManager::THold TQBViewManager::HoldSelectedCount() {
  FHeldSelected = FBound.View ? FBound.View->SelectedCount() : 0;
  return THold(FHeldSelected);
}

void TQBViewManager::GatherInputs(TQBCommandInputs& in) const {
  const TQBViewBinding& v = FBound;
  in.HasView = v.View != nullptr;
  if (v.View) {
    in.Rows = v.View->GetCount();
    in.Selected = SelectedCount();
  }
  in.List = v.List, in.Methods = v.Methods, in.Search = v.Search;
  in.Print = v.Print, in.Save = v.Save, in.Export = v.Export, in.Time = v.Time;
  const int row = v.FocusedRow();
  in.Current = row >= 0;
  if (in.Current) {
    const int recNo = v.View->GetRowRecNo(row);
    in.FocusedType = ValidRecNo(FSet, recNo) ? FSet.At(recNo).MsgType() : -1;
    in.FocusedLevel = v.List->GetRowLevel(row);
    in.FocusedCollapsed = v.Methods && v.Methods->IsCurrentMethodCollapsed();
  }
  for (int n = 0; v.List && n < 10; ++n)
    if (v.List->GetBookmark(n) != -1) in.Bookmarks |= uint16_t(1u << n);
  in.ViewCount = Count();
  in.CurrentTab = FCurrent;
  in.StoreCount = FSet.GetRecordCount();
  in.SyncMode = FSyncMode;
  in.ProjectModified = FProjectModified;
}

void TQBViewManager::NewMessageAdded(int recNo) {
  // The candidates are copied: a view may be created while the message is on its way (from inside
  // a view's adding), which changes the router's list. Such a view hears of the message afterwards.
  FDispatching = true;
  FMadeWhileDispatching.clear();
  struct TEnd {
    bool& Dispatching;
    ~TEnd() { Dispatching = false; }
  } end{FDispatching};
  const std::vector<IQBMessageView*> candidates = FRouter.Candidates(FSet, FSet.At(recNo));
  // Each view takes the store's current message; one may leave the store elsewhere.
  for (IQBMessageView* view : candidates) {
    if (FSet.RecNo() != recNo) FSet.GotoRec(recNo);
    view->AddCurrentMessage(false);
  }
  for (qsizetype i = 0; i < FMadeWhileDispatching.size(); ++i) {
    if (FSet.RecNo() != recNo) FSet.GotoRec(recNo);
    FMadeWhileDispatching[i]->AddCurrentMessage(false);
  }
}
