#include <gtest/gtest.h>

#include "host/headless/HeadlessHost.h"

namespace vorn {
namespace {

// Real time arrives in lumps (the program slept, the window was dragged): the clock moves in one
// step and a late timer fires once, not once per missed millisecond.
TEST(ClockElapse, ALateTimerFiresOnceAndIsNextDueOneIntervalOn) {
  HeadlessHost host;
  int ticks = 0;
  auto t = host.CreateTimer("t", 1, [&] { ++ticks; });
  t->SetEnabled(true);
  host.Clock().Elapse(50);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(host.Clock().Now(), 50u);
  EXPECT_EQ(host.Clock().NextDue(), 51u);
  host.Clock().Elapse(1);
  EXPECT_EQ(ticks, 2);
}

TEST(ClockElapse, ATimerNotYetDueWaits) {
  HeadlessHost host;
  int ticks = 0;
  auto t = host.CreateTimer("t", 10, [&] { ++ticks; });
  t->SetEnabled(true);
  host.Clock().Elapse(9);
  EXPECT_EQ(ticks, 0);
  host.Clock().Elapse(0);
  EXPECT_EQ(ticks, 0);
  host.Clock().Elapse(1);
  EXPECT_EQ(ticks, 1);
}

TEST(ClockElapse, HandlersRunAsDispatchedTimerWork) {
  HeadlessHost host;
  bool dispatching = false;
  auto t = host.CreateTimer("t", 1, [&] { dispatching = host.Clock().Dispatching(); });
  t->SetEnabled(true);
  host.Clock().Elapse(3);
  EXPECT_TRUE(dispatching);
  EXPECT_FALSE(host.Clock().Dispatching());
}

TEST(ClockPresent, ATimerArmedBetweenStepsCountsFromThePresentMoment) {
  HeadlessHost host;
  uint64_t present = 40;  // real time went on since the last step
  host.Clock().SetPresent([&] { return present; });
  int ticks = 0;
  auto t = host.CreateTimer("t", 10, [&] { ++ticks; });
  t->SetEnabled(true);
  EXPECT_EQ(host.Clock().NextDue(), 50u);
  host.Clock().Elapse(45);
  EXPECT_EQ(ticks, 0);  // due at 50, not at 10
  host.Clock().Elapse(5);
  EXPECT_EQ(ticks, 1);
  present = 20;  // behind the clock: the clock's own time counts
  t->SetInterval(10);
  EXPECT_EQ(host.Clock().NextDue(), 60u);
}

TEST(ClockNextDue, IsTheEarliestRunningTimer) {
  HeadlessHost host;
  auto slow = host.CreateTimer("slow", 30, [] {});
  auto fast = host.CreateTimer("fast", 7, [] {});
  auto stopped = host.CreateTimer("stopped", 1, [] {});
  auto zero = host.CreateTimer("zero", 0, [] {});
  EXPECT_EQ(host.Clock().NextDue(), std::nullopt);  // timers start disabled
  zero->SetEnabled(true);
  EXPECT_EQ(host.Clock().NextDue(), std::nullopt);  // interval 0 never fires
  slow->SetEnabled(true);
  fast->SetEnabled(true);
  EXPECT_EQ(host.Clock().NextDue(), 7u);
  host.Clock().Elapse(7);
  EXPECT_EQ(host.Clock().NextDue(), 14u);
  fast.reset();  // a destroyed timer is no longer waited for
  EXPECT_EQ(host.Clock().NextDue(), 30u);
}

}  // namespace
}  // namespace vorn
