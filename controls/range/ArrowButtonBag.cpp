#include "controls/range/ArrowButtonBag.h"

#include "foundation/MemberTable.h"

namespace vorn {

Variant ArrowButtonBag::ReadProperty(std::string_view name, const Variant& defaultValue) {
  if (NamesEqual(name, "Font")) return Variant(font_);
  if (NamesEqual(name, "Caption")) return Variant(std::string());
  return defaultValue;
}

}  // namespace vorn
