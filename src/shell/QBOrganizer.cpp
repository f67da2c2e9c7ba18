#include "shell/QBOrganizer.h"

#include "view/QBFilterMatcher.h"

#include <unordered_map>

// How each field is read from a message, named and put into a criteria record.
struct TQBOrganizer::TFieldRule {
  TQBOrganizeField Flag;
  // The view's name is the prefix followed by the value.
  const char* NamePrefix;
  // An empty value never gets a view.
  bool EmptyIsOrganized;
  bool TQBFilterCriteria::*Check;
  // The name criteria: the message's interned name and the criterion's text. Null for the process id.
  uint32_t (TQBMessageRef::*NameId)() const;
  QString TQBFilterCriteria::*Text;
};

const std::array<TQBOrganizer::TFieldRule, TQBOrganizer::FieldCount>& TQBOrganizer::Rules() {
  using C = TQBFilterCriteria;
  using M = TQBMessageRef;
  static const std::array<TFieldRule, FieldCount> rules{{
      {orgAppName, "", false, &C::CheckAppName, &M::AppNameId, &C::AppName},
      {orgCategory, "", true, &C::CheckCategory, &M::CategoryId, &C::Category},
      {orgProcessID, "PID ", false, &C::CheckProcessID, nullptr, nullptr},
      {orgThreadName, "Thread ", false, &C::CheckThreadName, &M::ThreadNameId, &C::ThreadName},
      {orgComputerName, "", true, &C::CheckComputerName, &M::ComputerNameId, &C::ComputerName},
  }};
  return rules;
}

namespace {

// Puts the store back on a record however the work in between ends.
class TKeepPosition {
public:
  explicit TKeepPosition(TQuillboxMessageSet& set) : FSet(set), FRecNo(set.RecNo()) {}
  ~TKeepPosition() { FSet.GotoRec(FRecNo); }
  TKeepPosition(const TKeepPosition&) = delete;
  TKeepPosition& operator=(const TKeepPosition&) = delete;

private:
  TQuillboxMessageSet& FSet;
  int FRecNo;
};

// Holds the update brackets of views being filled, closing them also when an error escapes.
class TFillBrackets {
public:
  explicit TFillBrackets(const std::vector<TQBOrganizedView>& views) : FViews(views) {
    for (const TQBOrganizedView& v : FViews)
      if (v.List) v.List->BeginUpdate();
  }
  ~TFillBrackets() {
    for (const TQBOrganizedView& v : FViews)
      if (v.List) v.List->EndUpdate();
  }
  TFillBrackets(const TFillBrackets&) = delete;
  TFillBrackets& operator=(const TFillBrackets&) = delete;

private:
  const std::vector<TQBOrganizedView>& FViews;
};

}  // namespace

TQBOrganizer::TQBOrganizer(TQuillboxMessageSet& set) : FSet(set) {}

int TQBOrganizer::FieldOfCriteria(const TQBFilterCriteria& criteria) {
  int field = -1;
  for (int f = 0; f < FieldCount; ++f) {
    if (!(criteria.*Rules()[size_t(f)].Check)) continue;
    if (field != -1) return -1;
    field = f;
  }
  return field;
}

namespace {

QString ValueOfCriteria(const TQBFilterCriteria& criteria, QString TQBFilterCriteria::*text) {
  return text ? criteria.*text : QString::number(uint32_t(criteria.ProcessID));
}

}  // namespace

void TQBOrganizer::RegisterView(const IQBMessageViewList& view) {
  TQBFilterCriteria criteria;
  view.GetFilterCriteria(criteria);
  const int field = FieldOfCriteria(criteria);
  if (field < 0) return;
  const QString value = ValueOfCriteria(criteria, Rules()[size_t(field)].Text);
  QMap<QString, QString>& values = FValues[size_t(field)];
  const QString key = qbfilter::FoldedKey(value);
  if (!values.contains(key)) values.insert(key, value);
}

void TQBOrganizer::UnregisterView(const IQBMessageViewList& view) {
  TQBFilterCriteria criteria;
  view.GetFilterCriteria(criteria);
  const int field = FieldOfCriteria(criteria);
  if (field < 0) return;
  if (FValues[size_t(field)].remove(qbfilter::FoldedKey(ValueOfCriteria(criteria, Rules()[size_t(field)].Text))) > 0)
    ClearCaches();
}

void TQBOrganizer::ClearCaches() {
  ++FVersion;
  for (std::vector<TValueState>& states : FNameStates) states.clear();
  FPidStates.clear();
}

bool TQBOrganizer::HasValue(int field, const QString& value) {
  return FValues[size_t(field)].contains(qbfilter::FoldedKeyInto(value, FFolded));
}

bool TQBOrganizer::Full() const {
  qsizetype views = 0;
  for (const QMap<QString, QString>& values : FValues) views += values.size();
  return views >= FMaxViews;
}

TQBOrganizer::TValueState& TQBOrganizer::CachedState(int field, const TQBMessageRef& message) {
  const TFieldRule& rule = Rules()[size_t(field)];
  if (!rule.NameId) return FPidStates[message.ProcessID()];
  if (FCacheGeneration != FSet.PoolGeneration()) {
    for (std::vector<TValueState>& states : FNameStates) states.clear();
    FCacheGeneration = FSet.PoolGeneration();
  }
  std::vector<TValueState>& states = FNameStates[size_t(field)];
  const uint32_t fold = FSet.PoolFoldId((message.*rule.NameId)());
  if (fold >= states.size()) states.resize(std::max<size_t>(size_t(fold) + 1, FSet.PoolSize()), vsUnknown);
  return states[fold];
}

bool TQBOrganizer::IsOrganized(int field, const TQBMessageRef& message) {
  TValueState& state = CachedState(field, message);
  if (state == vsOrganized) return true;
  const TFieldRule& rule = Rules()[size_t(field)];
  const QString value =
      rule.NameId ? FSet.PoolString((message.*rule.NameId)()) : QString::number(message.ProcessID());
  if (!(value.isEmpty() && rule.EmptyIsOrganized) && !HasValue(field, value)) return false;
  state = vsOrganized;
  return true;
}

TQBOrganizer::TValueState TQBOrganizer::Settle(int field, const TQBMessageRef& message) {
  if (IsOrganized(field, message)) return vsOrganized;
  TValueState& state = CachedState(field, message);
  if (state == vsLeftOut || !Full()) return state;
  state = vsLeftOut;
  ++FLeftOut;
  return vsLeftOut;
}

TQBOrganizedView TQBOrganizer::CreateView(int field, const TQBMessageRef& message) {
  const TFieldRule& rule = Rules()[size_t(field)];
  TQBFilterCriteria criteria;
  criteria.*rule.Check = true;
  QString value;
  if (rule.Text) {
    value = FSet.PoolString((message.*rule.NameId)());
    criteria.*rule.Text = value;
  } else {
    criteria.ProcessID = int32_t(message.ProcessID());
    value = QString::number(message.ProcessID());
  }
  return FViews->CreateOrganizedView(QString::fromLatin1(rule.NamePrefix) + value, criteria);
}

namespace {

// Offers every message of the store, in record order, to each of the views.
void FillFromStore(TQuillboxMessageSet& set, const std::vector<TQBOrganizedView>& views) {
  TFillBrackets brackets(views);
  for (int recNo = 1; recNo <= set.GetRecordCount(); ++recNo) {
    set.GotoRec(recNo);
    for (const TQBOrganizedView& v : views) v.View->AddCurrentMessage(false);
  }
}

}  // namespace

void TQBOrganizer::OrganizeMessage(uint8_t fields) {
  if (!FViews || FSet.RecNo() < 1 || FSet.RecNo() > FSet.GetRecordCount()) return;
  const TKeepPosition keep(FSet);
  const TQBMessageRef message = FSet.At(FSet.RecNo());
  std::vector<TQBOrganizedView> created;
  for (int field = 0; field < FieldCount; ++field) {
    if (!(fields & Rules()[size_t(field)].Flag) || Settle(field, message) != vsUnknown) continue;
    const TQBOrganizedView view = CreateView(field, message);
    // Without a view class nothing can be created for the other fields either.
    if (!view) break;
    created.push_back(view);
  }
  if (FAutomaticPass || created.empty()) return;
  FillFromStore(FSet, created);
  FViews->ShowOrganizedView(created.back());
}

uint32_t TQBOrganizer::KeyOf(int field, const TQBMessageRef& message) {
  const TFieldRule& rule = Rules()[size_t(field)];
  return rule.NameId ? (message.*rule.NameId)() : message.ProcessID();
}

bool TQBOrganizer::RepeatsLastMessage(int recNo, const TQBMessageRef& message) const {
  // Following the last message directly, the store cannot have been emptied in between (the first
  // message after that is number 1), so equal name ids are equal names.
  if (recNo != FLast.RecNo + 1 || FLast.Fields != FOrganizeBy || FLast.Version != FVersion) return false;
  for (int field = 0; field < FieldCount; ++field)
    if ((FOrganizeBy & Rules()[size_t(field)].Flag) && KeyOf(field, message) != FLast.Keys[size_t(field)])
      return false;
  return true;
}

void TQBOrganizer::OrganizeNewMessage() {
  const int recNo = FSet.RecNo();
  if (recNo < 1 || recNo > FSet.GetRecordCount()) return;
  const TQBMessageRef message = FSet.At(recNo);
  // While a log loads, most messages repeat the names of the one before, whose values have views.
  if (RepeatsLastMessage(recNo, message)) {
    FLast.RecNo = recNo;
    return;
  }
  {
    struct TAutomatic {
      bool& Flag;
      explicit TAutomatic(bool& flag) : Flag(flag) { Flag = true; }
      ~TAutomatic() { Flag = false; }
    } automatic(FAutomaticPass);
    OrganizeMessage(FOrganizeBy);
  }
  FLast.RecNo = -1;
  for (int field = 0; field < FieldCount; ++field)
    if ((FOrganizeBy & Rules()[size_t(field)].Flag) && Settle(field, message) == vsUnknown) return;
  for (int field = 0; field < FieldCount; ++field) FLast.Keys[size_t(field)] = KeyOf(field, message);
  FLast.RecNo = recNo;
  FLast.Fields = FOrganizeBy;
  FLast.Version = FVersion;
}

// One "Organize Messages" pass over the store: the first walk finds the values without a view and
// creates their views empty, noting for every interned name (and process id) which new view it
// belongs to; the second walk hands each message to the new views of its values.
class TQBOrganizer::TPass {
public:
  TPass(TQBOrganizer& organizer, uint8_t fields) : FOrganizer(organizer), FSet(organizer.FSet) {
    for (int f = 0; f < FieldCount; ++f)
      if (fields & Rules()[size_t(f)].Flag) FFields.push_back(f);
    for (std::vector<int32_t>& routes : FRoutes) routes.assign(FSet.PoolSize(), Unseen);
  }

  void Discover(int recNo) {
    const TQBMessageRef message = FSet.At(recNo);
    for (int field : FFields) {
      int32_t& route = RouteSlot(field, message);
      if (route == Unseen) route = NewRoute(field, message);
    }
  }

  void Fill() {
    if (FCreated.empty()) return;
    TFillBrackets brackets(FCreated);
    for (int recNo = 1; recNo <= FSet.GetRecordCount(); ++recNo) {
      const TQBMessageRef message = FSet.At(recNo);
      for (int field : FFields) {
        const int32_t route = RouteSlot(field, message);
        if (route < 0) continue;
        FSet.GotoRec(recNo);
        FCreated[size_t(route)].View->AddCurrentMessage(false);
      }
    }
  }

  const std::vector<TQBOrganizedView>& Created() const { return FCreated; }
  int LeftOut() const { return FLeftOut; }

private:
  static constexpr int32_t Unseen = -2;
  static constexpr int32_t NoNewView = -1;

  int32_t& RouteSlot(int field, const TQBMessageRef& message) {
    const TFieldRule& rule = Rules()[size_t(field)];
    // Names that differ only in the case of ASCII letters share a fold id, and so a view.
    if (rule.NameId) return FRoutes[size_t(field)][FSet.PoolFoldId((message.*rule.NameId)())];
    const uint32_t pid = message.ProcessID();
    if (FLastPidRoute && FLastPid == pid) return *FLastPidRoute;
    FLastPid = pid;
    FLastPidRoute = &FPidRoutes.try_emplace(pid, Unseen).first->second;
    return *FLastPidRoute;
  }

  int32_t NewRoute(int field, const TQBMessageRef& message) {
    if (FStopped || FOrganizer.IsOrganized(field, message)) return NoNewView;
    if (FOrganizer.Full()) {
      ++FLeftOut;
      return NoNewView;
    }
    const TQBOrganizedView view = FOrganizer.CreateView(field, message);
    if (!view) {
      // Without a view class every further value would fail the same way.
      FStopped = true;
      return NoNewView;
    }
    FCreated.push_back(view);
    return int32_t(FCreated.size() - 1);
  }

  TQBOrganizer& FOrganizer;
  TQuillboxMessageSet& FSet;
  std::vector<int> FFields;
  std::vector<TQBOrganizedView> FCreated;
  // Per field and fold id: Unseen, NoNewView, or the index of the new view in FCreated.
  std::array<std::vector<int32_t>, FieldCount> FRoutes;
  // The same for process ids; node-based, so the remembered slot of the last id stays valid.
  std::unordered_map<uint32_t, int32_t> FPidRoutes;
  uint32_t FLastPid = 0;
  int32_t* FLastPidRoute = nullptr;
  bool FStopped = false;
  int FLeftOut = 0;
};

int TQBOrganizer::OrganizeAll(uint8_t fields) {
  // The store may have been emptied and refilled since the last automatic pass.
  ++FVersion;
  if (!FViews || !(fields & AllFields) || FSet.GetRecordCount() == 0) return 0;
  struct TCreating {
    IQBOrganizerViews& Views;
    explicit TCreating(IQBOrganizerViews& views) : Views(views) { Views.BeginCreating(); }
    ~TCreating() { Views.EndCreating(); }
  } creating(*FViews);
  TKeepPosition keep(FSet);
  TPass pass(*this, fields);
  for (int recNo = 1; recNo <= FSet.GetRecordCount(); ++recNo) pass.Discover(recNo);
  pass.Fill();
  if (!pass.Created().empty()) FViews->ShowOrganizedView(pass.Created().back());
  return pass.LeftOut();
}

QString TQBOrganizer::LeftOutText(int leftOut) const {
  return QStringLiteral("The organizer makes at most %1 views ([Organizer] MaxViews): %2 more %3 got no view.")
      .arg(FMaxViews)
      .arg(leftOut)
      .arg(leftOut == 1 ? QStringLiteral("value") : QStringLiteral("values"));
}

QStringList TQBOrganizer::OrganizedValues(TQBOrganizeField field) const {
  for (int f = 0; f < FieldCount; ++f)
    if (Rules()[size_t(f)].Flag == field) return FValues[size_t(f)].values();
  return {};
}
