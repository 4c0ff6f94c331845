#include "host/desktop/RealTimeClock.h"

#include <algorithm>
#include <climits>

namespace vorn {

RealTimeClock::RealTimeClock(VirtualClock& clock, std::function<uint64_t()> realNow)
    : clock_(clock), realNow_(std::move(realNow)), last_(realNow_()) {
  clock_.SetPresent([this] { return Present(); });
}

RealTimeClock::~RealTimeClock() { clock_.SetPresent(nullptr); }

uint64_t RealTimeClock::Present() const {
  const uint64_t real = realNow_();
  return clock_.Now() + (real > last_ ? real - last_ : 0);
}

void RealTimeClock::CatchUp() {
  const uint64_t real = realNow_();
  if (real <= last_) return;
  const uint64_t elapsed = real - last_;
  last_ = real;
  clock_.Elapse(elapsed);
}

int RealTimeClock::WaitMs() const {
  const std::optional<uint64_t> due = clock_.NextDue();
  if (!due) return -1;
  const uint64_t now = Present();
  if (*due <= now) return 0;
  return static_cast<int>(std::min<uint64_t>(*due - now, INT_MAX));
}

}  // namespace vorn
