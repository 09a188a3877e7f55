#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "actors/CEffect_Bomb.h"
#include "actors/CEffect_Fade.h"
#include "actors/CEffect_GameOver.h"
#include "actors/CEffect_Ready.h"
#include "scenes/TitleScene.h"
#include "support/ProbeTask.h"
#include "support/SessionHarness.h"

namespace {

using Sounds = std::vector<std::string>;

int g_titleScenes = 0;
void CountTitleScene() { ++g_titleScenes; }

// Effects are looked at in the play layout, where they draw over the whole screen.
class EffectTest : public ::testing::Test {
 protected:
  EffectTest() {
    game.life = 2;
    g_titleScenes = 0;
    previousMaker = SetTitleSceneMaker(CountTitleScene);
  }
  ~EffectTest() override { SetTitleSceneMaker(previousMaker); }

  // The quads of `picture` drawn over the whole screen (where effects draw,
  // unlike the HUD) in the last frame.
  std::vector<DrawRecord> Drawn(const std::string& picture) const {
    std::vector<DrawRecord> found;
    for (const DrawRecord& draw : h.Device().Draws()) {
      if (draw.kind == DrawKind::Quad && draw.viewport.height == 600 && PictureOf(draw) == picture) {
        found.push_back(draw);
      }
    }
    return found;
  }
  // The opacity of the black cover in the last frame, if one was drawn.
  std::optional<uint32_t> CoverAlpha() const {
    const std::vector<DrawRecord> covers = Drawn("black.png");
    EXPECT_LE(covers.size(), 1u);
    if (covers.empty()) return std::nullopt;
    return covers[0].quad[0].diffuse >> 24;
  }
  void Press(int steps, int button) {
    PadHold hold;
    hold.buttons.set(static_cast<size_t>(button));
    h.Hold(steps, hold);
  }

  ScratchTree tree;
  SessionHarness h{tree};
  CZelGame& game = *h.game;
  SceneMaker previousMaker;
};

TEST_F(EffectTest, FadeOutDarkensOverTwentyFiveFramesThenHandsOverToTheFadeIn) {
  new CEffect_Fade;
  for (uint32_t frame = 1; frame <= 25; ++frame) {
    h.Step();
    EXPECT_EQ(CoverAlpha(), frame * 10) << "frame " << frame;
  }
  h.Step();  // the fade-out ends in its 26th move; its fade-in moves in the same pass
  EXPECT_EQ(CoverAlpha(), 255u);
  EXPECT_EQ(game.EffectList->LiveCount(), 1);
}

TEST_F(EffectTest, FadeInHoldsBlackForFortyFramesThenClears) {
  new CEffect_Fadein;
  std::vector<uint32_t> alphas;
  for (int frame = 1; frame <= 66; ++frame) {
    h.Step();
    alphas.push_back(CoverAlpha().value_or(0));
  }
  EXPECT_EQ(std::count(alphas.begin(), alphas.begin() + 40, 255u), 40);
  EXPECT_EQ(alphas[40], 245u);
  EXPECT_EQ(alphas[64], 5u);
  EXPECT_EQ(game.EffectList->LiveCount(), 0);
}

TEST_F(EffectTest, ReadyBannerFreezesTheStageThenStartsTheClock) {
  ProbeLog log;
  new Probe<&CZelGame::PlayerList>(log, "player");
  new CEffect_Ready;
  EXPECT_TRUE(game.readyShowing);
  for (int frame = 1; frame <= 150; ++frame) {
    h.Step();
    ASSERT_EQ(Drawn("Getready.png").size(), frame > 50 ? 1u : 0u) << "frame " << frame;
  }
  const std::vector<DrawRecord> banner = Drawn("Getready.png");
  EXPECT_EQ(banner[0].quad[0].x, 200);
  EXPECT_EQ(banner[0].quad[0].y, 100);
  EXPECT_TRUE(log.moves.empty());
  EXPECT_FALSE(game.playing);

  h.Step();
  EXPECT_FALSE(game.readyShowing);
  EXPECT_TRUE(game.playing);
  EXPECT_TRUE(Drawn("Getready.png").empty());
  EXPECT_TRUE(h.audio.TakeEffectsPlayed().empty());
  h.Step();
  EXPECT_EQ(log.moves.size(), 1u);
}

TEST_F(EffectTest, ReadyBannerReopensTheDoorWhenTheKeyWasTaken) {
  game.keyTaken = true;
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
  h.Step(179);
  EXPECT_TRUE(h.audio.TakeEffectsPlayed().empty());
  h.Step();
  EXPECT_EQ(h.audio.TakeEffectsPlayed(), Sounds{"gameover.wav"});

  const std::vector<DrawRecord> digits = Drawn("FontNumber.png");
  ASSERT_EQ(digits.size(), 8u);  // 4800 and 5000
  EXPECT_EQ(digits[0].quad[0].x, 650);
  EXPECT_EQ(digits[0].quad[0].y, 370);
  EXPECT_EQ(digits[4].quad[0].y, 420);
  EXPECT_EQ(Drawn("gameover.png").size(), 1u);
  EXPECT_EQ(g_titleScenes, 0);
}

TEST_F(EffectTest, GameOverLeavesSixtyStepsAfterAPressThroughAFadeToTheTitle) {
  auto* screen = new CEffect_GameOver;
  h.Step(100);
  EXPECT_EQ(screen->exitCounter, 0);
  Press(1, 0);
  h.Step();
  EXPECT_EQ(screen->exitCounter, 2);
  EXPECT_EQ(game.EffectList->LiveCount(), 2);  // the fade-out has started
  h.Step(59);
  EXPECT_EQ(g_titleScenes, 0);
  h.Step();
  EXPECT_EQ(g_titleScenes, 1);
  EXPECT_TRUE(Drawn("gameover.png").empty());
}

TEST_F(EffectTest, GameOverEndsEvenWhenAPressSkipsPastItsLastStep) {
  auto* screen = new CEffect_GameOver;
  screen->exitCounter = 61;
  Press(1, 0);
  h.Step();
  EXPECT_EQ(g_titleScenes, 1);
  EXPECT_TRUE(Drawn("gameover.png").empty());
}

TEST_F(EffectTest, HoldingDecideOnTheGameOverScreenHalvesTheWait) {
  game.keyMap = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  new CEffect_GameOver;
  Press(100, 2);
  h.Step(30);
  EXPECT_EQ(g_titleScenes, 0);
  h.Step();
  EXPECT_EQ(g_titleScenes, 1);
}

TEST_F(EffectTest, ExplosionShowsTheStripCellsCentredOnTheBombAndWrapsOnItsLastFrame) {
  new CEffect_Bomb(395, 292);
  EXPECT_EQ(h.audio.TakeEffectsPlayed(), Sounds{"roket.wav"});
  for (int frame = 1; frame <= 21; ++frame) {
    h.Step();
    const std::vector<DrawRecord> cell = Drawn("bomb.png");
    ASSERT_EQ(cell.size(), 1u) << "frame " << frame;
    EXPECT_FLOAT_EQ(cell[0].quad[0].u, static_cast<float>(frame / 3 + 1) / 8) << "frame " << frame;
    EXPECT_NEAR(cell[0].quad[0].x, -25, 1e-4);
    EXPECT_NEAR(cell[0].quad[0].y, -9.2, 1e-4);
    EXPECT_NEAR(cell[0].quad[3].x, 75, 1e-4);
    EXPECT_NEAR(cell[0].quad[3].y, 46 - 9.2, 1e-4);
  }
  h.Step();
  EXPECT_TRUE(Drawn("bomb.png").empty());

  new CEffect_Bomb(300, 200);
  game.teardown = true;
  h.Step();
  EXPECT_EQ(game.EffectList->LiveCount(), 0);
}

}  // namespace
