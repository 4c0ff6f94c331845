#pragma once
#include <cstdint>

#include "host/headless/VirtualClock.h"

namespace vorn {

/// Drives the host's clock with real time and tells the event loop how long it may sleep, so that
/// timers fire on time and an idle program, with no timer running, does not wake up at all.
class RealTimeClock {
 public:
  RealTimeClock(VirtualClock& clock, uint64_t realNowMs) : clock_(clock), last_(realNowMs) {}

  /// Moves the clock to the real time; the timers due by then fire, each once however late.
  void CatchUp(uint64_t realNowMs);
  /// Milliseconds the event wait may block before the next timer is due (0 when one is due
  /// already); -1, to wait for events alone, when no timer runs.
  int WaitMs(uint64_t realNowMs) const;

 private:
  VirtualClock& clock_;
  uint64_t last_;  // real time the clock was last moved to
};

}  // namespace vorn
