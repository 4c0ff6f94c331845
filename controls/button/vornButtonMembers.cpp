#include "controls/button/ButtonMembers.h"
#include "controls/button/vornButton.h"

namespace vorn {

struct vornButton::Members {
  using B = vornButton;
  static constexpr auto kRows = JoinRows(
      SharedRows(0x68030006),
      std::array{Property("Imagelist", 0x68030001, "Object", Field<&B::Imagelist_>(), "ImageList", bag::Nothing,
                          Change::Repaint, kLook),
                 Property("ImageIndex", 0x68030000, "Integer", Field<&B::ImageIndex_>(), "ImageIndex",
                          bag::Integer(0), Change::Repaint, kLook)});
  static constexpr auto kMembers = MemberTable(kRows);
  static constexpr PropertyTable kTable = Table(kRows);
  static constexpr ClassInfo kClass{"vornButton", kMembers, kButtonEvents.Rows(), &kTable};
};

const ClassInfo& vornButton::StaticClass() { return Members::kClass; }

}  // namespace vorn
