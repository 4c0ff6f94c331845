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

}  // namespace vorn
