#include <gtest/gtest.h>

#include "support/SessionHarness.h"

namespace {

using Sounds = std::vector<std::string>;

class ClockTest : public SessionTest {
 protected:
  ClockTest() {
    CZelGame::s_frameCount = 0;
    game.playing = true;
    game.timeRate = 10;
  }
};

TEST_F(ClockTest, DropsOneUnitEveryTimeRateStepsAndHurriesAtOneHundred) {
  game.time = 102;
  h.Step(9);
  EXPECT_EQ(game.time, 102);
  h.Step(11);
  EXPECT_EQ(game.time, 100);
  EXPECT_EQ(h.audio.TakeEffectsPlayed(), Sounds{"harry.wav"});
  h.Step(10);
  EXPECT_EQ(game.time, 99);
  EXPECT_TRUE(h.audio.TakeEffectsPlayed().empty());
}

TEST_F(ClockTest, RunningOutSetsMissOnceAndTimeStaysAtZero) {
  game.time = 1;
  h.Step(9);
  EXPECT_FALSE(game.miss);
  h.Step();
  EXPECT_TRUE(game.miss);
  EXPECT_EQ(h.audio.TakeEffectsPlayed(), Sounds{"roket.wav"});
  h.Step(30);
  EXPECT_EQ(game.time, 0);
  EXPECT_TRUE(h.audio.TakeEffectsPlayed().empty());
}

TEST_F(ClockTest, StandsStillUnlessPlayingAndNeverDividesByLessThanOne) {
  game.playing = false;
  game.time = 50;
  h.Step(20);
  EXPECT_EQ(game.time, 50);
  game.playing = true;
  game.timeRate = 0;
  h.Step(3);
  EXPECT_EQ(game.timeRate, 1);
  EXPECT_EQ(game.time, 47);
}

using ScoreTest = SessionTest;

TEST_F(ScoreTest, EachAwardGivesAtMostOneExtraLife) {
  auto award = [&](int from, int points) {
    game.life = 2;
    game.extendCount = 1;
    game.score = from;
    game.AddScore(points);
  };
  award(9900, 300);
  EXPECT_EQ(game.life, 3);
  EXPECT_EQ(game.extendCount, 2);
  EXPECT_EQ(h.audio.TakeEffectsPlayed(), Sounds{"1UP.wav"});
  award(9900, 11100);
  EXPECT_EQ(game.score, 21000);
  EXPECT_EQ(game.life, 3);
  game.AddScore(0);  // the second threshold is behind too: the next award catches up
  EXPECT_EQ(game.life, 4);
  EXPECT_EQ(game.extendCount, 3);
}

}  // namespace
