#include "view/QBViewRouter.h"

#include "view/QBViewRegistry.h"

namespace {

// The name criteria the router indexes, with the message's name id of each.
struct TNameField {
  bool TQBFilterCriteria::*Check;
  QString TQBFilterCriteria::*Value;
  uint32_t (TQBMessageRef::*Id)() const;
};
// Threads first: where a view names several values, the most varied one makes the smallest bucket.
constexpr TNameField NameFieldsOf[] = {
    {&TQBFilterCriteria::CheckThreadName, &TQBFilterCriteria::ThreadName, &TQBMessageRef::ThreadNameId},
    {&TQBFilterCriteria::CheckAppName, &TQBFilterCriteria::AppName, &TQBMessageRef::AppNameId},
    {&TQBFilterCriteria::CheckCategory, &TQBFilterCriteria::Category, &TQBMessageRef::CategoryId},
    {&TQBFilterCriteria::CheckComputerName, &TQBFilterCriteria::ComputerName, &TQBMessageRef::ComputerNameId},
};

constexpr int NotLookedUp = -2;

}  // namespace

QString TQBViewRouter::Fold(const QString& value) {
  QString folded = value;
  for (QChar& c : folded)
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - ('a' - 'A'));
  return folded;
}

void TQBViewRouter::SetViews(std::vector<TTarget> views) {
  FViews = std::move(views);
  FBuilt = false;
}

void TQBViewRouter::Build() {
  FBuilt = true;
  FGeneration = qbviewregistry::Generation();
  FAlways.clear();
  FBuckets.clear();
  FPids.clear();
  for (TNameIndex& index : FNames) index = {};
  const auto bucketOf = [this](auto& buckets, const auto& key) {
    const auto it = buckets.constFind(key);
    if (it != buckets.cend()) return *it;
    FBuckets.emplace_back();
    return *buckets.insert(key, int(FBuckets.size() - 1));
  };
  for (int i = 0; i < int(FViews.size()); ++i) {
    if (!FViews[size_t(i)].List) {
      FAlways.push_back(i);
      continue;
    }
    TQBFilterCriteria criteria;
    FViews[size_t(i)].List->GetFilterCriteria(criteria);
    int bucket = -1;
    for (int f = 0; f < NameFields && bucket < 0; ++f)
      if (criteria.*NameFieldsOf[f].Check) bucket = bucketOf(FNames[size_t(f)].Buckets, Fold(criteria.*NameFieldsOf[f].Value));
    if (bucket < 0 && criteria.CheckProcessID) bucket = bucketOf(FPids, uint32_t(criteria.ProcessID));
    if (bucket < 0) FAlways.push_back(i);
    else FBuckets[size_t(bucket)].push_back(i);
  }
}

int TQBViewRouter::NameBucket(int field, const TQuillboxMessageSet& set, uint32_t id) {
  TNameIndex& index = FNames[size_t(field)];
  if (id >= index.ById.size()) {
    index.ById.resize(size_t(id) + 1, NotLookedUp);
    index.Checked.resize(size_t(id) + 1);
  }
  // The kept copy shares the name's text, so while it lives no other name can have that address: an
  // equal address is the same name, also after the store was emptied.
  const QString& name = set.PoolString(id);
  if (index.ById[id] != NotLookedUp && index.Checked[id].constData() == name.constData()) return index.ById[id];
  index.Checked[id] = name;
  index.ById[id] = index.Buckets.value(Fold(name), -1);
  return index.ById[id];
}

const std::vector<IQBMessageView*>& TQBViewRouter::Candidates(const TQuillboxMessageSet& set,
                                                              const TQBMessageRef& message) {
  if (!FBuilt || FGeneration != qbviewregistry::Generation()) Build();
  FCandidates.clear();
  for (int i : FAlways) FCandidates.push_back(FViews[size_t(i)].View);
  const auto addBucket = [this](int bucket) {
    if (bucket < 0) return;
    for (int i : FBuckets[size_t(bucket)]) FCandidates.push_back(FViews[size_t(i)].View);
  };
  for (int f = 0; f < NameFields; ++f) {
    if (FNames[size_t(f)].Buckets.isEmpty()) continue;
    // Through a local: GCC 12's undefined-behaviour checks miscompile a member function pointer called
    // straight out of an indexed array element (a wrong index, then a wild read).
    const TNameField& field = NameFieldsOf[f];
    addBucket(NameBucket(f, set, (message.*field.Id)()));
  }
  if (!FPids.isEmpty()) addBucket(FPids.value(message.ProcessID(), -1));
  return FCandidates;
}
