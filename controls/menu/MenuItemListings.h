#pragma once
#include <cstdint>
#include <string>

#include "controls/menu/MenuItemListing.h"
#include "foundation/CollectionEnumerator.h"

namespace vorn {

/// The row table of an open popup menu, top row first. Same rules and errors as MenuItems, except
/// that Item passes every argument to the collection: "" and Empty fail like a missing key (5).
class MenuItemListings final : public RecordList<MenuItemListings, MenuItemListing> {
 public:
  static const ClassInfo& StaticClass();

  Ref<MenuItemListing> Add(std::string Key, int16_t Index, int32_t Top, int32_t Height, bool Selectable);
};

}  // namespace vorn
