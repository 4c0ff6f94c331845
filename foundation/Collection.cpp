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
  Slot added{std::move(item), {}, 0, !key.empty()};
  if (added.keyed) {
    const FoldedKey folded(key);
    added.hash = KeyTable::Hash(folded.View());
    if (FindKey(folded.View(), added.hash) != kNoKey) Raise(errKeyAlreadyAssociated);
    if (slots_.size() + keyBase_ > KeyTable::kMaxSlot) Raise(errOutOfMemory);
    keys_.ReserveOneMore();
    added.key = folded.View();
  }
  const uint32_t number = KeyNumber(slots_.size());
  const uint32_t hash = added.hash;
  const bool keyed = added.keyed;
  slots_.push_back(std::move(added));
  if (keyed) keys_.Insert(hash, number);
  if (!tree_.empty()) {
    // Appending node n: its range (n - lowbit(n), n] is the entry itself plus its child nodes.
    const size_t n = slots_.size();
    int32_t sum = 1;
    for (size_t j = 1; j < LowBit(n); j <<= 1) sum += tree_[n - j];
    try {
      tree_.push_back(sum);
    } catch (...) {
      if (keyed) keys_.Erase(hash, number);
      slots_.pop_back();
      throw;
    }
  }
  ++count_;
}

size_t Collection::FindKey(std::string_view folded, uint32_t hash) const {
  const uint32_t number = keys_.Find(hash, [&](uint32_t n) { return slots_[n - keyBase_].key == folded; });
  return number == KeyTable::kNoSlot ? kNoKey : number - keyBase_;
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

size_t Collection::SlotWithKey(std::string_view key) const {
  const FoldedKey folded(key);
  return FindKey(folded.View(), KeyTable::Hash(folded.View()));
}

size_t Collection::SlotOfKey(std::string_view key) const {
  const size_t slot = SlotWithKey(key);
  if (slot == kNoKey) Raise(errInvalidProcedureCall);
  return slot;
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
  const size_t slot = SlotWithKey(key);
  return slot == kNoKey ? nullptr : &slots_[slot].item;
}

void Collection::Remove(const Variant& indexOrKey) { RemoveSlot(ResolveSlot(indexOrKey)); }

void Collection::RemoveAt(int32_t position) { RemoveSlot(SlotOfPosition(position)); }

void Collection::RemoveSlot(size_t slot) {
  Slot& s = slots_[slot];
  if (tree_.empty() && slot != head_) BuildTree();  // a hole after the first entry
  if (!tree_.empty()) {
    for (size_t i = slot + 1; i <= tree_.size() - 1; i += LowBit(i)) --tree_[i];
  }
  // Emptying from the front removes slot after slot: start loading the table place of a key a few
  // slots on, so that its cache miss overlaps the removals in between.
  if (slot == head_ && slot + 8 < slots_.size()) keys_.Prefetch(slots_[slot + 8].hash);
  if (s.keyed) {
    keys_.Erase(s.hash, KeyNumber(slot));
    s.keyed = false;
    s.key = std::string();
  }
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
  // Without a tree the only holes are the front's: every entry moves by head_ slots, and moving
  // the base by as much keeps their keys' numbers.
  const bool renumber = !tree_.empty() || keyBase_ + head_ > kMaxKeyBase;
  size_t out = 0;
  for (size_t i = head_; i < slots_.size(); ++i) {
    if (!slots_[i].item) continue;
    if (out != i) {
      slots_[out] = std::move(slots_[i]);
      if (renumber && slots_[out].keyed) keys_.Renumber(slots_[out].hash, KeyNumber(i), KeyNumber(out));
    }
    ++out;
  }
  if (!renumber) keyBase_ += static_cast<uint32_t>(head_);
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
