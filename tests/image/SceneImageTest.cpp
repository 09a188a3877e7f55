// Every scene drawn with the real assets and the real GL device off screen,
// compared with reference pictures: the title and its difficulty menu, the
// option scene, the clear menu, game over, both endings and a stage in play
// with its HUD band.

#include <gtest/gtest.h>

#include "ReplayRun.h"
#include "game/CZelGame.h"
#include "stage/LoadStage.h"
#include "support/ImageCompare.h"
#include "support/LinkedTree.h"
#include "support/StageScenario.h"

namespace {

class SceneImageTest : public ::testing::Test {
 protected:
  SceneImageTest() {
    WriteBytes(tree / "Data/HiScore.ini", "123450 27\r\n");
    WriteStage(tree.Path(), 12,
               Rows({{3, "W...###..n..T..W"}, {5, "W.2...3........W"}, {6, "W.WWWWW...WWW..W"},
                     {8, "W....#.I....j..W"}, {10, "W@..K..-......DW"}, {11, kFloor}}),
               "400");
  }

  // Starts the game (at the title unless a stage is given) and plays `script`.
  void Play(const std::string& script, int steps, int stage = 0, std::optional<int> life = std::nullopt) {
    ReplayOptions options;
    options.life = life;
    options.root = tree.Path();
    options.title = stage == 0;
    options.stage = stage;
    options.shots.push_back({steps, "unused.png"});  // draws with the GL device
    std::string error;
    std::optional<InputScript> parsed = ParseInputScript(script, "script", error);
    ASSERT_TRUE(parsed) << error;
    run.reset();  // one session at a time: it owns g_pGame
    run = std::make_unique<ReplayRun>(options, std::vector<InputScript>{*parsed});
    for (int i = 0; i < steps; ++i) run->Step();
  }
  Image Picture() const {
    RenderDevice& device = *run->Game().GetDisplay()->GetDevice();
    return {device.BackBufferWidth(), device.BackBufferHeight(), device.ReadBackBuffer()};
  }

  LinkedTree tree;
  std::unique_ptr<ReplayRun> run;
};

TEST_F(SceneImageTest, TitleAndDifficultyMenu) {
  Play("5 -\n1 D\n", 10);
  EXPECT_TRUE(MatchesReference(Picture(), "scene-title"));
  run->AppendInput(*ParseInputScriptOrDie("1 U\n1 -\n1 2\n"));
  for (int i = 0; i < 5; ++i) run->Step();
  EXPECT_TRUE(MatchesReference(Picture(), "scene-difficulty"));
}

TEST_F(SceneImageTest, OptionScene) {
  WriteBytes(tree / "Data/Config.ini", "0 1 2 3 4 5 6 7 8 9\r\n6 9\r\n1 4\r\n");
  Play("1 U\n1 -\n1 2\n80 -\n1 D\n1 -\n1 D\n", 90);
  EXPECT_TRUE(MatchesReference(Picture(), "scene-option"));
}

TEST_F(SceneImageTest, StageInPlayWithItsHudBand) {
  Play("160 -\n20 R\n1 0\n", 200, 12);
  EXPECT_TRUE(MatchesReference(Picture(), "scene-stage"));
}

TEST_F(SceneImageTest, ClearMenu) {
  WriteStage(tree.Path(), 12, Rows({{10, "W@KD...........W"}, {11, kFloor}}), "400");
  Play("160 -\n40 R\n", 300, 12);
  ASSERT_TRUE(run->Last().HasScene("CEvent_Clear"));
  run->AppendInput(*ParseInputScriptOrDie("1 D\n"));
  for (int i = 0; i < 60; ++i) run->Step();  // until the fade has gone
  EXPECT_TRUE(MatchesReference(Picture(), "scene-clear"));
}

TEST_F(SceneImageTest, GameOver) {
  WriteStage(tree.Path(), 12, Rows({{10, "W@1............W"}, {11, kFloor}}), "400");
  Play("160 -\n60 R\n", 320, 12, 0);
  run->Game().score = 4800;
  for (int i = 0; i < 3; ++i) run->Step();
  ASSERT_TRUE(run->Last().HasEffect("CEffect_GameOver"));
  EXPECT_TRUE(MatchesReference(Picture(), "scene-gameover"));
}

TEST_F(SceneImageTest, BothEndings) {
  for (const auto& [stage, name] : {std::pair{31, "scene-ending"}, {41, "scene-allclear"}}) {
    Play("", 1, 12);
    run->Game().score = 40000;
    LoadStage(stage);
    for (int i = 0; i < 5; ++i) run->Step();
    EXPECT_TRUE(MatchesReference(Picture(), name));
  }
}

}  // namespace
