#pragma once
#include <unordered_map>

#include "host/headless/HeadlessSurface.h"

namespace vorn {

/// The picture of one top-level window as the screen shows it, kept up to date frame by frame:
/// only the windows of its tree that were drawn on, moved, shown, hidden or removed since the last
/// frame are composed again, and of those only the pixels that really differ are reported, so the
/// window system is sent nothing for a control that repainted the same picture (as the hover
/// timers do every millisecond).
class WindowCompositor {
 public:
  /// Brings the picture up to date with root's window tree. Returns the rectangle (pixels of the
  /// window, right and bottom exclusive) whose pixels changed; empty when none did. The first
  /// update, and one after a size change, returns the whole window.
  RectL Update(HeadlessSurface& root);
  const PixelBuffer& Picture() const noexcept { return picture_; }

 private:
  struct Placement {
    RectL rect;
    uint32_t order = 0;  // place in the drawing order: a raised window covers others anew
    uint64_t frame = 0;
  };
  void Walk(HeadlessSurface& w, int32_t x, int32_t y, RectL& damage);

  PixelBuffer picture_;
  PixelBuffer scratch_;
  std::unordered_map<WindowHandle, Placement> placed_;  // where each showing window was composed
  uint64_t frame_ = 0;
  uint32_t order_ = 0;
  bool fresh_ = true;
};

}  // namespace vorn
