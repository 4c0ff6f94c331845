#include "controls/button/ButtonEvents.h"
#include "controls/textbox/vornTextBox.h"
#include "foundation/PropertyTable.h"

namespace vorn {

// Every property but the two colours and SelectionColor is stored only; each let still repaints.
struct vornTextBox::Members {
  using T = vornTextBox;
  static constexpr auto kRows = std::array{
      BackColorRow(0x6803000B, Change::Repaint, {}),
      ForeColorRow(0x6803000A, Change::Repaint, {}),
      // Stored as a number by older documents: the default is the Integer 0.
      Property("Enabled", 0x68030009, "Boolean", Field<&T::Enabled_>(), "Enabled", bag::Integer(0), Change::Repaint),
      Property("Font", kDispIdFont, "Font", Field<&T::Font_>(), "Font", bag::AmbientFont, Change::Repaint),
      Property("SelectionColor", 0x68030008, "OLE_COLOR", Field<&T::SelectionColor_>(), "SelectionColor",
               bag::Colour(0x80FF), Change::Repaint),
      Property("Alignment", 0x68030007, "Integer", Field<&T::Alignment_>(), "Alignment", bag::Integer(0),
               Change::Repaint),
      Property("SelStart", 0x68030006, "Integer", Field<&T::SelStart_>(), "SelStart", bag::Integer(0),
               Change::Repaint),
      Property("SelLenght", 0x68030005, "Integer", Field<&T::SelLenght_>(), "SelLenght", bag::Integer(0),
               Change::Repaint),
      Property("Text", 0x68030004, "Variant", Field<&T::Text_>(), "Text", bag::AmbientName, Change::Repaint),
      Property("PasswordChar", 0x68030003, "Boolean", Field<&T::PasswordChar_>(), "PasswordChar",
               bag::Boolean(false), Change::Repaint),
      Property("MultiLine", 0x68030002, "Boolean", Field<&T::MultiLine_>(), "MultiLine", bag::Boolean(false),
               Change::Repaint),
      Property("Scrollbars", 0x68030001, "Integer", Field<&T::Scrollbars_>(), "Scrollbars", bag::Integer(0),
               Change::Repaint),
      Property("TabSelectColor", 0x68030000, "OLE_COLOR", Field<&T::TabSelectColor_>(), "TabSelectColor",
               bag::Colour(0x96E7), Change::Repaint),
  };
  static constexpr auto kMembers = MemberTable(kRows);
  static constexpr PropertyTable kTable{.rows = kRows,
                                        .repaint = &Call<&T::RedrawTextBox>,
                                        .initialised = &Call<&T::RedrawTextBox>,
                                        .stored = &Call<&T::RedrawTextBox>};
  // Declared on __vornTextBox as the buttons' first four; the text box never raises them.
  static constexpr ClassInfo kClass{"vornTextBox", kMembers, kButtonEvents.Rows().first(4), &kTable};
};

const ClassInfo& vornTextBox::StaticClass() { return Members::kClass; }

}  // namespace vorn
