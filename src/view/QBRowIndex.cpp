#include "view/QBRowIndex.h"

#include <bit>

namespace {

inline int LowBit(int i) { return i & -i; }

// The position of the n-th (0-based) set bit of a word that has more than n set bits.
inline int SelectInWord(uint64_t w, int n) {
  for (int i = 0; i < n; ++i) w &= w - 1;
  return std::countr_zero(w);
}

}  // namespace

void TQBRowIndex::Clear() {
  FWords.clear();
  FTree.assign(1, 0);
  FItems = FRows = 0;
}

void TQBRowIndex::AppendWord(uint64_t bits) {
  if (FTree.empty()) FTree.assign(1, 0);
  FWords.push_back(bits);
  const int i = int(FWords.size());  // 1-based index of the new word
  // Node i covers words (i - lowbit(i), i]; the words before i are already in the tree.
  FTree.push_back(int32_t(std::popcount(bits) + PrefixWords(i - 1) - PrefixWords(i - LowBit(i))));
}

void TQBRowIndex::Append(bool visible) {
  if ((FItems & 63) == 0) AppendWord(0);
  if (visible) {
    FWords.back() |= uint64_t(1) << (FItems & 63);
    AddToWord(int(FWords.size()) - 1, 1);
    ++FRows;
  }
  ++FItems;
}

void TQBRowIndex::Assign(const std::vector<uint8_t>& visible) {
  Clear();
  FWords.assign((visible.size() + 63) / 64, 0);
  for (size_t i = 0; i < visible.size(); ++i)
    if (visible[i]) FWords[i >> 6] |= uint64_t(1) << (i & 63);
  FItems = int(visible.size());
  // Linear Fenwick construction.
  FTree.assign(FWords.size() + 1, 0);
  for (size_t i = 1; i <= FWords.size(); ++i) {
    const int c = std::popcount(FWords[i - 1]);
    FRows += c;
    FTree[i] += c;
    const size_t parent = i + size_t(LowBit(int(i)));
    if (parent < FTree.size()) FTree[parent] += FTree[i];
  }
}

void TQBRowIndex::AddToWord(int word, int delta) {
  for (int i = word + 1; i < int(FTree.size()); i += LowBit(i)) FTree[size_t(i)] += delta;
}

int64_t TQBRowIndex::PrefixWords(int words) const {
  int64_t sum = 0;
  for (int i = words; i > 0; i -= LowBit(i)) sum += FTree[size_t(i)];
  return sum;
}

int TQBRowIndex::SetRange(int first, int last, bool visible) {
  if (first < 0) first = 0;
  if (last >= FItems) last = FItems - 1;
  int changed = 0;
  for (int w = first >> 6; w <= (last >> 6) && first <= last; ++w) {
    const int lo = w == (first >> 6) ? (first & 63) : 0;
    const int hi = w == (last >> 6) ? (last & 63) : 63;
    const uint64_t mask = (hi == 63 ? ~uint64_t(0) : ((uint64_t(1) << (hi + 1)) - 1)) & ~((uint64_t(1) << lo) - 1);
    uint64_t& word = FWords[size_t(w)];
    const uint64_t flipped = visible ? (mask & ~word) : (mask & word);
    if (!flipped) continue;
    const int n = std::popcount(flipped);
    word ^= flipped;
    AddToWord(w, visible ? n : -n);
    changed += n;
  }
  FRows += visible ? changed : -changed;
  return changed;
}

int TQBRowIndex::ItemOfRow(int row) const {
  // Fenwick descent to the word holding the row-th visible item.
  int pos = 0;
  int rest = row;
  int step = std::bit_floor(unsigned(FTree.size() - 1));
  for (; step > 0; step >>= 1) {
    const int next = pos + step;
    if (next < int(FTree.size()) && FTree[size_t(next)] <= rest) {
      pos = next;
      rest -= FTree[size_t(next)];
    }
  }
  return pos * 64 + SelectInWord(FWords[size_t(pos)], rest);
}

int TQBRowIndex::RowsBefore(int item) const {
  if (item >= FItems) return FRows;
  if (item <= 0) return 0;
  const int w = item >> 6;
  const uint64_t below = (uint64_t(1) << (item & 63)) - 1;
  return int(PrefixWords(w) + std::popcount(FWords[size_t(w)] & below));
}

int TQBRowIndex::NextVisible(int item) const {
  if (item < 0) item = 0;
  if (item >= FItems) return -1;
  size_t w = size_t(item) >> 6;
  uint64_t bits = FWords[w] & ~((uint64_t(1) << (item & 63)) - 1);
  while (!bits) {
    if (++w >= FWords.size()) return -1;
    bits = FWords[w];
  }
  return int(w * 64 + size_t(std::countr_zero(bits)));
}

int TQBRowIndex::PrevVisible(int item) const {
  if (item >= FItems) item = FItems - 1;
  if (item < 0) return -1;
  size_t w = size_t(item) >> 6;
  const int b = item & 63;
  uint64_t bits = FWords[w] & (b == 63 ? ~uint64_t(0) : ((uint64_t(1) << (b + 1)) - 1));
  while (!bits) {
    if (w == 0) return -1;
    bits = FWords[--w];
  }
  return int(w * 64 + 63 - size_t(std::countl_zero(bits)));
}
