#pragma once
#include <cstdint>

namespace vorn {

/// Input that a host delivers to a surface: a control's own surface (the host forwards these to
/// the control's UserControl_ handlers) or an inner picture surface such as a popup's.
class SurfaceEvents {
 public:
  virtual ~SurfaceEvents() = default;
  virtual void MouseDown(int16_t /*button*/, int16_t /*shift*/, float /*x*/, float /*y*/) {}
  virtual void MouseMove(int16_t /*button*/, int16_t /*shift*/, float /*x*/, float /*y*/) {}
  virtual void MouseUp(int16_t /*button*/, int16_t /*shift*/, float /*x*/, float /*y*/) {}
  virtual void Click() {}
  virtual void KeyDown(int16_t& /*keyCode*/, int16_t& /*shift*/) {}
  virtual void KeyPress(int16_t& /*keyAscii*/) {}
  virtual void KeyUp(int16_t& /*keyCode*/, int16_t& /*shift*/) {}
  virtual void GotFocus() {}
  virtual void LostFocus() {}
  virtual void Resize() {}
};

}  // namespace vorn
