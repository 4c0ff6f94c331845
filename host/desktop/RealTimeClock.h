#pragma once
#include <cstdint>
#include <functional>

#include "host/headless/VirtualClock.h"

namespace vorn {

/// Drives the host's clock with real time and tells the event loop how long it may sleep, so that
/// timers fire on time and an idle program, with no timer running, does not wake up at all.
class RealTimeClock {
 public:
  /// realNow gives the real time in milliseconds. A timer armed at any moment counts its interval
  /// from that real moment.
  RealTimeClock(VirtualClock& clock, std::function<uint64_t()> realNow);
  ~RealTimeClock();
  RealTimeClock(const RealTimeClock&) = delete;
  RealTimeClock& operator=(const RealTimeClock&) = delete;

  /// Moves the clock to the real time; the timers due by then fire, each once however late.
  void CatchUp();
  /// Milliseconds the event wait may block before the next timer is due (0 when one is due
  /// already); -1, to wait for events alone, when no timer runs.
  int WaitMs() const;

 private:
  /// The clock's time as of the real now.
  uint64_t Present() const;

  VirtualClock& clock_;
  std::function<uint64_t()> realNow_;
  uint64_t last_;  // real time the clock was last moved to
};

}  // namespace vorn
