#pragma once
#include <cstdint>

#include "library/TypeLibrary.h"

namespace vorn {

/// The miscellaneous status bits (OLEMISC_) a control registers and tells its container: resize
/// recomposes, activate in place when visible, set the client site first.
uint32_t MiscStatusOf(const LibraryClass& control) noexcept;

}  // namespace vorn
