#pragma once
#include "foundation/Control.h"
#include "foundation/SurfaceEvents.h"

namespace vorn {

/// Delivers a control surface's input to the control's UserControl_ handlers; hosts install one
/// per control site.
class ControlEventAdapter final : public SurfaceEvents {
 public:
  void Bind(Control* control) noexcept { control_ = control; }
  Control* Bound() const noexcept { return control_; }

  void MouseDown(int16_t b, int16_t s, float x, float y) override {
    if (control_) control_->UserControl_MouseDown(b, s, x, y);
  }
  void MouseMove(int16_t b, int16_t s, float x, float y) override {
    if (control_) control_->UserControl_MouseMove(b, s, x, y);
  }
  void MouseUp(int16_t b, int16_t s, float x, float y) override {
    if (control_) control_->UserControl_MouseUp(b, s, x, y);
  }
  void Click() override {
    if (control_) control_->UserControl_Click();
  }
  void KeyDown(int16_t& k, int16_t& s) override {
    if (control_) control_->UserControl_KeyDown(k, s);
  }
  void KeyPress(int16_t& k) override {
    if (control_) control_->UserControl_KeyPress(k);
  }
  void KeyUp(int16_t& k, int16_t& s) override {
    if (control_) control_->UserControl_KeyUp(k, s);
  }
  void GotFocus() override {
    if (control_) control_->UserControl_EnterFocus();
  }
  void LostFocus() override {
    if (control_) control_->UserControl_ExitFocus();
  }
  void Resize() override {
    if (control_) control_->UserControl_Resize();
  }

 private:
  Control* control_ = nullptr;
};

}  // namespace vorn
