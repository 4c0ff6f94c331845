#pragma once
#include <cstdint>

#include "foundation/Collection.h"
#include "foundation/Enumerator.h"

namespace vorn {

/// What a collection's NewEnum hands out: a walker over the entries in position order, alive as
/// long as anyone holds it (it keeps the collection's owner alive). Entries added during a walk
/// are reached; entries removed during it are not, and the others are neither skipped nor
/// repeated.
///
/// Automation shape, after the standard enumerator: Next(Item) stores the next entry in its
/// by-reference argument and returns True, or returns False at the end; Skip(Count), Reset,
/// Clone; Count is the number of entries in the collection.
class CollectionEnumerator final : public Enumerator {
 public:
  CollectionEnumerator(Ref<Object> owner, Collection& list);
  ~CollectionEnumerator() override;
  const ClassInfo& Class() const override;

  /// The next entry, or null at the end (the C++ way to walk).
  Ref<Object> NextItem() {
    slot_ = list_.NextLive(slot_);
    if (slot_ >= list_.SlotCount()) return nullptr;
    return list_.SlotItem(slot_++);
  }

  bool Next(Variant& Item);
  bool Skip(int32_t Count);
  void Reset() { slot_ = 0; }
  Ref<CollectionEnumerator> Clone() const;
  int32_t get_Count() const { return list_.Count(); }

  // Enumerator
  bool Advance(Variant& item) override { return Next(item); }
  void Rewind() override { Reset(); }
  Ref<Enumerator> Copy() const override { return Clone(); }

 private:
  Ref<Object> owner_;
  Collection& list_;
  size_t slot_ = 0;
};

}  // namespace vorn
