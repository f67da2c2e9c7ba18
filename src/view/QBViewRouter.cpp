#include "view/QBViewRouter.h"

#include "view/QBFilterMatcher.h"
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

void TQBViewRouter::SetViews(std::vector<TTarget> views) {
  FViews = std::move(views);
  FBuilt = false;
}

void TQBViewRouter::Append(TTarget view, uint64_t generationBefore) {
  FViews.push_back(view);
  if (!FBuilt || FGeneration != generationBefore) {
    FBuilt = false;
    return;
  }
  Index(int(FViews.size() - 1));
  FGeneration = qbviewregistry::Generation();
}

void TQBViewRouter::Build() {
  FBuilt = true;
  FGeneration = qbviewregistry::Generation();
  FAlways.clear();
  FBuckets.clear();
  FPids.clear();
  for (TNameIndex& index : FNames) index = {};
  for (int i = 0; i < int(FViews.size()); ++i) Index(i);
}

void TQBViewRouter::Index(int i) {
  if (!FViews[size_t(i)].List) {
    FAlways.push_back(i);
    return;
  }
  const auto bucketOf = [this](auto& buckets, const auto& key) {
    const auto it = buckets.constFind(key);
    if (it != buckets.cend()) return *it;
    FBuckets.emplace_back();
    return *buckets.insert(key, int(FBuckets.size() - 1));
  };
  TQBFilterCriteria criteria;
  FViews[size_t(i)].List->GetFilterCriteria(criteria);
  int bucket = -1;
  for (int f = 0; f < NameFields && bucket < 0; ++f) {
    if (!(criteria.*NameFieldsOf[f].Check)) continue;
    bucket = bucketOf(FNames[size_t(f)].Buckets, qbfilter::FoldedKey(criteria.*NameFieldsOf[f].Value));
  }
  if (bucket < 0 && criteria.CheckProcessID) bucket = bucketOf(FPids, uint32_t(criteria.ProcessID));
  if (bucket < 0) FAlways.push_back(i);
  else FBuckets[size_t(bucket)].push_back(i);
}

int TQBViewRouter::NameBucket(int field, const TQuillboxMessageSet& set, uint32_t id) {
  TNameIndex& index = FNames[size_t(field)];
  if (id >= index.ById.size()) {
    index.ById.resize(size_t(id) + 1, NotLookedUp);
    index.Checked.resize(size_t(id) + 1);
    index.Seen.resize(size_t(id) + 1);
  }
  // The kept copy shares the name's text, so while it lives no other name can have that address: an
  // equal address is the same name, also after the store was emptied. A value appended since the id
  // was looked up may be its answer now.
  const QString& name = set.PoolString(id);
  const int buckets = int(index.Buckets.size());
  if (index.ById[id] != NotLookedUp && index.Checked[id].constData() == name.constData() &&
      (index.ById[id] >= 0 || index.Seen[id] == buckets))
    return index.ById[id];
  index.Checked[id] = name;
  index.Seen[id] = buckets;
  index.ById[id] = index.Buckets.value(qbfilter::FoldedKeyInto(name, FFolded), -1);
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
