// The gallery of controls on a form of a Windows program, each in Wine's ATL container window,
// written as a PNG of the screen (scripts/render-windows-gallery.sh runs it for the README).
// Usage: windows_gallery OUT.png
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "Desktop.h"

using namespace wintest;

namespace {

struct Placed {
  const wchar_t* progId;
  RECT rect;
  const wchar_t* steps;  // "Name=Value" lets and "Name:A,B" calls, as in PixelCases.h
};

const Placed kGallery[] = {
    {L"vornButton2.vornToolbar", {0, 0, 760, 30},
     L"Add:open,Open,0,3;Add:save,Save;Add:sep1,,0,6;Add:wrap,Word wrap,0,2,True;Add:ruler,Ruler,0,2;Add:sep2,,0,6;"
     L"Add:view,View,0,4;Add:mode,Gallery,0,7;Add:print,Print,0,1,False,False"},
    {L"vornButton2.vornButton", {12, 42, 112, 72}, L"Caption=Default"},
    {L"vornButton2.vornButton", {122, 42, 222, 72}, L"Caption=Focused"},
    {L"vornButton2.vornButton", {232, 42, 332, 72}, L"Caption=Disabled;Enabled=False"},
    {L"vornButton2.vornButton", {342, 42, 442, 72}, L"Caption=Green;ForeColor=32768;BackColor=15794160"},
    {L"vornButton2.vornSlider", {12, 95, 232, 120}, L""},
    {L"vornButton2.vornSlider", {12, 125, 232, 150}, L"TickStyle=1;Value=3"},
    {L"vornButton2.vornSlider", {12, 155, 232, 196}, L"TickStyle=3;Min=-50;Max=50;Value=0"},
    {L"vornButton2.vornSlider", {12, 201, 232, 242}, L"TickStyle=4;Max=100;Value=75"},
    {L"vornButton2.vornSlider", {12, 247, 232, 272}, L"TickStyle=2;Value=4;Enabled=False"},
    {L"vornButton2.vornSlider", {250, 95, 310, 295}, L"Orientation=2;TickStyle=4;Max=100;Value=40"},
    {L"vornButton2.vornProgressBar", {332, 95, 532, 119}, L"Value=30"},
    {L"vornButton2.vornProgressBar", {332, 129, 532, 153}, L"Value=100;ForeColor=32768"},
    {L"vornButton2.vornProgressBar", {332, 163, 532, 187}, L"Style=1;Value=40"},
    {L"vornButton2.vornProgressBar", {332, 197, 532, 221}, L"Value=70;Caption=Copying files"},
    {L"vornButton2.vornProgressBar", {332, 231, 356, 341}, L"Orientation=2;Value=65"},
    {L"vornButton2.vornTextBox", {560, 42, 748, 66}, L""},
    {L"vornButton2.vornScrollBar", {560, 78, 748, 95}, L"Orientation=1;Value=30"},
    {L"vornButton2.vornScrollBar", {560, 110, 577, 270}, L""},
};

std::wstring Before(const std::wstring& s, wchar_t c, size_t& at) {
  const size_t end = std::min(s.find(c, at), s.size());
  std::wstring part = s.substr(at, end - at);
  at = end + 1;
  return part;
}

void Apply(IDispatch* d, const std::wstring& steps) {
  for (size_t at = 0; at < steps.size();) {
    const std::wstring step = Before(steps, L';', at);
    const size_t let = step.find(L'='), call = step.find(L':');
    if (call != std::wstring::npos && (let == std::wstring::npos || call < let)) {
      std::vector<VARIANT> args;
      const std::wstring list = step.substr(call + 1);
      for (size_t a = 0; a <= list.size();) args.push_back(Str(Before(list, L',', a).c_str()));
      VARIANT r = Call(d, step.substr(0, call).c_str(), args);
      VariantClear(&r);
    } else if (let != std::wstring::npos) {
      Put(d, step.substr(0, let).c_str(), Str(step.substr(let + 1).c_str()));
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::printf("usage: windows_gallery OUT.png\n");
    return 2;
  }
  OleInitialize(nullptr);
  HMODULE atl = LoadLibraryW(L"atl.dll");
  auto init = reinterpret_cast<BOOL(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxWinInit")));
  auto getControl = reinterpret_cast<HRESULT(WINAPI*)(HWND, IUnknown**)>(
      reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxGetControl")));
  if (!init || !getControl || !init()) return 1;
  HWND form = NewForm(L"vornButton2 in Wine's ATL container", RECT{20, 20, 780, 372}, true);
  std::vector<IDispatch*> controls;
  for (const Placed& p : kGallery) {
    // Properties first, then the size, as a form designer places a control: a bar's orientation
    // decides which way its size is held.
    HWND ax = CreateWindowExW(0, L"AtlAxWin", p.progId, WS_CHILD | WS_VISIBLE, p.rect.left, p.rect.top, 16, 16, form,
                              nullptr, nullptr, nullptr);
    IUnknown* unknown = nullptr;
    IDispatch* d = nullptr;
    if (ax && getControl(ax, &unknown) == S_OK && unknown) {
      unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&d));
      unknown->Release();
    }
    if (!d) return 1;
    Apply(d, p.steps);
    SetWindowPos(ax, nullptr, 0, 0, p.rect.right - p.rect.left, p.rect.bottom - p.rect.top, SWP_NOMOVE | SWP_NOZORDER);
    controls.push_back(d);
  }
  Pump(200);
  // Typed text in the text box, and the focus on its button, as a user leaves them.
  HWND text = nullptr;
  for (HWND ax = FindWindowExW(form, nullptr, L"AtlAxWin", nullptr); ax; ax = FindWindowExW(form, ax, L"AtlAxWin", nullptr)) {
    wchar_t title[64] = {};
    GetWindowTextW(ax, title, 64);
    if (std::wstring(title) == L"vornButton2.vornTextBox") text = FindWindowExW(ax, nullptr, nullptr, nullptr);
  }
  SetFocus(text);
  Type(L"Typed text");
  Pump(100);
  IDispatch* focused = controls[2];
  IOleInPlaceObject* place = nullptr;
  HWND button = nullptr;
  if (SUCCEEDED(focused->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&place)))) {
    place->GetWindow(&button);
    place->Release();
  }
  SetFocus(button);
  MoveTo(1000, 740);
  Pump(300);
  std::wstring path(argv[1], argv[1] + std::strlen(argv[1]));
  const bool written = WritePng(path, CaptureWindow(form));
  for (IDispatch* d : controls) d->Release();
  DestroyWindow(form);
  Pump(50);
  OleUninitialize();
  return written ? 0 : 1;
}
