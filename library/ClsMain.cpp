#include "library/ClsMain.h"

#include "foundation/MemberTable.h"

namespace vorn {

const ClassInfo& ClsMain::StaticClass() {
  static const ClassInfo info{"ClsMain", {}};
  return info;
}

}  // namespace vorn
