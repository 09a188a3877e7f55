#include "stage/LoadStage.h"

#include <cstdint>
#include <string>

#include "actors/CEffect_Ready.h"
#include "actors/CPlayer.h"
#include "actors/EnemyHazards.h"
#include "actors/EnemySpawners.h"
#include "actors/EnemyWanderers.h"
#include "actors/CItem_Door.h"
#include "actors/ItemHazards.h"
#include "actors/ItemPickups.h"
#include "game/CZelGame.h"
#include "scenes/CEvent_Ending.h"
#include "stage/CBG.h"
#include "stage/CHardWall.h"
#include "stage/CWall.h"
#include "util/Saturate.h"
#include "util/StringUtil.h"
#include "util/TextFile.h"

namespace {

constexpr int kColumns = 16;
constexpr int kSecondRouteEnd = 41;
constexpr int kFirstRouteEnd = 31;
constexpr int kPointsForSecondRoute = 50000;

// Where a cell's objects stand: its centre, or 3 units lower for the kinds
// that rest on the floor.
struct Cell {
  int column, row;
  float CentreX() const { return static_cast<float>(395 - 10 * column); }
  float CentreY() const { return static_cast<float>(295 - 10 * row); }
  float LowY() const { return CentreY() - 3; }
  int IntX() const { return 395 - 10 * column; }
  int IntCentreY() const { return 295 - 10 * row; }
  int IntLowY() const { return 292 - 10 * row; }
};

void Block(const Cell& c) { new CWall(c.CentreX(), c.CentreY(), c.column, c.row); }

// A lower-case letter hides its capital's object in a block made first.
void CreateCell(char code, const Cell& c, bool keyTaken, bool restart) {
  const float x = c.CentreX(), y = c.CentreY();
  switch (code) {
    case '#': Block(c); break;
    case '@': new CPlayer(c.IntX(), c.IntLowY()); break;
    case 'W': new CHardWall(x, y, c.column, c.row); break;
    case 'k': if (!keyTaken) Block(c); [[fallthrough]];
    case 'K': if (!keyTaken) new CItem_Key(x, y); break;
    case 'D': new CItem_Door(x, y); break;
    case 't': Block(c); [[fallthrough]];
    case 'T': new CItem_Tokei(x, y); break;
    case 'f': Block(c); [[fallthrough]];
    case 'F': new CItem_R_Tokei(x, y); break;
    case 's': Block(c); [[fallthrough]];
    case 'S': new CItem_B_Tokei(x, y); break;
    case 'i': Block(c); [[fallthrough]];
    case 'I': new CItem_Score1(x, y); break;
    case 'n': Block(c); [[fallthrough]];
    case 'N': new CItem_Score2(x, y); break;
    case 'u': if (!restart) Block(c); [[fallthrough]];
    case 'U': if (!restart) new CItem_1UP(x, y); break;
    case 'j': Block(c); [[fallthrough]];
    case 'J': new CEnemy_Hijump(c.IntX(), c.IntCentreY()); break;
    case '-': new CItem_Batu(c.IntX(), c.IntCentreY()); break;
    case '1': new CItem_Toge(c.IntX(), c.IntCentreY()); break;
    case '2': new CEnemy_Needle(x, y); break;
    case '3': new CItem_Toge2(c.IntX(), c.IntCentreY()); break;
    case '4': new CEnemy_Ghost1(x, y, 0); break;
    case '$': new CEnemy_Ghost1_R(x, c.LowY()); break;
    case '5': new CEnemy_Ghost2(x, c.LowY(), 0); break;
    case '%': new CEnemy_Ghost2_R(x, c.LowY()); break;
    case '6': new CEnemy_Daruma(x, c.LowY(), 0); break;
    case '7': new CEnemy_Doriru(c.IntX(), c.IntLowY()); break;
    case '&': new CEnemy_Daruma_R(x, c.LowY()); break;
    case '8': new CEnemy_Bomb(x, c.LowY(), 0); break;
    case '(': new CEnemy_Bomb_R(x, c.LowY()); break;
    default: break;  // anything else is an empty cell
  }
}

// Ends the game's route instead of loading a stage; true when it did.
bool StartEnding(int32_t n) {
  const CZelGame& game = *g_pGame;
  if (n == kSecondRouteEnd) {
    new CEvent_Ending2;
    return true;
  }
  if (n == kFirstRouteEnd && (game.easyMode || game.score < kPointsForSecondRoute)) {
    new CEvent_Ending;
    return true;
  }
  return false;
}

void PlayGroupMusic(int32_t n) {
  switch (n) {
    case 1: g_pGame->PlayBGM("Stage1.mid"); break;
    case 11: g_pGame->PlayBGM("Stage2.mid"); break;
    case 21: g_pGame->PlayBGM("Stage3.mid"); break;
    case 31: g_pGame->PlayBGM("Stage4.mid"); break;
    default: break;
  }
}

// Every line is a grid row, the last one too; the last one is then also the
// time limit.
void BuildFromFile(int32_t n) {
  CZelGame& game = *g_pGame;
  CTextFile file;
  file.Load(game.GetExeFolder() + "..\\stage\\stage" + IntToStr(n) + ".dat");
  const bool keyTaken = game.keyTaken;
  const bool restart = game.miss;
  for (int row = 0; row < file.Count(); ++row) {
    const std::string line = file.Get(row);
    for (int column = 0; column < kColumns && column < static_cast<int>(line.size()); ++column) {
      CreateCell(line[static_cast<size_t>(column)], {column, row}, keyTaken, restart);
    }
    if (row == file.Count() - 1) {
      const int64_t limit = StrToInt(line);
      game.time = Saturate(game.easyMode ? 2 * limit : limit);
    }
  }
}

}  // namespace

void LoadStage(int32_t stageNumber) {
  CZelGame& game = *g_pGame;
  if (game.miss) game.noMiss = false;
  if (!game.miss && !game.easyMode) game.score = Saturate(int64_t{game.score} + game.time);  // the time bonus of the stage just left
  game.teardown = false;
  game.playing = false;
  if (!(game.miss && game.easyMode)) game.keyTaken = false;
  if (StartEnding(stageNumber)) return;
  game.timeRate = 10;
  game.world = (stageNumber - 1) / 10;
  if (!game.miss) PlayGroupMusic(stageNumber);
  BuildFromFile(stageNumber);
  game.miss = false;
  new CBG;
  new CEffect_Ready;
}
