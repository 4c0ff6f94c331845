#include "controls/menu/MenuItem.h"

#include "foundation/MemberBinding.h"

namespace vorn {

namespace {
uint64_t g_menuEdits = 0;
}  // namespace

void NoteMenuEdit() noexcept { ++g_menuEdits; }
uint64_t MenuEdits() noexcept { return g_menuEdits; }

namespace {
const MemberInfo kMembers[] = {
    {"Bold", 0x68030008, kGet | kLet, "Boolean", {}, &PropertyThunk<&MenuItem::get_Bold, &MenuItem::put_Bold>},
    {"Checked", 0x68030007, kGet | kLet, "Boolean", {},
     &PropertyThunk<&MenuItem::get_Checked, &MenuItem::put_Checked>},
    {"ItemType", 0x68030006, kGet | kLet, "eItemType", {},
     &PropertyThunk<&MenuItem::get_ItemType, &MenuItem::put_ItemType>},
    {"Group", 0x68030005, kGet | kLet, "String", {}, &PropertyThunk<&MenuItem::get_Group, &MenuItem::put_Group>},
    {"Child", 0x68030004, kGet | kLet, "String", {}, &PropertyThunk<&MenuItem::get_Child, &MenuItem::put_Child>},
    {"Enabled", 0x68030003, kGet | kLet, "Boolean", {},
     &PropertyThunk<&MenuItem::get_Enabled, &MenuItem::put_Enabled>},
    {"Caption", 0x68030002, kGet | kLet, "String", {},
     &PropertyThunk<&MenuItem::get_Caption, &MenuItem::put_Caption>},
    {"Key", 0x68030001, kGet | kLet, "String", {}, &PropertyThunk<&MenuItem::get_Key, &MenuItem::put_Key>},
    {"Icon", 0x68030000, kGet | kLet, "Integer", {}, &PropertyThunk<&MenuItem::get_Icon, &MenuItem::put_Icon>},
};
const ClassInfo kClass{"MenuItem", kMembers};
}  // namespace

const ClassInfo& MenuItem::StaticClass() { return kClass; }

}  // namespace vorn
