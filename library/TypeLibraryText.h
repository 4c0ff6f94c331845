#pragma once
#include <string>

namespace vorn {

/// The whole type library in readable form: the library, its enumerations, and every class with
/// its interfaces, members in slot order (identifier, access, type, parameters, category, help
/// string) and events.
std::string DescribeTypeLibrary();

}  // namespace vorn
