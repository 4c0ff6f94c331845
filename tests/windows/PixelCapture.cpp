#include "PixelCapture.h"

#include <string>

#include "Check.h"
#include "Desktop.h"
#include "OwnContainer.h"
#include "PixelCases.h"

namespace wintest {

namespace {

std::wstring Wide(const std::string& s) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, s.c_str(), -1, nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s.c_str(), -1, w.data(), n);
  w.pop_back();
  return w;
}

void Apply(IDispatch* control, const char* steps) {
  for (const pixelcases::Step& s : pixelcases::Steps(steps)) {
    IDispatch* target = control;
    VARIANT holder;
    VariantInit(&holder);
    if (!s.object.empty()) {
      holder = Get(control, Wide(s.object).c_str());
      if (!CHECK_MSG(holder.vt == VT_DISPATCH && holder.pdispVal, s.object)) continue;
      target = holder.pdispVal;
    }
    if (s.call) {
      std::vector<VARIANT> args;
      for (const std::string& a : s.args) args.push_back(Str(Wide(a).c_str()));
      VARIANT r = Call(target, Wide(s.member).c_str(), args);
      VariantClear(&r);
    } else {
      CHECK_HR(Put(target, Wide(s.member).c_str(), Str(Wide(s.args.at(0)).c_str())), S_OK);
    }
    VariantClear(&holder);
  }
}

}  // namespace

HWND ShownPopup() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM out) -> BOOL {
        wchar_t cls[64] = {};
        GetClassNameW(w, cls, 64);
        if (std::wstring(cls) == L"vornButton2.Picture" && IsWindowVisible(w)) {
          *reinterpret_cast<HWND*>(out) = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

void CapturePixelCases(const char* folder) {
  // The form where the headless references have theirs, so that screen positions agree.
  HWND form = NewForm(L"Pixels", RECT{40, 40, 640, 340});
  for (const pixelcases::Case& c : pixelcases::kCases) {
    MoveTo(1010, 750);  // away from every control
    SetFocus(form);
    Pump(30);
    auto* site = new OwnSite(form, RECT{10, 10, 10 + c.width, 10 + c.height}, L"ctl");
    if (CHECK_MSG(site->Embed(Wide(std::string("vornButton2.") + c.cls).c_str()), c.name)) {
      Apply(site->control, c.steps);
      HWND window = site->ControlWindow();
      const POINT at = ScreenOf(window, c.x, c.y);
      switch (c.look) {
        case pixelcases::Look::Hot: MoveTo(at.x, at.y); break;
        case pixelcases::Look::Pressed:
          MoveTo(at.x, at.y);
          Pump(40);
          Press();
          break;
        case pixelcases::Look::Focused: SetFocus(window); break;
        default: break;
      }
      Pump(150);
      HWND shown = c.look == pixelcases::Look::Popup ? ShownPopup() : window;
      if (CHECK_MSG(shown, c.name)) {
        CHECK_MSG(WritePng(Wide(std::string(folder) + "\\" + c.name + ".png"), CaptureWindow(shown)), c.name);
      }
      if (c.look == pixelcases::Look::Pressed) {
        Release();
        Pump(40);
      }
    }
    site->Unembed();
    site->Release();
  }
  DestroyWindow(form);
  Pump(30);
}

}  // namespace wintest
