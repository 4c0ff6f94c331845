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
class MenuItems final : public ClassOf<MenuItems> {
 public:
  static const ClassInfo& StaticClass();

  Ref<MenuItem> Add(std::string Key, std::string Caption, int16_t Icon, bool Enabled, std::string Child,
                    std::string Group, int32_t ItemType, bool Checked, bool Bold);
  Ref<MenuItem> Item(Variant vntIndexKey);
  int32_t get_Count() const { return items_.Count(); }
  void Remove(Variant vntIndexKey);
  Ref<CollectionEnumerator> get_NewEnum();

  /// The record at a position (1..Count), without conversions; raises 9 outside.
  MenuItem& At(int32_t position) const { return static_cast<MenuItem&>(*items_.At(position)); }
  int32_t Count() const noexcept { return items_.Count(); }
  const Collection& Entries() const noexcept { return items_; }

 private:
  Collection items_;
};

}  // namespace vorn
