// What each item does when the player touches it.

#include <gtest/gtest.h>

#include "actors/CItem.h"
#include "actors/ItemHazards.h"
#include "support/StageScenario.h"

namespace {

using ItemTest = StageScenario;
using Sounds = std::vector<std::string>;

// The clock ticks in steps whose number of playing steps (from step 151)
// is a multiple of the rate; with rate 10, at 160, 170, ...
int TicksAtRateTen(int step) { return (step - 150) % 10 == 0 ? 1 : 0; }

TEST_F(ItemTest, PickUpsGiveTheirRewardWithTheirSoundAndDisappear) {
  // Walking screen-right over, in turn: clock, blue clock, red clock, disc,
  // discs, extra life.
  Stage(Rows({{10, "W@.T.S.F.I.N.U.W"}, {11, kFloor}}));
  Start("160 -\n300 R\n");
  Play(460);
  const int clock = StepWithSound("Time.wav");
  EXPECT_EQ(At(clock).time - At(clock - 1).time, 100 - TicksAtRateTen(clock));
  const int blue = StepWithSound("Time.wav", clock + 1);
  EXPECT_EQ(At(blue).timeRate, 16);
  const int red = StepWithSound("Time.wav", blue + 1);
  EXPECT_EQ(At(red).timeRate, 13);
  const int disc = StepWithSound("Score1.wav");
  EXPECT_EQ(At(disc).score, 300);
  const int discs = StepWithSound("Score2.wav");
  EXPECT_EQ(At(discs).score, 1300);
  const int extra = StepWithSound("1UP.wav");
  EXPECT_EQ(At(extra).life, 3);
  EXPECT_TRUE(clock < blue && blue < red && red < disc && disc < discs && discs < extra);
  EXPECT_EQ(steps.back().lists[3], 0);
}

TEST_F(ItemTest, AScoreAwardGivesAtMostOneExtraLife) {
  Stage(Rows({{10, "W@.I.N.I.......W"}, {11, kFloor}}));
  ReplayOptions options;
  options.score = 9900;
  Start("160 -\n120 R\n", options);
  Play(280);
  const int first = StepWithSound("Score1.wav");
  EXPECT_EQ(At(first).se, (Sounds{"1UP.wav", "Score1.wav"}));
  EXPECT_EQ((std::vector{At(first).score, At(first).life, At(first).extendCount}), (std::vector{10200, 3, 2}));
  const int second = StepWithSound("Score2.wav");
  EXPECT_EQ(At(second).se, Sounds{"Score2.wav"});
  EXPECT_EQ(At(second).life, 3);

  // From 19 900 with the first extra life still owed: one life per award.
  Stage(Rows({{10, "W@.N.I.........W"}, {11, kFloor}}));
  options.score = 19900;
  Start("160 -\n80 R\n", options);
  Play(240);
  EXPECT_EQ((std::vector{At(StepWithSound("Score2.wav")).life, At(StepWithSound("Score2.wav")).extendCount}),
            (std::vector{3, 2}));
  EXPECT_EQ((std::vector{At(StepWithSound("Score1.wav")).life, At(StepWithSound("Score1.wav")).extendCount}),
            (std::vector{4, 3}));
}

// The clock raises a rate below 1 to 1 before counting with it, so two red
// clocks at rate 4 leave time running one unit per step.
TEST_F(ItemTest, RedClocksBelowOneRunTheClockEveryStep) {
  Stage(Rows({{10, "W@.F.F.S.......W"}, {11, kFloor}}));
  Start("160 -\n120 R\n");
  Play(kReady);
  Game().timeRate = 4;
  Play(140);
  const int second = StepWithSound("Time.wav", StepWithSound("Time.wav") + 1);
  EXPECT_EQ(At(second).timeRate, 1);
  EXPECT_EQ(At(second + 1).time, At(second).time - 1);
  EXPECT_EQ(At(second + 2).time, At(second).time - 2);
  EXPECT_EQ(At(StepWithSound("Time.wav", second + 1)).timeRate, 7);
}

TEST_F(ItemTest, SpikesKillOnceAndTheCrossIsHarmless) {
  Stage(Rows({{10, "W@.-...........W"}, {11, kFloor}}));
  Start("160 -\n60 R\n");
  Play(kReady);
  // Two spikes on the player at once: one kill, one sound.
  new CItem_Toge(385, 191);
  new CItem_Toge2(385, 191);
  Play(80);
  EXPECT_EQ(CountSound("Kill.wav"), 1);
  EXPECT_TRUE(steps.back().miss);

  Stage(Rows({{10, "W@.-...........W"}, {11, kFloor}}));
  Start("160 -\n60 R\n");
  Play(kReady + 60);
  EXPECT_LT(PlayerX(kReady + 60), 365.0f);  // walked over the cross
  EXPECT_FALSE(steps.back().miss);
}

TEST_F(ItemTest, NothingIsPickedUpWhileAMissRuns) {
  Stage(Rows({{10, "W@.U...........W"}, {11, kFloor}}));
  Start("160 -\n60 R\n");
  Play(kReady);
  Game().miss = true;
  Play(40);
  EXPECT_EQ(CountSound("1UP.wav"), 0);
}

}  // namespace
