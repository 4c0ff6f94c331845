#pragma once
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "foundation/Control.h"
#include "host/headless/HeadlessSite.h"
#include "support/EventLog.h"
#include "support/MemoryPropertyBag.h"

namespace vorn::test {

/// One control on a form in the headless host, with its events logged. Coordinates given to the
/// input helpers are pixels of the control's own surface.
class HarnessBase {
 public:
  explicit HarnessBase(int32_t width, int32_t height, int32_t formWidth = 400, int32_t formHeight = 300);
  virtual ~HarnessBase();

  HeadlessHost host;
  std::shared_ptr<FormAmbient> ambient;
  std::unique_ptr<HeadlessSurface> form;
  std::unique_ptr<HeadlessSite> site;
  EventLog log;
  std::vector<std::string> notes;

  HeadlessSurface& Window() { return site->Window(); }
  Color Pixel(int32_t x, int32_t y) { return Window().Point(x, y); }
  PointL ToScreen(float x, float y);
  void MoveTo(float x, float y);
  void Press(int16_t button = 1) { host.PressButton(button); }
  void Release(int16_t button = 1) { host.ReleaseButton(button); }
  void ClickAt(float x, float y);
  void Tick(uint64_t ms = 1) { host.Advance(ms); }
  /// Writes the control's surface to a PNG (for looking at a failing case).
  void SavePng(const std::string& path);

  static constexpr int32_t kControlLeft = 20;
  static constexpr int32_t kControlTop = 30;
  static constexpr int32_t kFormLeft = 100;
  static constexpr int32_t kFormTop = 50;
};

/// A harness holding a control of class T, started with InitProperties (bag == nullptr) or
/// ReadProperties from bag.
template <class T>
class Harness : public HarnessBase {
 public:
  explicit Harness(int32_t width, int32_t height, PropertyBag* bag = nullptr) : HarnessBase(width, height) {
    control = Ref<T>(new T(*site));
    cookie = control->Connections().Advise(log);
    StartControl(*control, bag);
    control->UserControl_Show();
  }
  ~Harness() override {
    control->Connections().Unadvise(cookie);
    control->UserControl_Terminate();
    control = nullptr;
  }
  T& operator*() { return *control; }
  T* operator->() { return control.get(); }

  Ref<T> control;
  uint32_t cookie = 0;
};

/// A harness whose control starts from these stored properties (ReadProperties); the others read
/// their defaults.
template <class T>
std::unique_ptr<Harness<T>> Stored(int32_t width, int32_t height,
                                   std::initializer_list<std::pair<const char*, Variant>> props) {
  MemoryPropertyBag bag;
  for (const auto& [name, value] : props) bag.stored[name] = value;
  return std::make_unique<Harness<T>>(width, height, &bag);
}

}  // namespace vorn::test
