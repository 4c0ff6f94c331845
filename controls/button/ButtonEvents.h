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

/// Forwards the typed events to a connection point's generic sinks with their identifiers.
class ButtonEventsDispatch final : public ButtonEvents {
 public:
  explicit ButtonEventsDispatch(ConnectionPoint& cp) : cp_(cp) {}
  void Click() override { cp_.Fire(1); }
  void KeyDown(int16_t& k, int16_t& s) override { cp_.Fire(2, k, s); }
  void KeyPress(int16_t& k) override { cp_.Fire(3, k); }
  void KeyUp(int16_t& k, int16_t& s) override { cp_.Fire(4, k, s); }
  void MouseDown(int16_t& b, int16_t& s, float& x, float& y) override { cp_.Fire(5, b, s, x, y); }
  void MouseMove(int16_t& b, int16_t& s, float& x, float& y) override { cp_.Fire(6, b, s, x, y); }
  void MouseUp(int16_t& b, int16_t& s, float& x, float& y) override { cp_.Fire(7, b, s, x, y); }

 private:
  ConnectionPoint& cp_;
};

}  // namespace vorn
