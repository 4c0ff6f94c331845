#pragma once
#include <cstdint>

#include "foundation/Geometry.h"
#include "foundation/Surface.h"

namespace vorn {

// Window-manager constants with the values of the calls they stand for.
constexpr int32_t VK_LBUTTON = 1;
constexpr int32_t VK_RBUTTON = 2;
constexpr int32_t VK_MBUTTON = 4;
constexpr int32_t GWL_EXSTYLE = -20;
constexpr int32_t GWL_HWNDPARENT = -8;
constexpr int32_t GCL_STYLE = -26;
constexpr uint32_t CS_DROPSHADOW = 0x20000;
constexpr int32_t WS_EX_TOOLWINDOW = 0x80;
constexpr int32_t WS_EX_LAYERED = 0x80000;
constexpr uint32_t LWA_ALPHA = 2;
constexpr WindowHandle HWND_TOPMOST = static_cast<WindowHandle>(-1);
constexpr uint32_t SWP_NOSIZE = 0x1;
constexpr uint32_t SWP_NOMOVE = 0x2;
constexpr uint32_t SWP_NOZORDER = 0x4;
constexpr uint32_t SWP_FRAMECHANGED = 0x20;
constexpr uint32_t RDW_INVALIDATE = 0x1;
constexpr uint32_t RDW_ERASE = 0x4;
constexpr uint32_t RDW_ALLCHILDREN = 0x80;
constexpr uint32_t RDW_FRAME = 0x400;

/// Services of the window system: the pointer, the global mouse-button state, window rectangles,
/// order, ownership, styles and opacity. Shaped after the calls the controls were written against,
/// so that the controls' steps read as written; each host gives them its own meaning.
class Platform {
 public:
  virtual ~Platform() = default;
  /// Pointer position in screen pixels.
  virtual PointL GetCursorPos() = 0;
  /// Non-zero while the key or mouse button is down.
  virtual int16_t GetAsyncKeyState(int32_t virtualKey) = 0;
  /// Screen rectangle of a window in pixels (right and bottom exclusive).
  virtual RectL GetWindowRect(WindowHandle window) = 0;
  virtual bool SetWindowPos(WindowHandle window, WindowHandle insertAfter, int32_t x, int32_t y, int32_t cx,
                            int32_t cy, uint32_t flags) = 0;
  virtual int32_t GetWindowLong(WindowHandle window, int32_t index) = 0;
  virtual int32_t SetWindowLong(WindowHandle window, int32_t index, int32_t value) = 0;
  /// Makes child a child of parent, or a top-level window when parent is 0.
  virtual WindowHandle SetParent(WindowHandle child, WindowHandle parent) = 0;
  virtual uint32_t GetClassLong(WindowHandle window, int32_t index) = 0;
  virtual uint32_t SetClassLong(WindowHandle window, int32_t index, uint32_t value) = 0;
  virtual bool SetLayeredWindowAttributes(WindowHandle window, Color key, uint8_t alpha, uint32_t flags) = 0;
  virtual bool RedrawWindow(WindowHandle window, const RectL* update, uint32_t flags) = 0;
};

}  // namespace vorn
