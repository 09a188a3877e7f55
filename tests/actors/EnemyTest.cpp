// Each enemy kind's rule, played through the real game on small stages or
// with the enemy placed by hand where a stage cannot put it.

#include <gtest/gtest.h>

#include "actors/CPlayer.h"
#include "actors/EnemyHazards.h"
#include "actors/EnemySpawners.h"
#include "actors/EnemyWanderers.h"
#include "stage/CWall.h"
#include "support/StageScenario.h"

namespace {

using EnemyTest = StageScenario;

constexpr float kEps = 1e-3f;
constexpr int kEnemies = 5;  // index of EnemyList in a trace's list counts

template <typename T>
T* First() {
  for (CEnemy* enemy : TasksOf<CEnemy>(g_pGame->EnemyList.get())) {
    if (auto* kind = dynamic_cast<T*>(enemy)) return kind;
  }
  return nullptr;
}

TEST_F(EnemyTest, TheSpringLaunchesAFallingPlayerToTwoPointEightButNotAStandingOne) {
  Stage(Rows({{4, "W......@........"}, {10, "W......J.......W"}, {11, kFloor}}));
  Start("");
  Play(kReady + 120);
  const int launch = StepWithSound("hijump.wav");
  ASSERT_GT(launch, 0);
  for (int i = 0; i < 27; ++i) {
    EXPECT_NEAR(PlayerY(launch + 1 + i) - PlayerY(launch + i), 2.7f - 0.1f * static_cast<float>(i), kEps) << i;
  }
  // Walked onto, the spring does nothing: the player is not falling.
  Stage(Rows({{10, "W....@.J.......W"}, {11, kFloor}}));
  Start("160 -\n60 R\n");
  Play(kReady + 80);
  EXPECT_LT(PlayerX(kReady + 80), 325.0f);
  EXPECT_EQ(CountSound("hijump.wav"), 0);
}

TEST_F(EnemyTest, ABombRunsOutOfTimeInItsSevenHundredAndNinetyNinthMove) {
  Stage(Rows({}));
  Start("");
  Play(kReady);
  new CEnemy_Bomb(320, 250, 800);  // in the open: it falls and meets nothing
  Play(798);
  EXPECT_FALSE(steps.back().HasEffect("CEffect_Bomb"));
  EXPECT_EQ(First<CEnemy_Bomb>()->lifetime, 2);
  Play(1);
  EXPECT_TRUE(steps.back().HasEffect("CEffect_Bomb"));
  EXPECT_EQ(steps.back().se, std::vector<std::string>{"roket.wav"});
  EXPECT_EQ(Game().bombCount, 0);
}

TEST_F(EnemyTest, ABombLandingHardBreaksTheBlockBelowAndExplodes) {
  Stage(Rows({{1, "W......8.......W"}, {10, "W......#.......W"}, {11, kFloor}}));
  Start("");
  const StepTrace blast = PlayUntil([](const StepTrace& s) { return s.HasEffect("CEffect_Bomb"); });
  EXPECT_EQ(blast.lists[1], 0);
  EXPECT_EQ(blast.lists[kEnemies], 0);
  EXPECT_FALSE(blast.miss);
}

TEST_F(EnemyTest, ABombTouchingThePlayerExplodesAndKillsWithoutTheKillSound) {
  Stage(Rows({{10, "W..8...@.......W"}, {11, kFloor}}));
  Start("");
  const StepTrace blast = PlayUntil([](const StepTrace& s) { return s.miss; });
  EXPECT_TRUE(blast.HasEffect("CEffect_Bomb"));
  EXPECT_EQ(blast.se, std::vector<std::string>{"roket.wav"});
}

// The spawner's first move is at step 152, so its 200th is at 351.
TEST_F(EnemyTest, ASpawnerReleasesOnItsTwoHundredthMoveWhileBelowItsKindsLimit) {
  struct Case {
    const char* row;
    int atFirst, atSecond;  // live enemies after moves 200 and 400
  };
  for (const Case& c : {Case{"W(.888888......W", 8, 8}, Case{"W(.8888888.....W", 8, 8}, Case{"W(.............W", 2, 3}}) {
    SCOPED_TRACE(c.row);
    Stage(Rows({{10, c.row}, {11, kFloor}}));
    Start("");
    Play(350);
    Play(1);
    EXPECT_EQ(At(351).lists[kEnemies], c.atFirst);
    Play(200);
    EXPECT_EQ(At(551).lists[kEnemies], c.atSecond);
  }
}

TEST_F(EnemyTest, NoSpawnerReleasesWhileAMissRuns) {
  Stage(Rows({{10, "W$.%.&.(.......W"}, {11, kFloor}}));
  Start("");
  Play(350);
  Game().miss = true;
  Play(1);
  EXPECT_EQ(At(351).lists[kEnemies], 4);
  Game().miss = false;
  Play(200);
  EXPECT_EQ(At(551).lists[kEnemies], 8);
  EXPECT_EQ((std::vector{Game().ghost1Count, Game().ghost2Count, Game().darumaCount, Game().bombCount}),
            (std::vector{1, 1, 1, 1}));
}

TEST_F(EnemyTest, AGhostHeldAgainstABlockFortyMovesTurnsBackAndBreaksIt) {
  Stage(Rows({{5, "W#..4..........W"}, {11, kFloor}}));
  Start("");
  Play(kReady);
  auto* ghost = First<CEnemy_Ghost1>();
  while (!ghost->blockedRight) Play(1);
  const int blocked = steps.back().step;
  Play(39);
  EXPECT_EQ(ghost->direction, 1);
  EXPECT_EQ(steps.back().lists[1], 1);
  EXPECT_FLOAT_EQ(ghost->yaw, 39 * 4.5f);
  Play(1);
  EXPECT_EQ(steps.back().step, blocked + 40);
  EXPECT_EQ(ghost->direction, -1);
  EXPECT_FLOAT_EQ(ghost->yaw, 180);
  EXPECT_EQ(steps.back().lists[1], 0);
}

TEST_F(EnemyTest, TheUpAndDownGhostTurnsUnderAHardBlockWithoutBreakingIt) {
  Stage(Rows({{2, "W......W.......W"}, {5, "W......5.......W"}, {11, kFloor}}));
  Start("");
  Play(kReady);
  auto* ghost = First<CEnemy_Ghost2>();
  while (!ghost->headHit) Play(1);
  Play(40);
  EXPECT_EQ(ghost->direction, -1);
  EXPECT_FLOAT_EQ(ghost->roll, 180);
  EXPECT_EQ(steps.back().lists[2], At(kReady).lists[2]);
}

TEST_F(EnemyTest, TheDrillBreaksTheBreakableBlockItHitsAndNotAHardOne) {
  // From y 190 the drill's hop (2.0, 1.9, ...) meets a block two rows up.
  Stage(Rows({{8, "W...#.....W....W"}, {10, "W...7.....7....W"}, {11, kFloor}}));
  Start("");
  const StepTrace hit = PlayUntil([](const StepTrace& s) { return s.lists[1] == 0; }, 400);
  EXPECT_EQ(StepWithSound("hit.wav"), hit.step);
  EXPECT_EQ(CountSound("hit.wav"), 1);
  Play(300);
  EXPECT_EQ(CountSound("hit.wav"), 1);
  EXPECT_EQ(steps.back().lists[2], At(kReady).lists[2]);
}

TEST_F(EnemyTest, AWalkerAgainstAWallLosesTenPlusOneOnTheFirstMoveOfContact) {
  Stage(Rows({{10, "W..............W"}, {11, kFloor}}));
  Start("");
  Play(kReady);
  // Touching the wall of column 0 (its box from 390) without overlapping it.
  auto* walker = new CEnemy_Daruma(388, 191, 56);
  Play(1);
  EXPECT_EQ(walker->lifetime, 55);
  EXPECT_TRUE(walker->blockedRight);
  Play(1);
  EXPECT_EQ(walker->lifetime, 44);
  EXPECT_EQ(walker->direction, -1);
  Play(1);
  EXPECT_EQ(walker->lifetime, 43);
}

TEST_F(EnemyTest, LethalKindsKillOnTouchButNotOnceThePlayerIsInTheDoor) {
  // The player walks into each; the up-and-down ghost is held low by a ceiling.
  for (const char* kind : {"2", "4", "5", "6", "7"}) {
    SCOPED_TRACE(kind);
    Stage(Rows({{9, "W......W.......W"}, {10, std::string("W.....@") + kind + "........"}, {11, kFloor}}));
    Start("160 -\n100 R\n");
    const StepTrace killed = PlayUntil([](const StepTrace& s) { return s.miss; }, 400);
    EXPECT_EQ(killed.se, std::vector<std::string>{"Kill.wav"});
  }
  Stage(Rows({{10, "W.....@2........"}, {11, kFloor}}));
  Start("");
  Game().stageClear = true;
  Play(kReady + 50);
  EXPECT_EQ(CountSound("Kill.wav"), 0);
}

TEST_F(EnemyTest, SpawnersAreHarmlessToTouch) {
  Stage(Rows({{10, "W.....@$%&(....W"}, {11, kFloor}}));
  Start("160 -\n100 R\n");
  Play(350);  // before anything is released
  EXPECT_FALSE(steps.back().miss);
}

}  // namespace
