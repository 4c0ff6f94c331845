#pragma once
#include <span>
#include <string_view>

#include "foundation/Control.h"

namespace vorn {

/// A control class the library can create, by its programmatic identifier.
struct ControlClass {
  std::string_view progId;  // "vornButton2.vornButton"
  std::string_view name;    // "vornButton"
  Ref<Control> (*create)(ControlSite& site);
  bool creatable;           // false for the private glyph button
};

/// Every control class of the library, public ones first in type-library order.
std::span<const ControlClass> ControlClasses() noexcept;
/// The class with that programmatic identifier (letter case ignored), or null.
const ControlClass* FindControlClass(std::string_view progId) noexcept;

}  // namespace vorn
