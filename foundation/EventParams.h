#pragma once
#include "foundation/MemberTable.h"

namespace vorn {

/// The parameters of the usual key and mouse events, shared by every control's event table.
inline constexpr ParamInfo kKeyParams[] = {{"KeyCode", "Integer"}, {"Shift", "Integer"}};
inline constexpr ParamInfo kKeyAsciiParams[] = {{"KeyAscii", "Integer"}};
inline constexpr ParamInfo kMouseParams[] = {
    {"Button", "Integer"}, {"Shift", "Integer"}, {"X", "Single"}, {"Y", "Single"}};

}  // namespace vorn
