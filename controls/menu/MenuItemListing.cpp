#include "controls/menu/MenuItemListing.h"

#include "foundation/MemberBinding.h"

namespace vorn {

namespace {
using L = MenuItemListing;
const MemberInfo kMembers[] = {
    {"Key", 0x68030004, kGet | kLet, "String", {}, &PropertyThunk<&L::get_Key, &L::put_Key>},
    {"Selectable", 0x68030003, kGet | kLet, "Boolean", {}, &PropertyThunk<&L::get_Selectable, &L::put_Selectable>},
    {"Height", 0x68030002, kGet | kLet, "Long", {}, &PropertyThunk<&L::get_Height, &L::put_Height>},
    {"Top", 0x68030001, kGet | kLet, "Long", {}, &PropertyThunk<&L::get_Top, &L::put_Top>},
    {"Index", 0x68030000, kGet | kLet, "Integer", {}, &PropertyThunk<&L::get_Index, &L::put_Index>},
};
const ClassInfo kClass{"MenuItemListing", kMembers};
}  // namespace

const ClassInfo& MenuItemListing::StaticClass() { return kClass; }

}  // namespace vorn
