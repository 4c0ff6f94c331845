#include "controls/range/vornSlider.h"
#include "foundation/PropertyTable.h"

namespace vorn {

// Min, Max and Value have the range model's lets, which mark and leave the repaint to the slider.
struct vornSlider::Members {
  using S = vornSlider;
  static constexpr auto kRows = JoinRows(
      std::array{
          BackColorRow(0x68030008, Change::Recolour),
          ForeColorRow(0x68030007, Change::Recolour),
          EnabledRow(0x68030006, Change::Recolour),
          FontRow(Change::Repaint),
          Property("TabSelectColor", 0x68030005, "OLE_COLOR", Field<&S::TabSelectColor_>(), "TabSelectColor",
                   bag::Colour(0x96E7), Change::Recolour, kLook),
          OrientationRow(0x68030004, pbHorizontal),
          Property("TickStyle", 0x68030003, "TickStyles", Field<&S::TickStyle_>(), "TickStyle", bag::Long(Tick_None),
                   Change::Relayout, kLook),
      },
      RangeRows<S>(0x68030002, 0, 10, 5));
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
