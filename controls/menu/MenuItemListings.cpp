#include "controls/menu/MenuItemListings.h"

namespace vorn {

Ref<MenuItemListing> MenuItemListings::Add(std::string Key, int16_t Index, int32_t Top, int32_t Height,
                                           bool Selectable) {
  auto row = MakeRef<MenuItemListing>();
  row->put_Index(Index);
  row->put_Top(Top);
  row->put_Key(Key);
  row->put_Height(Height);
  row->put_Selectable(Selectable);
  items_.Add(row, Key);
  return row;
}

namespace {
constexpr ParamInfo kAddParams[] = {
    {"Key", "String"}, {"Index", "Integer"}, {"Top", "Long"}, {"Height", "Long"}, {"Selectable", "Boolean"},
};
constexpr auto kMembers = CollectionMembers<MenuItemListings>("MenuItemListing", kAddParams);
const ClassInfo kClass{"MenuItemListings", kMembers};
}  // namespace

const ClassInfo& MenuItemListings::StaticClass() { return kClass; }

}  // namespace vorn
