#pragma once
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/KeyTable.h"
#include "foundation/Object.h"
#include "foundation/Variant.h"

namespace vorn {

/// The library's ordered, keyed list of objects, behind MenuItems, MenuItemListings and the
/// toolbar's items: positions are 1-based in Add order; an entry may have a key, unique within
/// the list. Keys compare without regard to letter case: two keys are one when their case
/// foldings are equal (foundation/CaseFold.h: full Unicode case folding on Linux, the system's
/// case mappings on Windows; "Š" and "š", "Ω" and "ω" are one key everywhere).
///
/// Index arguments: a numeric Variant is a position (rounded to nearest, ties to even), a string
/// is a key; anything else (Empty included) is looked up as its text, so Empty is the key "".
///
/// Errors, raised before anything changes:
///   Add with a key already present                457 This key is already associated ...
///   a position outside 1..Count                   9   Subscript out of range
///   a key that is not present (also "" or Empty)  5   Invalid procedure call or argument
///
/// Cost: Add, key lookups and enumeration are O(1) per entry, and a key lookup allocates nothing
/// (for keys whose folding has up to 256 bytes). Removing the first entry is O(1); removing any
/// other is O(log n) amortised (it leaves a hole that a Fenwick tree counts past, and the list is
/// compacted once holes outnumber entries). A position lookup is O(1) while the only holes are
/// at the front and O(log n) otherwise.
class Collection {
 public:
  Collection() = default;
  Collection(const Collection&) = delete;
  Collection& operator=(const Collection&) = delete;

  int32_t Count() const noexcept { return count_; }

  /// Appends an entry; an empty key means none.
  void Add(Ref<Object> item, std::string_view key = {});
  /// The entry at a position or with a key (see the class comment for the errors).
  const Ref<Object>& Item(const Variant& indexOrKey) const;
  const Ref<Object>& At(int32_t position) const;
  /// The entry with a key, or null; never raises.
  const Ref<Object>* Find(std::string_view key) const;
  void Remove(const Variant& indexOrKey);
  void RemoveAt(int32_t position);

  /// Walks the entries in position order. Like a standard container's, an iterator is invalid
  /// after Add or Remove; a CollectionEnumerator is the walker that survives them.
  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = Ref<Object>;
    using difference_type = std::ptrdiff_t;
    using pointer = const Ref<Object>*;
    using reference = const Ref<Object>&;
    Iterator() = default;
    reference operator*() const noexcept { return owner_->slots_[slot_].item; }
    pointer operator->() const noexcept { return &owner_->slots_[slot_].item; }
    Iterator& operator++() noexcept {
      slot_ = owner_->NextLive(slot_ + 1);
      return *this;
    }
    Iterator operator++(int) noexcept {
      Iterator old = *this;
      ++*this;
      return old;
    }
    friend bool operator==(const Iterator& a, const Iterator& b) noexcept { return a.slot_ == b.slot_; }

   private:
    friend class Collection;
    Iterator(const Collection* owner, size_t slot) : owner_(owner), slot_(slot) {}
    const Collection* owner_ = nullptr;
    size_t slot_ = 0;
  };
  Iterator begin() const noexcept { return Iterator(this, NextLive(0)); }
  Iterator end() const noexcept { return Iterator(this, slots_.size()); }

  /// Slot-level walking for enumerators: a slot keeps its entry while a walker is registered,
  /// so removing entries during a walk neither skips nor repeats the others.
  size_t NextLive(size_t slot) const noexcept {
    if (slot < head_) slot = head_;
    if (tree_.empty()) return slot < slots_.size() ? slot : slots_.size();
    while (slot < slots_.size() && !slots_[slot].item) ++slot;
    return slot;
  }
  size_t SlotCount() const noexcept { return slots_.size(); }
  const Ref<Object>& SlotItem(size_t slot) const noexcept { return slots_[slot].item; }
  void AddWalker() noexcept { ++walkers_; }
  void RemoveWalker() noexcept;

  /// The key as compared: its case folding.
  static std::string FoldKey(std::string_view key);

 private:
  struct Slot {
    Ref<Object> item;  // null once removed
    std::string key;   // folded
    uint32_t hash = 0;
    bool keyed = false;
  };
  size_t SlotOfPosition(int32_t position) const;
  size_t SlotOfKey(std::string_view key) const;
  size_t FindKey(std::string_view folded, uint32_t hash) const;  // a slot, or kNoKey
  size_t SlotWithKey(std::string_view key) const;                // folds it first
  static constexpr size_t kNoKey = SIZE_MAX;
  uint32_t KeyNumber(size_t slot) const noexcept { return static_cast<uint32_t>(slot) + keyBase_; }
  size_t ResolveSlot(const Variant& indexOrKey) const;
  void RemoveSlot(size_t slot);
  void BuildTree();
  void Compact();

  std::vector<Slot> slots_;
  // Slots before head_ are all holes: a list emptied from the front needs no tree.
  size_t head_ = 0;
  // Fenwick tree over the slots (1 for an entry, 0 for a hole), kept only while there are holes
  // after head_.
  std::vector<int32_t> tree_;
  KeyTable keys_;
  // The table knows a key's slot by slot + keyBase_, so that dropping the emptied front of the list
  // moves the slots without telling the table. Capped so that it leaves room for 2^31 slots.
  uint32_t keyBase_ = 0;
  static constexpr size_t kMaxKeyBase = size_t{1} << 31;
  int32_t count_ = 0;
  int32_t walkers_ = 0;
};

}  // namespace vorn
