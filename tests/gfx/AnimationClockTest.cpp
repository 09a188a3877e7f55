#include "gfx/AnimationClock.h"

#include <gtest/gtest.h>

namespace {

// Ten minutes of steps of 1/60 s, passed as a float as a caller may, and of
// 2/60 s: the tick count is exact on every step, and so is the place in a
// loop of 18 ticks. Seconds summed in floating point fall short of whole
// ticks within a few steps.
TEST(AnimationClock, StepsOfASixtiethAddUpToWholeTicksForever) {
  AnimationClock clock(60);
  for (int step = 1; step <= 36000; ++step) {
    clock.Advance(1.0f / 60);
    ASSERT_EQ(clock.TicksWithin(0), step) << "step " << step;
    ASSERT_EQ(clock.TicksWithin(18), step % 18) << "step " << step;
  }
  AnimationClock fast(4800);  // the X files' default rate
  for (int step = 1; step <= 36000; ++step) {
    fast.Advance(2.0 / 60);
    ASSERT_EQ(fast.TicksWithin(0), 160.0 * step) << "step " << step;
  }
}

TEST(AnimationClock, SetBackwardsAndWithinALoop) {
  AnimationClock clock(100);
  clock.Set(2.5);
  EXPECT_DOUBLE_EQ(clock.Seconds(), 2.5);
  EXPECT_EQ(clock.TicksWithin(100), 50);
  clock.Advance(-0.255);
  EXPECT_DOUBLE_EQ(clock.TicksWithin(100), 24.5);
  clock.Set(-0.1);  // before the start: counted back from the end of a loop
  EXPECT_EQ(clock.TicksWithin(100), 90);
  EXPECT_EQ(clock.TicksWithin(0), -10);
}

}  // namespace
