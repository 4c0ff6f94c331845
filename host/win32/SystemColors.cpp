// The system colours of the Windows build: what the system says now (GetSysColor), so that a
// control follows the user's colour scheme.
#include "foundation/Color.h"
#include "host/win32/Win32Calls.h"

namespace vorn {

Color SystemColor(uint32_t index) noexcept { return win32::SysColor(index) & 0xFFFFFF; }

}  // namespace vorn
