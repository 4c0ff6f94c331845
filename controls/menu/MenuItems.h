#pragma once
#include <cstdint>
#include <string>

#include "controls/menu/MenuItem.h"
#include "foundation/CollectionEnumerator.h"

namespace vorn {

/// The content of a popup menu: MenuItem records in Add order, each reachable by position and,
/// when it has one, by its key (letter case ignored). Held by reference: every holder sees every
/// change. Errors are the collection's (457 duplicate key, 9 bad position, 5 missing key) and
/// leave the list unchanged; Item with an empty argument ("" or Empty) answers Nothing instead.
class MenuItems final : public RecordList<MenuItems, MenuItem> {
 public:
  static const ClassInfo& StaticClass();

  Ref<MenuItem> Add(std::string Key, std::string Caption, int16_t Icon, bool Enabled, std::string Child,
                    std::string Group, int32_t ItemType, bool Checked, bool Bold);
  Ref<MenuItem> Item(Variant vntIndexKey);
  void Remove(Variant vntIndexKey);
};

}  // namespace vorn
