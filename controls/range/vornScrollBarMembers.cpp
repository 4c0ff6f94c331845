#include "controls/range/vornScrollBar.h"
#include "foundation/PropertyTable.h"

namespace vorn {

// Min, Max and Value have the range model's lets, which mark and leave the repaint to the bar.
struct vornScrollBar::Members {
  using B = vornScrollBar;
  static constexpr auto kRows = JoinRows(std::array{EnabledRow(0x68030006, Change::Recolour)},
                                         RangeRows<B>(0x68030005, 1, 100, 50),
                                         std::array{OrientationRow(0x68030002, pbVertical),
                                                    BackColorRow(0x68030001, Change::Recolour),
                                                    ForeColorRow(0x68030000, Change::Recolour)});
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
