#include "Desktop.h"

#include <wincodec.h>

namespace wintest {

void Pump(DWORD ms) {
  const ULONGLONG end = GetTickCount64() + ms;
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 2, QS_ALLINPUT);
  } while (GetTickCount64() < end);
}

namespace {
void Send(INPUT in) { SendInput(1, &in, sizeof in); }
}  // namespace

void MoveTo(int x, int y) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  in.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  Send(in);
}

namespace {
void Button(int button, bool down) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  if (button == 1) in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  if (button == 2) in.mi.dwFlags = down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
  if (button == 4) in.mi.dwFlags = down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
  Send(in);
}
}  // namespace

void Press(int button) { Button(button, true); }
void Release(int button) { Button(button, false); }

void Key(WORD virtualKey, bool down) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = virtualKey;
  in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  Send(in);
}

void Tap(WORD virtualKey) {
  Key(virtualKey, true);
  Key(virtualKey, false);
}

void Type(const wchar_t* text) {
  for (const wchar_t* c = text; *c; ++c) {
    const SHORT key = VkKeyScanW(*c);
    if (key == -1) continue;
    const bool shift = (key & 0x100) != 0;
    if (shift) Key(VK_SHIFT, true);
    Tap(static_cast<WORD>(key & 0xFF));
    if (shift) Key(VK_SHIFT, false);
  }
}

POINT ScreenOf(HWND window, int x, int y) {
  POINT p{x, y};
  ClientToScreen(window, &p);
  return p;
}

Picture CaptureScreen(RECT area) {
  const int w = area.right - area.left;
  const int h = area.bottom - area.top;
  HDC screen = GetDC(nullptr);
  Picture p = DrawnInMemory(w, h, [&](HDC dc) { BitBlt(dc, 0, 0, w, h, screen, area.left, area.top, SRCCOPY); });
  ReleaseDC(nullptr, screen);
  return p;
}

Picture CaptureWindow(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return CaptureScreen(r);
}

bool WritePng(const std::wstring& path, const Picture& p) {
  IWICImagingFactory* factory = nullptr;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              reinterpret_cast<void**>(&factory)))) {
    return false;
  }
  bool ok = false;
  IWICStream* stream = nullptr;
  IWICBitmapEncoder* encoder = nullptr;
  IWICBitmapFrameEncode* frame = nullptr;
  std::vector<uint32_t> bgr(p.pixels.size());
  for (size_t i = 0; i < bgr.size(); ++i) {
    const uint32_t c = p.pixels[i];
    bgr[i] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
  }
  WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
  if (SUCCEEDED(factory->CreateStream(&stream)) && SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
      SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
      SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
      SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
      SUCCEEDED(frame->SetSize(p.width, p.height)) && SUCCEEDED(frame->SetPixelFormat(&format)) &&
      IsEqualGUID(format, GUID_WICPixelFormat32bppBGR) &&
      SUCCEEDED(frame->WritePixels(p.height, p.width * 4, static_cast<UINT>(bgr.size() * 4),
                                   reinterpret_cast<BYTE*>(bgr.data()))) &&
      SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit())) {
    ok = true;
  }
  if (frame) frame->Release();
  if (encoder) encoder->Release();
  if (stream) stream->Release();
  factory->Release();
  return ok;
}

HWND NewForm(const wchar_t* title, RECT r, bool framed) {
  static bool registered = false;
  if (!registered) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"TestForm";
    RegisterClassW(&wc);
    registered = true;
  }
  const DWORD style = (framed ? WS_OVERLAPPEDWINDOW : WS_POPUP) | WS_VISIBLE | WS_CLIPCHILDREN;
  if (framed) {  // the frame goes around, its corner where the rectangle's is
    const POINT corner{r.left, r.top};
    AdjustWindowRectEx(&r, style, FALSE, WS_EX_CONTROLPARENT);
    OffsetRect(&r, corner.x - r.left, corner.y - r.top);
  }
  HWND form = CreateWindowExW(WS_EX_CONTROLPARENT, L"TestForm", title, style, r.left, r.top, r.right - r.left,
                              r.bottom - r.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(form);
  return form;
}

namespace {
BOOL CALLBACK CountOne(HWND w, LPARAM n) {
  ++*reinterpret_cast<int*>(n);
  EnumChildWindows(w, [](HWND, LPARAM m) { return ++*reinterpret_cast<int*>(m), TRUE; }, n);
  return TRUE;
}
}  // namespace

int CountWindows() {
  int n = 0;
  EnumThreadWindows(GetCurrentThreadId(), &CountOne, reinterpret_cast<LPARAM>(&n));
  return n;
}

}  // namespace wintest
