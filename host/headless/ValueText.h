#pragma once
#include <string>

#include "foundation/Variant.h"

namespace vorn {

/// A value as replay output shows it: integers in decimal, reals in shortest form, strings
/// double-quoted (JSON escapes), Booleans True/False, objects by class name, Nothing.
std::string FormatValue(const Variant& v);

}  // namespace vorn
