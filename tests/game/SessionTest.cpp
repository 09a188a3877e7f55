#include <gtest/gtest.h>

#include <cmath>

#include "audio/Attenuation.h"
#include "support/CapturingDialogs.h"
#include "support/ProbeTask.h"
#include "support/SessionHarness.h"

namespace {

// The first vertex of the mesh a model draws: the scratch tree's models tell
// their files apart by it.
float ModelId(SessionHarness& h, CMesh* model) {
  h.Device().ClearLog();
  model->Draw(0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1.0f, false);
  return h.Device().Draws().back().mesh->vertices[0].position.x;
}

TEST(SessionTest, StartsFromTheConfigurationAndHighScoreBesideTheExecutable) {
  ScratchTree tree;
  WriteBytes(tree / "Data/Config.ini", "3 1 2 3 8 1 1 1 8 1\r\n5 7\r\n1 4\r\n");
  WriteBytes(tree / "Data/HiScore.ini", "5000 12\r\n");
  SessionHarness h(tree);
  const CZelGame& game = *h.game;

  EXPECT_EQ(game.keyMap, (KeyMap{3, 1, 2, 3, 8, 1, 1, 1, 8, 1}));
  EXPECT_EQ(game.bgmVolume, 5);
  EXPECT_EQ(game.seVolume, 7);
  EXPECT_EQ(game.saveMode, 1);
  EXPECT_EQ(game.hudPanel, 4);
  EXPECT_EQ(game.hiScore, 5000);
  EXPECT_EQ(game.bestStage, 12);
  EXPECT_FLOAT_EQ(h.audio.EffectGain(), AttenuationGain(EffectAttenuation(0.7f)));
  EXPECT_FALSE(game.confirmExit);
  EXPECT_EQ(game.pad, &game.GetInput()->GetState(0));
  EXPECT_TRUE(game.textFont.IsCreated());

  const int capacities[] = {2, 200, 200, 50, 50, 50, 2, 2};
  int i = 0;
  for (const auto* list : {&game.PlayerList, &game.WallList, &game.HardWallList, &game.ItemList, &game.EffectList,
                           &game.EnemyList, &game.EventList, &game.BackgroundList}) {
    EXPECT_EQ((*list)->Capacity(), capacities[i++]);
    EXPECT_EQ((*list)->LiveCount(), 0);
  }
}

TEST(SessionTest, GameSettingsInTheWorkingDirectoryDecideFullScreen) {
  ScratchTree tree;
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(tree / "");
  WriteBytes(tree / "Setting.ini", "[ウィンドウモード]\r\nFullScreen=1\r\n");
  WriteBytes(tree / "Data/Setting.ini", "[フルスクリーン]\r\nfullscreen=0\r\n");
  {
    SessionHarness h(tree);
    EXPECT_FALSE(h.game->fullScreen);
    EXPECT_TRUE(h.platform.GameWindow()->IsFullScreen());  // applied by the frame, kept until the next switch
  }
  std::filesystem::remove(tree / "Setting.ini");
  WriteBytes(tree / "Data/Setting.ini", "[フルスクリーン]\r\nfullscreen=1\r\n");
  {
    SessionHarness h(tree);
    EXPECT_TRUE(h.game->fullScreen);
    EXPECT_TRUE(h.platform.GameWindow()->IsFullScreen());
  }
  std::filesystem::current_path(before);
}

TEST(SessionTest, CatalogueFieldsHoldTheirFilesAndBackgroundsFollowTheWorldOrder) {
  ScratchTree tree;
  SessionHarness h(tree);
  CZelGame& game = *h.game;
  // Model ids follow the scratch tree's list: key 1 .. bomb 21, BG1 22 .. BG5 26.
  EXPECT_EQ(ModelId(h, game.meshKey), 1);
  EXPECT_EQ(ModelId(h, game.meshDaruma_R), 16);
  EXPECT_EQ(ModelId(h, game.meshBomb), 21);
  const float backgrounds[] = {24, 23, 22, 25, 26};  // BG3, BG2, BG1, BG4, BG5
  for (int world = 0; world < CZelGame::kWorldCount; ++world) {
    EXPECT_EQ(ModelId(h, game.bgModels[world]), backgrounds[world]) << "world " << world;
  }
  EXPECT_EQ(game.meshes.size(), 26u);
  ASSERT_NE(game.playerModel, nullptr);
  EXPECT_EQ(game.infoPanels[4]->ImageWidth(), 800u);
  EXPECT_EQ(game.texGetready->ImageWidth(), 400u);

  game.PlaySE(game.seOpen);
  game.PlaySE(game.seGameover);
  EXPECT_EQ(h.audio.TakeEffectsPlayed(), (std::vector<std::string>{"開ける.wav", "gameover.wav"}));
}

TEST(SessionTest, MissingPicturesSoundsAndMusicLeaveAGameThatRunsSilently) {
  ScratchTree tree;
  for (const char* folder : {"Texture", "Sound", "Font", "BGM"}) tree.Empty(folder);
  SessionHarness h(tree);
  CZelGame& game = *h.game;
  game.life = 2;
  game.PlayBGM("title.mid");
  game.PlaySE(game.seJump);
  h.Step(3);
  EXPECT_FALSE(game.texBlack->IsLoaded());
  EXPECT_FALSE(game.seJump->IsLoaded());
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

TEST(SessionTest, GetIsReadsPadZeroThroughTheKeyMap) {
  ScratchTree tree;
  WriteBytes(tree / "Data/Config.ini", "4 1 2 3 4 5 6 7 8 9\r\n");
  SessionHarness h(tree);
  PadHold hold;
  hold.buttons.set(4);
  hold.right = true;
  h.Hold(1, hold);
  h.Step();
  EXPECT_TRUE(h.game->GetIs(0, 0));
  EXPECT_TRUE(h.game->GetIs(0, 4));
  EXPECT_FALSE(h.game->GetIs(0, 1));
  EXPECT_TRUE(h.game->GetIs(0, 10));
  EXPECT_FALSE(h.game->GetIs(0, 11));

  CapturingDialogs dialogs;
  EXPECT_FALSE(h.game->GetIs(0, 14));
  EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"関数GetIs: キーが不正です"}));
  h.Step();
  EXPECT_FALSE(h.game->GetIs(0, 0));
}

TEST(SessionTest, MovesAndDrawsTheListsInTheirOrderAndFreezesTheStageWhileReady) {
  ScratchTree tree;
  SessionHarness h(tree);
  ProbeLog log;
  new Probe<&CZelGame::EventList>(log, "event");
  new Probe<&CZelGame::EffectList>(log, "effect");
  new Probe<&CZelGame::HardWallList>(log, "hardWall");
  new Probe<&CZelGame::WallList>(log, "wall");
  new Probe<&CZelGame::ItemList>(log, "item");
  new Probe<&CZelGame::EnemyList>(log, "enemy");
  new Probe<&CZelGame::PlayerList>(log, "player");
  new Probe<&CZelGame::BackgroundList>(log, "background");
  h.game->life = 1;
  h.Step();
  EXPECT_EQ(log.moves, (std::vector<std::string>{"background", "player", "enemy", "item", "wall", "hardWall", "effect",
                                                 "event"}));
  EXPECT_EQ(log.draws, (std::vector<std::string>{"background", "player", "item", "wall", "hardWall", "enemy", "event",
                                                 "effect"}));

  log = {};
  h.game->readyShowing = true;
  h.Step();
  EXPECT_EQ(log.moves, (std::vector<std::string>{"effect", "event"}));
  EXPECT_EQ(log.draws.size(), 8u);
}

TEST(SessionTest, MusicLoopsUntilStoppedAndPlaysAtTheConfiguredVolume) {
  ScratchTree tree;
  WriteBytes(tree / "Data/Config.ini", "0 1 2 3 4 5 6 7 8 9\r\n5 5\r\n");
  SessionHarness h(tree);
  h.game->PlayBGM("Stage1.mid");
  EXPECT_EQ(h.audio.MusicFile(), "Stage1.mid");
  EXPECT_TRUE(h.audio.MusicPlaying());
  EXPECT_FLOAT_EQ(h.audio.MusicGain(), AttenuationGain(MusicAttenuation(0.5f)));

  h.audio.EndMusic();
  h.Step();
  EXPECT_TRUE(h.audio.MusicPlaying());
  EXPECT_EQ(h.audio.MusicPosition(), 0.0);

  h.game->StopBGM();
  h.Step(2);
  EXPECT_FALSE(h.audio.MusicPlaying());
}

TEST(SessionTest, SavesTheHighScoreAndTheGameBesideTheExecutable) {
  ScratchTree tree;
  WriteBytes(tree / "Data/HiScore.ini", "5000 12\r\n");
  SessionHarness h(tree);
  CZelGame& game = *h.game;
  game.score = 4800;
  game.stage = 14;
  game.SaveHiScore();
  EXPECT_EQ(ReadBytes(tree / "Data/HiScore.ini"), "5000 14\r\n");
  game.score = 5000;
  game.stage = 3;
  game.SaveHiScore();
  EXPECT_EQ(game.hiScore, 5000);
  EXPECT_EQ(game.bestStage, 14);

  game.stage = 12;
  game.life = 3;
  game.score = 4500;
  game.easyMode = true;
  game.extendCount = 1;
  game.noMiss = false;
  game.SaveGame();
  EXPECT_EQ(ReadBytes(tree / "Data/Save.ini"), "12 3 4500 1 1 0\r\n");
}

TEST(SessionTest, DeviceStateAndCameraShowTheStageFromTheSide) {
  ScratchTree tree;
  SessionHarness h(tree);
  h.game->OnResetDevice();
  const RecordingDevice& device = h.Device();
  EXPECT_EQ(device.GetRenderState(RenderState::AlphaBlendEnable), 1u);
  EXPECT_EQ(device.GetRenderState(RenderState::DestBlend), Blend::InvSrcAlpha);
  EXPECT_EQ(device.GetRenderState(RenderState::CullMode), Cull::CCW);
  EXPECT_EQ(device.GetRenderState(RenderState::Ambient), 0x006F6F6Fu);
  EXPECT_EQ(device.GetRenderState(RenderState::AlphaFunc), Cmp::GreaterEqual);
  EXPECT_NEAR(device.GetLight(0).direction.y, -200 / std::sqrt(40002.0f), 1e-6);

  h.game->SetCamera();
  const Matrix viewProjection = device.GetTransform(TransformSlot::View) * device.GetTransform(TransformSlot::Projection);
  // World x 400 is the left edge of the screen, x 240 the right; y 180..300 bottom to top.
  const Vec3 topLeft = TransformCoord({400, 300, 0}, viewProjection);
  const Vec3 bottomRight = TransformCoord({240, 180, 0}, viewProjection);
  EXPECT_NEAR(topLeft.x, -1, 1e-5);
  EXPECT_NEAR(topLeft.y, 1, 1e-5);
  EXPECT_NEAR(bottomRight.x, 1, 1e-5);
  EXPECT_NEAR(bottomRight.y, -1, 1e-5);
  EXPECT_NEAR(device.GetLight(0).direction.x, -1 / std::sqrt(3.0f), 1e-6);
  EXPECT_TRUE(device.IsLightEnabled(0));
}

}  // namespace
