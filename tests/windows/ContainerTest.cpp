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

}  // namespace

int main(int argc, char** argv) {
  OleInitialize(nullptr);
  SetProcessDPIAware();
  EveryControlInWinesAtlContainer();
  EveryControlInTheProjectsContainer();
  if (argc > 1) CapturePixelCases(argv[1]);
  CHECK_MSG(OwnSite::live == 0, std::to_string(OwnSite::live) + " sites alive");
  CHECK_HR(CanUnloadNow(), S_OK);
  OleUninitialize();
  return Finish("container_test");
}
