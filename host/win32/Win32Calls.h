#pragma once
// The Win32 calls of the Windows host, behind plain types. Only the files of this layer include
// windows.h; the host's classes include foundation/Platform.h, whose constants are named after
// windows.h's macros, and reach Windows through these functions.
#include <cstdint>
#include <string_view>

#include "foundation/Geometry.h"

namespace vorn::win32 {

/// A window handle as the host contract holds it: Windows keeps window handles within 32 bits.
using Hwnd = uint32_t;

// ---- the platform services, each the call it is named after --------------------------------

PointL CursorPos();
int16_t AsyncKeyState(int32_t virtualKey);
RectL WindowRect(Hwnd window);
bool SetWindowPos(Hwnd window, Hwnd insertAfter, int32_t x, int32_t y, int32_t cx, int32_t cy, uint32_t flags);
/// GWL_HWNDPARENT (-8) reads and writes the owner (or, for a child window, the parent).
int32_t ReadWindowLong(Hwnd window, int32_t index);
int32_t WriteWindowLong(Hwnd window, int32_t index, int32_t value);
/// Parent 0 makes a top-level pop-up window (WS_CHILD cleared, WS_POPUP set), another parent a
/// child window; the window keeps its place on the screen.
Hwnd SetParent(Hwnd child, Hwnd parent);
uint32_t ReadClassLong(Hwnd window, int32_t index);
uint32_t WriteClassLong(Hwnd window, int32_t index, uint32_t value);
bool SetLayeredWindowAttributes(Hwnd window, uint32_t key, uint8_t alpha, uint32_t flags);
bool RedrawWindow(Hwnd window, const RectL* update, uint32_t flags);
/// GetSysColor: &HBBGGRR.
uint32_t SysColor(uint32_t index);

/// The primary screen in pixels, and twips per pixel (1440 / dots per inch).
int32_t ScreenWidth();
int32_t ScreenHeight();
int32_t TwipsPerPixelX();
int32_t TwipsPerPixelY();

// ---- the thread's messages and timers --------------------------------------------------------

/// Dispatches the thread's pending messages; false when there were none. A quit message is put
/// back for the program's own loop, and pumping stops there.
bool PumpMessages();
/// Waits up to ms milliseconds for a message to arrive.
void WaitForMessages(uint32_t ms);

/// Called on a timer's tick.
class TimerClient {
 public:
  virtual ~TimerClient() = default;
  virtual void Tick() = 0;
};
/// A thread timer (the program's message loop dispatches its ticks); 0 when none could be made.
uintptr_t StartTimer(uint32_t intervalMs, TimerClient* client);
void StopTimer(uintptr_t timer);

/// A line for the debugger's output (OutputDebugString): what a handler's error says.
void DebugReport(std::string_view utf8);

}  // namespace vorn::win32
