// The player's movement rules, played through the real game on small
// stages. Expected numbers come from the rules: gravity 0.1 per step, jump
// speed 1.8, fall cap 1.5, blocks 10 wide with their top 3 above the centre,
// the player's box 6 x 6.

#include <gtest/gtest.h>

#include "actors/CPlayer.h"
#include "stage/CWall.h"
#include "support/StageScenario.h"

namespace {

using PlayerTest = StageScenario;

constexpr float kEps = 1e-3f;

// Row 10 stands on the hard floor of row 11: spawned at y 192, the player
// settles with its feet on the block top (188), at y 191.
std::vector<std::string> Room(const std::string& row10, const std::map<int, std::string>& more = {}) {
  std::map<int, std::string> rows = more;
  rows[10] = row10;
  rows[11] = kFloor;
  return Rows(rows);
}

TEST_F(PlayerTest, ASpawnedPlayerDropsFiveStepsAndSettlesOnTheBlockBelow) {
  Stage(Room("W......@.......W"));
  Start("");
  Play(kReady + 5);
  EXPECT_FLOAT_EQ(PlayerY(kReady), 192);  // frozen while the banner shows
  const std::vector<float> expected{191.9f, 191.7f, 191.4f, 191.0f, 191.0f};
  for (int i = 0; i < 5; ++i) EXPECT_NEAR(PlayerY(kReady + 1 + i), expected[static_cast<size_t>(i)], kEps) << i;
  EXPECT_FALSE(At(kReady + 4).player->onGround);  // touching is not overlapping
  EXPECT_TRUE(At(kReady + 5).player->onGround);
  Play(30);
  EXPECT_FLOAT_EQ(PlayerY(kReady + 35), 191);  // standing sinks 0.1 and is put back every step
}

TEST_F(PlayerTest, AStandingJumpRisesBySeventeenShrinkingStepsAndNeedsAFreshPress) {
  Stage(Room("W......@.......W"));
  Start("160 -\n60 0\n1 -\n1 0\n");
  Play(221);
  EXPECT_EQ(StepWithSound("jump.wav"), 161);
  for (int i = 0; i < 17; ++i) {
    EXPECT_NEAR(PlayerY(161 + i) - PlayerY(160 + i), 1.7f - 0.1f * static_cast<float>(i), kEps) << i;
  }
  EXPECT_NEAR(PlayerY(177), 191 + 15.3f, 2 * kEps);
  EXPECT_LE(PlayerY(178), PlayerY(177));
  // Held through the landing, the button gives no second jump; released for
  // one step and pressed again, it does.
  EXPECT_EQ(CountSound("jump.wav"), 1);
  Play(1);
  EXPECT_EQ(StepWithSound("jump.wav", 162), 222);
}

TEST_F(PlayerTest, TheBlockButtonHeldInTheLastStepRefusesAJump) {
  Stage(Room("W......@.......W"));
  Start("160 -\n1 1\n1 0\n40 -\n1 0\n");
  Play(205);
  EXPECT_EQ(StepWithSound("jump.wav"), 203);  // not at 162, after the block button
  EXPECT_EQ(StepWithSound("create.wav"), 177);  // the press started a build instead
}

TEST_F(PlayerTest, FallingNeverExceedsOnePointFivePerStep) {
  Stage(Room("W..............W", {{0, "W......@.......W"}}));
  Start("");
  const StepTrace landed = PlayUntil([](const StepTrace& s) { return s.player->onGround; });
  float fastest = 0;
  for (int step = kReady + 1; step <= landed.step; ++step) fastest = std::min(fastest, PlayerY(step) - PlayerY(step - 1));
  EXPECT_NEAR(fastest, -1.5f, kEps);
  EXPECT_FLOAT_EQ(landed.player->y, 191);
}

TEST_F(PlayerTest, TwoHeadStrikesBreakABreakableBlockAndAHardOneTakesNone) {
  // From y 191 the jump meets the block above on its fourth step (top 200.2
  // past the block's bottom 200) and the stop puts it back to 195.
  Stage(Room("W......@...@...W", {{9, "W......#...W...W"}}));
  Start("160 -\n1 0\n40 -\n1 0\n40 -\n");
  Play(242);
  EXPECT_EQ(StepWithSound("hit.wav"), 164);
  EXPECT_FLOAT_EQ(PlayerY(164), 195);
  EXPECT_EQ(CountSound("hit.wav"), 4);  // both players, twice
  EXPECT_EQ(At(201).lists[1], 1);
  const int second = StepWithSound("hit.wav", 200);
  EXPECT_EQ(second, 205);
  EXPECT_EQ(At(second - 1).lists[1], 1);
  EXPECT_EQ(At(second).lists[1], 0);  // broken in the step of the second strike
  EXPECT_EQ(At(second).lists[2], At(kReady).lists[2]);
}

TEST_F(PlayerTest, BuildingPutsABlockAheadOrAheadAndBelowAndIntoABlockRemovesBoth) {
  // Player in column 4 facing screen-right; column 5 of row 11 is open.
  Stage(Room("W...@..........W", {{11, "WWWWW.WWWWWWWWWW"}}));
  Start("160 -\n1 1\n40 -\n1 1+D\n40 -\n1 1\n40 -\n");
  Play(282);
  // The action starts in the drawn frame of the press; the block comes with
  // the move after the 15th frame of it.
  EXPECT_EQ(StepWithSound("create.wav"), 161 + 16);
  auto walls = TasksOf<CWall>(Game().WallList.get());
  ASSERT_EQ(walls.size(), 1u);
  EXPECT_EQ((std::vector{walls[0]->column, walls[0]->row}), (std::vector{5, 11}));
  EXPECT_EQ((std::vector{walls[0]->x, walls[0]->y}), (std::vector<float>{345, 185}));
  // The first block (5, 10) was built, then removed by building into it.
  EXPECT_EQ(CountSound("create.wav"), 2);
  EXPECT_EQ(StepWithSound("create.wav", 178), 202 + 16);
  EXPECT_EQ(StepWithSound("delete.wav"), 243 + 16);
}

TEST_F(PlayerTest, ADirectionDuringABuildNeitherMovesNorTurnsThePlayer) {
  Stage(Room("W...@..........W"));
  // The move right after the press still reads input (the action's timer
  // starts counting in the next drawn frame), so the direction comes after it.
  Start("160 -\n1 1\n1 -\n23 L\n");
  Play(186);
  EXPECT_FLOAT_EQ(PlayerX(185), 355);
  auto walls = TasksOf<CWall>(Game().WallList.get());
  ASSERT_EQ(walls.size(), 1u);
  EXPECT_EQ(walls[0]->column, 5);
}

TEST_F(PlayerTest, WalkingIntoABlockStopsEightUnitsFromItsCentre) {
  Stage(Room("W...@...#......W"));
  Start("160 -\n100 R\n");
  Play(260);
  EXPECT_FLOAT_EQ(PlayerX(260), 315 + 8);  // the block in column 8 stands at x 315
}

TEST_F(PlayerTest, FallingBelowTheScreenMovesThePlayerToTheOrigin) {
  Stage(Rows({{5, "W......@.......W"}}));
  Start("");
  const StepTrace dropped = PlayUntil([](const StepTrace& s) { return s.player->x == 0; });
  EXPECT_NEAR(PlayerY(dropped.step - 1), -79.25f, 0.75f);  // the last step at or above -80
  EXPECT_FALSE(dropped.miss);
}

}  // namespace
