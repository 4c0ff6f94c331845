#pragma once
// What the container tests do on the desktop under Wine and Xvfb: real input (SendInput), time
// with the thread's messages pumped, the screen's pixels, pictures written as PNG (WIC) and counts
// of windows; automation calls and the event sink are the harness's (Automation.h).
#include <cstdint>
#include <string>
#include <vector>

#include "Automation.h"

namespace wintest {

/// Pumps the thread's messages for ms milliseconds.
void Pump(DWORD ms);
void MoveTo(int x, int y);
/// Left (1), right (2) or middle (4) button.
void Press(int button = 1);
void Release(int button = 1);
void Key(WORD virtualKey, bool down);
void Tap(WORD virtualKey);
/// Types text key by key (with Shift where a character needs it).
void Type(const wchar_t* text);
POINT ScreenOf(HWND window, int x, int y);

/// A picture in &HBBGGRR pixels.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
/// What the screen shows in a rectangle (screen pixels).
Picture CaptureScreen(RECT area);
/// A window's area on the screen.
Picture CaptureWindow(HWND window);
/// Draws with a function into a memory device context of the size given.
template <class F>
Picture DrawnInMemory(int width, int height, F draw);
bool WritePng(const std::wstring& path, const Picture& p);

/// A top-level form window at a place on the screen: a bare one (its client area is all of it),
/// or framed with a caption around a client area of that size.
HWND NewForm(const wchar_t* title, RECT screenRect, bool framed = false);

/// Every window of this thread, children included.
int CountWindows();

template <class F>
Picture DrawnInMemory(int width, int height, F draw) {
  Picture p;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof bi.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, dib);
  draw(dc);
  GdiFlush();
  p.width = width;
  p.height = height;
  const auto* src = static_cast<const uint32_t*>(bits);
  for (int i = 0; i < width * height; ++i) {
    const uint32_t c = src[i];
    p.pixels.push_back(((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF));
  }
  SelectObject(dc, old);
  DeleteObject(dib);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return p;
}

}  // namespace wintest
