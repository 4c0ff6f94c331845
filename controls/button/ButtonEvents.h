#pragma once
#include <cstdint>

#include "foundation/Events.h"

namespace vorn {

/// Events of the push button and the glyph button (event interface __vornButton); every argument
/// is by reference, so a handler may change it and the button reads it back.
class ButtonEvents {
 public:
  virtual ~ButtonEvents() = default;
  virtual void Click() {}
  virtual void KeyDown(int16_t& /*KeyCode*/, int16_t& /*Shift*/) {}
  virtual void KeyPress(int16_t& /*KeyAscii*/) {}
  virtual void KeyUp(int16_t& /*KeyCode*/, int16_t& /*Shift*/) {}
  virtual void MouseDown(int16_t& /*Button*/, int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {}
  virtual void MouseMove(int16_t& /*Button*/, int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {}
  virtual void MouseUp(int16_t& /*Button*/, int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {}
};

/// The events of __vornButton (the glyph button's too; the text box declares the first four).
inline constexpr EventTable kButtonEvents{
    EventRow<&ButtonEvents::Click>("Click", 1),
    EventRow<&ButtonEvents::KeyDown>("KeyDown", 2, kKeyParams),
    EventRow<&ButtonEvents::KeyPress>("KeyPress", 3, kKeyAsciiParams),
    EventRow<&ButtonEvents::KeyUp>("KeyUp", 4, kKeyParams),
    EventRow<&ButtonEvents::MouseDown>("MouseDown", 5, kMouseParams),
    EventRow<&ButtonEvents::MouseMove>("MouseMove", 6, kMouseParams),
    EventRow<&ButtonEvents::MouseUp>("MouseUp", 7, kMouseParams),
};
constexpr const auto& EventsOf(const ButtonEvents*) { return kButtonEvents; }

}  // namespace vorn
