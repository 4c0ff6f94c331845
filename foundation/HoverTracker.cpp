#include "foundation/HoverTracker.h"

#include <cstdlib>

namespace vorn {

HoverTracker::HoverTracker(ControlSite& site, std::function<void()> onTick)
    : site_(site), timer_(site.CreateTimer("MousePos", 1, std::move(onTick))) {}

void HoverTracker::Anchor() {
  anchor_ = site_.GetPlatform().GetCursorPos();
  timer_->SetEnabled(true);
}

// In 64 bits, so that no pair of screen positions overflows the difference.
Hover HoverTracker::Measure(bool held) {
  const PointL now = site_.GetPlatform().GetCursorPos();
  const bool left = std::llabs(int64_t{now.x} - anchor_.x) >= 2 || std::llabs(int64_t{now.y} - anchor_.y) >= 2;
  if (left) return Hover::Left;
  return held ? Hover::Held : Hover::Resting;
}

}  // namespace vorn
