// The controls in real containers under Wine and Xvfb: Wine's own ATL container window and a
// minimal container of the project's own host every public control; properties go through
// IDispatch, the real pointer and keyboard (SendInput) drive them, and a sink hears their events.
// Persistence round trips, drawing into a memory device context, and the ends a container can
// come to (no ambient font, never activated, a popup open, a drag under way) end with every
// object and window gone. With an output folder, the pixel cases (PixelCases.h) are captured
// there as PNG files for the comparison with the headless host's pictures.
// Usage: container_test [CAPTURE-FOLDER]
#include <cstdio>
#include <string>

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
    const auto down = sink.Of(5), up = sink.Of(7);
    CHECK_MSG(down.size() == 1 && up.size() == 1, std::to_string(sink.events.size()) + " events");
    if (!down.empty()) {
      CHECK((down[0].numbers == std::vector<double>{1, 0, cx, cy}));  // Button, Shift, X, Y in pixels
    }
    CHECK(sink.Of(1).size() == 1);  // Click
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
  CHECK(barEvents.Has(6));  // ValueChanged
  barEvents.events.clear();
  Drag(At(bar, 10, 82), At(bar, 10, 122));
  const long dragged = GetLong(bar->control, L"Value");
  CHECK_MSG(dragged > 45, std::to_string(dragged));
  CHECK(barEvents.Has(5) && barEvents.Has(6) && barEvents.Has(1));  // Scroll, ValueChanged, Click
  barEvents.Disconnect();

  // A slider: its knob follows a drag to the right.
  EventSink sliderEvents;
  sliderEvents.Connect(slider->control);
  Drag(At(slider, 102, 10), At(slider, 182, 10));
  const long value = GetLong(slider->control, L"Value");
  CHECK_MSG(value > 5, std::to_string(value));
  CHECK(sliderEvents.Has(6) && sliderEvents.Has(5));  // Slide, ValueChange
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
  const auto down = buttonEvents.Of(2), press = buttonEvents.Of(3), up = buttonEvents.Of(4);
  CHECK(down.size() == 1 && !down.empty() && down[0].numbers == (std::vector<double>{32, 0}));
  CHECK(press.size() == 1 && !press.empty() && press[0].numbers == std::vector<double>{32});
  CHECK(up.size() == 1 && buttonEvents.Has(1));  // KeyUp, Click
  buttonEvents.events.clear();
  Tap(VK_TAB);
  Pump(60);
  CHECK_MSG(GetFocus() == bar->ControlWindow(), "Tab goes to the scroll bar, the next in reading order");
  CHECK(buttonEvents.Of(2).empty() && buttonEvents.Of(4).empty());
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
  const auto typed = buttonEvents.Of(3);
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
    const auto clicked = events.Of(1);
    CHECK(clicked.size() == 1 && !clicked.empty() && clicked[0].strings == std::vector<std::wstring>{L"file"});
    ClickAt(POINT{r.left + 30, r.top + 2 + 10});  // the first row
    Pump(100);
    const auto chosen = events.Of(2);
    CHECK_MSG(chosen.size() == 1, std::to_string(chosen.size()) + " MenuItemClicked");
    if (!chosen.empty()) {
      CHECK((chosen[0].numbers == std::vector<double>{1, 1}));
      CHECK((chosen[0].strings == std::vector<std::wstring>{L"file", L""}));
    }
    CHECK_MSG(!IsWindowVisible(popup), "the menu closed");
  }
  events.Disconnect();
}
}  // namespace

int main(int argc, char** argv) {
  OleInitialize(nullptr);
  SetProcessDPIAware();
  EveryControlInWinesAtlContainer();
  EveryControlInTheProjectsContainer();
  InputReachesTheControls();
  ToolbarMenuIsALayeredTopmostPopup();
  if (argc > 1) CapturePixelCases(argv[1]);
  CHECK_MSG(OwnSite::live == 0, std::to_string(OwnSite::live) + " sites alive");
  CHECK_HR(CanUnloadNow(), S_OK);
  OleUninitialize();
  return Finish("container_test");
}
