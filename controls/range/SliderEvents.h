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

/// The events of __vornSlider.
inline constexpr EventTable kSliderEvents{
    EventRow<&SliderEvents::Click>("Click", 1),
    EventRow<&SliderEvents::KeyDown>("KeyDown", 2, kKeyParams),
    EventRow<&SliderEvents::KeyPress>("KeyPress", 3, kKeyAsciiParams),
    EventRow<&SliderEvents::KeyUp>("KeyUp", 4, kKeyParams),
    EventRow<&SliderEvents::ValueChange>("ValueChange", 5),
    EventRow<&SliderEvents::Slide>("Slide", 6),
};
constexpr const auto& EventsOf(const SliderEvents*) { return kSliderEvents; }

/// Forwards the typed events to a connection point's generic sinks.
class SliderEventsDispatch final : public EventForwarder<SliderEvents> {
 public:
  using EventForwarder::EventForwarder;
  void Click() override { Fire<&SliderEvents::Click>(); }
  void KeyDown(int16_t& k, int16_t& s) override { Fire<&SliderEvents::KeyDown>(k, s); }
  void KeyPress(int16_t& k) override { Fire<&SliderEvents::KeyPress>(k); }
  void KeyUp(int16_t& k, int16_t& s) override { Fire<&SliderEvents::KeyUp>(k, s); }
  void ValueChange() override { Fire<&SliderEvents::ValueChange>(); }
  void Slide() override { Fire<&SliderEvents::Slide>(); }
};

}  // namespace vorn
