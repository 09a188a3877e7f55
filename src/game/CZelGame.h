#pragma once
// The game session: the one object that owns every loaded resource, the
// eight task lists and the play state all game objects share. Each logic step
// walks the lists in a fixed order and runs the stage clock; each frame draws
// the play field, the HUD band and the effects in one of three layouts.
// Every task reaches it through g_pGame.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/CGame.h"
#include "audio/CBgmPlayer.h"
#include "audio/CSePlayer.h"
#include "audio/CSound.h"
#include "gfx/BitmapFont.h"
#include "gfx/CAnimMesh.h"
#include "gfx/CMesh.h"
#include "gfx/DXFont.h"
#include "gfx/Sprite.h"
#include "gfx/Texture.h"
#include "input/GetIs.h"
#include "input/PadState.h"
#include "task/TaskGrid.h"
#include "task/TaskList.h"

class AudioBackend;

class CZelGame final : public CGame {
 public:
  static constexpr int kHudHeight = 50;  // the band at the bottom of the screen
  static constexpr int kPanelCount = 9;  // "info1.png" .. "info9.png"
  static constexpr int kWorldCount = 5;  // background models

  // Builds the frame on `platform` and plays through `audio`; both must
  // outlive the session. Loads every resource: a model that cannot be read
  // ends the program.
  CZelGame(Platform& platform, AudioBackend& audio);
  ~CZelGame() override;

  void Move() override;
  void Draw() override;
  void OnResetDevice() override;
  // Writes the picture on screen to "Screenshots" beside the data folders.
  void OnScreenshot() override;

  void SetCamera();
  void DrawStageLists();

  // Adds points; crossing the next multiple of 10000 gives one extra life.
  void AddScore(int points);
  void AddLife();

  // A missing sound plays nothing.
  void PlaySE(const CSound* sound);
  // Loads "..\BGM\" + name and plays it at the configured music volume.
  void PlayBGM(const std::string& name);
  void StopBGM();
  // 0.0 .. 1.0, applied at once.
  void SetBGMVolume(float volume);
  void SetSEVolume(float volume);

  // Takes the score and stage into the high-score record and writes it.
  void SaveHiScore();
  // Writes the game in progress to the save file.
  void SaveGame();

  // True while logical button `button` (0-9 through the key map, 10 right,
  // 11 left, 12 up, 13 down) is held; there is one player, number 0.
  bool GetIs(int player, int button) const;

  // Logic steps taken while the clock ran; never reset, so the first time
  // unit of a stage may be short.
  static inline int64_t s_frameCount = 0;

  // Resources, loaded once at start (ResourceCatalogue.cpp). The vectors own
  // them; the named fields point into them.
  std::vector<std::unique_ptr<CMesh>> meshes;
  std::vector<std::unique_ptr<CAnimMesh>> animMeshes;
  std::vector<std::unique_ptr<CTexture>> textures;
  std::vector<std::unique_ptr<CSound>> sounds;
  std::unique_ptr<CBitmapFont> numberFont;  // "0123456789"
  std::unique_ptr<CBitmapFont> letterFont;  // "ABCDEFGHIJKLMNOPQRSTUVWXYZ!?+-"
  std::unique_ptr<CSprite> sprite;
  CDXFont textFont;
  KeyMap keyMap{};
  CAnimMesh* playerModel = nullptr;  // "goremu"

  CTexture* texGetready = nullptr;
  std::array<CTexture*, kPanelCount> infoPanels{};  // by hudPanel
  CTexture* texBlack = nullptr;
  CTexture* texStone1 = nullptr;
  CTexture* texWall = nullptr;
  CTexture* texBomb = nullptr;
  CTexture* texLife = nullptr;
  CTexture* texTitle = nullptr;
  CTexture* texTitle_1 = nullptr;
  CTexture* texTitle_2 = nullptr;
  CTexture* texOption = nullptr;
  CTexture* texCursor = nullptr;
  CTexture* texGameover = nullptr;
  CTexture* texClear = nullptr;
  CTexture* texBack = nullptr;
  CTexture* texCongratulations = nullptr;
  CTexture* texAllclear = nullptr;

  CSound* seOpen = nullptr;   // "開ける.wav"
  CSound* seClose = nullptr;  // "閉める.wav"
  CSound* seScore1 = nullptr;
  CSound* seScore2 = nullptr;
  CSound* seTime = nullptr;
  CSound* se1UP = nullptr;
  CSound* seKill = nullptr;
  CSound* seJump = nullptr;
  CSound* seHit = nullptr;
  CSound* seCreate = nullptr;
  CSound* seDelete = nullptr;
  CSound* seHarry = nullptr;
  CSound* seRoket = nullptr;
  CSound* seHijump = nullptr;
  CSound* seDeside = nullptr;
  CSound* seCursor = nullptr;
  CSound* seGameover = nullptr;

  CMesh* meshKey = nullptr;
  CMesh* meshTokei = nullptr;
  CMesh* meshRed_tokei = nullptr;
  CMesh* meshBlue_tokei = nullptr;
  CMesh* meshCD = nullptr;
  CMesh* meshCDs = nullptr;
  CMesh* meshDoor_L = nullptr;
  CMesh* meshDoor_R = nullptr;
  CMesh* meshDoor = nullptr;
  CMesh* meshNeedle = nullptr;
  CMesh* meshNeedle2 = nullptr;
  CMesh* meshNeedle3 = nullptr;
  CMesh* meshGhost = nullptr;
  CMesh* meshGhost_R = nullptr;
  CMesh* meshDaruma = nullptr;
  CMesh* meshDaruma_R = nullptr;
  CMesh* mesh1up = nullptr;
  CMesh* meshBatu = nullptr;
  CMesh* meshJump = nullptr;
  CMesh* meshDoriru = nullptr;
  CMesh* meshBomb = nullptr;
  // By world: "BG3", "BG2", "BG1", "BG4", "BG5" (stages 1-10 show "BG3").
  std::array<CMesh*, kWorldCount> bgModels{};

  std::unique_ptr<CSePlayer> sePlayer;

  // Play state.
  int32_t stage = 0;
  int32_t world = 0;  // (stage - 1) / 10
  int32_t time = 0;
  int32_t timeRate = 0;  // logic steps per time unit
  int32_t score = 0;
  int32_t hiScore = 0;
  int32_t bestStage = 0;
  int32_t life = 0;         // spare lives; -1 outside a game
  int32_t extendCount = 0;  // next extra life at extendCount * 10000 points
  int32_t saveMode = 0;
  int32_t hudPanel = 0;
  bool easyMode = false;
  bool miss = false;
  bool stageClear = false;
  bool teardown = false;  // every stage task ends itself while set
  bool keyTaken = false;
  bool playing = false;  // the clock runs
  bool readyShowing = false;  // the stage lists stand still
  bool eventActive = false;   // a scene exists
  bool noMiss = false;
  bool optionActive = false;
  int32_t doorX = 0, doorY = 0;
  int32_t darumaCount = 0, ghost1Count = 0, ghost2Count = 0, bombCount = 0;

  std::unique_ptr<CBgmPlayer> bgmPlayer;
  int32_t bgmVolume = 0;  // tenths
  int32_t seVolume = 0;   // tenths
  PadState* pad = nullptr;

  // The blocks of WallList and HardWallList by place, for the collision walks.
  std::unique_ptr<TaskGrid> WallGrid;
  std::unique_ptr<TaskGrid> HardWallGrid;

  // Declared last so that tasks still live at exit go before anything they use.
  std::unique_ptr<CTaskList> PlayerList;
  std::unique_ptr<CTaskList> WallList;
  std::unique_ptr<CTaskList> HardWallList;
  std::unique_ptr<CTaskList> ItemList;
  std::unique_ptr<CTaskList> EffectList;
  std::unique_ptr<CTaskList> EnemyList;
  std::unique_ptr<CTaskList> EventList;
  std::unique_ptr<CTaskList> BackgroundList;

 private:
  // ResourceCatalogue.cpp
  void ReadSettings();
  void LoadResources();
  void LoadTextures();
  void LoadSounds();
  void LoadModels();
  CAnimMesh* LoadAnimModel(const std::string& name);
  CMesh* LoadModel(const std::string& name);
  CTexture* LoadTexture(const std::string& file);
  CSound* LoadSound(const std::string& file);
  std::unique_ptr<CBitmapFont> LoadFont(const std::string& file, const std::string& characters, int glyphWidth,
                                        int glyphHeight, int imageWidth, int imageHeight);
  void CreateTaskLists();

  // Hud.cpp
  void DrawHud(int height);
  void DrawHudPanel(int height);

  void RunClock();
  void DrawPlayLayout(int width, int height);
  void DrawSceneLayout(int width, int height);
  void DrawOptionLayout(int width, int height);
  void SetViewport(int x, int y, int width, int height);
  RenderDevice& Device() const { return *GetDisplay()->GetDevice(); }

  AudioBackend& audio;
};

extern CZelGame* g_pGame;
