#pragma once
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "foundation/Object.h"
#include "foundation/Variant.h"

namespace vorn {

/// The library's ordered, keyed list of objects, behind MenuItems, MenuItemListings and the
/// toolbar's items: positions are 1-based in Add order; an entry may have a key, unique within
/// the list, compared without regard to letter case (ASCII and the Latin-1 letters of UTF-8).
///
/// Index arguments: a numeric Variant is a position (rounded to nearest, ties to even), a string
/// is a key; anything else (Empty included) is looked up as its text, so Empty is the key "".
///
/// Errors, raised before anything changes:
///   Add with a key already present                457 This key is already associated ...
///   a position outside 1..Count                   9   Subscript out of range
///   a key that is not present (also "" or Empty)  5   Invalid procedure call or argument
///
/// Cost: Add, key lookups and enumeration are O(1) per entry; Remove is O(log n) amortised (it
/// leaves a hole that a Fenwick tree counts past, and compacts once holes outnumber entries);
/// a position lookup is O(1) while the list has no holes and O(log n) otherwise.
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
  size_t NextLive(size_t slot) const noexcept;
  size_t SlotCount() const noexcept { return slots_.size(); }
  const Ref<Object>& SlotItem(size_t slot) const noexcept { return slots_[slot].item; }
  void AddWalker() noexcept { ++walkers_; }
  void RemoveWalker() noexcept;

  /// The key as compared: letter case folded.
  static std::string FoldKey(std::string_view key);

 private:
  struct Slot {
    Ref<Object> item;  // null once removed
    std::string key;   // folded; empty for none
  };
  size_t SlotOfPosition(int32_t position) const;
  size_t SlotOfKey(const std::string& folded) const;
  size_t ResolveSlot(const Variant& indexOrKey) const;
  void RemoveSlot(size_t slot);
  void BuildTree();
  void Compact();

  std::vector<Slot> slots_;
  // Fenwick tree over the slots (1 for an entry, 0 for a hole); kept only while there are holes.
  std::vector<int32_t> tree_;
  std::unordered_map<std::string, size_t> keys_;  // folded key -> slot
  int32_t count_ = 0;
  int32_t walkers_ = 0;
  mutable std::string scratch_;  // folded lookup key, reused so lookups do not allocate
};

}  // namespace vorn
