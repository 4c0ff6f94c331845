#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "foundation/Collection.h"
#include "foundation/Enumerator.h"
#include "foundation/MemberBinding.h"

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

/// A collection object of records of class T, Self being the class: Item, Count, Remove and NewEnum
/// as the collection answers them (errors: 9 bad position, 5 missing key), and the records for C++.
/// Self adds its own Add and may answer Item or Remove in its own way.
template <class Self, class T>
class RecordList : public ClassOf<Self> {
 public:
  Ref<T> Item(Variant vntIndexKey) { return Ref<T>(static_cast<T*>(items_.Item(vntIndexKey).get())); }
  int32_t get_Count() const { return items_.Count(); }
  void Remove(Variant vntIndexKey) { items_.Remove(vntIndexKey); }
  Ref<CollectionEnumerator> get_NewEnum() { return MakeRef<CollectionEnumerator>(Ref<Object>(this), items_); }

  /// The record at a position (1..Count), without conversions; raises 9 outside.
  T& At(int32_t position) const { return static_cast<T&>(*items_.At(position)); }
  int32_t Count() const noexcept { return items_.Count(); }
  const Collection& Entries() const noexcept { return items_; }

 protected:
  Collection items_;
};

/// The parameter of a collection's Item and Remove: a position or a key.
inline constexpr ParamInfo kIndexParams[] = {{"vntIndexKey", "Variant"}};

/// The identifiers of a collection's members, and whether NewEnum is hidden (the usual ones unless a
/// class says otherwise).
struct CollectionIds {
  DispId add = 0x60030001;
  DispId item = kDispIdValue;
  DispId count = 0x68030000;
  DispId remove = 0x60030002;
  DispId newEnum = kDispIdNewEnum;
  bool enumHidden = true;
};

/// The automation members of a collection class C of items named itemType: Add with its own
/// parameters, Item and Remove by position or key, Count, and NewEnum.
template <class C>
constexpr std::array<MemberInfo, 5> CollectionMembers(std::string_view itemType, std::span<const ParamInfo> addParams,
                                                      CollectionIds ids = {}) {
  return {{{"Add", ids.add, kMethod, itemType, addParams, &MethodThunk<&C::Add>},
           {"Item", ids.item, kGet, itemType, kIndexParams, &MethodThunk<&C::Item>},
           {"Count", ids.count, kGet, "Long", {}, &PropertyThunk<&C::get_Count>},
           {"Remove", ids.remove, kMethod, "", kIndexParams, &MethodThunk<&C::Remove>},
           {"NewEnum", ids.newEnum, kGet, "IUnknown", {}, &PropertyThunk<&C::get_NewEnum>, ids.enumHidden}}};
}

}  // namespace vorn
