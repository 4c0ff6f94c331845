#include "controls/toolbar/vornToolbar.h"
#include "foundation/PropertyTable.h"

namespace vorn {

namespace {
constexpr ParamInfo kAddParams[] = {
    {"Key", "String"},
    {"Caption", "String", true, DefStr("")},
    {"IconIndex", "Integer", true, DefInt(0)},
    {"Style", "eMenuItemType", true, DefInt(mitNormalButton)},
    {"Checked", "Boolean", true, DefBool(false)},
    {"Enabled", "Boolean", true, DefBool(true)},
};
}  // namespace

// Every let ends with ApplyColors and Redraw, which also hand the colours and the font's name on to
// the inner menu.
struct vornToolbar::Members {
  using B = vornToolbar;
  static constexpr auto kOwnRows = std::array{
      BackColorRow(0x68030008, Change::Recolour),
      ForeColorRow(0x68030007, Change::Recolour),
      Property("SelectionColor", 0x68030006, "OLE_COLOR", Field<&B::SelectionColor_>(), "SelectionColor",
               bag::Colour(0x80FF), Change::Recolour, kLook),
      OwnProperty("MenuImageList", 0x68030005, "Object",
                  &PropertyThunk<&B::get_MenuImageList, nullptr, &B::putref_MenuImageList>,
                  Field<&B::MenuImageList_>(), "MenuImageList", bag::Nothing, Change::Recolour, kLook),
      OwnProperty("Imagelist", 0x68030004, "Object", &PropertyThunk<&B::get_Imagelist, nullptr, &B::putref_Imagelist>,
                  Field<&B::Imagelist_>(), "Imagelist", bag::Nothing, Change::Recolour, kLook),
      EnabledRow(0x68030003, Change::Recolour),
      FontRow(Change::Recolour),
  };
  // Item and NewEnum carry ordinary property identifiers, not the value and enumerator ones: the
  // toolbar is indexed and enumerated by name only, and a host's for-each over it finds nothing.
  static constexpr CollectionIds kItemIds{.add = 0x6003001B,
                                          .item = 0x68030002,
                                          .count = 0x68030001,
                                          .remove = 0x6003001C,
                                          .newEnum = 0x68030000,
                                          .enumHidden = false};
  static constexpr auto kRows = JoinRows(kOwnRows, CollectionMembers<B>("ToolbarItem", kAddParams, kItemIds));
  static constexpr auto kMembers = MemberTable(kRows);
  static constexpr PropertyTable kTable{.rows = kRows,
                                        .repaint = &Call<&B::Redraw>,
                                        .recolour = &Call<&B::Refresh>,
                                        .initialised = &Call<&B::Refresh>,
                                        .stored = &Call<&B::Refresh>};
  static constexpr ClassInfo kClass{"vornToolbar", kMembers, kToolbarEvents.Rows(), &kTable};
};

const ClassInfo& vornToolbar::StaticClass() { return Members::kClass; }

}  // namespace vorn
