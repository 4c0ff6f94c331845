#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vorn {

/// Collection's index of keys: an open-addressed table, probed in order, from a folded key's hash
/// to the number of the slot that holds the key. The keys stay in their slots, so a place costs
/// 8 bytes and finding, adding or forgetting a key touches one run of places rather than a node
/// and a bucket chain. A forgotten key leaves a marker that probes step over; growing clears them.
class KeyTable {
 public:
  static constexpr uint32_t kNoSlot = UINT32_MAX;
  /// The highest slot number the table can hold.
  static constexpr uint32_t kMaxSlot = UINT32_MAX - 2;

  static uint32_t Hash(std::string_view foldedKey) noexcept;

  /// The slot of a key with this hash for which isKey(slot) holds, or kNoSlot.
  template <class IsKey>
  uint32_t Find(uint32_t hash, IsKey&& isKey) const {
    if (places_.empty()) return kNoSlot;
    for (size_t i = hash & mask_;; i = (i + 1) & mask_) {
      const Place& p = places_[i];
      if (p.slot == kEmpty) return kNoSlot;
      if (p.hash == hash && p.slot != kGone && isKey(p.slot)) return p.slot;
    }
  }

  /// Makes room for one more key. Only this allocates; if it throws, nothing has changed.
  void ReserveOneMore();
  /// Adds a key that is not present, after ReserveOneMore.
  void Insert(uint32_t hash, uint32_t slot) noexcept;
  /// Forgets the key held by a slot.
  void Erase(uint32_t hash, uint32_t slot) noexcept;
  /// The key held by slot `from` is now held by slot `to`.
  void Renumber(uint32_t hash, uint32_t from, uint32_t to) noexcept;
  /// Starts loading the place where a key with this hash would be, for a lookup soon after.
  void Prefetch(uint32_t hash) const noexcept {
    if (!places_.empty()) __builtin_prefetch(&places_[hash & mask_], 1, 3);
  }

 private:
  struct Place {
    uint32_t slot;
    uint32_t hash;
  };
  static constexpr uint32_t kEmpty = UINT32_MAX;
  static constexpr uint32_t kGone = UINT32_MAX - 1;
  static constexpr size_t kNoPlace = SIZE_MAX;
  size_t PlaceOf(uint32_t hash, uint32_t slot) const noexcept;

  std::vector<Place> places_;
  size_t mask_ = 0;
  size_t live_ = 0;
  size_t gone_ = 0;
};

}  // namespace vorn
