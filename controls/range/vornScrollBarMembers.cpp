#include "controls/range/vornScrollBar.h"
#include "foundation/EventParams.h"
#include "foundation/PropertyTable.h"

namespace vorn {

namespace {
// The key events come in the scroll bar's own order of identifiers.
const EventInfo kEvents[] = {
    {"Click", 1},
    {"KeyPress", 2, kKeyAsciiParams},
    {"KeyUp", 3, kKeyParams},
    {"KeyDown", 4, kKeyParams},
    {"Scroll", 5},
    {"ValueChanged", 6},
};
}  // namespace

// Min, Max and Value have the range model's lets, which mark and leave the repaint to the bar.
struct vornScrollBar::Members {
  using B = vornScrollBar;
  static constexpr auto kRows = std::array{
      Property("Enabled", 0x68030006, "Boolean", SurfaceEnabled, "Enabled", bag::Boolean(true), Change::Recolour,
               kBehaviour),
      OwnProperty("Min", 0x68030005, "Long", &PropertyThunk<&B::get_Min, &B::put_Min>,
                  Field<&B::range_, &RangeModel::Min>(), "Min", bag::Long(1), Change::None, kMisc),
      OwnProperty("Max", 0x68030004, "Long", &PropertyThunk<&B::get_Max, &B::put_Max>,
                  Field<&B::range_, &RangeModel::Max>(), "Max", bag::Long(100), Change::None, kMisc),
      OwnProperty("Value", 0x68030003, "Long", &PropertyThunk<&B::get_Value, &B::put_Value>,
                  Field<&B::range_, &RangeModel::Value>(), "Value", bag::Long(50), Change::None, kMisc),
      Property("Orientation", 0x68030002, "MyOrientation", Field<&B::Orientation_>(), "Orientation",
               bag::Long(pbVertical), Change::Relayout, kLook),
      Property("BackColor", 0x68030001, "OLE_COLOR", Field<&B::BackColor_>(), "BackColor", bag::Colour(0xFFFFFF),
               Change::Recolour, kLook),
      Property("ForeColor", 0x68030000, "OLE_COLOR", Field<&B::ForeColor_>(), "ForeColor", bag::Colour(0xC00000),
               Change::Recolour, kLook),
  };
  static constexpr auto kMembers = MemberTable(kRows);
  static constexpr PropertyTable kTable{.rows = kRows,
                                        .repaint = &Call<&B::DrawTrack>,
                                        .relayout = &Call<&B::Relayout>,
                                        .recolour = &Call<&B::Recolour>,
                                        .initialised = &Call<&B::Initialised>,
                                        .stored = &Call<&B::Stored>};
  static constexpr ClassInfo kClass{"vornScrollBar", kMembers, kEvents, &kTable};
};

const ClassInfo& vornScrollBar::StaticClass() { return Members::kClass; }

}  // namespace vorn
