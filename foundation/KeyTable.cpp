#include "foundation/KeyTable.h"

#include <functional>
#include <utility>

namespace vorn {

uint32_t KeyTable::Hash(std::string_view foldedKey) noexcept {
  const uint64_t h = std::hash<std::string_view>{}(foldedKey);
  return static_cast<uint32_t>(h ^ (h >> 32));
}

void KeyTable::ReserveOneMore() {
  // Places in use (keys and markers) stay at most half the table, which keeps probe runs short.
  // A rebuilt table is at most three eighths full, so the next rebuild is an eighth of the table
  // of adds away, however keys come and go.
  if ((live_ + gone_ + 1) * 2 <= places_.size()) return;
  size_t size = 16;
  while ((live_ + 1) * 8 > size * 3) size *= 2;
  std::vector<Place> grown(size, Place{kEmpty, 0});
  const size_t mask = size - 1;
  for (const Place& p : places_) {
    if (p.slot == kEmpty || p.slot == kGone) continue;
    size_t i = p.hash & mask;
    while (grown[i].slot != kEmpty) i = (i + 1) & mask;
    grown[i] = p;
  }
  places_ = std::move(grown);
  mask_ = mask;
  gone_ = 0;
}

void KeyTable::Insert(uint32_t hash, uint32_t slot) noexcept {
  size_t i = hash & mask_;
  while (places_[i].slot != kEmpty && places_[i].slot != kGone) i = (i + 1) & mask_;
  if (places_[i].slot == kGone) --gone_;
  places_[i] = Place{slot, hash};
  ++live_;
}

size_t KeyTable::PlaceOf(uint32_t hash, uint32_t slot) const noexcept {
  // The table is never full, so a run always ends, even for a slot it does not hold.
  size_t i = hash & mask_;
  while (places_[i].slot != slot) {
    if (places_[i].slot == kEmpty) return kNoPlace;
    i = (i + 1) & mask_;
  }
  return i;
}

void KeyTable::Erase(uint32_t hash, uint32_t slot) noexcept {
  const size_t i = PlaceOf(hash, slot);
  if (i == kNoPlace) return;
  --live_;
  // A place followed by an empty one ends every probe run through it: it can be empty too.
  if (places_[(i + 1) & mask_].slot == kEmpty) {
    places_[i].slot = kEmpty;
  } else {
    places_[i].slot = kGone;
    ++gone_;
  }
}

void KeyTable::Renumber(uint32_t hash, uint32_t from, uint32_t to) noexcept {
  const size_t i = PlaceOf(hash, from);
  if (i != kNoPlace) places_[i].slot = to;
}

}  // namespace vorn
