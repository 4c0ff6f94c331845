#pragma once
#include <cstdint>

#include "foundation/Geometry.h"

namespace vorn {

/// The pointer position and mouse buttons of the whole screen, whichever window they are over.
/// On X11 they are asked of the server itself: SDL's global mouse state is refreshed only by raw
/// input events, which warped or synthesized pointer moves (remote desktops, xdotool) never send,
/// so a popup would not see the pointer leave it. Elsewhere SDL's global state is used.
///
/// Like the key state of the platform the controls were written for, a button also counts as
/// pressed once when it went down since it was last asked about, however briefly: a popup that
/// polls every millisecond then still sees a tap on a touchpad, which can be shorter than that.
class GlobalPointer {
 public:
  /// Call after the video subsystem is up.
  GlobalPointer();
  ~GlobalPointer();
  GlobalPointer(const GlobalPointer&) = delete;
  GlobalPointer& operator=(const GlobalPointer&) = delete;

  /// The position in screen pixels.
  PointL Position();
  /// The buttons held now (SDL_BUTTON_LMASK...).
  uint32_t Held();
  /// Whether the button (one SDL_BUTTON_xMASK) went down since this was last asked about it. Ask
  /// after Held: its round trip to the server brings in every press reported before.
  bool PressedSinceAsked(uint32_t button);

 private:
  uint32_t Query(PointL& position);
  void ReadPresses();

  void* display_ = nullptr;  // the X11 connection, when the video driver is X11
  int inputOpcode_ = -1;     // XInput2's, when the server reports raw button presses
  uint32_t pressed_ = 0;     // buttons that went down since they were last asked about
};

}  // namespace vorn
