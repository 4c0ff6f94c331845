#include "host/win32/Win32Calls.h"

#include <string>
#include <unordered_map>

#include "host/win32/Win32Handles.h"

namespace vorn::win32 {

namespace {

constexpr int32_t kHwndParentIndex = -8;  // GWL_HWNDPARENT, which 64-bit headers name GWLP_HWNDPARENT

int32_t Dpi(int axis) {
  HDC dc = GetDC(nullptr);
  const int dpi = dc ? GetDeviceCaps(dc, axis) : 96;
  if (dc) ReleaseDC(nullptr, dc);
  return dpi > 0 ? dpi : 96;
}

std::unordered_map<UINT_PTR, TimerClient*>& Timers() {
  static std::unordered_map<UINT_PTR, TimerClient*> timers;
  return timers;
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
  auto it = Timers().find(id);
  if (it != Timers().end()) it->second->Tick();
}

}  // namespace

PointL CursorPos() {
  POINT p{};
  ::GetCursorPos(&p);
  return {p.x, p.y};
}

int16_t AsyncKeyState(int32_t virtualKey) { return static_cast<int16_t>(::GetAsyncKeyState(virtualKey)); }

RectL WindowRect(Hwnd window) {
  RECT r{};
  if (!::GetWindowRect(ToHwnd(window), &r)) return {};
  return {r.left, r.top, r.right, r.bottom};
}

bool SetWindowPos(Hwnd window, Hwnd insertAfter, int32_t x, int32_t y, int32_t cx, int32_t cy, uint32_t flags) {
  return ::SetWindowPos(ToHwnd(window), ToHwnd(insertAfter), x, y, cx, cy, flags) != 0;
}

int32_t ReadWindowLong(Hwnd window, int32_t index) {
  if (index == kHwndParentIndex) {
    return static_cast<int32_t>(FromHwnd(reinterpret_cast<HWND>(::GetWindowLongPtrW(ToHwnd(window), index))));
  }
  return ::GetWindowLongW(ToHwnd(window), index);
}

int32_t WriteWindowLong(Hwnd window, int32_t index, int32_t value) {
  if (index == kHwndParentIndex) {
    const LONG_PTR old = ::SetWindowLongPtrW(ToHwnd(window), index,
                                             reinterpret_cast<LONG_PTR>(ToHwnd(static_cast<Hwnd>(value))));
    return static_cast<int32_t>(FromHwnd(reinterpret_cast<HWND>(old)));
  }
  return ::SetWindowLongW(ToHwnd(window), index, value);
}

Hwnd SetParent(Hwnd child, Hwnd parent) {
  HWND c = ToHwnd(child);
  if (!::IsWindow(c)) return 0;
  RECT screen{};
  ::GetWindowRect(c, &screen);
  const LONG style = ::GetWindowLongW(c, GWL_STYLE);
  HWND old = nullptr;
  POINT at{screen.left, screen.top};
  if (parent == 0) {
    // A window without a parent is a pop-up window: the style says so, as SetParent wants it.
    old = ::SetParent(c, nullptr);
    ::SetWindowLongW(c, GWL_STYLE, (style & ~WS_CHILD) | WS_POPUP);
  } else {
    ::SetWindowLongW(c, GWL_STYLE, (style & ~WS_POPUP) | WS_CHILD);
    old = ::SetParent(c, ToHwnd(parent));
    ::ScreenToClient(ToHwnd(parent), &at);
  }
  ::SetWindowPos(c, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return FromHwnd(old);
}

uint32_t ReadClassLong(Hwnd window, int32_t index) {
  return static_cast<uint32_t>(::GetClassLongPtrW(ToHwnd(window), index));
}

uint32_t WriteClassLong(Hwnd window, int32_t index, uint32_t value) {
  return static_cast<uint32_t>(::SetClassLongPtrW(ToHwnd(window), index, static_cast<LONG_PTR>(value)));
}

bool SetLayeredWindowAttributes(Hwnd window, uint32_t key, uint8_t alpha, uint32_t flags) {
  return ::SetLayeredWindowAttributes(ToHwnd(window), key, alpha, flags) != 0;
}

bool RedrawWindow(Hwnd window, const RectL* update, uint32_t flags) {
  RECT r{};
  if (update) r = {update->left, update->top, update->right, update->bottom};
  return ::RedrawWindow(ToHwnd(window), update ? &r : nullptr, nullptr, flags) != 0;
}

uint32_t SysColor(uint32_t index) { return ::GetSysColor(static_cast<int>(index)); }

int32_t ScreenWidth() { return ::GetSystemMetrics(SM_CXSCREEN); }
int32_t ScreenHeight() { return ::GetSystemMetrics(SM_CYSCREEN); }
int32_t TwipsPerPixelX() { return 1440 / Dpi(LOGPIXELSX); }
int32_t TwipsPerPixelY() { return 1440 / Dpi(LOGPIXELSY); }

bool PumpMessages() {
  bool any = false;
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));  // the program's loop ends on it
      return true;
    }
    any = true;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return any;
}

void WaitForMessages(uint32_t ms) { ::MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_ALLINPUT); }

uintptr_t StartTimer(uint32_t intervalMs, TimerClient* client) {
  const UINT_PTR id = ::SetTimer(nullptr, 0, intervalMs, &OnTimer);
  if (id) Timers()[id] = client;
  return id;
}

void StopTimer(uintptr_t timer) {
  if (!timer) return;
  ::KillTimer(nullptr, timer);
  Timers().erase(timer);
}

void DebugReport(std::string_view utf8) {
  const std::string line = "vornButton2: " + std::string(utf8) + "\n";
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), w.data(), n);
  ::OutputDebugStringW(w.c_str());
}

}  // namespace vorn::win32
