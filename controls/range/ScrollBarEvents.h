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

/// Forwards the typed events to a connection point's generic sinks with their identifiers.
class ScrollBarEventsDispatch final : public ScrollBarEvents {
 public:
  explicit ScrollBarEventsDispatch(ConnectionPoint& cp) : cp_(cp) {}
  void Click() override { cp_.Fire(1); }
  void KeyPress(int16_t& k) override { cp_.Fire(2, k); }
  void KeyUp(int16_t& k, int16_t& s) override { cp_.Fire(3, k, s); }
  void KeyDown(int16_t& k, int16_t& s) override { cp_.Fire(4, k, s); }
  void Scroll() override { cp_.Fire(5); }
  void ValueChanged() override { cp_.Fire(6); }

 private:
  ConnectionPoint& cp_;
};

}  // namespace vorn
