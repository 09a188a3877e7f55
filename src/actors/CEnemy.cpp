#include "actors/CEnemy.h"

#include <numbers>

#include "actors/CPlayer.h"
#include "actors/Gravity.h"
#include "game/CZelGame.h"
#include "stage/CWall.h"
#include "task/TaskIter.h"

namespace {

constexpr float kHardLandingSpeed = -1;
constexpr float kFlashStep = 0.02f;
constexpr float kFlashTop = 2;
constexpr float kSpawnerDepth = 10;  // spawners sit back at the depth of the walls
constexpr float kRadians = std::numbers::pi_v<float> / 180;

}  // namespace

CEnemy::CEnemy(CMesh* mesh, float x, float y) : CEnemy(mesh, x, y, 2, 2) {}

CEnemy::CEnemy(CMesh* mesh, float x, float y, float half) : CEnemy(mesh, x, y, half, half) {}

CEnemy::CEnemy(CMesh* mesh, float x, float y, float halfWidth, float halfHeight)
    : CMobTask(g_pGame->EnemyList.get(), x, y, 10, -halfWidth, -halfHeight, halfWidth, halfHeight),
      mesh(mesh),
      intY(static_cast<int32_t>(y)) {}

bool CEnemy::Move() {
  blockedRight = blockedLeft = headHit = landed = false;
  if (!noGravity) Fall();
  CollideWithWalls();
  FindPlayer();
  intY = static_cast<int32_t>(y);
  return !g_pGame->teardown;
}

void CEnemy::Fall() {
  gravityVelocity -= kGravity;
  y += CappedMove(VerticalSpeed());
}

// Every block the enemy overlaps, in list order, as the lists stand.
void CEnemy::CollideWithWalls() {
  lastWall = nullptr;
  g_pGame->WallGrid->ForEachHit(*this, [this](CMobTask& task) {
    auto* wall = static_cast<CWall*>(&task);
    lastWall = wall;
    CollideWith(*wall, true);
  });
  g_pGame->HardWallGrid->ForEachHit(*this, [this](CMobTask& wall) { CollideWith(wall, false); });
}

void CEnemy::CollideWith(const CMobTask& wall, bool breakable) {
  HitHead(wall, breakable);
  Land(wall);
  PushOut(wall);
}

// A grounded enemy's head rule against a breakable wall fires whenever its
// top is above the wall's low line, so one resting on such a wall has its
// head "hit" every move: the drill relies on that.
void CEnemy::HitHead(const CMobTask& wall, bool breakable) {
  const float top = y + boxMaxY;
  const float lowLine = wall.y + wall.boxMinY / 3;
  if (!grounded) {
    if (!(top < lowLine && CentredOn(wall))) return;
  } else if (breakable) {
    if (!(top > lowLine)) return;
    CheckHardLanding();
  } else if (!(top < lowLine)) {
    return;
  }
  StopVertically();
  headHit = true;
}

void CEnemy::Land(const CMobTask& wall) {
  const float bottom = y + boxMinY;
  const float highLine = wall.y + wall.boxMaxY / 3;
  if (!(bottom > highLine)) return;
  if (grounded ? !(VerticalSpeed() < 0) : !CentredOn(wall)) return;
  CheckHardLanding();
  StopVertically();
  grounded = true;
  landed = true;
}

void CEnemy::PushOut(const CMobTask& wall) {
  const bool besideVertically = y + boxMaxY > wall.y + wall.boxMinY && y + boxMinY < wall.y + wall.boxMaxY;
  if (!besideVertically) return;
  if (x + boxMinX >= wall.x + wall.boxMaxX / 2) {
    x = wall.x + wall.boxMaxX - boxMinX;
    blockedLeft = true;
  }
  if (x + boxMaxX <= wall.x + wall.boxMinX / 2) {
    x = wall.x + wall.boxMinX - boxMaxX;
    blockedRight = true;
  }
}

bool CEnemy::CentredOn(const CMobTask& wall) const {
  return x + boxMinX < wall.x + wall.boxMaxX / 2 && x + boxMaxX > wall.x + wall.boxMinX / 2;
}

void CEnemy::CheckHardLanding() {
  if (gravityVelocity < kHardLandingSpeed) hardLanding = true;
}

void CEnemy::StopVertically() {
  jumpVelocity = 0;
  gravityVelocity = 0;
  y = static_cast<float>(intY);
}

// No contact counts once the player has entered the door.
void CEnemy::FindPlayer() { FindPlayerContact(*this, !g_pGame->stageClear, touchingPlayer, player); }

void CEnemy::KillOnTouch() const {
  if (!touchingPlayer || g_pGame->miss) return;
  g_pGame->PlaySE(g_pGame->seKill);
  g_pGame->miss = true;
}

void CEnemy::Draw() {
  if (isSpawner) {
    DrawFlashing();
    return;
  }
  mesh->Draw(x + drawOffsetX, y + drawOffsetY, z, scale, scale, scale, 0, yaw * kRadians, roll * kRadians, 7, 1,
             false);
}

// Spawners pulse between black and twice their brightness.
void CEnemy::DrawFlashing() {
  flashLevel += flashFalling ? -kFlashStep : kFlashStep;
  if (flashLevel < 0) flashFalling = false;
  if (flashLevel > kFlashTop) flashFalling = true;
  mesh->DrawColored(x + drawOffsetX, y + drawOffsetY, z - kSpawnerDepth, scale, scale, scale, 0, yaw * kRadians,
                    roll * kRadians, 7, flashLevel, flashLevel, flashLevel, 1, false);
}

void* CEnemy::operator new(std::size_t size) noexcept { return CTaskList::Alloc(g_pGame->EnemyList.get(), size); }

void CEnemy::operator delete(void* slot) { CTaskList::Free(g_pGame->EnemyList.get(), slot); }
