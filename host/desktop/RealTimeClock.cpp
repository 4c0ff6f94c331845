#include "host/desktop/RealTimeClock.h"

#include <algorithm>
#include <climits>

namespace vorn {

void RealTimeClock::CatchUp(uint64_t realNowMs) {
  if (realNowMs <= last_) return;
  const uint64_t elapsed = realNowMs - last_;
  last_ = realNowMs;
  clock_.Elapse(elapsed);
}

int RealTimeClock::WaitMs(uint64_t realNowMs) const {
  const std::optional<uint64_t> due = clock_.NextDue();
  if (!due) return -1;
  const uint64_t now = clock_.Now() + (realNowMs > last_ ? realNowMs - last_ : 0);
  if (*due <= now) return 0;
  return static_cast<int>(std::min<uint64_t>(*due - now, INT_MAX));
}

}  // namespace vorn
