#include "host/win32/Win32Platform.h"

#include "host/win32/Win32Calls.h"

namespace vorn {

Win32Platform& Win32Platform::Instance() {
  static Win32Platform platform;
  return platform;
}

Win32Platform::Win32Platform() : twipsX_(win32::TwipsPerPixelX()), twipsY_(win32::TwipsPerPixelY()) {}

PointL Win32Platform::GetCursorPos() { return win32::CursorPos(); }
int16_t Win32Platform::GetAsyncKeyState(int32_t virtualKey) { return win32::AsyncKeyState(virtualKey); }
RectL Win32Platform::GetWindowRect(WindowHandle window) { return win32::WindowRect(window); }
bool Win32Platform::SetWindowPos(WindowHandle window, WindowHandle insertAfter, int32_t x, int32_t y, int32_t cx,
                                 int32_t cy, uint32_t flags) {
  return win32::SetWindowPos(window, insertAfter, x, y, cx, cy, flags);
}
int32_t Win32Platform::GetWindowLong(WindowHandle window, int32_t index) { return win32::ReadWindowLong(window, index); }
int32_t Win32Platform::SetWindowLong(WindowHandle window, int32_t index, int32_t value) {
  return win32::WriteWindowLong(window, index, value);
}
WindowHandle Win32Platform::SetParent(WindowHandle child, WindowHandle parent) { return win32::SetParent(child, parent); }
uint32_t Win32Platform::GetClassLong(WindowHandle window, int32_t index) { return win32::ReadClassLong(window, index); }
uint32_t Win32Platform::SetClassLong(WindowHandle window, int32_t index, uint32_t value) {
  return win32::WriteClassLong(window, index, value);
}
bool Win32Platform::SetLayeredWindowAttributes(WindowHandle window, Color key, uint8_t alpha, uint32_t flags) {
  return win32::SetLayeredWindowAttributes(window, key, alpha, flags);
}
bool Win32Platform::RedrawWindow(WindowHandle window, const RectL* update, uint32_t flags) {
  return win32::RedrawWindow(window, update, flags);
}
int32_t Win32Platform::Width() const { return win32::ScreenWidth() * twipsX_; }
int32_t Win32Platform::Height() const { return win32::ScreenHeight() * twipsY_; }

}  // namespace vorn
