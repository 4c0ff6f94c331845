// The controls in real containers under Wine and Xvfb: Wine's own ATL container window and a
// minimal container of the project's own host every public control; properties go through
// IDispatch, the real pointer and keyboard (SendInput) drive them, and a sink hears their events.
// Persistence round trips, drawing into a memory device context, and the ends a container can
// come to (no ambient font, never activated, a popup open, a drag under way) end with every
// object and window gone. With an output folder, the pixel cases (PixelCases.h) are captured
// there as PNG files for the comparison with the headless host's pictures.
// Usage: container_test [CAPTURE-FOLDER [BAG-LISTING]]
#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

#include "Check.h"
#include "Desktop.h"
#include "OwnContainer.h"
#include "PixelCapture.h"

using namespace wintest;

namespace {

const wchar_t* const kControls[] = {L"vornButton2.vornButton",    L"vornButton2.vornProgressBar",
                                    L"vornButton2.vornSlider",    L"vornButton2.vornPUMenu",
                                    L"vornButton2.vornScrollBar", L"vornButton2.vornToolbar",
                                    L"vornButton2.vornTextBox"};

std::string Narrow(const std::wstring& w) {
  std::string s;
  for (wchar_t c : w) s += c < 128 ? static_cast<char>(c) : '?';
  return s;
}

POINT Centre(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void ClickAt(POINT p) {
  MoveTo(p.x, p.y);
  Pump(40);
  Press();
  Pump(40);
  Release();
  Pump(60);
}

using CanUnload = HRESULT(STDAPICALLTYPE*)();
HRESULT CanUnloadNow() {
  HMODULE dll = GetModuleHandleW(L"vornbutton2.dll");
  auto f = dll ? reinterpret_cast<CanUnload>(reinterpret_cast<void*>(GetProcAddress(dll, "DllCanUnloadNow"))) : nullptr;
  return f ? f() : S_OK;
}

// ---- Wine's ATL container --------------------------------------------------------------------

void EveryControlInWinesAtlContainer() {
  HMODULE atl = LoadLibraryW(L"atl.dll");
  auto init = reinterpret_cast<BOOL(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxWinInit")));
  auto getControl = reinterpret_cast<HRESULT(WINAPI*)(HWND, IUnknown**)>(
      reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxGetControl")));
  if (!CHECK(init && getControl && init())) return;
  const int windowsBefore = CountWindows();
  HWND form = NewForm(L"ATL", RECT{40, 40, 640, 300});
  IDispatch* button = nullptr;
  HWND buttonWindow = nullptr;
  for (int i = 0; i < 7; ++i) {
    HWND ax = CreateWindowExW(0, L"AtlAxWin", kControls[i], WS_CHILD | WS_VISIBLE, 10 + (i % 4) * 145, 10 + (i / 4) * 120,
                              130, 60, form, nullptr, GetModuleHandleW(nullptr), nullptr);
    IUnknown* unknown = nullptr;
    if (!CHECK_MSG(ax && getControl(ax, &unknown) == S_OK && unknown, Narrow(kControls[i]))) continue;
    IDispatch* d = nullptr;
    unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&d));
    unknown->Release();
    HWND inner = FindWindowExW(ax, nullptr, L"vornButton2.Control", nullptr);
    CHECK_MSG(inner && IsWindowVisible(inner), Narrow(kControls[i]) + ": a window inside the ATL container");
    CHECK_HR(Put(d, L"BackColor", I4(0xE0FFE0)), S_OK);
    CHECK_MSG(GetLong(d, L"BackColor") == 0xE0FFE0, Narrow(kControls[i]));
    if (i == 0) {
      button = d;
      buttonWindow = inner;
    } else {
      d->Release();
    }
  }
  Pump(100);
  if (button) {
    // No ambient properties there: the button's caption is its class name, its font the default.
    CHECK(GetText(button, L"Caption") == L"vornButton");
    EventSink sink;
    sink.Connect(button);
    RECT r{};
    GetClientRect(buttonWindow, &r);
    ClickAt(Centre(buttonWindow));
    const double cx = r.right / 2, cy = r.bottom / 2;
    const auto down = sink.Of<&ButtonEvents::MouseDown>(), up = sink.Of<&ButtonEvents::MouseUp>();
    CHECK_MSG(down.size() == 1 && up.size() == 1, std::to_string(sink.events.size()) + " events");
    if (!down.empty()) {
      CHECK((down[0].numbers == std::vector<double>{1, 0, cx, cy}));  // Button, Shift, X, Y in pixels
    }
    CHECK(sink.Of<&ButtonEvents::Click>().size() == 1);
    sink.Disconnect();
    button->Release();
  }
  DestroyWindow(form);
  Pump(50);
  CHECK_MSG(CountWindows() == windowsBefore, std::to_string(CountWindows()) + " windows, " +
                                                 std::to_string(windowsBefore) + " before");
}

// ---- the project's own container -------------------------------------------------------------

struct Form {
  HWND window;
  std::vector<OwnSite*> sites;
  explicit Form(RECT where) : window(NewForm(L"Form", where)) {}
  OwnSite* Add(const wchar_t* progId, RECT rect, const wchar_t* name, bool ambientFont = true, bool activate = true) {
    auto* s = new OwnSite(window, rect, name, ambientFont);
    CHECK_MSG(s->Embed(progId, activate), Narrow(progId));
    sites.push_back(s);
    return s;
  }
  ~Form() {
    for (OwnSite* s : sites) {
      s->Unembed();
      s->Release();
    }
    DestroyWindow(window);
    Pump(30);
  }
};

void EveryControlInTheProjectsContainer() {
  Form form(RECT{40, 40, 640, 340});
  for (int i = 0; i < 7; ++i) {
    OwnSite* s = form.Add(kControls[i], RECT{10 + (i % 4) * 145, 10 + (i / 4) * 120, 140 + (i % 4) * 145, 70 + (i / 4) * 120},
                          L"ctl");
    HWND w = s->ControlWindow();
    CHECK_MSG(w && GetParent(w) == form.window && IsWindowVisible(w), Narrow(kControls[i]));
    if (!s->control) continue;
    // The ambient font reaches every control that has a Font.
    VARIANT font = Get(s->control, L"Font");
    if (font.vt == VT_DISPATCH && font.pdispVal) CHECK_MSG(GetText(font.pdispVal, L"Name") == L"DejaVu Sans", Narrow(kControls[i]));
    VariantClear(&font);
  }
  CHECK(GetText(form.sites[0]->control, L"Caption") == L"ctl");  // the ambient display name
}


POINT At(OwnSite* s, int x, int y) { return ScreenOf(s->ControlWindow(), x, y); }

void Drag(POINT from, POINT to) {
  MoveTo(from.x, from.y);
  Pump(40);
  Press();
  Pump(40);
  for (int i = 1; i <= 4; ++i) {
    MoveTo(from.x + (to.x - from.x) * i / 4, from.y + (to.y - from.y) * i / 4);
    Pump(30);
  }
  Release();
  Pump(60);
}

// The real pointer and keyboard on the controls of a form, their events heard through a sink.
void InputReachesTheControls() {
  Form form(RECT{40, 40, 640, 340});
  OwnSite* button = form.Add(L"vornButton2.vornButton", RECT{10, 10, 110, 40}, L"btn");
  OwnSite* bar = form.Add(L"vornButton2.vornScrollBar", RECT{130, 10, 150, 210}, L"scr");
  OwnSite* slider = form.Add(L"vornButton2.vornSlider", RECT{170, 10, 370, 50}, L"sld");
  OwnSite* text = form.Add(L"vornButton2.vornTextBox", RECT{10, 60, 130, 84}, L"txt");
  if (!button->control || !bar->control || !slider->control || !text->control) return;

  // A scroll bar: a click on its lower arrow steps by 5; its thumb follows a drag.
  EventSink barEvents;
  barEvents.Connect(bar->control);
  CHECK_HR(Put(bar->control, L"Value", I4(30)), S_OK);
  barEvents.events.clear();
  ClickAt(At(bar, 10, 190));
  CHECK_MSG(GetLong(bar->control, L"Value") == 35, std::to_string(GetLong(bar->control, L"Value")));
  CHECK(barEvents.Has<&ScrollBarEvents::ValueChanged>());
  barEvents.events.clear();
  Drag(At(bar, 10, 82), At(bar, 10, 122));
  const long dragged = GetLong(bar->control, L"Value");
  CHECK_MSG(dragged > 45, std::to_string(dragged));
  CHECK(barEvents.Has<&ScrollBarEvents::Scroll>() && barEvents.Has<&ScrollBarEvents::ValueChanged>() &&
        barEvents.Has<&ScrollBarEvents::Click>());
  barEvents.Disconnect();

  // A slider: its knob follows a drag to the right.
  EventSink sliderEvents;
  sliderEvents.Connect(slider->control);
  Drag(At(slider, 102, 10), At(slider, 182, 10));
  const long value = GetLong(slider->control, L"Value");
  CHECK_MSG(value > 5, std::to_string(value));
  CHECK(sliderEvents.Has<&SliderEvents::Slide>() && sliderEvents.Has<&SliderEvents::ValueChange>());
  sliderEvents.Disconnect();

  // Keys reach the control with the focus; Space clicks a button; Tab moves the focus on and no
  // control sees it.
  EventSink buttonEvents;
  buttonEvents.Connect(button->control);
  ClickAt(At(button, 50, 15));
  CHECK(GetFocus() == button->ControlWindow());
  CHECK(button->focusGained >= 1);  // the container heard of it
  buttonEvents.events.clear();
  Tap(VK_SPACE);
  Pump(60);
  const auto down = buttonEvents.Of<&ButtonEvents::KeyDown>(), press = buttonEvents.Of<&ButtonEvents::KeyPress>(),
             up = buttonEvents.Of<&ButtonEvents::KeyUp>();
  CHECK(down.size() == 1 && !down.empty() && down[0].numbers == (std::vector<double>{32, 0}));
  CHECK(press.size() == 1 && !press.empty() && press[0].numbers == std::vector<double>{32});
  CHECK(up.size() == 1 && buttonEvents.Has<&ButtonEvents::Click>());
  buttonEvents.events.clear();
  Tap(VK_TAB);
  Pump(60);
  CHECK_MSG(GetFocus() == bar->ControlWindow(), "Tab goes to the scroll bar, the next in reading order");
  CHECK(buttonEvents.Of<&ButtonEvents::KeyDown>().empty() && buttonEvents.Of<&ButtonEvents::KeyUp>().empty());
  Key(VK_SHIFT, true);
  Tap(VK_TAB);
  Key(VK_SHIFT, false);
  Pump(60);
  CHECK(GetFocus() == button->ControlWindow());
  buttonEvents.Disconnect();


  // KeyPress characters: what the keys type, with Shift where it was held; the text box prints
  // them (it raises no events of its own).
  buttonEvents.Connect(button->control);
  buttonEvents.events.clear();
  Type(L"Hi!");
  Pump(60);
  const auto typed = buttonEvents.Of<&ButtonEvents::KeyPress>();
  CHECK_MSG(typed.size() == 3 && typed[0].numbers == std::vector<double>{72} && typed[1].numbers == std::vector<double>{105} &&
                typed[2].numbers == std::vector<double>{33},
            std::to_string(typed.size()) + " KeyPress events");
  buttonEvents.Disconnect();
  SetFocus(text->ControlWindow());
  Pump(30);
  const Picture empty = CaptureWindow(text->ControlWindow());
  Type(L"Hi!");
  Pump(60);
  CHECK_MSG(CaptureWindow(text->ControlWindow()).pixels != empty.pixels, "the text box printed what was typed");
}

// A toolbar item of a menu style opens its menu as a top-level tool window of its own: topmost,
// layered at 230/255, its class with the drop shadow; a click on a row raises MenuItemClicked and
// the menu closes.
void ToolbarMenuIsALayeredTopmostPopup() {
  Form form(RECT{40, 40, 640, 340});
  OwnSite* bar = form.Add(L"vornButton2.vornToolbar", RECT{10, 10, 310, 40}, L"tbr");
  if (!bar->control) return;
  VARIANT item = Call(bar->control, L"Add", {Str(L"file"), Str(L"File"), I4(0), I4(3)});
  if (!CHECK(item.vt == VT_DISPATCH && item.pdispVal)) return;
  VARIANT items = Get(item.pdispVal, L"ToolbarMenuItems");
  VariantClear(&item);
  if (CHECK(items.vt == VT_DISPATCH && items.pdispVal)) {
    for (const wchar_t* key : {L"new", L"open"}) {
      VARIANT added = Call(items.pdispVal, L"Add", {Str(key), Str(key)});
      VariantClear(&added);
    }
  }
  VariantClear(&items);
  EventSink events;
  events.Connect(bar->control);
  // The press opens the menu and waits for the release, which the same input brings.
  const POINT file = At(bar, 20, 12);
  MoveTo(file.x, file.y);
  Pump(40);
  Press();
  Release();
  Pump(150);
  HWND popup = ShownPopup();
  if (CHECK_MSG(popup, "the menu opened")) {
    const LONG ex = GetWindowLongW(popup, GWL_EXSTYLE);
    CHECK((ex & WS_EX_LAYERED) && (ex & WS_EX_TOOLWINDOW) && (ex & WS_EX_TOPMOST));
    CHECK(GetParent(popup) == nullptr && GetAncestor(popup, GA_ROOT) == popup);
    BYTE alpha = 0;
    DWORD flags = 0;
    CHECK(GetLayeredWindowAttributes(popup, nullptr, &alpha, &flags) && alpha == 230 && (flags & LWA_ALPHA));
    CHECK((GetClassLongPtrW(popup, GCL_STYLE) & CS_DROPSHADOW) != 0);
    RECT r{};
    GetWindowRect(popup, &r);
    RECT barRect{};
    GetWindowRect(bar->ControlWindow(), &barRect);
    CHECK(r.top >= barRect.top + 10);  // under the button
    const auto clicked = events.Of<&ToolbarEvents::ItemClicked>();
    CHECK(clicked.size() == 1 && !clicked.empty() && clicked[0].strings == std::vector<std::wstring>{L"file"});
    ClickAt(POINT{r.left + 30, r.top + 2 + 10});  // the first row
    Pump(100);
    const auto chosen = events.Of<&ToolbarEvents::MenuItemClicked>();
    CHECK_MSG(chosen.size() == 1, std::to_string(chosen.size()) + " MenuItemClicked");
    if (!chosen.empty()) {
      CHECK((chosen[0].numbers == std::vector<double>{1, 1}));
      CHECK((chosen[0].strings == std::vector<std::wstring>{L"file", L""}));
    }
    CHECK_MSG(!IsWindowVisible(popup), "the menu closed");
  }
  events.Disconnect();
}

// ---- persistence -----------------------------------------------------------------------------

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
// A container's property bag: keeps what it is given, in order, and notes what is read.
class MemoryBag final : public IPropertyBag {
 public:
  std::vector<std::pair<std::wstring, VARIANT>> entries;
  std::vector<std::wstring> reads;
  ~MemoryBag() {
    for (auto& e : entries) VariantClear(&e.second);
  }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    *ppv = riid == IID_IUnknown || riid == IID_IPropertyBag ? this : nullptr;
    return *ppv ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE Read(LPCOLESTR name, VARIANT* v, IErrorLog*) override {
    reads.emplace_back(name);
    for (auto& e : entries) {
      if (e.first == name) return VariantCopy(v, &e.second);
    }
    return E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE Write(LPCOLESTR name, VARIANT* v) override {
    VARIANT copy;
    VariantInit(&copy);
    VariantCopy(&copy, v);
    entries.emplace_back(name, copy);
    return S_OK;
  }
};
#pragma GCC diagnostic pop

// The properties of a control's default interface that can be read and let or set.
std::vector<std::wstring> Properties(IDispatch* control) {
  std::vector<std::wstring> names;
  ITypeInfo* ti = nullptr;
  if (FAILED(control->GetTypeInfo(0, 0, &ti))) return names;
  TYPEATTR* ta = nullptr;
  ti->GetTypeAttr(&ta);
  for (UINT f = 0; f < ta->cFuncs; ++f) {
    FUNCDESC* fd = nullptr;
    ti->GetFuncDesc(f, &fd);
    if (fd->invkind == INVOKE_PROPERTYPUT || fd->invkind == INVOKE_PROPERTYPUTREF) {
      BSTR name = nullptr;
      UINT got = 0;
      ti->GetNames(fd->memid, &name, 1, &got);
      if ((static_cast<unsigned long>(fd->memid) >> 16) != 0x4003) names.emplace_back(name);  // not the public fields
      SysFreeString(name);
    }
    ti->ReleaseFuncDesc(fd);
  }
  ti->ReleaseTypeAttr(ta);
  ti->Release();
  return names;
}

// Gives every property of a control a value other than the one it has (image lists aside: they
// belong to the form).
void ChangeEveryProperty(IDispatch* control) {
  for (const std::wstring& name : Properties(control)) {
    VARIANT v = Get(control, name.c_str());
    if (v.vt == VT_BOOL) {
      Put(control, name.c_str(), Bool(!v.boolVal));
    } else if (v.vt == VT_I2 || v.vt == VT_I4) {
      VariantChangeType(&v, &v, 0, VT_I4);
      Put(control, name.c_str(), I4(name.find(L"Color") != std::wstring::npos ? (v.lVal ^ 0x123456) : v.lVal + 3));
    } else if (v.vt == VT_BSTR) {
      std::wstring text = (v.bstrVal ? v.bstrVal : L"") + std::wstring(L" \u00fc");
      Put(control, name.c_str(), Str(text.c_str()));
    } else if (v.vt == VT_DISPATCH && name == L"Font") {
      IDispatch* font = NewFont(L"DejaVu Serif", 11.25, true);
      PutRef(control, name.c_str(), font);
      font->Release();
    }
    VariantClear(&v);
  }
}

// Every property of b as a has it; fonts by their look.
void SameProperties(IDispatch* a, IDispatch* b, const std::string& what) {
  for (const std::wstring& name : Properties(a)) {
    VARIANT x = Get(a, name.c_str()), y = Get(b, name.c_str());
    if (x.vt == VT_DISPATCH && y.vt == VT_DISPATCH && x.pdispVal && y.pdispVal && name == L"Font") {
      CHECK_MSG(GetText(x.pdispVal, L"Name") == GetText(y.pdispVal, L"Name") &&
                    GetLong(x.pdispVal, L"Bold") == GetLong(y.pdispVal, L"Bold") &&
                    GetLong(x.pdispVal, L"Size") == GetLong(y.pdispVal, L"Size"),
                what + ": Font");
    } else if (x.vt != VT_DISPATCH) {
      CHECK_MSG(VarCmp(&x, &y, LOCALE_USER_DEFAULT, 0) == static_cast<HRESULT>(VARCMP_EQ), what + ": " + Narrow(name));
    }
    VariantClear(&x);
    VariantClear(&y);
  }
}

// The bag names of a class in its stored order, from the listing win32_references wrote
// ("CLASS NAME NAME ..." per line).
std::vector<std::wstring> BagNamesOf(const char* listing, const std::wstring& cls) {
  std::vector<std::wstring> names;
  FILE* f = listing ? std::fopen(listing, "r") : nullptr;
  if (!f) return names;
  char line[4096];
  while (std::fgets(line, sizeof line, f)) {
    std::wstring w;
    for (const char* c = line; *c && *c != '\n' && *c != '\r'; ++c) w += static_cast<wchar_t>(*c);
    if (w.rfind(cls + L" ", 0) != 0) continue;
    for (size_t at = cls.size() + 1; at < w.size();) {
      const size_t end = std::min(w.find(L' ', at), w.size());
      names.push_back(w.substr(at, end - at));
      at = end + 1;
    }
  }
  std::fclose(f);
  return names;
}

// Every stored property of every control goes through a container's property bag and through a
// stream and comes back; the bag sees the names in the order of the control's property table.
void StoredPropertiesRoundTrip(const char* bagListing) {
  Form form(RECT{40, 40, 640, 340});
  for (const wchar_t* progId : kControls) {
    const std::string what = Narrow(progId);
    OwnSite* original = form.Add(progId, RECT{10, 10, 210, 50}, L"ctl", true, false);
    if (!original->control) continue;
    ChangeEveryProperty(original->control);
    MemoryBag bag;
    IPersistPropertyBag* asBag = nullptr;
    IPersistStreamInit* asStream = nullptr;
    original->object->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&asBag));
    original->object->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&asStream));
    if (!CHECK(asBag && asStream)) continue;
    CHECK_HR(asStream->IsDirty(), S_OK);
    CHECK_HR(asBag->Save(&bag, TRUE, TRUE), S_OK);
    IStream* stream = nullptr;
    CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    CHECK_HR(asStream->Save(stream, TRUE), S_OK);
    CHECK_HR(asStream->IsDirty(), S_FALSE);
    asBag->Release();
    asStream->Release();
    std::vector<std::wstring> written;
    for (const auto& e : bag.entries) written.push_back(e.first);
    const std::vector<std::wstring> listed = BagNamesOf(bagListing, progId + 12);
    CHECK_MSG(!listed.empty() && written == listed, what + ": " + std::to_string(written.size()) + " names written");

    // Back from the bag, read in the same order.
    auto* fromBag = new OwnSite(form.window, RECT{10, 60, 210, 100}, L"copy");
    form.sites.push_back(fromBag);
    CLSID clsid{};
    CLSIDFromProgID(progId, &clsid);
    IPersistPropertyBag* loader = nullptr;
    CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, reinterpret_cast<void**>(&fromBag->object));
    fromBag->object->SetClientSite(fromBag);
    fromBag->object->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&loader));
    CHECK_HR(loader->Load(&bag, nullptr), S_OK);
    loader->Release();
    fromBag->object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&fromBag->control));
    CHECK_MSG(bag.reads == listed, what + ": the names read");
    SameProperties(original->control, fromBag->control, what + " through a property bag");

    // Back from the stream; a damaged one is refused and starts nothing.
    LARGE_INTEGER start{};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    auto* fromStream = new OwnSite(form.window, RECT{10, 110, 210, 150}, L"copy");
    form.sites.push_back(fromStream);
    CHECK_MSG(fromStream->Embed(progId, false, stream), what + " from a stream");
    if (fromStream->control) SameProperties(original->control, fromStream->control, what + " through a stream");
    stream->Release();
  }
  IStream* damaged = nullptr;
  CreateStreamOnHGlobal(nullptr, TRUE, &damaged);
  ULONG n = 0;
  damaged->Write("vB2S\x01\x00\x00\x00\xff\xff\xff\x7f", 12, &n);
  LARGE_INTEGER start{};
  damaged->Seek(start, STREAM_SEEK_SET, nullptr);
  IPersistStreamInit* loader = nullptr;
  CLSID clsid{};
  CLSIDFromProgID(L"vornButton2.vornButton", &clsid);
  CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IPersistStreamInit, reinterpret_cast<void**>(&loader));
  if (CHECK(loader)) {
    CHECK(FAILED(loader->Load(damaged)));
    IErrorInfo* info = nullptr;
    if (CHECK(GetErrorInfo(0, &info) == S_OK && info)) {
      BSTR text = nullptr;
      info->GetDescription(&text);
      CHECK_MSG(text && std::wstring(text).find(L"2147483647 properties") != std::wstring::npos, Narrow(text ? text : L""));
      SysFreeString(text);
      info->Release();
    }
    CHECK_HR(loader->InitNew(), S_OK);  // nothing started: a new instance still can
    loader->Release();
  }
  damaged->Release();
}

// ---- what a container sees besides the window ------------------------------------------------

void NotificationsAndDrawing() {
  Form form(RECT{40, 40, 640, 340});
  OwnSite* button = form.Add(L"vornButton2.vornButton", RECT{10, 10, 110, 40}, L"btn");
  if (!button->control) return;
  button->WatchProperties();
  CHECK_HR(Put(button->control, L"BackColor", I4(0xC0FFC0)), S_OK);
  CHECK_HR(Put(button->control, L"ImageIndex", I4(2)), S_OK);
  CHECK_MSG((button->changed == std::vector<DISPID>{0x68030006, 0x68030000}),
            std::to_string(button->changed.size()) + " notifications");

  // Every control draws into a memory device context what its window shows.
  for (int i = 0; i < 7; ++i) {
    OwnSite* s = form.Add(kControls[i], RECT{10 + (i % 4) * 145, 60 + (i / 4) * 120, 140 + (i % 4) * 145,
                                             120 + (i / 4) * 120}, L"ctl");
    if (!s->control) continue;
    Pump(60);
    HWND w = s->ControlWindow();
    const Picture shown = CaptureWindow(w);
    IViewObject2* view = nullptr;
    s->object->QueryInterface(IID_IViewObject2, reinterpret_cast<void**>(&view));
    if (!CHECK(view)) continue;
    const Picture drawn = DrawnInMemory(shown.width, shown.height, [&](HDC dc) {
      RECTL bounds{0, 0, shown.width, shown.height};
      CHECK_HR(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, &bounds, nullptr, nullptr, 0), S_OK);
    });
    view->Release();
    CHECK_MSG(drawn.pixels == shown.pixels, Narrow(kControls[i]) + ": drawn as shown");
  }
}

// ---- the ends a container can come to -------------------------------------------------------

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
struct ViewSink final : public IAdviseSink {
  int changes = 0;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    *ppv = riid == IID_IUnknown || riid == IID_IAdviseSink ? this : nullptr;
    return *ppv ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  void STDMETHODCALLTYPE OnDataChange(FORMATETC*, STGMEDIUM*) override {}
  void STDMETHODCALLTYPE OnViewChange(DWORD, LONG) override { ++changes; }
  void STDMETHODCALLTYPE OnRename(IMoniker*) override {}
  void STDMETHODCALLTYPE OnSave() override {}
  void STDMETHODCALLTYPE OnClose() override {}
};
#pragma GCC diagnostic pop

void EndsWithoutCrashOrLeak() {
  const int windowsBefore = CountWindows();
  {
    Form form(RECT{40, 40, 640, 340});
    // No ambient font: the control takes the default a Windows form gives.
    OwnSite* plain = form.Add(L"vornButton2.vornButton", RECT{10, 10, 110, 40}, L"btn", false);
    VARIANT font = plain->control ? Get(plain->control, L"Font") : VARIANT{};
    if (CHECK(font.vt == VT_DISPATCH && font.pdispVal)) CHECK(GetText(font.pdispVal, L"Name") == L"MS Sans Serif");
    VariantClear(&font);

    // Never activated in place: its window stays hidden, it still draws, and tells of changes.
    OwnSite* hidden = form.Add(L"vornButton2.vornSlider", RECT{10, 60, 210, 100}, L"sld", true, false);
    if (hidden->control) {
      IViewObject2* view = nullptr;
      hidden->object->QueryInterface(IID_IViewObject2, reinterpret_cast<void**>(&view));
      ViewSink sink;
      if (CHECK(view)) {
        view->SetAdvise(DVASPECT_CONTENT, 0, &sink);
        CHECK_HR(Put(hidden->control, L"Value", I4(8)), S_OK);
        CHECK(sink.changes >= 1);
        const Picture drawn = DrawnInMemory(200, 40, [&](HDC dc) {
          RECTL bounds{0, 0, 200, 40};
          CHECK_HR(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, &bounds, nullptr, nullptr, 0), S_OK);
        });
        CHECK(std::count(drawn.pixels.begin(), drawn.pixels.end(), drawn.At(0, 0)) < 200 * 40);  // not a blank
        view->SetAdvise(DVASPECT_CONTENT, 0, nullptr);
        view->Release();
      }
      CHECK(!hidden->inPlaceActive);
    }

    // Released while its drop-down menu is open: the menu goes with it.
    OwnSite* bar = form.Add(L"vornButton2.vornToolbar", RECT{250, 10, 550, 40}, L"tbr");
    if (bar->control) {
      VARIANT item = Call(bar->control, L"Add", {Str(L"file"), Str(L"File"), I4(0), I4(3)});
      VariantClear(&item);
      const POINT file = At(bar, 20, 12);
      MoveTo(file.x, file.y);
      Pump(40);
      Press();
      Release();
      Pump(150);
      HWND popup = ShownPopup();
      CHECK_MSG(popup, "the menu opened");
      bar->Unembed();
      Pump(100);
      CHECK(!popup || !IsWindow(popup));
    }
  }
  {
    // The container lets a button go from the button's own Click: it ends once the click is over.
    Form form(RECT{40, 40, 640, 340});
    OwnSite* button = form.Add(L"vornButton2.vornButton", RECT{10, 10, 110, 40}, L"btn");
    if (button->control) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
      struct Unloader final : EventSink {
        OwnSite* site = nullptr;
        HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID r, LCID l, WORD f, DISPPARAMS* p, VARIANT* v, EXCEPINFO* e,
                                         UINT* a) override {
          EventSink::Invoke(id, r, l, f, p, v, e, a);
          if (id == vorn::EventId<&ButtonEvents::Click>() && site->object) {
            Disconnect();
            site->Unembed();
          }
          return S_OK;
        }
      } sink;
#pragma GCC diagnostic pop
      sink.site = button;
      sink.Connect(button->control);
      HWND w = button->ControlWindow();
      ClickAt(Centre(w));
      CHECK(sink.Has<&ButtonEvents::Click>() && !button->object && !IsWindow(w));
    }
  }
  {
    // The form closes while a slider's knob is dragged.
    Form form(RECT{40, 40, 640, 340});
    OwnSite* slider = form.Add(L"vornButton2.vornSlider", RECT{10, 10, 210, 50}, L"sld");
    if (slider->control) {
      const POINT knob = At(slider, 102, 10);
      MoveTo(knob.x, knob.y);
      Pump(40);
      Press();
      Pump(40);
      MoveTo(knob.x + 30, knob.y);
      Pump(40);
      HWND w = slider->ControlWindow();
      DestroyWindow(form.window);
      MoveTo(knob.x + 60, knob.y);
      Pump(40);
      Release();
      Pump(60);
      CHECK(!IsWindow(w));
      CHECK(GetLong(slider->control, L"Value") >= 5);  // still an automation object
    }
  }
  Pump(100);
  CHECK_MSG(CountWindows() == windowsBefore, std::to_string(CountWindows()) + " windows, " +
                                                 std::to_string(windowsBefore) + " before");
}

// ---- a form's image list ---------------------------------------------------------------------

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
// An object of a form, such as an ImageList control, reached by member name: names to
// identifiers, and what each identifier answers.
class FormObject final : public IDispatch {
 public:
  std::vector<std::pair<std::wstring, DISPID>> names;
  HRESULT (*answer)(FormObject& self, DISPID id, DISPPARAMS* params, VARIANT* result) = nullptr;
  IDispatch* next = nullptr;  // the object a member hands out
  IDispatch* picture = nullptr;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    *ppv = riid == IID_IUnknown || riid == IID_IDispatch ? this : nullptr;
    return *ppv ? (AddRef(), S_OK) : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override { return *n = 0, S_OK; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* n, UINT, LCID, DISPID* id) override {
    for (const auto& [name, value] : names) {
      if (lstrcmpiW(name.c_str(), n[0]) == 0) return *id = value, S_OK;
    }
    return *id = DISPID_UNKNOWN, DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* p, VARIANT* r, EXCEPINFO*, UINT*) override {
    VariantInit(r);
    return answer(*this, id, p, r);
  }
  ULONG refs = 1;
};
#pragma GCC diagnostic pop

HRESULT Hand(IDispatch* object, VARIANT* r) {
  object->AddRef();
  r->vt = VT_DISPATCH;
  r->pdispVal = object;
  return S_OK;
}

// A form's image list of one 16 x 16 icon, pure red, given to a button: the button draws the icon
// and hands the same object back.
void AFormsImageListGivesTheIcons() {
  std::vector<uint32_t> red(16 * 16, 0xFFFF0000);  // 0xAARRGGBB
  std::vector<uint8_t> opaque(16 * 2, 0);
  ICONINFO info{TRUE, 0, 0, CreateBitmap(16, 16, 1, 1, opaque.data()), CreateBitmap(16, 16, 1, 32, red.data())};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(info.hbmMask);
  DeleteObject(info.hbmColor);
  PICTDESC desc{sizeof desc, PICTYPE_ICON, {}};
  desc.icon.hicon = icon;
  IDispatch* picture = nullptr;
  OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(&picture));
  FormObject image, images, list;
  image.names = {{L"ExtractIcon", 1}};
  image.picture = picture;
  image.answer = [](FormObject& self, DISPID id, DISPPARAMS*, VARIANT* r) {
    return id == 1 ? Hand(self.picture, r) : DISP_E_MEMBERNOTFOUND;
  };
  images.next = &image;
  images.answer = [](FormObject& self, DISPID id, DISPPARAMS* p, VARIANT* r) {
    return id == DISPID_VALUE && p->cArgs == 1 ? Hand(self.next, r) : DISP_E_MEMBERNOTFOUND;
  };
  list.names = {{L"ImageWidth", 1}, {L"ImageHeight", 2}, {L"ListImages", 3}};
  list.next = &images;
  list.answer = [](FormObject& self, DISPID id, DISPPARAMS*, VARIANT* r) {
    if (id == 3) return Hand(self.next, r);
    if (id != 1 && id != 2) return DISP_E_MEMBERNOTFOUND;
    r->vt = VT_I2;
    r->iVal = 16;
    return S_OK;
  };
  {
    Form form(RECT{40, 40, 640, 340});
    OwnSite* button = form.Add(L"vornButton2.vornButton", RECT{10, 10, 110, 50}, L"btn");
    if (button->control && CHECK(picture)) {
      CHECK_HR(PutRef(button->control, L"Imagelist", &list), S_OK);
      CHECK_HR(Put(button->control, L"ImageIndex", I4(1)), S_OK);
      Pump(100);
      const Picture shown = CaptureWindow(button->ControlWindow());
      CHECK_MSG(std::count(shown.pixels.begin(), shown.pixels.end(), 0x0000FFu) >= 200, "the icon on the button");
      VARIANT back = Get(button->control, L"Imagelist");
      CHECK(back.vt == VT_DISPATCH && back.pdispVal == &list);
      VariantClear(&back);
    }
  }
  if (picture) picture->Release();
  CHECK_MSG(list.refs == 1 && images.refs == 1 && image.refs == 1, "the image list was let go");
}
}  // namespace

int main(int argc, char** argv) {
  OleInitialize(nullptr);
  SetProcessDPIAware();
  EveryControlInWinesAtlContainer();
  EveryControlInTheProjectsContainer();
  InputReachesTheControls();
  ToolbarMenuIsALayeredTopmostPopup();
  StoredPropertiesRoundTrip(argc > 2 ? argv[2] : nullptr);
  NotificationsAndDrawing();
  AFormsImageListGivesTheIcons();
  EndsWithoutCrashOrLeak();
  if (argc > 1) CapturePixelCases(argv[1]);
  CHECK_MSG(OwnSite::live == 0, std::to_string(OwnSite::live) + " sites alive");
  CHECK_HR(CanUnloadNow(), S_OK);
  OleUninitialize();
  return Finish("container_test");
}
