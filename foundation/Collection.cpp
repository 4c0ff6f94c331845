#include "foundation/Collection.h"

#include <bit>
#include <cmath>

#include "foundation/RuntimeError.h"

namespace vorn {

namespace {
constexpr size_t kNone = static_cast<size_t>(-1);

void FoldInto(std::string_view key, std::string& out) {
  out.assign(key);
  for (size_t i = 0; i < out.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(out[i]);
    if (c >= 'A' && c <= 'Z') {
      out[i] = static_cast<char>(c + 32);
    } else if (c == 0xC3 && i + 1 < out.size()) {
      // U+00C0..U+00DE (but not U+00D7, the multiplication sign) are the Latin-1 capitals.
      const unsigned char next = static_cast<unsigned char>(out[i + 1]);
      if (next >= 0x80 && next <= 0x9E && next != 0x97) out[i + 1] = static_cast<char>(next + 0x20);
      ++i;
    }
  }
}

size_t LowBit(size_t i) { return i & (~i + 1); }
}  // namespace

std::string Collection::FoldKey(std::string_view key) {
  std::string folded;
  FoldInto(key, folded);
  return folded;
}

void Collection::Add(Ref<Object> item, std::string_view key) {
  std::string folded;
  if (!key.empty()) {
    FoldInto(key, folded);
    if (keys_.contains(folded)) Raise(errKeyAlreadyAssociated);
  }
  slots_.push_back(Slot{std::move(item), folded});
  const size_t slot = slots_.size() - 1;
  if (!folded.empty()) {
    try {
      keys_.emplace(std::move(folded), slot);
    } catch (...) {
      slots_.pop_back();
      throw;
    }
  }
  if (!tree_.empty()) {
    // Appending node n: its range (n - lowbit(n), n] is the entry itself plus its child nodes.
    const size_t n = slots_.size();
    int32_t sum = 1;
    for (size_t j = 1; j < LowBit(n); j <<= 1) sum += tree_[n - j];
    tree_.push_back(sum);
  }
  ++count_;
}

size_t Collection::SlotOfPosition(int32_t position) const {
  if (position < 1 || position > count_) Raise(errSubscriptOutOfRange);
  if (tree_.empty()) return static_cast<size_t>(position - 1);
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

size_t Collection::SlotOfKey(const std::string& folded) const {
  auto it = keys_.find(folded);
  if (it == keys_.end()) Raise(errInvalidProcedureCall);
  return it->second;
}

size_t Collection::ResolveSlot(const Variant& indexOrKey) const {
  if (indexOrKey.IsNumeric()) {
    const double d = std::nearbyint(indexOrKey.ToDouble());
    if (!(d >= 1.0 && d <= static_cast<double>(count_))) Raise(errSubscriptOutOfRange);
    return SlotOfPosition(static_cast<int32_t>(d));
  }
  if (indexOrKey.IsString()) {
    FoldInto(indexOrKey.StringValue(), scratch_);
  } else {
    FoldInto(indexOrKey.ToString(), scratch_);
  }
  return SlotOfKey(scratch_);
}

const Ref<Object>& Collection::Item(const Variant& indexOrKey) const { return slots_[ResolveSlot(indexOrKey)].item; }

const Ref<Object>& Collection::At(int32_t position) const { return slots_[SlotOfPosition(position)].item; }

const Ref<Object>* Collection::Find(std::string_view key) const {
  if (key.empty()) return nullptr;
  FoldInto(key, scratch_);
  auto it = keys_.find(scratch_);
  return it == keys_.end() ? nullptr : &slots_[it->second].item;
}

void Collection::Remove(const Variant& indexOrKey) { RemoveSlot(ResolveSlot(indexOrKey)); }

void Collection::RemoveAt(int32_t position) { RemoveSlot(SlotOfPosition(position)); }

void Collection::RemoveSlot(size_t slot) {
  Slot& s = slots_[slot];
  if (tree_.empty()) BuildTree();
  for (size_t i = slot + 1; i <= tree_.size() - 1; i += LowBit(i)) --tree_[i];
  if (!s.key.empty()) keys_.erase(s.key);
  // Release the entry last: its destructor may run host code that looks at this list.
  Ref<Object> gone = std::move(s.item);
  s.key.clear();
  --count_;
  if (walkers_ == 0 && static_cast<size_t>(count_) * 2 < slots_.size()) Compact();
}

void Collection::BuildTree() {
  // Every slot is an entry: node i covers lowbit(i) of them. Index 0 is unused.
  tree_.assign(slots_.size() + 1, 0);
  for (size_t i = 1; i < tree_.size(); ++i) tree_[i] = static_cast<int32_t>(LowBit(i));
}

void Collection::Compact() {
  size_t out = 0;
  for (size_t i = 0; i < slots_.size(); ++i) {
    if (!slots_[i].item) continue;
    if (out != i) {
      slots_[out] = std::move(slots_[i]);
      if (!slots_[out].key.empty()) keys_[slots_[out].key] = out;
    }
    ++out;
  }
  slots_.resize(out);
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

size_t Collection::NextLive(size_t slot) const noexcept {
  if (tree_.empty()) return std::min(slot, slots_.size());
  while (slot < slots_.size() && !slots_[slot].item) ++slot;
  return slot;
}

}  // namespace vorn
