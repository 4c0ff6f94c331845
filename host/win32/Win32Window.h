#pragma once
// The real windows of the Windows host, behind plain types: creating, placing and showing them,
// their input as the host's calls, and painting their pictures. The window procedure lives in
// Win32Window.cpp, the only file here that includes windows.h.
#include <cstdint>

#include "foundation/Geometry.h"
#include "host/win32/Win32Calls.h"

namespace vorn::win32 {

/// A picture in &HBBGGRR pixels, row by row.
struct PixelsView {
  const uint32_t* data = nullptr;
  int32_t width = 0;
  int32_t height = 0;
};

/// What a window tells the host object behind it. Mouse positions are client pixels (negative or
/// beyond the size while the window holds the capture); buttons count 1 left, 2 right, 4 middle;
/// shift 1 Shift, 2 Ctrl, 4 Alt.
class WindowClient {
 public:
  virtual ~WindowClient() = default;
  /// held: the buttons still down after this press or release.
  virtual void MouseButton(int16_t button, bool down, int16_t held, int16_t shift, int32_t x, int32_t y) = 0;
  virtual void MouseMove(int16_t buttons, int16_t shift, int32_t x, int32_t y) = 0;
  virtual void Key(int16_t keyCode, bool down, int16_t shift) = 0;
  /// One typed character, in code page 1252 ('?' for one outside it).
  virtual void Char(int16_t code) = 0;
  virtual void Focus(bool gained) = 0;
  virtual PixelsView Picture() const = 0;
  /// The window is gone (its parent or owner was destroyed, or the host destroyed it).
  virtual void Destroyed() = 0;
};

enum class WindowKind { Control, Picture, Parking };

/// A new window of the host: a control's (a tab stop) or an inner picture's, a hidden child of
/// parent at rect (client pixels of parent); the parking window is a hidden top-level window that
/// holds the controls no container shows.
Hwnd CreateHostWindow(WindowKind kind, WindowClient* client, Hwnd parent, RectL rect, bool visible);
void DestroyHostWindow(Hwnd window);
/// Moves and sizes a window (client pixels of its parent, or screen pixels at the top level).
void PlaceWindow(Hwnd window, RectL rect);
/// The window's rectangle in its parent's client pixels (screen pixels at the top level).
RectL WindowPlace(Hwnd window);
/// Shows without activating, or hides.
void ShowHostWindow(Hwnd window, bool visible);
void EnableHostWindow(Hwnd window, bool enabled);
/// A child window moves into another parent, keeping its place in the parent's client area.
void MoveIntoParent(Hwnd window, Hwnd parent);
Hwnd ParentWindow(Hwnd window);
/// Asks for WM_PAINT.
void Invalidate(Hwnd window);
bool IsLiveWindow(Hwnd window);

void CaptureMouse(Hwnd window);
void ReleaseMouse();
Hwnd MouseCapture();
void FocusWindow(Hwnd window);
Hwnd FocusedWindow();
/// The window under the pointer is this one.
bool UnderCursor(Hwnd window);
/// Moves the focus to the next (or previous) enabled, visible tab stop of the window's top-level
/// window, in reading order (rows from the top, left to right); false when there is none.
bool FocusNextTabStop(Hwnd from, bool backward);

/// Draws a picture into a device context, stretched over bounds (IViewObject::Draw, printing).
void DrawPixels(uintptr_t deviceContext, const PixelsView& pixels, RectL bounds);

}  // namespace vorn::win32
