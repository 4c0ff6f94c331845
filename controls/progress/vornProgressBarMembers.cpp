#include "controls/progress/vornProgressBar.h"
#include "foundation/PropertyTable.h"

namespace vorn {

struct vornProgressBar::Members {
  using P = vornProgressBar;
  static constexpr auto kRows = std::array{
      BackColorRow(0x68030006, Change::Repaint),
      EnabledRow(0x68030005, Change::Repaint),
      FontRow(Change::Repaint),
      Property("Orientation", 0x68030004, "MyOrientation", Field<&P::Orientation_>(), "Orientation",
               bag::Long(pbHorizontal), Change::Repaint, kLook),
      Property("Style", 0x68030003, "MyType", Field<&P::Style_>(), "Style", bag::Long(tNormal), Change::Repaint,
               kLook),
      OwnProperty("Value", 0x68030002, "Integer", &PropertyThunk<&P::get_Value, &P::put_Value>, Field<&P::Value_>(),
                  "Value", bag::Integer(50), Change::Repaint, kMisc),
      Property("Caption", 0x68030001, "String", Field<&P::Caption_>(), "Caption", bag::Text("%"), Change::Repaint,
               kLook),
      ForeColorRow(0x68030000, Change::Repaint),
  };
  static constexpr auto kMembers = MemberTable(kRows);
  // The first resize paints a new bar.
  static constexpr PropertyTable kTable{.rows = kRows, .repaint = &Call<&P::Redraw>, .stored = &Call<&P::Redraw>};
  static constexpr ClassInfo kClass{"vornProgressBar", kMembers, {}, &kTable};
};

const ClassInfo& vornProgressBar::StaticClass() { return Members::kClass; }

}  // namespace vorn
