#include "foundation/Collection.h"

#include <bit>
#include <cmath>

#include "foundation/CaseFold.h"
#include "foundation/RuntimeError.h"

namespace vorn {

namespace {
size_t LowBit(size_t i) { return i & (~i + 1); }
}  // namespace

std::string Collection::FoldKey(std::string_view key) { return std::string(FoldedKey(key).View()); }

void Collection::Add(Ref<Object> item, std::string_view key) {
  KeyMap::value_type* keyed = nullptr;
  if (!key.empty()) {
    const FoldedKey folded(key);
    auto [it, added] = keys_.try_emplace(std::string(folded.View()), slots_.size());
    if (!added) Raise(errKeyAlreadyAssociated);
    keyed = &*it;
  }
  try {
    slots_.push_back(Slot{std::move(item), keyed});
  } catch (...) {
    if (keyed) keys_.erase(keys_.find(keyed->first));
    throw;
  }
  if (!tree_.empty()) {
    // Appending node n: its range (n - lowbit(n), n] is the entry itself plus its child nodes.
    const size_t n = slots_.size();
    int32_t sum = 1;
    for (size_t j = 1; j < LowBit(n); j <<= 1) sum += tree_[n - j];
    try {
      tree_.push_back(sum);
    } catch (...) {
      slots_.pop_back();
      if (keyed) keys_.erase(keys_.find(keyed->first));
      throw;
    }
  }
  ++count_;
}

size_t Collection::SlotOfPosition(int32_t position) const {
  if (position < 1 || position > count_) Raise(errSubscriptOutOfRange);
  if (tree_.empty()) return head_ + static_cast<size_t>(position - 1);
  // The slot holding the position-th entry: descend the Fenwick tree.
  const size_t n = slots_.size();
  size_t at = 0;
  int32_t left = position;
  for (size_t step = std::bit_floor(n); step > 0; step >>= 1) {
    if (at + step <= n && tree_[at + step] < left) {
      at += step;
      left -= tree_[at];
    }
  }
  return at;  // node at + 1, slot at
}

size_t Collection::SlotOfKey(std::string_view key) const {
  const FoldedKey folded(key);
  auto it = keys_.find(folded.View());
  if (it == keys_.end()) Raise(errInvalidProcedureCall);
  return it->second;
}

size_t Collection::ResolveSlot(const Variant& indexOrKey) const {
  if (indexOrKey.IsNumeric()) {
    const double d = std::nearbyint(indexOrKey.ToDouble());
    if (!(d >= 1.0 && d <= static_cast<double>(count_))) Raise(errSubscriptOutOfRange);
    return SlotOfPosition(static_cast<int32_t>(d));
  }
  if (indexOrKey.IsString()) return SlotOfKey(indexOrKey.StringValue());
  return SlotOfKey(indexOrKey.ToString());
}

const Ref<Object>& Collection::Item(const Variant& indexOrKey) const { return slots_[ResolveSlot(indexOrKey)].item; }

const Ref<Object>& Collection::At(int32_t position) const { return slots_[SlotOfPosition(position)].item; }

const Ref<Object>* Collection::Find(std::string_view key) const {
  if (key.empty()) return nullptr;
  const FoldedKey folded(key);
  auto it = keys_.find(folded.View());
  return it == keys_.end() ? nullptr : &slots_[it->second].item;
}

void Collection::Remove(const Variant& indexOrKey) { RemoveSlot(ResolveSlot(indexOrKey)); }

void Collection::RemoveAt(int32_t position) { RemoveSlot(SlotOfPosition(position)); }

void Collection::RemoveSlot(size_t slot) {
  Slot& s = slots_[slot];
  if (tree_.empty() && slot != head_) BuildTree();  // a hole after the first entry
  if (!tree_.empty()) {
    for (size_t i = slot + 1; i <= tree_.size() - 1; i += LowBit(i)) --tree_[i];
  }
  if (s.key) keys_.erase(keys_.find(s.key->first));
  s.key = nullptr;
  // Release the entry last: its destructor may run host code that looks at this list.
  Ref<Object> gone = std::move(s.item);
  --count_;
  while (head_ < slots_.size() && !slots_[head_].item) ++head_;
  if (walkers_ == 0 && static_cast<size_t>(count_) * 2 < slots_.size()) Compact();
}

void Collection::BuildTree() {
  // Node i covers the lowbit(i) slots up to slot i - 1: entries from head_ on. Index 0 is unused.
  tree_.assign(slots_.size() + 1, 0);
  for (size_t i = 1; i < tree_.size(); ++i) {
    tree_[i] += slots_[i - 1].item ? 1 : 0;
    const size_t parent = i + LowBit(i);
    if (parent < tree_.size()) tree_[parent] += tree_[i];
  }
}

void Collection::Compact() {
  size_t out = 0;
  for (size_t i = head_; i < slots_.size(); ++i) {
    if (!slots_[i].item) continue;
    if (out != i) {
      slots_[out] = std::move(slots_[i]);
      if (slots_[out].key) slots_[out].key->second = out;
    }
    ++out;
  }
  slots_.resize(out);
  head_ = 0;
  tree_.clear();
  tree_.shrink_to_fit();
}

void Collection::RemoveWalker() noexcept {
  --walkers_;
  if (walkers_ == 0 && static_cast<size_t>(count_) * 2 < slots_.size()) {
    try {
      Compact();
    } catch (...) {
      // Compacting only saves space; the holes are still counted correctly.
    }
  }
}

}  // namespace vorn
