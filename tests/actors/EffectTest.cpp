#include <gtest/gtest.h>

#include <algorithm>

#include "actors/CEffect_Bomb.h"
#include "actors/CEffect_Fade.h"
#include "actors/CEffect_GameOver.h"
#include "actors/CEffect_Ready.h"
#include "task/TaskIter.h"
#include "support/ProbeTask.h"
#include "support/SessionHarness.h"

namespace {

using Sounds = std::vector<std::string>;

// Effects are watched in the play layout, where they draw over the whole screen.
class EffectTest : public SessionTest {
 protected:
  EffectTest() { game.life = 2; }

  int TitleScenes() const {
    int count = 0;
    CTaskIter it(game.EventList.get());
    while (CTask* scene = it.Next()) count += std::string(scene->ClassName()) == "CEvent_Title";
    return count;
  }

  // The quads of `picture` in the last frame's full-screen pass (not the HUD's).
  std::vector<ScreenVertex> Drawn(const std::string& picture) const {
    std::vector<ScreenVertex> corners;
    for (const DrawRecord& draw : h.Device().Draws()) {
      if (draw.viewport.height == 600 && PictureOf(draw) == picture) corners.push_back(draw.quad[0]);
    }
    return corners;
  }
  // The black cover's opacity in each of the next `frames` frames; 0 without one.
  std::vector<uint32_t> CoverAlphas(int frames) {
    std::vector<uint32_t> alphas;
    for (int i = 0; i < frames; ++i) {
      h.Step();
      const std::vector<ScreenVertex> cover = Drawn("black.png");
      alphas.push_back(cover.empty() ? 0 : cover.back().diffuse >> 24);
    }
    return alphas;
  }
};

TEST_F(EffectTest, FadeOutDarkensOverTwentyFiveFramesAndTheFadeInHoldsFortyThenClears) {
  new CEffect_Fade;
  const std::vector<uint32_t> alphas = CoverAlphas(91);
  EXPECT_EQ(alphas[0], 10u);
  EXPECT_EQ(alphas[24], 250u);  // the fade-out's last picture
  EXPECT_EQ(std::count(alphas.begin() + 25, alphas.begin() + 65, 255u), 40);  // its fade-in, from the same step
  EXPECT_EQ(alphas[65], 245u);
  EXPECT_EQ(alphas[89], 5u);
  EXPECT_EQ(alphas[90], 0u);
  EXPECT_EQ(game.EffectList->LiveCount(), 0);
}

TEST_F(EffectTest, ReadyBannerFreezesTheStageThenStartsTheClock) {
  ProbeLog log;
  new Probe<&CZelGame::PlayerList>(log, "player");
  new CEffect_Ready;
  for (int frame = 1; frame <= 150; ++frame) {
    h.Step();
    ASSERT_EQ(Drawn("Getready.png").size(), frame > 50 ? 1u : 0u) << "frame " << frame;
  }
  EXPECT_EQ(Drawn("Getready.png")[0].x, 200);
  EXPECT_TRUE(game.readyShowing);
  EXPECT_TRUE(log.moves.empty());
  h.Step();
  EXPECT_FALSE(game.readyShowing);
  EXPECT_TRUE(game.playing);
  EXPECT_TRUE(h.audio.TakeEffectsPlayed().empty());
  h.Step();
  EXPECT_EQ(log.moves.size(), 1u);

  game.keyTaken = true;  // a life lost after taking the key: the door opens again
  new CEffect_Ready;
  h.Step(151);
  EXPECT_EQ(h.audio.TakeEffectsPlayed(), Sounds{"開ける.wav"});
}

TEST_F(EffectTest, GameOverRecordsTheHighScoreStopsTheMusicAndRepeatsItsTune) {
  WriteBytes(tree / "Data/HiScore.ini", "5000 12\r\n");
  game.hiScore = 5000;
  game.bestStage = 12;
  game.score = 4800;
  game.stage = 14;
  game.PlayBGM("Stage1.mid");
  new CEffect_GameOver;
  EXPECT_EQ(ReadBytes(tree / "Data/HiScore.ini"), "5000 14\r\n");
  EXPECT_FALSE(h.audio.MusicPlaying());
  h.Step(39);
  EXPECT_TRUE(h.audio.TakeEffectsPlayed().empty());
  h.Step();
  EXPECT_EQ(h.audio.TakeEffectsPlayed(), Sounds{"gameover.wav"});
  h.Step(180);
  EXPECT_EQ(h.audio.TakeEffectsPlayed(), Sounds{"gameover.wav"});
  const std::vector<ScreenVertex> digits = Drawn("FontNumber.png");  // 4800 and 5000
  ASSERT_EQ(digits.size(), 8u);
  EXPECT_EQ((std::vector{digits[0].x, digits[0].y, digits[4].y}), (std::vector<float>{650, 370, 420}));
}

TEST_F(EffectTest, GameOverLeavesSixtyStepsAfterAPressThroughAFadeToTheTitle) {
  auto* screen = new CEffect_GameOver;
  h.Step(100);
  h.Hold(1, {0});
  h.Step();
  EXPECT_EQ(screen->exitCounter, 2);
  EXPECT_EQ(game.EffectList->LiveCount(), 2);  // the fade-out has started
  h.Step(59);
  EXPECT_EQ(TitleScenes(), 0);
  h.Step();
  EXPECT_EQ(TitleScenes(), 1);
  EXPECT_TRUE(Drawn("gameover.png").empty());

  screen = new CEffect_GameOver;  // a press that jumps from 61 past 62 still leaves
  screen->exitCounter = 61;
  h.Hold(1, {0});
  h.Step();
  EXPECT_EQ(TitleScenes(), 2);
}

TEST_F(EffectTest, HoldingDecideOnTheGameOverScreenHalvesTheWait) {
  game.keyMap = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  new CEffect_GameOver;
  h.Hold(100, {2});
  h.Step(30);
  EXPECT_EQ(TitleScenes(), 0);
  h.Step();
  EXPECT_EQ(TitleScenes(), 1);
}

TEST_F(EffectTest, ExplosionShowsTheStripCellsCentredOnTheBombAndWrapsOnItsLastFrame) {
  new CEffect_Bomb(395, 292);
  EXPECT_EQ(h.audio.TakeEffectsPlayed(), Sounds{"roket.wav"});
  for (int frame = 1; frame <= 21; ++frame) {
    h.Step();
    const std::vector<ScreenVertex> cell = Drawn("bomb.png");
    ASSERT_EQ(cell.size(), 1u);
    EXPECT_FLOAT_EQ(cell[0].u, static_cast<float>(frame / 3 + 1) / 8) << "frame " << frame;
    EXPECT_NEAR(cell[0].x, -25, 1e-4);
    EXPECT_NEAR(cell[0].y, -9.2, 1e-4);
  }
  h.Step();
  EXPECT_TRUE(Drawn("bomb.png").empty());

  new CEffect_Bomb(300, 200);
  game.teardown = true;
  h.Step();
  EXPECT_EQ(game.EffectList->LiveCount(), 0);
}

}  // namespace
