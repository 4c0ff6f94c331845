#include "controls/range/vornScrollBar.h"
#include "foundation/PropertyTable.h"

namespace vorn {

// Min, Max and Value have the range model's lets, which mark and leave the repaint to the bar.
struct vornScrollBar::Members {
  using B = vornScrollBar;
  static constexpr auto kRows = std::array{
      EnabledRow(0x68030006, Change::Recolour),
      OwnProperty("Min", 0x68030005, "Long", &PropertyThunk<&B::get_Min, &B::put_Min>,
                  Field<&B::range_, &RangeModel::Min>(), "Min", bag::Long(1), Change::None, kMisc),
      OwnProperty("Max", 0x68030004, "Long", &PropertyThunk<&B::get_Max, &B::put_Max>,
                  Field<&B::range_, &RangeModel::Max>(), "Max", bag::Long(100), Change::None, kMisc),
      OwnProperty("Value", 0x68030003, "Long", &PropertyThunk<&B::get_Value, &B::put_Value>,
                  Field<&B::range_, &RangeModel::Value>(), "Value", bag::Long(50), Change::None, kMisc),
      Property("Orientation", 0x68030002, "MyOrientation", Field<&B::Orientation_>(), "Orientation",
               bag::Long(pbVertical), Change::Relayout, kLook),
      BackColorRow(0x68030001, Change::Recolour),
      ForeColorRow(0x68030000, Change::Recolour),
  };
  static constexpr auto kMembers = MemberTable(kRows);
  static constexpr PropertyTable kTable{.rows = kRows,
                                        .repaint = &Call<&B::DrawTrack>,
                                        .relayout = &Call<&B::Relayout>,
                                        .recolour = &Call<&B::Recolour>,
                                        .initialised = &Call<&B::Initialised>,
                                        .stored = &Call<&B::Stored>};
  static constexpr ClassInfo kClass{"vornScrollBar", kMembers, kScrollBarEvents.Rows(), &kTable};
};

const ClassInfo& vornScrollBar::StaticClass() { return Members::kClass; }

}  // namespace vorn
