#include "foundation/Surface.h"

namespace vorn {

void Surface::PrintWithHalo(std::string_view text, Color halo, std::span<const PointL> offsets) {
  const float x = CurrentX();
  const float y = CurrentY();
  const Color fore = ForeColor();
  SetForeColor(halo);
  for (const PointL& d : offsets) {
    SetCurrentX(x + static_cast<float>(d.x));
    SetCurrentY(y + static_cast<float>(d.y));
    Print(text);
  }
  SetForeColor(fore);
  SetCurrentX(x);
  SetCurrentY(y);
  Print(text);
}

}  // namespace vorn
