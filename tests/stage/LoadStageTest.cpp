// Building a stage from its file: what each cell code makes and where, the
// time line, and the per-stage state the loader settles before and after.

#include <gtest/gtest.h>

#include <set>

#include "actors/CEnemy.h"
#include "stage/CWall.h"
#include "stage/LoadStage.h"
#include "support/StageScenario.h"

namespace {

using LoadStageTest = StageScenario;

struct Placed {
  std::string name;
  float x, y;
  auto operator<=>(const Placed&) const = default;
};

// Every stage object with its position, before anything has moved.
std::multiset<Placed> StageObjects(const CZelGame& game) {
  std::multiset<Placed> placed;
  for (CTaskList* list : {game.PlayerList.get(), game.WallList.get(), game.HardWallList.get(), game.ItemList.get(),
                          game.EnemyList.get()}) {
    for (CMobTask* task : TasksOf<CMobTask>(list)) placed.insert({task->ClassName(), task->x, task->y});
  }
  return placed;
}

float CentreX(int column) { return static_cast<float>(395 - 10 * column); }
float CentreY(int row) { return static_cast<float>(295 - 10 * row); }
float LowY(int row) { return CentreY(row) - 3; }

TEST_F(LoadStageTest, EveryCellCodeMakesItsObjectsAtTheCentreOrLowPosition) {
  Stage(Rows({{1, "#@WKkDTtFfSsIiNn"}, {3, "UuJj-1234$5%6&78"}, {5, "(.x .09"}}));
  Start("");
  const CZelGame& game = Game();
  std::multiset<Placed> expected;
  const auto at = [&](const char* name, int column, int row, bool low = false) {
    expected.insert({name, CentreX(column), low ? LowY(row) : CentreY(row)});
  };
  at("CWall", 0, 1);
  at("CPlayer", 1, 1, true);
  at("CHardWall", 2, 1);
  at("CItem_Key", 3, 1);
  at("CWall", 4, 1), at("CItem_Key", 4, 1);
  at("CItem_Door", 5, 1);
  at("CItem_Tokei", 6, 1);
  at("CWall", 7, 1), at("CItem_Tokei", 7, 1);
  at("CItem_R_Tokei", 8, 1);
  at("CWall", 9, 1), at("CItem_R_Tokei", 9, 1);
  at("CItem_B_Tokei", 10, 1);
  at("CWall", 11, 1), at("CItem_B_Tokei", 11, 1);
  at("CItem_Score1", 12, 1);
  at("CWall", 13, 1), at("CItem_Score1", 13, 1);
  at("CItem_Score2", 14, 1);
  at("CWall", 15, 1), at("CItem_Score2", 15, 1);
  at("CItem_1UP", 0, 3);
  at("CWall", 1, 3), at("CItem_1UP", 1, 3);
  at("CEnemy_Hijump", 2, 3);
  at("CWall", 3, 3), at("CEnemy_Hijump", 3, 3);
  at("CItem_Batu", 4, 3);
  at("CItem_Toge", 5, 3);
  at("CEnemy_Needle", 6, 3);
  at("CItem_Toge2", 7, 3);
  at("CEnemy_Ghost1", 8, 3);
  at("CEnemy_Ghost1_R", 9, 3, true);
  at("CEnemy_Ghost2", 10, 3, true);
  at("CEnemy_Ghost2_R", 11, 3, true);
  at("CEnemy_Daruma", 12, 3, true);
  at("CEnemy_Daruma_R", 13, 3, true);
  at("CEnemy_Doriru", 14, 3, true);
  at("CEnemy_Bomb", 15, 3, true);
  at("CEnemy_Bomb_R", 0, 5, true);
  EXPECT_EQ(StageObjects(game), expected);
  // Blocks draw from their cell: column 0, row 1 at pixel (0, 46).
  EXPECT_EQ(TasksOf<CWall>(game.WallList.get()).at(0)->row, 1);
  EXPECT_EQ(game.BackgroundList->LiveCount(), 1);
  EXPECT_EQ(game.EffectList->LiveCount(), 1);  // the Ready banner, made last
}

TEST_F(LoadStageTest, TheLastLineIsAGridRowAndThenTheTimeLimit) {
  for (const bool easy : {false, true}) {
    std::vector<std::string> rows = Rows({{0, "################EXTRA"}, {2, "##########"}});
    rows.push_back("");
    Stage(rows, "600");  // a 13th grid row below the screen, then the time
    ReplayOptions options;
    options.easy = easy;
    Start("", options);
    EXPECT_EQ(Game().time, easy ? 1200 : 600);
    EXPECT_EQ(Game().WallList->LiveCount(), 16 + 10);
    const auto enemies = TasksOf<CEnemy>(Game().EnemyList.get());
    ASSERT_EQ(enemies.size(), 1u);  // the '6'; the zeros are empty cells
    EXPECT_STREQ(enemies[0]->ClassName(), "CEnemy_Daruma");
    EXPECT_EQ((std::vector{enemies[0]->x, enemies[0]->y}), (std::vector{CentreX(0), LowY(13)}));
  }
  Stage(Rows({}), "   42 seconds");
  Start("");
  EXPECT_EQ(Game().time, 42);
  Stage(Rows({}), "soon");
  Start("");
  EXPECT_EQ(Game().time, 0);
}

TEST_F(LoadStageTest, AMissingOrEmptyFileGivesAnEmptyStageAndKeepsTheTime) {
  Start("");  // there is no stage1.dat
  CZelGame& game = Game();
  const auto counts = [&game] {
    return std::vector{game.PlayerList->LiveCount(), game.WallList->LiveCount(), game.HardWallList->LiveCount(),
                       game.ItemList->LiveCount(), game.EnemyList->LiveCount(), game.BackgroundList->LiveCount(),
                       game.EffectList->LiveCount()};
  };
  EXPECT_EQ(counts(), (std::vector{0, 0, 0, 0, 0, 1, 1}));
  WriteBytes(tree / "stage/stage1.dat", "");
  game.time = 77;
  game.miss = true;  // a restart: no time bonus either
  LoadStage(1);
  EXPECT_EQ(game.time, 77);
  EXPECT_EQ(counts(), (std::vector{0, 0, 0, 0, 0, 2, 2}));
}

// A spring hidden in a block: the block comes first, so the spring (made
// after it) does not make the block refuse itself.
TEST_F(LoadStageTest, AHiddenObjectsBlockIsMadeBeforeTheObject) {
  Stage(Rows({{10, "W......j.......W"}, {11, kFloor}}));
  Start("");
  Play(kReady + 5);
  EXPECT_EQ(steps.back().lists[1], 1);
  EXPECT_EQ(steps.back().lists[5], 1);
}

TEST_F(LoadStageTest, TheTimeBonusCountsInNormalModeOnlyAndNotAfterAMiss) {
  struct Case {
    bool easy, miss;
    int32_t score;
    bool noMiss;
  };
  for (const Case& c : {Case{false, false, 1250, true}, Case{true, false, 1000, true}, Case{false, true, 1000, false}}) {
    SCOPED_TRACE(::testing::Message() << "easy " << c.easy << " miss " << c.miss);
    Stage(Rows({}));
    Start("");
    CZelGame& game = Game();
    game.easyMode = c.easy;
    game.miss = c.miss;
    game.score = 1000;
    game.time = 250;
    game.playing = game.teardown = true;
    LoadStage(1);
    EXPECT_EQ(game.score, c.score);
    EXPECT_EQ(game.noMiss, c.noMiss);
    EXPECT_FALSE(game.miss || game.playing || game.teardown);
  }
}

TEST_F(LoadStageTest, GroupMusicStartsOnTheFirstStageOfAGroupUnlessRestarting) {
  struct Case {
    int stage;
    bool miss;
    const char* music;  // "" when the music goes on
    int world;
  };
  for (const Case& c : {Case{1, false, "Stage1.mid", 0}, Case{11, false, "Stage2.mid", 1}, Case{12, false, "", 1},
                        Case{21, false, "Stage3.mid", 2}, Case{21, true, "", 2}, Case{35, false, "", 3}}) {
    SCOPED_TRACE(c.stage);
    Stage(Rows({}), "900", c.stage);
    Stage(Rows({}), "900", 99);
    ReplayOptions options;
    options.stage = 99;
    Start("", options);
    CZelGame& game = Game();
    game.miss = c.miss;
    const size_t logged = run->Audio().Log().size();
    LoadStage(c.stage);
    const std::vector<std::string>& log = run->Audio().Log();
    const std::string loaded = log.size() > logged ? log[logged] : "";
    EXPECT_EQ(loaded, *c.music ? std::string("load ") + c.music : "");
    EXPECT_EQ(game.world, c.world);
  }
}

TEST_F(LoadStageTest, PastTheEndOfARouteAnEndingStartsInsteadOfAStage) {
  struct Case {
    int stage;
    bool easy;
    int32_t score;
    const char* scene;  // "" when the stage loads
  };
  for (const Case& c : {Case{31, false, 49999, "CEvent_Ending"}, Case{31, true, 90000, "CEvent_Ending"},
                        Case{31, false, 50000, ""}, Case{41, false, 0, "CEvent_Ending2"}}) {
    SCOPED_TRACE(c.stage);
    Stage(Rows({{10, "W@.............W"}}), "900", c.stage);
    ReplayOptions options;
    options.stage = c.stage;
    options.easy = c.easy;
    options.score = c.score;
    Start("", options);
    Play(1);
    const StepTrace first = steps.back();
    if (*c.scene) {
      EXPECT_EQ(first.scenes, std::vector<std::string>{c.scene});
      EXPECT_EQ(first.lists[0], 0);
    } else {
      EXPECT_TRUE(first.scenes.empty());
      EXPECT_EQ(first.lists[0], 1);
      EXPECT_EQ(first.bgm, "Stage4.mid");
    }
  }
}

}  // namespace
