#include "actors/EnemySpawners.h"

#include "actors/EnemyWanderers.h"
#include "game/CZelGame.h"
#include "game/TaskSlots.h"

static_assert(sizeof(CEnemy_Daruma_R) <= kEnemySlots.slotSize);

namespace {

constexpr int32_t kSpawnPeriod = 200;
constexpr int32_t kMaxBombs = 7;
constexpr int32_t kMaxGhosts = 6;
constexpr int32_t kMaxDarumas = 6;
constexpr int32_t kBombLifetime = 800;
constexpr int32_t kGhostLifetime = 600;
constexpr int32_t kDarumaLifetime = 800;

}  // namespace

CEnemy_Spawner::CEnemy_Spawner(CMesh* mesh, float x, float y) : CEnemy(mesh, x, y) {
  scale = 4;
  drawOffsetY = 3;
  isSpawner = true;
}

bool CEnemy_Spawner::Move() {
  ++spawnCounter;
  if (!touchingPlayer && !g_pGame->miss && spawnCounter % kSpawnPeriod == 0 && RoomForMore()) Spawn();
  return CEnemy::Move();
}

// A spawner starts its kind's count afresh, even over enemies of that kind
// the stage placed before it.
CEnemy_Bomb_R::CEnemy_Bomb_R(float x, float y) : CEnemy_Spawner(g_pGame->meshBomb, x, y) {
  yaw = 90;
  grounded = true;
  g_pGame->bombCount = 0;
}

bool CEnemy_Bomb_R::RoomForMore() const { return g_pGame->bombCount < kMaxBombs; }

void CEnemy_Bomb_R::Spawn() { new CEnemy_Bomb(x, y + 3, kBombLifetime); }

CEnemy_Ghost1_R::CEnemy_Ghost1_R(float x, float y) : CEnemy_Spawner(g_pGame->meshGhost_R, x, y) {
  g_pGame->ghost1Count = 0;
}

bool CEnemy_Ghost1_R::RoomForMore() const { return g_pGame->ghost1Count < kMaxGhosts; }

void CEnemy_Ghost1_R::Spawn() { new CEnemy_Ghost1(x, y + 5, kGhostLifetime); }

CEnemy_Ghost2_R::CEnemy_Ghost2_R(float x, float y) : CEnemy_Spawner(g_pGame->meshGhost_R, x, y) {
  roll = 90;
  g_pGame->ghost2Count = 0;
}

bool CEnemy_Ghost2_R::RoomForMore() const { return g_pGame->ghost2Count < kMaxGhosts; }

void CEnemy_Ghost2_R::Spawn() { new CEnemy_Ghost2(x, y + 5, kGhostLifetime); }

CEnemy_Daruma_R::CEnemy_Daruma_R(float x, float y) : CEnemy_Spawner(g_pGame->meshDaruma_R, x, y) {
  yaw = 90;
  g_pGame->darumaCount = 0;
}

bool CEnemy_Daruma_R::RoomForMore() const { return g_pGame->darumaCount < kMaxDarumas; }

void CEnemy_Daruma_R::Spawn() { new CEnemy_Daruma(x, y + 5, kDarumaLifetime); }
