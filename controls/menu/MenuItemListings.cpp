#include "controls/menu/MenuItemListings.h"

#include "foundation/MemberBinding.h"

namespace vorn {

Ref<MenuItemListing> MenuItemListings::Add(std::string Key, int16_t Index, int32_t Top, int32_t Height,
                                           bool Selectable) {
  auto row = MakeRef<MenuItemListing>();
  row->put_Index(Index);
  row->put_Top(Top);
  row->put_Key(Key);
  row->put_Height(Height);
  row->put_Selectable(Selectable);
  rows_.Add(row, Key);
  return row;
}

Ref<MenuItemListing> MenuItemListings::Item(Variant vntIndexKey) {
  return Ref<MenuItemListing>(static_cast<MenuItemListing*>(rows_.Item(vntIndexKey).get()));
}

void MenuItemListings::Remove(Variant vntIndexKey) { rows_.Remove(vntIndexKey); }

Ref<CollectionEnumerator> MenuItemListings::get_NewEnum() {
  return MakeRef<CollectionEnumerator>(Ref<Object>(this), rows_);
}

namespace {
const ParamInfo kAddParams[] = {
    {"Key", "String"}, {"Index", "Integer"}, {"Top", "Long"}, {"Height", "Long"}, {"Selectable", "Boolean"},
};
const ParamInfo kIndexParams[] = {{"vntIndexKey", "Variant"}};
const MemberInfo kMembers[] = {
    {"Add", 0x60030001, kMethod, "MenuItemListing", kAddParams, &MethodThunk<&MenuItemListings::Add>},
    {"Item", kDispIdValue, kGet, "MenuItemListing", kIndexParams, &MethodThunk<&MenuItemListings::Item>},
    {"Count", 0x68030000, kGet, "Long", {}, &PropertyThunk<&MenuItemListings::get_Count>},
    {"Remove", 0x60030002, kMethod, "", kIndexParams, &MethodThunk<&MenuItemListings::Remove>},
    {"NewEnum", kDispIdNewEnum, kGet, "IUnknown", {}, &PropertyThunk<&MenuItemListings::get_NewEnum>, true},
};
const ClassInfo kClass{"MenuItemListings", kMembers};
}  // namespace

const ClassInfo& MenuItemListings::StaticClass() { return kClass; }

}  // namespace vorn
