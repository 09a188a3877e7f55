// The two endings: their bonuses, the record they write, and the wait
// before decide is taken.

#include <gtest/gtest.h>

#include "stage/LoadStage.h"
#include "support/StageScenario.h"

namespace {

class EndingSceneTest : public StageScenario {
 protected:
  // Ends the route by loading stage 31 or 41 with the game state given.
  void ReachEnding(int stage, bool easy, int32_t lives, bool noMiss, int32_t score) {
    Stage(Rows({}), "900", 1);
    ReplayOptions options;
    options.easy = easy;
    options.life = lives;
    options.score = score;
    Start("", options);
    CZelGame& game = Game();
    game.noMiss = noMiss;
    game.time = 0;
    LoadStage(stage);
  }
};

TEST_F(EndingSceneTest, EachEndingAddsItsBonusesWithoutExtraLivesAndRecordsTheHighScore) {
  struct Case {
    int stage;
    bool easy;
    int32_t lives;
    bool noMiss;
    int32_t bonus, clearBonus;
  };
  for (const Case& c : {Case{31, false, 2, true, 12000, 10000}, Case{31, true, 2, false, 3000, 5000},
                        Case{41, false, 0, true, 10000, 50000}, Case{41, true, 3, true, 16000, 50000}}) {
    SCOPED_TRACE(::testing::Message() << c.stage << (c.easy ? " easy" : " normal"));
    WriteBytes(tree / "Data/HiScore.ini", "");
    ReachEnding(c.stage, c.easy, c.lives, c.noMiss, 1000);
    const CZelGame& game = Game();
    EXPECT_EQ(game.score, 1000 + c.bonus + c.clearBonus);
    EXPECT_EQ(game.extendCount, 1);
    EXPECT_EQ(game.life, -1);
    EXPECT_EQ(game.stage, c.stage - 1);
    EXPECT_EQ(ReadBytes(tree / "Data/HiScore.ini"),
              std::to_string(1000 + c.bonus + c.clearBonus) + " " + std::to_string(c.stage - 1) + "\r\n");
    EXPECT_EQ(run->Audio().MusicFile(), "ending.mid");
  }
}

TEST_F(EndingSceneTest, DecideIsTakenOnlyAfterTheWaitAndTheTitleFollowsSixtyStepsLater) {
  for (const auto& [stage, wait] : {std::pair{31, 180}, {41, 240}}) {
    SCOPED_TRACE(stage);
    ReachEnding(stage, false, 2, true, 0);
    Then(std::to_string(wait + 1) + " 2\n");
    Play(wait);
    EXPECT_FALSE(steps.back().HasEffect("CEffect_Fade"));
    Play(1);  // the first step past the wait: the leave-out starts with its fade
    EXPECT_TRUE(steps.back().HasEffect("CEffect_Fade"));
    Play(57);
    EXPECT_FALSE(steps.back().HasScene("CEvent_Title"));
    Play(1);
    EXPECT_EQ(steps.back().scenes, std::vector<std::string>{"CEvent_Title"});
    EXPECT_EQ(steps.back().bgm, "title.mid");
  }
}

}  // namespace
