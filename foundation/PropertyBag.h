#pragma once
#include <string_view>

#include "foundation/RuntimeError.h"
#include "foundation/Variant.h"

namespace vorn {

/// The host's store of a control's properties.
class PropertyBag {
 public:
  virtual ~PropertyBag() = default;
  /// The stored value, else the default.
  virtual Variant ReadProperty(std::string_view name, const Variant& defaultValue) = 0;
  /// Stores a value; a host may omit one equal to its default.
  virtual void WriteProperty(std::string_view name, const Variant& value, const Variant& defaultValue) = 0;
  /// Told when a stored value could not be used (wrong type, out of range); the control then keeps
  /// the default for that property and goes on with the others.
  virtual void ReportBadValue(std::string_view name, const RuntimeError& error) = 0;
};

/// Reads one property and converts it; a value of the wrong type is reported to the bag and the
/// default is used, so one bad entry never loses the others.
template <class T, class Convert>
T ReadPropertyAs(PropertyBag& bag, std::string_view name, const Variant& defaultValue, Convert convert) {
  try {
    return convert(bag.ReadProperty(name, defaultValue));
  } catch (const RuntimeError& e) {
    bag.ReportBadValue(name, e);
    return convert(defaultValue);
  }
}

}  // namespace vorn
