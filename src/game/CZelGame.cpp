#include "game/CZelGame.h"

#include <cstdlib>
#include <ctime>
#include <initializer_list>

#include "gfx/GameView.h"
#include "save/HiScore.h"
#include "save/SaveData.h"
#include "task/TaskPasses.h"
#include "util/Saturate.h"

CZelGame* g_pGame = nullptr;

namespace {

constexpr uint32_t kSkyBlue = 0xFF8080C8;   // behind the play field
constexpr uint32_t kBandPink = 0xFFC88080;  // behind the HUD band
constexpr uint32_t kSceneBlack = 0x00000000;

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
  AnimateTasks(PlayerList.get());
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

void CZelGame::SetCamera() { SetSideView(Device()); }

void CZelGame::OnResetDevice() {
  ApplyGameStates(Device());
  GetDisplay()->SetLight(0, LightType::Directional, -1, -200, -1, 1000);
}

// In 64 bits and saturating: a hand-edited save can hold numbers near the
// limit of the 32-bit fields.
void CZelGame::AddScore(int points) {
  score = Saturate(int64_t{score} + points);
  if (score >= int64_t{extendCount} * 10000) {
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
  WriteHiScore(GetUserFolder() + kHiScoreFile, record);
}

void CZelGame::SaveGame() {
  WriteSaveData(GetUserFolder() + kSaveFile, {stage, life, score, easyMode, extendCount, noMiss});
}

bool CZelGame::GetIs(int /*player*/, int button) const { return ::GetIs(*pad, keyMap, button); }
