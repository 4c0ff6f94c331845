// Embedding the library in a C++ program with the headless host: a form window, two controls on
// sites of their own (one constructed directly, one made by the class factory), properties, input,
// events, pixels and a PNG of the screen.
//
// usage: embed [OUT.png]
#include <cstdio>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

#include "controls/button/vornButton.h"
#include "foundation/Dispatch.h"
#include "host/headless/HeadlessSite.h"
#include "host/raster/Png.h"
#include "library/TypeLibrary.h"
#include "library/com/ComObjects.h"
#include "library/vornbutton2.h"

using namespace vorn;

// A typed sink: the button's events as C++ calls, arguments by reference.
struct ButtonLog final : ButtonEvents {
  void Click() override { std::printf("btnOK.Click()\n"); }
  void MouseDown(int16_t& Button, int16_t& Shift, float& X, float& Y) override {
    std::printf("btnOK.MouseDown(%d, %d, %g, %g)\n", Button, Shift, X, Y);
  }
};

// A generic sink: any control's events as dispatch identifiers with their arguments as Variants.
struct EventPrinter final : EventSink {
  void OnEvent(Object& source, DispId id, std::span<Variant> args) override {
    const EventInfo* event = source.Class().FindEvent(id);
    const std::string name = dynamic_cast<Control&>(source).Site().AmbientDisplayName();
    std::string line = name + "." + std::string(event->name) + "(";
    for (size_t i = 0; i < args.size(); ++i) line += (i ? ", " : "") + args[i].ToString();
    std::printf("%s)\n", line.c_str());
  }
};

int main(int argc, char** argv) {
  const std::string png = argc > 1 ? argv[1] : "embed.png";

  // The host: a virtual screen of 1024 x 768 pixels with a pointer, a keyboard and a clock.
  HeadlessHost host;
  // A form window at (100, 50) on the screen, 240 x 100 pixels, and what its controls share.
  auto ambient = std::make_shared<FormAmbient>();
  ambient->font = MakeRef<Font>("DejaVu Sans", 8.0f);
  HeadlessSurface form(host, WindowKind::Form, "Form1", nullptr, RectL{100, 50, 340, 150},
                       ambient->font->Clone(), 0xF0F0F0);
  // One site per control: the control's own window on the form (pixels of the form).
  HeadlessSite buttonSite(host, &form, "btnOK", RectL{10, 10, 110, 40}, ambient);
  HeadlessSite sliderSite(host, &form, "sldLevel", RectL{10, 60, 230, 85}, ambient);

  // A control constructed directly, then started as a host starts it.
  Ref<vornButton> button(new vornButton(buttonSite));
  ButtonLog buttonLog;
  button->SetEventSink(&buttonLog);
  StartControl(*button, nullptr);  // Initialize, InitProperties (a new instance), Resize
  button->UserControl_Show();
  button->put_Caption("OK");

  // A control made by the class factory, found by its programmatic identifier.
  const LibraryClass* sliderClass = FindLibraryClass("vornButton2.vornSlider");
  IClassFactory* factory = nullptr;
  DllGetClassObject(sliderClass->clsid, &IID_IClassFactory, reinterpret_cast<void**>(&factory));
  IVornControl* slider = nullptr;
  factory->lpVtbl->CreateInstance(factory, nullptr, &IID_IVornControl, reinterpret_cast<void**>(&slider));
  factory->lpVtbl->Release(factory);
  slider->lpVtbl->SetSite(slider, static_cast<ControlSite*>(&sliderSite));
  auto& sliderControl = dynamic_cast<Control&>(*ObjectBehind(reinterpret_cast<IUnknown*>(slider)));
  EventPrinter printer;
  const uint32_t cookie = sliderControl.Connections().Advise(printer);
  slider->lpVtbl->InitNew(slider);  // defaults; the first paint reports the value

  // Properties by name, as automation and replay scripts set them.
  LetMember(sliderControl, "TickStyle", Variant(int32_t{2}));  // Tick_Four: five ticks
  LetMember(sliderControl, "Value", Variant(int32_t{8}));
  std::printf("sldLevel.Value = %d\n", GetMember(sliderControl, "Value").ToLong());

  // Input in screen pixels: rest on the button for a millisecond, press, release.
  host.MoveMouse({100 + 10 + 50, 50 + 10 + 15});
  host.Advance(1);  // the hover timer's tick paints the hot look
  const Color hotEdge = buttonSite.Window().Point(1, 0);
  std::printf("hot top edge &H%06X, scheme entry 5 &H%06X\n", hotEdge, button->Scheme()[5]);
  host.PressButton(kLeftButton);
  host.ReleaseButton(kLeftButton);
  // Keys go to the focused window: the left arrow steps the slider down by one.
  host.SetFocus(&sliderSite.Window());
  host.KeyDown(37);
  host.KeyUp(37);

  // The screen picture of the form.
  WritePng(host.Snapshot(form.ScreenRect()), png);
  std::printf("wrote %s\n", std::filesystem::path(png).filename().c_str());

  // Controls end before their sites: the last reference to a factory-made control terminates it.
  sliderControl.Connections().Unadvise(cookie);
  slider->lpVtbl->Release(slider);
  button->UserControl_Terminate();
  return DllCanUnloadNow() == S_OK ? 0 : 1;
}
