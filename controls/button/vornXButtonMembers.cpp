#include "controls/button/ButtonMembers.h"
#include "controls/button/vornXButton.h"

namespace vorn {

// Not part of the type library; the identifiers follow the library's numbering all the same.
struct vornXButton::Members {
  static constexpr auto kRows = SharedRows(0x68030004);
  static constexpr auto kMembers = MemberTable(kRows);
  static constexpr PropertyTable kTable = Table(kRows);
  static constexpr ClassInfo kClass{"vornXButton", kMembers, kButtonEvents.Rows(), &kTable};
};

const ClassInfo& vornXButton::StaticClass() { return Members::kClass; }

}  // namespace vorn
