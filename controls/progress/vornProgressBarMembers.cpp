#include "controls/progress/vornProgressBar.h"
#include "foundation/PropertyTable.h"

namespace vorn {

struct vornProgressBar::Members {
  using P = vornProgressBar;
  static constexpr auto kRows = std::array{
      Property("BackColor", 0x68030006, "OLE_COLOR", Field<&P::BackColor_>(), "BackColor", bag::Colour(0xFFFFFF),
               Change::Repaint, kLook),
      Property("Enabled", 0x68030005, "Boolean", SurfaceEnabled, "Enabled", bag::Boolean(true), Change::Repaint,
               kBehaviour),
      Property("Font", kDispIdFont, "Font", SurfaceFont, "Font", bag::AmbientFont, Change::Repaint, kFontCategory),
      Property("Orientation", 0x68030004, "MyOrientation", Field<&P::Orientation_>(), "Orientation",
               bag::Long(pbHorizontal), Change::Repaint, kLook),
      Property("Style", 0x68030003, "MyType", Field<&P::Style_>(), "Style", bag::Long(tNormal), Change::Repaint,
               kLook),
      OwnProperty("Value", 0x68030002, "Integer", &PropertyThunk<&P::get_Value, &P::put_Value>, Field<&P::Value_>(),
                  "Value", bag::Integer(50), Change::Repaint, kMisc),
      Property("Caption", 0x68030001, "String", Field<&P::Caption_>(), "Caption", bag::Text("%"), Change::Repaint,
               kLook),
      Property("ForeColor", 0x68030000, "OLE_COLOR", Field<&P::ForeColor_>(), "ForeColor", bag::Colour(0xC00000),
               Change::Repaint, kLook),
  };
  static constexpr auto kMembers = MemberTable(kRows);
  // The first resize paints a new bar.
  static constexpr PropertyTable kTable{.rows = kRows, .repaint = &Call<&P::Redraw>, .stored = &Call<&P::Redraw>};
  static constexpr ClassInfo kClass{"vornProgressBar", kMembers, {}, &kTable};
};

const ClassInfo& vornProgressBar::StaticClass() { return Members::kClass; }

}  // namespace vorn
