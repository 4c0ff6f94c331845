#include "controls/menu/vornPUMenu.h"
#include "foundation/PropertyTable.h"

namespace vorn {

namespace {
const ParamInfo kCreateMenuParams[] = {
    {"X", "Long", true, DefInt(0)},
    {"Y", "Long", true, DefInt(0)},
    {"sGroup", "String", true, DefStr("")},
    {"M_Width", "Integer", true, DefInt(0)},
};
}  // namespace

struct vornPUMenu::Members {
  using M = vornPUMenu;
  static constexpr auto kRows = std::array{
      Member({"MenuItem", 0x40030005, kGet | kSet, "MenuItems", {}, &FieldThunk<M, Ref<MenuItems>, &M::MenuItem_>,
              false, true}),
      Member({"MenuVisible", 0x40030006, kGet | kLet, "Boolean", {}, &FieldThunk<M, bool, &M::MenuVisible_>, false,
              true}),
      Member({"ClearItems", 0x6003000B, kMethod, "", {}, &MethodThunk<&M::ClearItems>}),
      Member({"CreateMenu", 0x6003000C, kMethod, "", kCreateMenuParams, &MethodThunk<&M::CreateMenu>}),
      Member({"KillMenu", 0x6003000D, kMethod, "", {}, &MethodThunk<&M::KillMenu>}),
      BackColorRow(0x68030003, Change::Recolour),
      ForeColorRow(0x68030002, Change::Recolour),
      Property("Font", kDispIdFont, "Font", Field<&M::Font_>(), "Font", bag::AmbientFont, Change::None,
               kFontCategory),
      Property("Imagelist", 0x68030001, "Object", Field<&M::Imagelist_>(), "ImageList", bag::Nothing,
               Change::Repaint, kMisc),
      Property("SelectionColor", 0x68030000, "OLE_COLOR", Field<&M::SelectionColor_>(), "SelectionColor",
               bag::Colour(0x80FF), Change::Recolour),
  };
  static void Recolour(Control& c) {
    auto& menu = static_cast<M&>(c);
    menu.ApplyMenuPalette();
    menu.Redraw();
  }
  static constexpr auto kMembers = MemberTable(kRows);
  static constexpr PropertyTable kTable{
      .rows = kRows, .repaint = &Call<&M::Redraw>, .recolour = &Recolour, .initialised = &Recolour, .stored = &Recolour};
  static constexpr ClassInfo kClass{"vornPUMenu", kMembers, kPUMenuEvents.Rows(), &kTable};
};

const ClassInfo& vornPUMenu::StaticClass() { return Members::kClass; }

}  // namespace vorn
