#include "host/headless/VirtualClock.h"

#include <algorithm>

namespace vorn {

class VirtualClock::VirtualTimer final : public Timer {
 public:
  VirtualTimer(VirtualClock& clock, std::string name, uint32_t interval, std::function<void()> onTick)
      : clock_(&clock), name_(std::move(name)), interval_(interval), onTick_(std::move(onTick)) {
    clock_->timers_.push_back(this);
  }
  ~VirtualTimer() override {
    if (clock_) std::erase(clock_->timers_, this);
  }
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override {
    if (enabled && !enabled_) due_ = clock_->Present() + std::max<uint32_t>(interval_, 1);
    enabled_ = enabled;
  }
  uint32_t Interval() const override { return interval_; }
  void SetInterval(uint32_t ms) override {
    interval_ = ms;
    if (enabled_) due_ = clock_->Present() + std::max<uint32_t>(interval_, 1);
  }
  void FireIfDue(uint64_t now) {
    if (!enabled_ || interval_ == 0 || now < due_) return;
    due_ = now + interval_;
    ++clock_->firings_;
    onTick_();
  }
  void Detach() noexcept { clock_ = nullptr; }
  bool Running() const noexcept { return enabled_ && interval_ > 0; }
  uint64_t Due() const noexcept { return due_; }

 private:
  VirtualClock* clock_;
  std::string name_;
  uint32_t interval_;
  std::function<void()> onTick_;
  bool enabled_ = false;
  uint64_t due_ = 0;
};

VirtualClock::VirtualClock() = default;

VirtualClock::~VirtualClock() {
  for (VirtualTimer* t : timers_) t->Detach();
}

uint64_t VirtualClock::Advance(uint64_t ms, uint64_t maxFirings) {
  const uint64_t start = now_;
  const uint64_t end = ms > UINT64_MAX - now_ ? UINT64_MAX : now_ + ms;
  const uint64_t firedBefore = firings_;
  while (now_ < end) {
    // Nothing can change before the next timer is due (only timers act while the clock runs).
    const std::optional<uint64_t> due = NextDue();
    if (!due || *due > end) {
      now_ = end;
      break;
    }
    if (*due > now_ + 1) now_ = *due - 1;
    ++now_;
    FireDue();
    if (firings_ - firedBefore > maxFirings) break;
  }
  return now_ - start;
}

uint64_t VirtualClock::FiringsWithin(uint64_t ms) const {
  const uint64_t end = ms > UINT64_MAX - now_ ? UINT64_MAX : now_ + ms;
  uint64_t firings = 0;
  for (const VirtualTimer* t : timers_) {
    if (!t->Running()) continue;
    const uint64_t due = std::max(t->Due(), now_ + 1);
    if (due <= end) firings += 1 + (end - due) / t->Interval();
  }
  return firings;
}

void VirtualClock::Elapse(uint64_t ms) {
  if (ms == 0) return;
  now_ += ms;
  FireDue();
}

void VirtualClock::FireDue() {
  struct Guard {
    int& n;
    explicit Guard(int& c) : n(c) { ++n; }
    ~Guard() { --n; }
  } guard(dispatching_);
  // By index: a tick may create or destroy timers.
  for (size_t i = 0; i < timers_.size(); ++i) timers_[i]->FireIfDue(now_);
}

uint64_t VirtualClock::Present() const { return present_ ? std::max(now_, present_()) : now_; }

std::optional<uint64_t> VirtualClock::NextDue() const {
  std::optional<uint64_t> next;
  for (const VirtualTimer* t : timers_) {
    if (t->Running() && (!next || t->Due() < *next)) next = t->Due();
  }
  return next;
}

std::unique_ptr<Timer> VirtualClock::CreateTimer(std::string name, uint32_t intervalMs, std::function<void()> onTick) {
  return std::make_unique<VirtualTimer>(*this, std::move(name), intervalMs, std::move(onTick));
}

}  // namespace vorn
