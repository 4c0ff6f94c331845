#pragma once
#include <cstdint>

#include "foundation/Events.h"

namespace vorn {

/// Events of the slider (event interface __vornSlider); key arguments are by reference, so a
/// handler may change them and the slider reads them back.
class SliderEvents {
 public:
  virtual ~SliderEvents() = default;
  virtual void Click() {}
  virtual void KeyDown(int16_t& /*KeyCode*/, int16_t& /*Shift*/) {}
  virtual void KeyPress(int16_t& /*KeyAscii*/) {}
  virtual void KeyUp(int16_t& /*KeyCode*/, int16_t& /*Shift*/) {}
  virtual void ValueChange() {}
  virtual void Slide() {}
};

/// Forwards the typed events to a connection point's generic sinks with their identifiers.
class SliderEventsDispatch final : public SliderEvents {
 public:
  explicit SliderEventsDispatch(ConnectionPoint& cp) : cp_(cp) {}
  void Click() override { cp_.Fire(1); }
  void KeyDown(int16_t& k, int16_t& s) override { cp_.Fire(2, k, s); }
  void KeyPress(int16_t& k) override { cp_.Fire(3, k); }
  void KeyUp(int16_t& k, int16_t& s) override { cp_.Fire(4, k, s); }
  void ValueChange() override { cp_.Fire(5); }
  void Slide() override { cp_.Fire(6); }

 private:
  ConnectionPoint& cp_;
};

}  // namespace vorn
