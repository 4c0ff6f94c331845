#pragma once
#include <cstdint>
#include <string>

#include "controls/menu/MenuItemListing.h"
#include "foundation/CollectionEnumerator.h"

namespace vorn {

/// The row table of an open popup menu, top row first. Same rules and errors as MenuItems, except
/// that Item passes every argument to the collection: "" and Empty fail like a missing key (5).
class MenuItemListings final : public ClassOf<MenuItemListings> {
 public:
  static const ClassInfo& StaticClass();

  Ref<MenuItemListing> Add(std::string Key, int16_t Index, int32_t Top, int32_t Height, bool Selectable);
  Ref<MenuItemListing> Item(Variant vntIndexKey);
  int32_t get_Count() const { return rows_.Count(); }
  void Remove(Variant vntIndexKey);
  Ref<CollectionEnumerator> get_NewEnum();

  /// The row at a position (1..Count); raises 9 outside.
  MenuItemListing& At(int32_t position) const { return static_cast<MenuItemListing&>(*rows_.At(position)); }
  int32_t Count() const noexcept { return rows_.Count(); }

 private:
  Collection rows_;
};

}  // namespace vorn
