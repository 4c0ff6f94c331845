#include "controls/toolbar/vornToolbar.h"
#include "foundation/MemberBinding.h"

namespace vorn {

namespace {
using B = vornToolbar;
const ParamInfo kAddParams[] = {
    {"Key", "String"},
    {"Caption", "String", true, DefStr("")},
    {"IconIndex", "Integer", true, DefInt(0)},
    {"Style", "eMenuItemType", true, DefInt(mitNormalButton)},
    {"Checked", "Boolean", true, DefBool(false)},
    {"Enabled", "Boolean", true, DefBool(true)},
};
const ParamInfo kIndexParams[] = {{"vntIndexKey", "Variant"}};
// Item and NewEnum carry ordinary property identifiers, not the value and enumerator ones: the
// toolbar is indexed and enumerated by name only, and a host's for-each over it finds nothing.
const MemberInfo kMembers[] = {
    {"BackColor", 0x68030008, kGet | kLet, "OLE_COLOR", {}, &PropertyThunk<&B::get_BackColor, &B::put_BackColor>},
    {"ForeColor", 0x68030007, kGet | kLet, "OLE_COLOR", {}, &PropertyThunk<&B::get_ForeColor, &B::put_ForeColor>},
    {"SelectionColor", 0x68030006, kGet | kLet, "OLE_COLOR", {},
     &PropertyThunk<&B::get_SelectionColor, &B::put_SelectionColor>},
    {"MenuImageList", 0x68030005, kGet | kSet, "Object", {},
     &PropertyThunk<&B::get_MenuImageList, nullptr, &B::putref_MenuImageList>},
    {"Imagelist", 0x68030004, kGet | kSet, "Object", {},
     &PropertyThunk<&B::get_Imagelist, nullptr, &B::putref_Imagelist>},
    {"Enabled", 0x68030003, kGet | kLet, "Boolean", {}, &PropertyThunk<&B::get_Enabled, &B::put_Enabled>},
    {"Font", kDispIdFont, kGet | kSet, "Font", {}, &PropertyThunk<&B::get_Font, nullptr, &B::putref_Font>},
    {"Add", 0x6003001B, kMethod, "ToolbarItem", kAddParams, &MethodThunk<&B::Add>},
    {"Item", 0x68030002, kGet, "ToolbarItem", kIndexParams, &MethodThunk<&B::Item>},
    {"Count", 0x68030001, kGet, "Long", {}, &PropertyThunk<&B::get_Count>},
    {"Remove", 0x6003001C, kMethod, "", kIndexParams, &MethodThunk<&B::Remove>},
    {"NewEnum", 0x68030000, kGet, "IUnknown", {}, &PropertyThunk<&B::get_NewEnum>},
};
const ParamInfo kItemClickedParams[] = {{"ItemIndex", "Integer"}, {"ItemKey", "String"}};
const ParamInfo kMenuItemClickedParams[] = {
    {"ItemIndex", "Integer"}, {"ItemKey", "String"}, {"MenuItemIndex", "Integer"}, {"MenuItemKey", "String"}};
const EventInfo kEvents[] = {
    {"ItemClicked", 1, kItemClickedParams},
    {"MenuItemClicked", 2, kMenuItemClickedParams},
};
const ClassInfo kClass{"vornToolbar", kMembers, kEvents};
}  // namespace

const ClassInfo& vornToolbar::StaticClass() { return kClass; }

}  // namespace vorn
