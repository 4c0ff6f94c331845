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

DISPID IdOf(IDispatch* d, const wchar_t* name) {
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  d->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  return id;
}

HRESULT Put(IDispatch* d, const wchar_t* name, VARIANT v) {
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS p{&v, &put, 1, 1};
  const HRESULT hr = d->Invoke(IdOf(d, name), IID_NULL, 0, DISPATCH_PROPERTYPUT, &p, nullptr, nullptr, nullptr);
  VariantClear(&v);
  return hr;
}

HRESULT PutRef(IDispatch* d, const wchar_t* name, IDispatch* object) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_DISPATCH;
  v.pdispVal = object;
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS p{&v, &put, 1, 1};
  return d->Invoke(IdOf(d, name), IID_NULL, 0, DISPATCH_PROPERTYPUTREF, &p, nullptr, nullptr, nullptr);
}

VARIANT Get(IDispatch* d, const wchar_t* name) {
  VARIANT r;
  VariantInit(&r);
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  d->Invoke(IdOf(d, name), IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &r, nullptr, nullptr);
  return r;
}

long GetLong(IDispatch* d, const wchar_t* name) {
  VARIANT r = Get(d, name);
  if (FAILED(VariantChangeType(&r, &r, 0, VT_I4))) return -99999;
  return r.lVal;
}

std::wstring GetText(IDispatch* d, const wchar_t* name) {
  VARIANT r = Get(d, name);
  std::wstring s = r.vt == VT_BSTR && r.bstrVal ? std::wstring(r.bstrVal, SysStringLen(r.bstrVal)) : L"(none)";
  VariantClear(&r);
  return s;
}

VARIANT Call(IDispatch* d, const wchar_t* name, std::vector<VARIANT> args) {
  std::vector<VARIANT> rg(args.rbegin(), args.rend());
  DISPPARAMS p{rg.data(), nullptr, static_cast<UINT>(rg.size()), 0};
  VARIANT r;
  VariantInit(&r);
  d->Invoke(IdOf(d, name), IID_NULL, 0, DISPATCH_METHOD | DISPATCH_PROPERTYGET, &p, &r, nullptr, nullptr);
  for (VARIANT& v : args) VariantClear(&v);
  return r;
}

VARIANT I4(long v) {
  VARIANT x;
  VariantInit(&x);
  x.vt = VT_I4;
  x.lVal = v;
  return x;
}

VARIANT Bool(bool v) {
  VARIANT x;
  VariantInit(&x);
  x.vt = VT_BOOL;
  x.boolVal = v ? VARIANT_TRUE : VARIANT_FALSE;
  return x;
}

VARIANT Str(const wchar_t* s) {
  VARIANT x;
  VariantInit(&x);
  x.vt = VT_BSTR;
  x.bstrVal = SysAllocString(s);
  return x;
}

IDispatch* NewFont(const wchar_t* name, double points, bool bold) {
  FONTDESC desc{sizeof desc, const_cast<LPOLESTR>(name), {}, static_cast<SHORT>(bold ? FW_BOLD : FW_NORMAL),
                DEFAULT_CHARSET, FALSE, FALSE, FALSE};
  desc.cySize.int64 = static_cast<LONGLONG>(points * 10000);
  IDispatch* font = nullptr;
  OleCreateFontIndirect(&desc, IID_IFontDisp, reinterpret_cast<void**>(&font));
  return font;
}

void EventSink::Connect(IUnknown* control) {
  IProvideClassInfo2* info = nullptr;
  IConnectionPointContainer* container = nullptr;
  GUID source{};
  if (SUCCEEDED(control->QueryInterface(IID_IProvideClassInfo2, reinterpret_cast<void**>(&info)))) {
    info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source);
    info->Release();
  }
  if (SUCCEEDED(control->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)))) {
    if (SUCCEEDED(container->FindConnectionPoint(source, &point_))) point_->Advise(this, &cookie_);
    container->Release();
  }
}

void EventSink::Disconnect() {
  if (!point_) return;
  point_->Unadvise(cookie_);
  point_->Release();
  point_ = nullptr;
}

std::vector<EventSink::Event> EventSink::Of(DISPID id) const {
  std::vector<Event> out;
  for (const Event& e : events) {
    if (e.id == id) out.push_back(e);
  }
  return out;
}

HRESULT EventSink::QueryInterface(REFIID riid, void** ppv) {
  if (riid == IID_IUnknown || riid == IID_IDispatch) {
    *ppv = this;
    AddRef();
    return S_OK;
  }
  *ppv = nullptr;
  return E_NOINTERFACE;
}

HRESULT EventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* p, VARIANT*, EXCEPINFO*, UINT*) {
  Event e{id, {}, {}};
  for (UINT i = p->cArgs; i-- > 0;) {  // the last argument comes first
    VARIANT& v = p->rgvarg[i];
    if (v.vt == (VT_BSTR | VT_BYREF)) {
      e.strings.emplace_back(*v.pbstrVal ? *v.pbstrVal : L"");
    } else {
      VARIANT n;
      VariantInit(&n);
      VariantChangeType(&n, &v, 0, VT_R8);
      e.numbers.push_back(n.dblVal);
    }
  }
  events.push_back(std::move(e));
  return S_OK;
}

}  // namespace wintest
