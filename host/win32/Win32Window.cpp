#include "host/win32/Win32Window.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "host/win32/Win32Handles.h"

namespace vorn::win32 {

namespace {

// What the window procedure keeps per window: the host object behind it, and the DIB section its
// picture is blitted from.
struct WindowData {
  WindowClient* client = nullptr;
  HDC memory = nullptr;
  HBITMAP dib = nullptr;
  HGDIOBJ old = nullptr;
  uint32_t* bits = nullptr;
  int32_t width = 0;
  int32_t height = 0;

  ~WindowData() {
    if (memory) {
      SelectObject(memory, old);
      DeleteDC(memory);
    }
    if (dib) DeleteObject(dib);
  }
};

HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&ThisModule), &module);
  return module;
}

WindowData* DataOf(HWND w) { return reinterpret_cast<WindowData*>(GetWindowLongPtrW(w, GWLP_USERDATA)); }

uint32_t ToDibPixel(uint32_t bbggrr) { return ((bbggrr & 0xFF) << 16) | (bbggrr & 0xFF00) | ((bbggrr >> 16) & 0xFF); }

BITMAPINFO TopDown(int32_t width, int32_t height) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  return bi;
}

// The window's picture, copied into its DIB section (made anew when the size changed) and
// blitted into dc.
void Blit(WindowData& d, HDC dc) {
  const PixelsView p = d.client->Picture();
  if (p.width <= 0 || p.height <= 0) return;
  if (p.width != d.width || p.height != d.height || !d.dib) {
    if (d.memory) {
      SelectObject(d.memory, d.old);
    } else {
      d.memory = CreateCompatibleDC(nullptr);
    }
    if (d.dib) DeleteObject(d.dib);
    const BITMAPINFO bi = TopDown(p.width, p.height);
    void* bits = nullptr;
    d.dib = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    d.bits = static_cast<uint32_t*>(bits);
    if (!d.dib || !d.memory) {
      d.width = d.height = 0;
      return;
    }
    d.old = SelectObject(d.memory, d.dib);
    d.width = p.width;
    d.height = p.height;
  }
  GdiFlush();
  const size_t n = static_cast<size_t>(p.width) * static_cast<size_t>(p.height);
  for (size_t i = 0; i < n; ++i) d.bits[i] = ToDibPixel(p.data[i]);
  BitBlt(dc, 0, 0, p.width, p.height, d.memory, 0, 0, SRCCOPY);
}

int16_t ShiftNow() {
  int16_t shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= 1;
  if (GetKeyState(VK_CONTROL) < 0) shift |= 2;
  if (GetKeyState(VK_MENU) < 0) shift |= 4;
  return shift;
}

int16_t ButtonsOf(WPARAM keys) {
  int16_t b = 0;
  if (keys & MK_LBUTTON) b |= 1;
  if (keys & MK_RBUTTON) b |= 2;
  if (keys & MK_MBUTTON) b |= 4;
  return b;
}

// The code page 1252 code of a typed UTF-16 unit; '?' for one the code page lacks.
int16_t Ansi(WPARAM unit) {
  const wchar_t w = static_cast<wchar_t>(unit);
  char c = 0;
  BOOL lost = FALSE;
  if (WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, &w, 1, &c, 1, nullptr, &lost) != 1 || lost) return '?';
  return static_cast<int16_t>(static_cast<unsigned char>(c));
}

int16_t MouseButtonOf(UINT msg) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: return 1;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: return 2;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: return 4;
    default: return 0;
  }
}

LRESULT CALLBACK HostWindowProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* d = new WindowData;
    d->client = static_cast<WindowClient*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(d));
  }
  WindowData* d = DataOf(w);
  WindowClient* c = d ? d->client : nullptr;
  if (!c) return DefWindowProcW(w, msg, wp, lp);
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(w, &ps);
      Blit(*d, dc);
      EndPaint(w, &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      Blit(*d, reinterpret_cast<HDC>(wp));
      return 0;
    case WM_ERASEBKGND: return 1;  // the picture covers every pixel
    case WM_MOUSEMOVE: c->MouseMove(ButtonsOf(wp), ShiftNow(), GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      const bool down = msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN;
      c->MouseButton(MouseButtonOf(msg), down, ButtonsOf(wp), ShiftNow(), GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      return 0;
    }
    case WM_KEYDOWN:
    case WM_KEYUP: c->Key(static_cast<int16_t>(wp), msg == WM_KEYDOWN, ShiftNow()); return 0;
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
      c->Key(static_cast<int16_t>(wp), msg == WM_SYSKEYDOWN, ShiftNow());
      break;  // Alt+F4 and the menu keys still reach the system
    case WM_CHAR: c->Char(Ansi(wp)); return 0;
    case WM_SETFOCUS: c->Focus(true); return 0;
    case WM_KILLFOCUS: c->Focus(false); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_NCDESTROY:
      SetWindowLongPtrW(w, GWLP_USERDATA, 0);
      c->Destroyed();
      delete d;
      break;
    default: break;
  }
  return DefWindowProcW(w, msg, wp, lp);
}

const wchar_t* ClassName(WindowKind kind) {
  switch (kind) {
    case WindowKind::Control: return L"vornButton2.Control";
    case WindowKind::Picture: return L"vornButton2.Picture";
    case WindowKind::Parking: return L"vornButton2.Parking";
  }
  return L"vornButton2.Control";
}

void RegisterClassOf(WindowKind kind) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &HostWindowProc;
  wc.hInstance = ThisModule();
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = ClassName(kind);
  RegisterClassExW(&wc);  // already there from an earlier window: the same class
}

}  // namespace

Hwnd CreateHostWindow(WindowKind kind, WindowClient* client, Hwnd parent, RectL r, bool visible) {
  RegisterClassOf(kind);
  DWORD style = WS_CLIPSIBLINGS | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0);
  style |= kind == WindowKind::Parking ? WS_POPUP : WS_CHILD;
  if (kind == WindowKind::Control) style |= WS_TABSTOP;
  HWND w = CreateWindowExW(0, ClassName(kind), L"", style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                           kind == WindowKind::Parking ? nullptr : ToHwnd(parent), nullptr, ThisModule(), client);
  // Windows puts a new child window below its siblings; the hosts put the last one made on top.
  if (w && kind != WindowKind::Parking) SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return FromHwnd(w);
}

void DestroyHostWindow(Hwnd window) {
  HWND w = ToHwnd(window);
  if (!IsWindow(w)) return;
  if (WindowData* d = DataOf(w)) d->client = nullptr;  // its host object is going: nothing more to tell it
  DestroyWindow(w);
}

void PlaceWindow(Hwnd window, RectL r) {
  SetWindowPos(ToHwnd(window), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

RectL WindowPlace(Hwnd window) {
  HWND w = ToHwnd(window);
  RECT r{};
  if (!GetWindowRect(w, &r)) return {};
  if (HWND p = GetAncestor(w, GA_PARENT); p && p != GetDesktopWindow()) {
    MapWindowPoints(nullptr, p, reinterpret_cast<POINT*>(&r), 2);
  }
  return {r.left, r.top, r.right, r.bottom};
}

void ShowHostWindow(Hwnd window, bool visible) { ShowWindow(ToHwnd(window), visible ? SW_SHOWNA : SW_HIDE); }

void EnableHostWindow(Hwnd window, bool enabled) { EnableWindow(ToHwnd(window), enabled); }

void MoveIntoParent(Hwnd window, Hwnd parent) { ::SetParent(ToHwnd(window), ToHwnd(parent)); }

Hwnd ParentWindow(Hwnd window) {
  HWND p = GetAncestor(ToHwnd(window), GA_PARENT);
  return p == GetDesktopWindow() ? 0 : FromHwnd(p);
}

void Invalidate(Hwnd window) { InvalidateRect(ToHwnd(window), nullptr, FALSE); }

bool IsLiveWindow(Hwnd window) { return window && IsWindow(ToHwnd(window)); }

void CaptureMouse(Hwnd window) { SetCapture(ToHwnd(window)); }
void ReleaseMouse() { ReleaseCapture(); }
Hwnd MouseCapture() { return FromHwnd(GetCapture()); }
void FocusWindow(Hwnd window) { SetFocus(ToHwnd(window)); }
Hwnd FocusedWindow() { return FromHwnd(GetFocus()); }

bool UnderCursor(Hwnd window) {
  POINT p{};
  GetCursorPos(&p);
  return WindowFromPoint(p) == ToHwnd(window);
}

namespace {
// An enumeration callback, so __stdcall on 32-bit Windows: a lambda would not convert to it.
BOOL CALLBACK CollectTabStop(HWND w, LPARAM out) {
  if ((GetWindowLongW(w, GWL_STYLE) & WS_TABSTOP) && IsWindowVisible(w) && IsWindowEnabled(w)) {
    reinterpret_cast<std::vector<HWND>*>(out)->push_back(w);
  }
  return TRUE;
}
}  // namespace

bool FocusNextTabStop(Hwnd from, bool backward) {
  HWND self = ToHwnd(from);
  HWND root = GetAncestor(self, GA_ROOT);
  if (!root) return false;
  std::vector<HWND> stops;
  EnumChildWindows(root, &CollectTabStop, reinterpret_cast<LPARAM>(&stops));
  // In reading order: rows from the top, left to right within a row.
  auto place = [](HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return std::pair{r.top, r.left};
  };
  std::stable_sort(stops.begin(), stops.end(), [&](HWND a, HWND b) { return place(a) < place(b); });
  size_t at = stops.size();
  for (size_t i = 0; i < stops.size(); ++i) {
    if (stops[i] == self || IsChild(stops[i], self)) at = i;
  }
  if (stops.empty() || (stops.size() == 1 && at == 0)) return false;
  size_t next = 0;
  if (at == stops.size()) {
    next = backward ? stops.size() - 1 : 0;
  } else {
    next = backward ? (at + stops.size() - 1) % stops.size() : (at + 1) % stops.size();
  }
  SetFocus(stops[next]);
  return true;
}

void DrawPixels(uintptr_t deviceContext, const PixelsView& p, RectL bounds) {
  if (p.width <= 0 || p.height <= 0) return;
  std::vector<uint32_t> dib(static_cast<size_t>(p.width) * static_cast<size_t>(p.height));
  for (size_t i = 0; i < dib.size(); ++i) dib[i] = ToDibPixel(p.data[i]);
  const BITMAPINFO bi = TopDown(p.width, p.height);
  HDC dc = reinterpret_cast<HDC>(deviceContext);
  const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
  StretchDIBits(dc, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, 0, 0, p.width,
                p.height, dib.data(), &bi, DIB_RGB_COLORS, SRCCOPY);
  SetStretchBltMode(dc, oldMode);
}

}  // namespace vorn::win32
