#include "controls/menu/vornPUMenu.h"
#include "foundation/MemberBinding.h"

namespace vorn {

namespace {
using M = vornPUMenu;
const ParamInfo kCreateMenuParams[] = {
    {"X", "Long", true, DefInt(0)},
    {"Y", "Long", true, DefInt(0)},
    {"sGroup", "String", true, DefStr("")},
    {"M_Width", "Integer", true, DefInt(0)},
};
const MemberInfo kMembers[] = {
    {"MenuItem", 0x40030005, kGet | kSet, "MenuItems", {}, &FieldThunk<M, Ref<MenuItems>, &M::MenuItem_>, false,
     true},
    {"MenuVisible", 0x40030006, kGet | kLet, "Boolean", {}, &FieldThunk<M, bool, &M::MenuVisible_>, false, true},
    {"ClearItems", 0x6003000B, kMethod, "", {}, &MethodThunk<&M::ClearItems>},
    {"CreateMenu", 0x6003000C, kMethod, "", kCreateMenuParams, &MethodThunk<&M::CreateMenu>},
    {"KillMenu", 0x6003000D, kMethod, "", {}, &MethodThunk<&M::KillMenu>},
    {"BackColor", 0x68030003, kGet | kLet, "OLE_COLOR", {}, &PropertyThunk<&M::get_BackColor, &M::put_BackColor>},
    {"ForeColor", 0x68030002, kGet | kLet, "OLE_COLOR", {}, &PropertyThunk<&M::get_ForeColor, &M::put_ForeColor>},
    {"Font", kDispIdFont, kGet | kSet, "Font", {}, &PropertyThunk<&M::get_Font, nullptr, &M::putref_Font>},
    {"Imagelist", 0x68030001, kGet | kSet, "Object", {},
     &PropertyThunk<&M::get_Imagelist, nullptr, &M::putref_Imagelist>},
    {"SelectionColor", 0x68030000, kGet | kLet, "OLE_COLOR", {},
     &PropertyThunk<&M::get_SelectionColor, &M::put_SelectionColor>},
};
const ParamInfo kItemClickParams[] = {{"ItemIndex", "Integer"}, {"ItemKey", "String"}};
const EventInfo kEvents[] = {
    {"ItemClick", 1, kItemClickParams},
    {"Closed", 2},
};
const ClassInfo kClass{"vornPUMenu", kMembers, kEvents};
}  // namespace

const ClassInfo& vornPUMenu::StaticClass() { return kClass; }

}  // namespace vorn
