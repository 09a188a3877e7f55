// After a cleared stage: straight on or through the menu, by the save mode,
// with the save written before or after the next stage's time bonus.

#include <gtest/gtest.h>

#include "support/StageScenario.h"

namespace {

class ClearSceneTest : public StageScenario {
 protected:
  // Clears `stage` (key and door to the right of the player) in the given
  // save mode; the step at which the clear scene is made.
  int ClearStage(int stage, int saveMode) {
    WriteShippedConfig(tree, saveMode);
    for (const int n : {stage, stage + 1}) Stage(Rows({{10, "W@.K.D.........W"}, {11, kFloor}}), "300", n);
    ReplayOptions options;
    options.stage = stage;
    Start("160 -\n100 R\n", options);
    clear = PlayUntil([](const StepTrace& s) { return s.stageClear; }).step;
    Play(100);
    return clear + 100;
  }
  std::string Save() const { return ReadBytes(tree / "Data/Save.ini"); }
  int32_t Bonus() const { return At(clear).time; }

  int clear = 0;
};

TEST_F(ClearSceneTest, WithoutSavingTheNextStageFollowsAtOnce) {
  const int scene = ClearStage(12, 2);
  const StepTrace next = At(scene);
  EXPECT_TRUE(next.scenes.empty());
  EXPECT_EQ(next.stage, 13);
  EXPECT_EQ(next.score, Bonus());
  EXPECT_TRUE(next.HasEffect("CEffect_Ready"));
  EXPECT_FALSE(next.stageClear || next.teardown || next.keyTaken);
  EXPECT_EQ(Save(), "");
}

TEST_F(ClearSceneTest, AutosaveSavesTheNextStageWithTheTimeBonus) {
  const int scene = ClearStage(12, 1);
  EXPECT_EQ(At(scene).stage, 13);
  EXPECT_EQ(Save(), "13 2 " + std::to_string(Bonus()) + " 0 1 1\r\n");
}

TEST_F(ClearSceneTest, FromStageThirtyOnTheGameGoesOnWithoutAsking) {
  const int scene = ClearStage(30, 0);
  EXPECT_EQ(At(scene).scenes, std::vector<std::string>{"CEvent_Ending"});  // short of 50 000 points
  EXPECT_EQ(Save(), "");
}

TEST_F(ClearSceneTest, TheMenuGoesOnOrSavesOrReturnsToTheTitle) {
  struct Case {
    int row;
    bool toTitle;
    bool saved;
    bool bonusInSave;
  };
  for (const Case& c : {Case{0, false, false, false}, Case{1, false, true, true}, Case{2, true, true, false},
                        Case{3, true, false, false}}) {
    SCOPED_TRACE(c.row);
    WriteBytes(tree / "Data/Save.ini", "");
    WriteBytes(tree / "Data/HiScore.ini", "");
    const int scene = ClearStage(12, 0);
    EXPECT_EQ(At(scene).scenes, std::vector<std::string>{"CEvent_Clear"});
    std::string script;
    for (int i = 0; i < c.row; ++i) script += "1 D\n1 -\n";
    Then(script + "1 2\n");
    Play(2 * c.row + 1);
    const StepTrace chosen = steps.back();
    EXPECT_EQ(chosen.se.back(), "deside.wav");
    if (c.toTitle) {
      EXPECT_EQ(chosen.scenes, std::vector<std::string>{"CEvent_Clear"});
      Play(59);
      EXPECT_EQ(At(chosen.step + 58).scenes, std::vector<std::string>{"CEvent_Clear"});
      EXPECT_EQ(steps.back().scenes, std::vector<std::string>{"CEvent_Title"});
    } else {
      EXPECT_TRUE(chosen.scenes.empty());
      EXPECT_EQ(chosen.stage, 13);
    }
    const std::string score = std::to_string(c.bonusInSave ? Bonus() : 0);
    EXPECT_EQ(Save(), c.saved ? "13 2 " + score + " 0 1 1\r\n" : "");
    EXPECT_EQ(ReadBytes(tree / "Data/HiScore.ini"), c.row == 3 ? "0 12\r\n" : "");
  }
}

}  // namespace
