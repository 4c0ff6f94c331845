#include "SeamInput.h"

#include "foundation/Control.h"

namespace seam {

void KeyDown(vorn::Object* control, int16_t keyCode) {
  int16_t shift = 0;
  dynamic_cast<vorn::Control&>(*control).UserControl_KeyDown(keyCode, shift);
}

void MouseDown(vorn::Object* control, int16_t button, float x, float y) {
  dynamic_cast<vorn::Control&>(*control).UserControl_MouseDown(button, 0, x, y);
}

void MouseUp(vorn::Object* control, int16_t button, float x, float y) {
  dynamic_cast<vorn::Control&>(*control).UserControl_MouseUp(button, 0, x, y);
}

}  // namespace seam
