#include "controls/toolbar/ToolbarItem.h"

#include "foundation/MemberBinding.h"

namespace vorn {

ToolbarItem::ToolbarItem() : ToolbarMenuItems_(MakeRef<MenuItems>()) {}

namespace {
using T = ToolbarItem;
const MemberInfo kMembers[] = {
    {"ToolbarMenuItems", 0x40030006, kGet | kSet, "MenuItems", {},
     &FieldThunk<T, Ref<MenuItems>, &T::ToolbarMenuItems_>, false, true},
    {"Style", 0x68030005, kGet | kLet, "eMenuItemType", {}, &PropertyThunk<&T::get_Style, &T::put_Style>},
    {"IconIndex", 0x68030004, kGet | kLet, "Integer", {}, &PropertyThunk<&T::get_IconIndex, &T::put_IconIndex>},
    {"Checked", 0x68030003, kGet | kLet, "Boolean", {}, &PropertyThunk<&T::get_Checked, &T::put_Checked>},
    {"Enabled", 0x68030002, kGet | kLet, "Boolean", {}, &PropertyThunk<&T::get_Enabled, &T::put_Enabled>},
    {"Caption", 0x68030001, kGet | kLet, "String", {}, &PropertyThunk<&T::get_Caption, &T::put_Caption>},
    {"sKey", 0x68030000, kGet | kLet, "String", {}, &PropertyThunk<&T::get_sKey, &T::put_sKey>},
};
const ClassInfo kClass{"ToolbarItem", kMembers};
}  // namespace

const ClassInfo& ToolbarItem::StaticClass() { return kClass; }

}  // namespace vorn
