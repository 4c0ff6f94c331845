#pragma once
#include <cstdint>

#include "foundation/Events.h"

namespace vorn {

/// Events of the scroll bar (event interface __vornScrollBar); arguments by reference. The key
/// events come in the scroll bar's own order of identifiers: KeyPress 2, KeyUp 3, KeyDown 4.
class ScrollBarEvents {
 public:
  virtual ~ScrollBarEvents() = default;
  virtual void Click() {}
  virtual void KeyPress(int16_t& /*KeyAscii*/) {}
  virtual void KeyUp(int16_t& /*KeyCode*/, int16_t& /*Shift*/) {}
  virtual void KeyDown(int16_t& /*KeyCode*/, int16_t& /*Shift*/) {}
  virtual void Scroll() {}
  virtual void ValueChanged() {}
};

/// The events of __vornScrollBar; the key events in the scroll bar's own order of identifiers.
inline constexpr EventTable kScrollBarEvents{
    EventRow<&ScrollBarEvents::Click>("Click", 1),
    EventRow<&ScrollBarEvents::KeyPress>("KeyPress", 2, kKeyAsciiParams),
    EventRow<&ScrollBarEvents::KeyUp>("KeyUp", 3, kKeyParams),
    EventRow<&ScrollBarEvents::KeyDown>("KeyDown", 4, kKeyParams),
    EventRow<&ScrollBarEvents::Scroll>("Scroll", 5),
    EventRow<&ScrollBarEvents::ValueChanged>("ValueChanged", 6),
};
constexpr const auto& EventsOf(const ScrollBarEvents*) { return kScrollBarEvents; }

}  // namespace vorn
