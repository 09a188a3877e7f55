// Everything the session reads at start: the settings, configuration and high
// score, then every asset of the game, each once, in catalogue order. Paths
// start from the executable's folder, so the game finds its data wherever it
// is started from. Only a model that cannot be read stops the game; any other
// missing file leaves an object that draws or plays nothing.

#include "game/CZelGame.h"
#include "game/TaskSlots.h"
#include "save/GameConfig.h"
#include "save/HiScore.h"
#include "save/Settings.h"
#include "util/Path.h"
#include "util/StringUtil.h"

void CZelGame::ReadSettings() {
  // Replaces the frame's own setting; a full screen it already applied stays.
  fullScreen = ReadGameFullScreen(GetCurrentDirectory());
  if (fullScreen) ApplyDisplayMode();
  pad = &GetInput()->GetState(0);

  const GameConfig config = ReadGameConfig(GetUserFolder() + kConfigFile);
  keyMap = config.keyMap;
  bgmVolume = config.bgmVolume;
  seVolume = config.seVolume;
  saveMode = config.saveMode;
  hudPanel = config.hudPanel;

  const HiScore record = ReadHiScore(GetUserFolder() + kHiScoreFile);
  hiScore = record.hiScore;
  bestStage = record.bestStage;
}

void CZelGame::LoadResources() {
  bgmPlayer = std::make_unique<CBgmPlayer>(audio);
  bgmPlayer->SetVolume(static_cast<float>(bgmVolume) / 10.0f);
  sePlayer = std::make_unique<CSePlayer>(audio);
  sePlayer->SetVolume(static_cast<float>(seVolume) / 10.0f);

  playerModel = LoadAnimModel("goremu");
  LoadTextures();
  LoadSounds();
  LoadModels();
  numberFont = LoadFont("FontNumber.png", "0123456789", 20, 60, 200, 60);
  letterFont = LoadFont("FontEnglish.png", "ABCDEFGHIJKLMNOPQRSTUVWXYZ!?+-", 20, 50, 600, 50);
}

void CZelGame::LoadTextures() {
  texGetready = LoadTexture("Getready.png");
  for (int i = 0; i < kPanelCount; ++i) infoPanels[i] = LoadTexture("info" + IntToStr(i + 1) + ".png");
  texBlack = LoadTexture("black.png");
  texStone1 = LoadTexture("stone1.png");
  texWall = LoadTexture("wall.png");
  texBomb = LoadTexture("bomb.png");
  texLife = LoadTexture("life.png");
  texTitle = LoadTexture("title.png");
  texTitle_1 = LoadTexture("title_1.png");
  texTitle_2 = LoadTexture("title_2.png");
  texOption = LoadTexture("option.png");
  texCursor = LoadTexture("cursor.png");
  texGameover = LoadTexture("gameover.png");
  texClear = LoadTexture("clear.png");
  texBack = LoadTexture("back.png");
  texCongratulations = LoadTexture("congratulations.png");
  texAllclear = LoadTexture("allclear.png");
}

void CZelGame::LoadSounds() {
  seOpen = LoadSound("開ける.wav");
  seClose = LoadSound("閉める.wav");
  seScore1 = LoadSound("Score1.wav");
  seScore2 = LoadSound("Score2.wav");
  seTime = LoadSound("Time.wav");
  se1UP = LoadSound("1UP.wav");
  seKill = LoadSound("Kill.wav");
  seJump = LoadSound("jump.wav");
  seHit = LoadSound("hit.wav");
  seCreate = LoadSound("create.wav");
  seDelete = LoadSound("delete.wav");
  seHarry = LoadSound("harry.wav");
  seRoket = LoadSound("roket.wav");
  seHijump = LoadSound("hijump.wav");
  seDeside = LoadSound("deside.wav");
  seCursor = LoadSound("cursor.wav");
  seGameover = LoadSound("gameover.wav");
}

void CZelGame::LoadModels() {
  meshKey = LoadModel("key");
  meshTokei = LoadModel("tokei");
  meshRed_tokei = LoadModel("red_tokei");
  meshBlue_tokei = LoadModel("blue_tokei");
  meshCD = LoadModel("CD");
  meshCDs = LoadModel("CDs");
  meshDoor_L = LoadModel("door_L");
  meshDoor_R = LoadModel("door_R");
  meshDoor = LoadModel("door");
  meshNeedle = LoadModel("needle");
  meshNeedle2 = LoadModel("needle2");
  meshNeedle3 = LoadModel("needle3");
  meshGhost = LoadModel("ghost");
  meshGhost_R = LoadModel("ghost_R");
  meshDaruma = LoadModel("daruma");
  meshDaruma_R = LoadModel("daruma_R");
  mesh1up = LoadModel("1up");
  meshBatu = LoadModel("batu");
  meshJump = LoadModel("jump");
  meshDoriru = LoadModel("doriru");
  meshBomb = LoadModel("bomb");
  // Not in numeric order: the first ten stages show "BG3".
  const char* const backgrounds[kWorldCount] = {"BG3", "BG2", "BG1", "BG4", "BG5"};
  for (int i = 0; i < kWorldCount; ++i) bgModels[i] = LoadModel(backgrounds[i]);
}

CAnimMesh* CZelGame::LoadAnimModel(const std::string& name) {
  const std::string path = GetExeFolder() + "..\\AnimModel\\" + name + "\\" + name + ".x";
  animMeshes.push_back(std::make_unique<CAnimMesh>(&Device(), path));
  return animMeshes.back().get();
}

CMesh* CZelGame::LoadModel(const std::string& name) {
  meshes.push_back(std::make_unique<CMesh>(&Device(), GetExeFolder() + "..\\Model\\" + name + ".x", true));
  return meshes.back().get();
}

CTexture* CZelGame::LoadTexture(const std::string& file) {
  textures.push_back(std::make_unique<CTexture>(Device(), GetExeFolder() + "..\\Texture\\" + file));
  return textures.back().get();
}

CSound* CZelGame::LoadSound(const std::string& file) {
  sounds.push_back(std::make_unique<CSound>(GetExeFolder() + "..\\Sound\\" + file));
  sePlayer->Download(*sounds.back());
  return sounds.back().get();
}

// Glyphs stand in one row of the atlas; each is drawn at its pixel size.
std::unique_ptr<CBitmapFont> CZelGame::LoadFont(const std::string& file, const std::string& characters,
                                                int glyphWidth, int glyphHeight, int imageWidth, int imageHeight) {
  const auto w = static_cast<float>(glyphWidth);
  const auto h = static_cast<float>(glyphHeight);
  return std::make_unique<CBitmapFont>(Device(), GetExeFolder() + "..\\Font\\" + file, characters,
                                       w / static_cast<float>(imageWidth), h / static_cast<float>(imageHeight), w, h,
                                       2.0f, 2.0f);
}

void CZelGame::CreateTaskLists() {
  auto make = [](const TaskListShape& shape) { return std::make_unique<CTaskList>(shape.slotSize, shape.capacity); };
  PlayerList = make(kPlayerSlots);
  WallList = make(kWallSlots);
  HardWallList = make(kHardWallSlots);
  ItemList = make(kItemSlots);
  EffectList = make(kEffectSlots);
  EnemyList = make(kEnemySlots);
  EventList = make(kEventSlots);
  BackgroundList = make(kBackgroundSlots);
  WallGrid = std::make_unique<TaskGrid>(WallList.get(), kBlockCellSize);
  HardWallGrid = std::make_unique<TaskGrid>(HardWallList.get(), kBlockCellSize);
}
