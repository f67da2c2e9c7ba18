#include "view/QBTypeIndex.h"

#include <algorithm>

void TQBTypeIndex::Clear() {
  FDirect.clear();
  FOthers.clear();
  FUsed.clear();
  FItems = 0;
}

const TQBTypeIndex::TBucket* TQBTypeIndex::Find(int32_t key) const {
  if (key >= 0) return size_t(key) < FDirect.size() ? FDirect[size_t(key)].get() : nullptr;
  const auto it = FOthers.find(key);
  return it == FOthers.end() ? nullptr : &it->second;
}

TQBTypeIndex::TBucket& TQBTypeIndex::Obtain(int32_t key) {
  TBucket* bucket = const_cast<TBucket*>(Find(key));
  if (bucket) return *bucket;
  if (key >= 0) {
    if (FDirect.empty()) FDirect.resize(CustomKey + 1);
    FDirect[size_t(key)] = std::make_unique<TBucket>();
    bucket = FDirect[size_t(key)].get();
  } else {
    bucket = &FOthers[key];
  }
  bucket->Rows.Clear();
  FUsed.push_back(bucket);
  return *bucket;
}

void TQBTypeIndex::Append(int32_t type, bool visible) {
  TBucket& bucket = Obtain(KeyOf(type));
  bucket.Items.push_back(FItems++);
  bucket.Rows.Append(visible);
}

void TQBTypeIndex::Assign(const std::vector<int32_t>& types, const std::vector<uint8_t>& visible) {
  Clear();
  for (size_t i = 0; i < types.size(); ++i) Obtain(KeyOf(types[i])).Items.push_back(int32_t(i));
  FItems = int(types.size());
  std::vector<uint8_t> rows;
  for (TBucket* bucket : FUsed) {
    rows.resize(bucket->Items.size());
    for (size_t p = 0; p < rows.size(); ++p) rows[p] = visible[size_t(bucket->Items[p])];
    bucket->Rows.Assign(rows);
  }
}

void TQBTypeIndex::SetItem(int item, bool visible) {
  TBucket& bucket = *const_cast<TBucket*>(Find(KeyOf(FTypeOf(item))));
  const auto pos = std::lower_bound(bucket.Items.begin(), bucket.Items.end(), item) - bucket.Items.begin();
  bucket.Rows.Set(int(pos), visible);
}

void TQBTypeIndex::SetRange(int first, int last, bool visible) {
  first = std::max(first, 0);
  last = std::min(last, FItems - 1);
  if (first > last) return;
  // A short range costs less item by item than a visit of every list held; a long one the other way.
  if (size_t(last - first + 1) <= FUsed.size()) {
    for (int item = first; item <= last; ++item) SetItem(item, visible);
    return;
  }
  for (TBucket* bucket : FUsed) {
    const auto begin = std::lower_bound(bucket->Items.begin(), bucket->Items.end(), first);
    const auto end = std::upper_bound(begin, bucket->Items.end(), last);
    if (begin != end)
      bucket->Rows.SetRange(int(begin - bucket->Items.begin()), int(end - bucket->Items.begin()) - 1, visible);
  }
}

int TQBTypeIndex::NextMatch(int32_t wanted, int item) const {
  const TBucket* bucket = Find(KeyOf(wanted));
  if (!bucket) return -1;
  const int pos = int(std::lower_bound(bucket->Items.begin(), bucket->Items.end(), item) - bucket->Items.begin());
  const int rowsBefore = bucket->Rows.RowsBefore(pos);
  if (rowsBefore >= bucket->Rows.RowCount()) return -1;
  return bucket->Items[size_t(bucket->Rows.ItemOfRow(rowsBefore))];
}

int TQBTypeIndex::RowCount(int32_t wanted) const {
  const TBucket* bucket = Find(KeyOf(wanted));
  return bucket ? bucket->Rows.RowCount() : 0;
}

int TQBTypeIndex::PrevMatch(int32_t wanted, int item) const {
  const TBucket* bucket = Find(KeyOf(wanted));
  if (!bucket) return -1;
  const int pos = int(std::upper_bound(bucket->Items.begin(), bucket->Items.end(), item) - bucket->Items.begin());
  const int rowsBefore = bucket->Rows.RowsBefore(pos);
  if (rowsBefore == 0) return -1;
  return bucket->Items[size_t(bucket->Rows.ItemOfRow(rowsBefore - 1))];
}
