#include "game/CZelGame.h"

#include <cstdlib>
#include <ctime>
#include <initializer_list>

#include "save/HiScore.h"
#include "save/SaveData.h"
#include "task/TaskPasses.h"

CZelGame* g_pGame = nullptr;

namespace {

constexpr uint32_t kSkyBlue = 0xFF8080C8;   // behind the play field
constexpr uint32_t kBandPink = 0xFFC88080;  // behind the HUD band
constexpr uint32_t kSceneBlack = 0x00000000;

struct StateSetting {
  RenderState state;
  uint32_t value;
};

// The device state every drawing routine relies on: blending by source alpha,
// counter-clockwise culling, lighting, depth, and an alpha test that keeps
// fully transparent texels out of the depth buffer.
constexpr StateSetting kRenderStates[] = {
    {RenderState::AlphaBlendEnable, 1},
    {RenderState::SrcBlend, Blend::SrcAlpha},
    {RenderState::DestBlend, Blend::InvSrcAlpha},
    {RenderState::DitherEnable, 0},
    {RenderState::SpecularEnable, 0},
    {RenderState::CullMode, Cull::CCW},
    {RenderState::Lighting, 1},
    {RenderState::ZEnable, ZBuffer::True},
    {RenderState::Ambient, 0x006F6F6F},
    {RenderState::AlphaRef, 1},
    {RenderState::AlphaTestEnable, 1},
    {RenderState::AlphaFunc, Cmp::GreaterEqual},
};

struct StageSetting {
  TextureStageState state;
  uint32_t value;
};

// Texture times vertex colour, for colour and alpha alike.
constexpr StageSetting kStageStates[] = {
    {TextureStageState::ColorOp, TextureOp::Modulate},   {TextureStageState::ColorArg1, TextureArg::Texture},
    {TextureStageState::ColorArg2, TextureArg::Diffuse}, {TextureStageState::AlphaOp, TextureOp::Modulate},
    {TextureStageState::AlphaArg1, TextureArg::Texture}, {TextureStageState::AlphaArg2, TextureArg::Diffuse},
};

}  // namespace

CZelGame::CZelGame(Platform& platform, AudioBackend& audio) : CGame(platform, "Vexhop(Q)"), audio(audio) {
  textFont.Create(Device(), "HG教科書体", 18, false);
  sprite = std::make_unique<CSprite>();
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  confirmExit = false;
  ReadSettings();
  LoadResources();
  CreateTaskLists();
}

// The lists go first (they are declared last), so tasks still live at exit
// can use the session while they are destroyed.
CZelGame::~CZelGame() = default;

void CZelGame::Move() {
  GetInput()->Update();
  if (!readyShowing) {
    for (CTaskList* list : {BackgroundList.get(), PlayerList.get(), EnemyList.get(), ItemList.get(), WallList.get(),
                            HardWallList.get()}) {
      MoveTasks(list);
    }
  }
  MoveTasks(EffectList.get());
  MoveTasks(EventList.get());
  if (playing) RunClock();
  bgmPlayer->RestartIfFinished();
}

void CZelGame::RunClock() {
  ++s_frameCount;
  if (timeRate < 1) timeRate = 1;
  if (s_frameCount % timeRate != 0 || time <= 0) return;
  --time;
  if (time == 100) PlaySE(seHarry);
  if (time <= 0) {
    miss = true;
    PlaySE(seRoket);
  }
}

void CZelGame::Draw() {
  const int width = GetDisplay()->GetWidth();
  const int height = GetDisplay()->GetHeight();
  if (optionActive) {
    DrawOptionLayout(width, height);
  } else if (life >= 0 && !eventActive) {
    DrawPlayLayout(width, height);
  } else {
    DrawSceneLayout(width, height);
  }
}

// The stage above the HUD band; effects over the whole screen, band included.
void CZelGame::DrawPlayLayout(int width, int height) {
  SetViewport(0, 0, width, height - kHudHeight);
  GetDisplay()->Clear(kSkyBlue);
  SetCamera();
  DrawStageLists();

  SetViewport(0, height - kHudHeight, width, kHudHeight);
  GetDisplay()->Clear(kBandPink);
  DrawHud(height);

  SetViewport(0, 0, width, height);
  SetCamera();
  DrawTasks(EffectList.get());
}

// Scenes cover the whole screen.
void CZelGame::DrawSceneLayout(int width, int height) {
  SetViewport(0, 0, width, height);
  GetDisplay()->Clear(kSceneBlack);
  SetCamera();
  DrawStageLists();
  DrawTasks(EffectList.get());
}

// The option scene previews the chosen band picture in place, without texts.
void CZelGame::DrawOptionLayout(int width, int height) {
  SetViewport(0, 0, width, height - kHudHeight);
  GetDisplay()->Clear(kSkyBlue);
  SetCamera();
  DrawStageLists();
  DrawTasks(EffectList.get());

  SetViewport(0, height - kHudHeight, width, kHudHeight);
  GetDisplay()->Clear(kBandPink);
  DrawHudPanel(height);
  SetCamera();
  DrawTasks(EffectList.get());
}

void CZelGame::SetViewport(int x, int y, int width, int height) {
  Device().SetViewport({x, y, width, height, 0.0f, 1.0f});
}

void CZelGame::DrawStageLists() {
  for (CTaskList* list : {BackgroundList.get(), PlayerList.get(), ItemList.get(), WallList.get(), HardWallList.get(),
                          EnemyList.get(), EventList.get()}) {
    DrawTasks(list);
  }
}

// A side view of the 160 x 120 units around (320, 240); world x grows towards
// the left edge of the screen.
void CZelGame::SetCamera() {
  Device().SetTransform(TransformSlot::View, MatrixLookAtLH({320, 240, 100}, {320, 240, 0}, {0, 1, 0}));
  Device().SetTransform(TransformSlot::Projection, MatrixOrthoLH(160, 120, 1.0f, 1000.0f));
  GetDisplay()->SetLight(0, LightType::Directional, -1, -1, -1, 1000);
}

void CZelGame::OnResetDevice() {
  RenderDevice& device = Device();
  for (const StateSetting& setting : kRenderStates) device.SetRenderState(setting.state, setting.value);
  for (const StageSetting& setting : kStageStates) device.SetTextureStageState(0, setting.state, setting.value);
  device.SetTransform(TransformSlot::World, MatrixIdentity());
  GetDisplay()->SetLight(0, LightType::Directional, -1, -200, -1, 1000);
}

void CZelGame::AddScore(int points) {
  score += points;
  if (score >= extendCount * 10000) {
    ++extendCount;
    AddLife();
  }
}

void CZelGame::AddLife() {
  ++life;
  PlaySE(se1UP);
}

void CZelGame::PlaySE(const CSound* sound) {
  if (sound) sePlayer->Play(*sound);
}

void CZelGame::PlayBGM(const std::string& name) {
  bgmPlayer->Load(GetExeFolder() + "..\\BGM\\" + name);
  bgmPlayer->SetVolume(static_cast<float>(bgmVolume) / 10.0f);
  bgmPlayer->Play();
}

void CZelGame::StopBGM() { bgmPlayer->Stop(); }

void CZelGame::SetBGMVolume(float volume) { bgmPlayer->SetVolume(volume); }

void CZelGame::SetSEVolume(float volume) { sePlayer->SetVolume(volume); }

void CZelGame::SaveHiScore() {
  HiScore record{hiScore, bestStage};
  UpdateHiScore(record, score, stage);
  hiScore = record.hiScore;
  bestStage = record.bestStage;
  WriteHiScore(GetExeFolder() + kHiScoreFile, record);
}

void CZelGame::SaveGame() {
  WriteSaveData(GetExeFolder() + kSaveFile, {stage, life, score, easyMode, extendCount, noMiss});
}

bool CZelGame::GetIs(int /*player*/, int button) const { return ::GetIs(*pad, keyMap, button); }
