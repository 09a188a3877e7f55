#include <gtest/gtest.h>

#include <cmath>

#include "audio/Attenuation.h"
#include "support/ProbeTask.h"
#include "support/SessionHarness.h"

namespace {

using Names = std::vector<std::string>;

TEST(SessionStartTest, StartsFromTheConfigurationAndHighScoreBesideTheExecutable) {
  ScratchTree tree;
  WriteBytes(tree / "Data/Config.ini", "3 1 2 3 8 1 1 1 8 1\r\n5 7\r\n1 4\r\n");
  WriteBytes(tree / "Data/HiScore.ini", "5000 12\r\n");
  SessionHarness h(tree);
  const CZelGame& game = *h.game;
  EXPECT_EQ(game.keyMap, (KeyMap{3, 1, 2, 3, 8, 1, 1, 1, 8, 1}));
  EXPECT_EQ((std::vector{game.bgmVolume, game.seVolume, game.saveMode, game.hudPanel}), (std::vector{5, 7, 1, 4}));
  EXPECT_EQ((std::vector{game.hiScore, game.bestStage}), (std::vector{5000, 12}));
  EXPECT_FLOAT_EQ(h.audio.EffectGain(), AttenuationGain(EffectAttenuation(0.7f)));
  EXPECT_FALSE(game.confirmExit);
  EXPECT_EQ(game.pad, &game.GetInput()->GetState(0));
  EXPECT_EQ((std::vector{game.PlayerList->Capacity(), game.WallList->Capacity(), game.HardWallList->Capacity(),
                         game.ItemList->Capacity(), game.EffectList->Capacity(), game.EnemyList->Capacity(),
                         game.EventList->Capacity(), game.BackgroundList->Capacity()}),
            (std::vector{2, 200, 200, 50, 50, 50, 2, 2}));
}

TEST_F(SessionTest, BackgroundModelsFollowTheWorldsOrder) {
  std::vector<float> ids;  // the scratch models number BG1 to BG5 as 22 to 26
  for (CMesh* model : game.bgModels) {
    model->Draw(0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1.0f, false);
    ids.push_back(h.Device().Draws().back().mesh->vertices[0].position.x);
  }
  EXPECT_EQ(ids, (std::vector<float>{24, 23, 22, 25, 26}));
}

TEST(SessionStartTest, MissingPicturesSoundsAndMusicLeaveAGameThatRunsSilently) {
  ScratchTree tree;
  for (const char* folder : {"Texture", "Sound", "Font", "BGM"}) tree.Empty(folder);
  SessionHarness h(tree);
  h.game->life = 2;
  h.game->PlayBGM("title.mid");
  h.game->PlaySE(h.game->seJump);
  h.Step(3);
  EXPECT_TRUE(h.audio.TakeEffectsPlayed().empty());
  EXPECT_FALSE(h.audio.MusicPlaying());
  EXPECT_EQ(h.Device().PresentCount(), 4);  // the black start-up frame and three more
}

TEST(SessionDeathTest, AModelThatCannotBeReadEndsTheGameWithExitCodeOne) {
  ScratchTree tree;
  std::filesystem::remove(tree / "Model/door.x");
  EXPECT_EXIT(SessionHarness{tree}, ::testing::ExitedWithCode(1), "Xファイルが読み込めません\nファイル名およびパスを確認してください。");
  ScratchTree noPlayer;
  WriteBytes(noPlayer / "AnimModel/goremu/goremu.x", "xof 0303txt 0032\nMesh { 3; 0;0;0;");
  EXPECT_EXIT(SessionHarness{noPlayer}, ::testing::ExitedWithCode(1), "アニメーション付きXファイルが読み込めません");
}

TEST(SessionStartTest, GetIsReadsPadZeroThroughTheKeyMap) {
  ScratchTree tree;
  WriteBytes(tree / "Data/Config.ini", "4 1 2 3 4 5 6 7 8 9\r\n");
  SessionHarness h(tree);
  h.Hold(1, {4});
  h.Step();
  EXPECT_TRUE(h.game->GetIs(0, 0));
  EXPECT_FALSE(h.game->GetIs(0, 1));
  h.Step();
  EXPECT_FALSE(h.game->GetIs(0, 0));
}

TEST_F(SessionTest, MovesAndDrawsTheListsInTheirOrderAndFreezesTheStageWhileReady) {
  ProbeLog log;
  new Probe<&CZelGame::EventList>(log, "event");
  new Probe<&CZelGame::EffectList>(log, "effect");
  new Probe<&CZelGame::HardWallList>(log, "hardWall");
  new Probe<&CZelGame::WallList>(log, "wall");
  new Probe<&CZelGame::ItemList>(log, "item");
  new Probe<&CZelGame::EnemyList>(log, "enemy");
  new Probe<&CZelGame::PlayerList>(log, "player");
  new Probe<&CZelGame::BackgroundList>(log, "background");
  game.life = 1;
  h.Step();
  EXPECT_EQ(log.moves, (Names{"background", "player", "enemy", "item", "wall", "hardWall", "effect", "event"}));
  EXPECT_EQ(log.draws, (Names{"background", "player", "item", "wall", "hardWall", "enemy", "event", "effect"}));
  log = {};
  game.readyShowing = true;
  h.Step();
  EXPECT_EQ(log.moves, (Names{"effect", "event"}));
  EXPECT_EQ(log.draws.size(), 8u);
}

TEST_F(SessionTest, MusicLoopsUntilStopped) {
  game.PlayBGM("Stage1.mid");
  h.audio.EndMusic();
  h.Step();
  EXPECT_TRUE(h.audio.MusicPlaying());
  game.StopBGM();
  h.Step();
  EXPECT_FALSE(h.audio.MusicPlaying());
}

TEST_F(SessionTest, CameraShowsTheStageFromTheSideWithWorldXGrowingToTheLeft) {
  game.SetCamera();
  const RecordingDevice& device = h.Device();
  const Matrix viewProjection = device.GetTransform(TransformSlot::View) * device.GetTransform(TransformSlot::Projection);
  const float depth = 99.0f / 999;  // 100 units in front of the camera, between 1 and 1000
  EXPECT_LT(Length(TransformCoord({400, 300, 0}, viewProjection) - Vec3{-1, 1, depth}), 1e-5f);  // top left
  EXPECT_LT(Length(TransformCoord({240, 180, 0}, viewProjection) - Vec3{1, -1, depth}), 1e-5f);  // bottom right
  EXPECT_NEAR(device.GetLight(0).direction.x, -1 / std::sqrt(3.0f), 1e-6);
}

}  // namespace
