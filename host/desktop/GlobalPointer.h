#pragma once
#include <cstdint>

#include "foundation/Geometry.h"

namespace vorn {

/// The pointer position and mouse buttons of the whole screen, whichever window they are over.
/// On X11 they are asked of the server itself: SDL's global mouse state is refreshed only by raw
/// input events, which warped or synthesized pointer moves (remote desktops, xdotool) never send,
/// so a popup would not see the pointer leave it. Elsewhere SDL's global state is used.
class GlobalPointer {
 public:
  /// Call after the video subsystem is up.
  GlobalPointer();
  ~GlobalPointer();
  GlobalPointer(const GlobalPointer&) = delete;
  GlobalPointer& operator=(const GlobalPointer&) = delete;

  /// The buttons held (SDL_BUTTON_LMASK...) and the position in screen pixels.
  uint32_t Query(PointL& position);

 private:
  void* display_ = nullptr;  // the X11 connection, when the video driver is X11
};

}  // namespace vorn
