#include "controls/range/vornSlider.h"
#include "foundation/PropertyTable.h"

namespace vorn {

// Min, Max and Value have the range model's lets, which mark and leave the repaint to the slider.
struct vornSlider::Members {
  using S = vornSlider;
  static constexpr auto kRows = std::array{
      BackColorRow(0x68030008, Change::Recolour),
      ForeColorRow(0x68030007, Change::Recolour),
      EnabledRow(0x68030006, Change::Recolour),
      FontRow(Change::Repaint),
      Property("TabSelectColor", 0x68030005, "OLE_COLOR", Field<&S::TabSelectColor_>(), "TabSelectColor",
               bag::Colour(0x96E7), Change::Recolour, kLook),
      Property("Orientation", 0x68030004, "MyOrientation", Field<&S::Orientation_>(), "Orientation",
               bag::Long(pbHorizontal), Change::Relayout, kLook),
      Property("TickStyle", 0x68030003, "TickStyles", Field<&S::TickStyle_>(), "TickStyle", bag::Long(Tick_None),
               Change::Relayout, kLook),
      OwnProperty("Min", 0x68030002, "Long", &PropertyThunk<&S::get_Min, &S::put_Min>,
                  Field<&S::range_, &RangeModel::Min>(), "Min", bag::Long(0), Change::None, kMisc),
      OwnProperty("Max", 0x68030001, "Long", &PropertyThunk<&S::get_Max, &S::put_Max>,
                  Field<&S::range_, &RangeModel::Max>(), "Max", bag::Long(10), Change::None, kMisc),
      OwnProperty("Value", 0x68030000, "Long", &PropertyThunk<&S::get_Value, &S::put_Value>,
                  Field<&S::range_, &RangeModel::Value>(), "Value", bag::Long(5), Change::None, kMisc),
  };
  static constexpr auto kMembers = MemberTable(kRows);
  // A new slider paints at its first resize.
  static constexpr PropertyTable kTable{.rows = kRows,
                                        .repaint = &Call<&S::Repaint>,
                                        .relayout = &Call<&S::ApplyResizeRule>,
                                        .recolour = &Call<&S::Recolour>,
                                        .initialised = &Call<&S::ApplyVisualState>,
                                        .stored = &Call<&S::Recolour>};
  static constexpr ClassInfo kClass{"vornSlider", kMembers, kSliderEvents.Rows(), &kTable};
};

const ClassInfo& vornSlider::StaticClass() { return Members::kClass; }

}  // namespace vorn
