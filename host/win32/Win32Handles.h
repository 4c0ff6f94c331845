#pragma once
// Between the host contract's 32-bit window handles and Windows' own, for the files that include
// windows.h. Windows keeps window handles within 32 bits (sign-extended on 64-bit Windows), so
// HWND_TOPMOST (-1) survives the round trip.
#include <windows.h>

#include "host/win32/Win32Calls.h"

namespace vorn::win32 {

inline HWND ToHwnd(Hwnd h) noexcept { return reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int32_t>(h))); }
inline Hwnd FromHwnd(HWND h) noexcept { return static_cast<Hwnd>(reinterpret_cast<uintptr_t>(h)); }

}  // namespace vorn::win32
