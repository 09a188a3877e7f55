// The two ends of an attempt: the clear sequence at the door and the miss
// sequence with its restart or game over, timed from the step that set the
// flag.

#include <gtest/gtest.h>

#include "actors/CPlayer.h"
#include "actors/ItemPickups.h"
#include "support/StageScenario.h"

namespace {

using PlayerSequenceTest = StageScenario;

TEST_F(PlayerSequenceTest, TheDoorOpensWithTheKeyAndTheClearSequenceEndsInTheClearScene) {
  // The door stands screen-left of the player and the key screen-right: the
  // first pass through the door does nothing.
  Stage(Rows({{10, "W.D@....K......W"}, {11, kFloor}}));
  Start("160 -\n40 L\n140 R\n120 L\n");
  Play(kReady + 40);
  EXPECT_GE(PlayerX(kReady + 40), 375.0f);  // through the door's box
  EXPECT_FALSE(At(kReady + 40).stageClear);

  const int keyStep = PlayUntil([](const StepTrace& s) { return s.keyTaken; }).step;
  EXPECT_EQ(StepWithSound("開ける.wav"), keyStep);
  const int clear = PlayUntil([](const StepTrace& s) { return s.stageClear; }).step;
  EXPECT_FALSE(At(clear).playing);  // the clock stops at the door

  Play(100);
  const float x = PlayerX(clear);
  EXPECT_FLOAT_EQ(PlayerX(clear + 99), x);  // no control, no physics
  EXPECT_FALSE(At(clear + 59).HasEffect("CEffect_Fade"));
  EXPECT_TRUE(At(clear + 60).HasEffect("CEffect_Fade"));
  EXPECT_EQ(StepWithSound("閉める.wav"), clear + 80);
  EXPECT_FALSE(At(clear + 98).teardown);
  EXPECT_TRUE(At(clear + 99).teardown);
  EXPECT_TRUE(At(clear + 99).scenes.empty());
  EXPECT_EQ(At(clear + 100).scenes, std::vector<std::string>{"CEvent_Clear"});
  EXPECT_EQ(At(clear + 100).lists[0], 0);  // the player has gone
}

TEST_F(PlayerSequenceTest, TheDoorOpensOverNinetyStepsAndClosesBehindThePlayer) {
  Stage(Rows({{10, "W@.K...........W"}, {9, "W.............DW"}, {11, kFloor}}));
  Start("160 -\n60 R\n");
  const int keyStep = PlayUntil([](const StepTrace& s) { return s.keyTaken; }).step;
  auto* door = TasksOf<CItem>(Game().ItemList.get()).front();
  EXPECT_FLOAT_EQ(door->yaw, 0);  // the door, a row higher, moved before the key
  Play(89);
  EXPECT_FLOAT_EQ(door->yaw, 89);
  Play(5);
  EXPECT_FLOAT_EQ(door->yaw, 90);
  Game().stageClear = true;
  Play(3);
  EXPECT_FLOAT_EQ(door->yaw, 87);
  EXPECT_EQ(keyStep, StepWithSound("開ける.wav"));
  EXPECT_EQ(std::vector<int32_t>({Game().doorX, Game().doorY}), std::vector<int32_t>({255, 205}));
}

// The spike's contact is found at the end of one step and acts in the next;
// the player rises 2 per step from y 191, first above 330 after 70 moves.
TEST_F(PlayerSequenceTest, AMissSpinsThePlayerOffTheTopFadesTakesALifeAndRestartsTheStage) {
  Stage(Rows({{10, "W@.1...........W"}, {11, kFloor}}));
  Start("160 -\n60 R\n");
  const int missStep = PlayUntil([](const StepTrace& s) { return s.miss; }).step;
  EXPECT_EQ(StepWithSound("Kill.wav"), missStep);
  Play(1);
  auto* player = TasksOf<CPlayer>(Game().PlayerList.get()).at(0);
  EXPECT_FLOAT_EQ(player->spinAngle, 25);
  const float startY = PlayerY(missStep);
  const int fade = missStep + 70;
  Play(fade - missStep - 1);
  EXPECT_FLOAT_EQ(PlayerY(fade), startY + 140);
  EXPECT_FALSE(At(fade - 1).HasEffect("CEffect_Fade"));
  EXPECT_TRUE(At(fade).HasEffect("CEffect_Fade"));
  EXPECT_FALSE(At(fade).playing);
  Play(70);
  EXPECT_EQ(At(fade + 38).life, 2);
  EXPECT_EQ(At(fade + 39).life, 1);
  EXPECT_TRUE(At(fade + 39).teardown);
  EXPECT_EQ(At(fade + 69).lists[1] + At(fade + 69).lists[2] + At(fade + 69).lists[3], 0);
  const StepTrace restart = At(fade + 70);
  EXPECT_FALSE(restart.miss);
  EXPECT_FALSE(restart.noMiss);
  EXPECT_TRUE(restart.HasEffect("CEffect_Ready"));
  // The new player was made during the player pass of this step and moved
  // in it: the banner freezes the stage only from the next step.
  EXPECT_EQ((std::vector{restart.player->x, restart.player->y}), (std::vector<float>{385, 191.9f}));
  EXPECT_EQ(restart.lists[0], 1);  // the old player went in the same step
}

TEST_F(PlayerSequenceTest, TheLastLifeLostEndsTheGame) {
  Stage(Rows({{10, "W@.1...........W"}, {11, kFloor}}));
  WriteBytes(tree / "Data/HiScore.ini", "5000 12\r\n");
  ReplayOptions options;
  options.life = 0;
  options.score = 4800;
  options.stage = 14;
  Stage(Rows({{10, "W@.1...........W"}, {11, kFloor}}), "900", 14);
  Start("160 -\n60 R\n", options);
  const StepTrace over = PlayUntil([](const StepTrace& s) { return s.HasEffect("CEffect_GameOver"); });
  EXPECT_EQ(over.life, -1);
  EXPECT_FALSE(over.bgmPlaying);
  EXPECT_EQ(over.lists[0], 0);
  EXPECT_EQ(ReadBytes(tree / "Data/HiScore.ini"), "5000 14\r\n");
}

// In easy mode a key taken before a miss stays taken: neither it nor its
// block comes back, and the door opens again when the banner goes. Extra
// lives never come back after a miss.
TEST_F(PlayerSequenceTest, ARestartKeepsATakenKeyOnlyInEasyModeAndNeverBringsBackExtraLives) {
  for (const bool easy : {false, true}) {
    SCOPED_TRACE(easy ? "easy" : "normal");
    steps.clear();
    Stage(Rows({{10, "W@.K..1..U.....W"}, {8, "W...k....u.....W"}, {11, kFloor}}));
    ReplayOptions options;
    options.easy = easy;
    Start("160 -\n120 R\n", options);
    const StepTrace before = PlayUntil([](const StepTrace& s) { return s.miss; });
    EXPECT_TRUE(before.keyTaken);
    const int32_t score = before.score;
    const StepTrace restart = PlayUntil([](const StepTrace& s) { return s.HasEffect("CEffect_Ready"); });
    EXPECT_EQ(restart.keyTaken, easy);
    EXPECT_EQ(restart.score, score);  // no time bonus after a miss
    EXPECT_EQ(restart.time, easy ? 1800 : 900);
    EXPECT_EQ(restart.lists[1], easy ? 0 : 1);  // the hidden key's block; the hidden 1UP's is gone
    int keys = 0, extraLives = 0;
    for (CItem* item : TasksOf<CItem>(Game().ItemList.get())) {
      keys += dynamic_cast<CItem_Key*>(item) != nullptr;
      extraLives += dynamic_cast<CItem_1UP*>(item) != nullptr;
    }
    EXPECT_EQ(keys, easy ? 0 : 2);
    EXPECT_EQ(extraLives, 0);
    const std::vector<std::string>& log = run->Audio().Log();
    EXPECT_EQ(std::count(log.begin(), log.end(), "load Stage1.mid"), 1);  // the music plays on
    Play(kReady);
    EXPECT_EQ(StepWithSound("開ける.wav", restart.step) > 0, easy);
  }
}

}  // namespace
