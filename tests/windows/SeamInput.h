#pragma once
// Input a host would deliver, handed to a control directly (kept apart from windows.h, since the
// controls' headers name constants after its macros).
#include <cstdint>

namespace vorn {
class Object;
}

namespace seam {

void KeyDown(vorn::Object* control, int16_t keyCode);
void MouseDown(vorn::Object* control, int16_t button, float x, float y);
void MouseUp(vorn::Object* control, int16_t button, float x, float y);

}  // namespace seam
