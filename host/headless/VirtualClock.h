#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "foundation/Timer.h"

namespace vorn {

/// Virtual time for the headless host: timers fire only when the clock advances, in the order
/// they were created, each at most once per millisecond step.
class VirtualClock {
 public:
  VirtualClock();
  ~VirtualClock();
  VirtualClock(const VirtualClock&) = delete;
  VirtualClock& operator=(const VirtualClock&) = delete;

  uint64_t Now() const noexcept { return now_; }
  /// Advances by ms milliseconds, firing due timers after each millisecond (stretches in which no
  /// timer is due pass at once). Stops early, after the millisecond in which timers fired more
  /// than maxFirings times in all; returns the milliseconds it advanced.
  uint64_t Advance(uint64_t ms, uint64_t maxFirings = UINT64_MAX);
  /// How often the running timers would fire in the next ms milliseconds (not counting timers
  /// that their handlers start or stop meanwhile).
  uint64_t FiringsWithin(uint64_t ms) const;
  /// Advances by ms milliseconds at once, as real time passes: each due timer fires once however
  /// late it is (as window-system timers do), and is next due one interval after now.
  void Elapse(uint64_t ms);
  /// When the next enabled timer is due, or nothing when no timer runs.
  std::optional<uint64_t> NextDue() const;
  /// For a host on real time: what time it is between two steps, so that a timer armed there
  /// counts its interval from that moment rather than from the last step. Timers still fire only
  /// in Advance and Elapse. Null restores counting from the last step.
  void SetPresent(std::function<uint64_t()> present) { present_ = std::move(present); }
  /// True while timer handlers run (so the host knows not to hand them future input).
  bool Dispatching() const noexcept { return dispatching_ > 0; }

  std::unique_ptr<Timer> CreateTimer(std::string name, uint32_t intervalMs, std::function<void()> onTick);

 private:
  class VirtualTimer;
  friend class VirtualTimer;
  void FireDue();
  uint64_t Present() const;
  uint64_t now_ = 0;
  uint64_t firings_ = 0;  // timer handlers run so far
  int dispatching_ = 0;
  std::vector<VirtualTimer*> timers_;
  std::function<uint64_t()> present_;
};

}  // namespace vorn
