#pragma once
#include <span>

#include "foundation/MemberTable.h"

namespace vorn {

/// The events of __vornButton, in identifier order (shared by the glyph button).
std::span<const EventInfo> ButtonEventTable() noexcept;

}  // namespace vorn
