#include <gtest/gtest.h>

#include "host/desktop/RealTimeClock.h"
#include "host/headless/HeadlessHost.h"

namespace vorn {
namespace {

struct RealTimeClockWait : testing::Test {
  HeadlessHost host;
  uint64_t real = 1000;  // real milliseconds, moved by hand
  RealTimeClock time{host.Clock(), [this] { return real; }};
  int ticks = 0;
};

TEST_F(RealTimeClockWait, WithoutRunningTimersTheLoopWaitsForEventsAlone) {
  auto t = host.CreateTimer("t", 1, [&] { ++ticks; });
  EXPECT_EQ(time.WaitMs(), -1);
  t->SetEnabled(true);
  t->SetEnabled(false);
  real = 5000;
  EXPECT_EQ(time.WaitMs(), -1);
}

TEST_F(RealTimeClockWait, TheWaitEndsWhenTheNextTimerIsDue) {
  auto t = host.CreateTimer("t", 10, [&] { ++ticks; });
  t->SetEnabled(true);
  EXPECT_EQ(time.WaitMs(), 10);
  real = 1004;  // real time went on without a catch-up
  EXPECT_EQ(time.WaitMs(), 6);
  real = 1030;  // overdue: do not wait at all
  EXPECT_EQ(time.WaitMs(), 0);
  EXPECT_EQ(ticks, 0);
}

TEST_F(RealTimeClockWait, CatchingUpFiresADueTimerOnceAndWaitsAWholeIntervalAgain) {
  auto t = host.CreateTimer("t", 10, [&] { ++ticks; });
  t->SetEnabled(true);
  real = 1009;
  time.CatchUp();
  EXPECT_EQ(ticks, 0);
  real = 1045;
  time.CatchUp();
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(time.WaitMs(), 10);
  real = 1050;
  EXPECT_EQ(time.WaitMs(), 5);
}

// A timer enabled long after the last catch-up (a form still loading, a handler that took a
// while) counts its interval from when it was enabled, not from the last catch-up.
TEST_F(RealTimeClockWait, ATimerEnabledLateCountsFromWhenItWasEnabled) {
  auto t = host.CreateTimer("t", 100, [&] { ++ticks; });
  real = 1250;
  t->SetEnabled(true);
  EXPECT_EQ(time.WaitMs(), 100);
  real = 1300;
  time.CatchUp();
  EXPECT_EQ(ticks, 0);
  real = 1350;
  time.CatchUp();
  EXPECT_EQ(ticks, 1);
}

TEST_F(RealTimeClockWait, ARealClockThatSeemsToGoBackMovesNothing) {
  auto t = host.CreateTimer("t", 1, [&] { ++ticks; });
  t->SetEnabled(true);
  real = 990;
  time.CatchUp();
  EXPECT_EQ(ticks, 0);
  EXPECT_EQ(host.Clock().Now(), 0u);
}

}  // namespace
}  // namespace vorn
