#include <gtest/gtest.h>

#include "host/desktop/RealTimeClock.h"
#include "host/headless/HeadlessHost.h"

namespace vorn {
namespace {

struct RealTimeClockWait : testing::Test {
  HeadlessHost host;
  RealTimeClock time{host.Clock(), 1000};  // real milliseconds start at 1000
  int ticks = 0;
};

TEST_F(RealTimeClockWait, WithoutRunningTimersTheLoopWaitsForEventsAlone) {
  auto t = host.CreateTimer("t", 1, [&] { ++ticks; });
  EXPECT_EQ(time.WaitMs(1000), -1);
  t->SetEnabled(true);
  t->SetEnabled(false);
  EXPECT_EQ(time.WaitMs(5000), -1);
}

TEST_F(RealTimeClockWait, TheWaitEndsWhenTheNextTimerIsDue) {
  auto t = host.CreateTimer("t", 10, [&] { ++ticks; });
  t->SetEnabled(true);
  EXPECT_EQ(time.WaitMs(1000), 10);
  EXPECT_EQ(time.WaitMs(1004), 6);  // real time went on without a catch-up
  EXPECT_EQ(time.WaitMs(1030), 0);  // overdue: do not wait at all
  EXPECT_EQ(ticks, 0);
}

TEST_F(RealTimeClockWait, CatchingUpFiresADueTimerOnceAndWaitsAWholeIntervalAgain) {
  auto t = host.CreateTimer("t", 10, [&] { ++ticks; });
  t->SetEnabled(true);
  time.CatchUp(1009);
  EXPECT_EQ(ticks, 0);
  time.CatchUp(1045);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(time.WaitMs(1045), 10);
  EXPECT_EQ(time.WaitMs(1050), 5);
}

TEST_F(RealTimeClockWait, ARealClockThatSeemsToGoBackMovesNothing) {
  auto t = host.CreateTimer("t", 1, [&] { ++ticks; });
  t->SetEnabled(true);
  time.CatchUp(990);
  EXPECT_EQ(ticks, 0);
  EXPECT_EQ(host.Clock().Now(), 0u);
}

}  // namespace
}  // namespace vorn
