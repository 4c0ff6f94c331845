#include "host/window/PointerRouter.h"

namespace vorn {

void PointerRouter::MoveCapture(WindowSurface* to) {
  WindowSurface* from = std::exchange(capture_, to);
  if (from != to) seat_.CaptureMoved(from, to);
}

void PointerRouter::Forget(const WindowSurface* w) noexcept {
  if (capture_ == w) capture_ = nullptr;
  if (pressedOn_ == w) pressedOn_ = nullptr;
}

}  // namespace vorn
