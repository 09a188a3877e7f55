#include "actors/EnemyWanderers.h"

#include <cmath>

#include "actors/CEffect_Bomb.h"
#include "game/CZelGame.h"
#include "game/TaskSlots.h"
#include "stage/CWall.h"

static_assert(sizeof(CEnemy_Bomb) <= kEnemySlots.slotSize);
static_assert(sizeof(CEnemy_Ghost1) <= kEnemySlots.slotSize);
static_assert(sizeof(CEnemy_Ghost2) <= kEnemySlots.slotSize);

namespace {

constexpr float kSpeed = 0.5f;
constexpr float kRollPerStep = 5;
constexpr int32_t kWallPenalty = 10;
constexpr int32_t kPenaltyFloor = 50;  // a lifetime this short is not cut by walls
constexpr int32_t kPushesToTurn = 40;
constexpr float kTurnPerPush = 4.5f;
constexpr float kBobStep = 0.1f;
constexpr float kBobHeight = 2;

// Turns away from a wall met in the last move; each move against a wall
// costs a long lifetime 10 moves.
void TurnAtWalls(const CEnemy& enemy, int32_t& direction, int32_t& lifetime) {
  if (enemy.blockedRight) {
    direction = -1;
    if (lifetime > kPenaltyFloor) lifetime -= kWallPenalty;
  } else if (enemy.blockedLeft) {
    if (lifetime > kPenaltyFloor) lifetime -= kWallPenalty;
    direction = 1;
  }
}

// A lifetime of N ends the enemy in the move it reaches 1; 0 never ends.
bool LifetimeEnds(int32_t& lifetime) {
  if (lifetime == 0) return false;
  return --lifetime == 1;
}

// A ghost held against something for 40 moves in a row turns back, facing
// its new way, and breaks the breakable wall it was pressing.
void TurnWhenStuck(CEnemy& ghost, bool blocked, int32_t& pushFrames, int32_t& direction, float& angle) {
  if (blocked) {
    ++pushFrames;
    angle += kTurnPerPush;
  } else {
    pushFrames = 0;
  }
  if (pushFrames < kPushesToTurn) return;
  direction = -direction;
  angle = direction == -1 ? 180.0f : 0.0f;
  pushFrames = 0;
  if (ghost.lastWall) ghost.lastWall->destroyed = true;
}

}  // namespace

CEnemy_Bomb::CEnemy_Bomb(float x, float y, int32_t lifetime)
    : CEnemy(g_pGame->meshBomb, x, y, 3, 2), lifetime(lifetime) {
  scale = 4;
  yaw = 90;
  drawOffsetY = 3;
  ++g_pGame->bombCount;
}

bool CEnemy_Bomb::Move() {
  TurnAtWalls(*this, direction, lifetime);
  if (gravityVelocity >= 0) {  // only a standing bomb rolls
    roll -= kRollPerStep * static_cast<float>(direction);
    x += kSpeed * static_cast<float>(direction);
  }
  if (hardLanding) {
    if (lastWall) lastWall->destroyed = true;
    return Explode();
  }
  if (LifetimeEnds(lifetime)) return Explode();
  if (touchingPlayer && !g_pGame->miss) {
    g_pGame->miss = true;  // the explosion makes the only sound
    return Explode();
  }
  return CEnemy::Move();
}

bool CEnemy_Bomb::Explode() {
  new CEffect_Bomb(x, y);
  --g_pGame->bombCount;
  return false;
}

CEnemy_Ghost1::CEnemy_Ghost1(float x, float y, int32_t lifetime)
    : CEnemy(g_pGame->meshGhost, x, y), lifetime(lifetime) {
  scale = 4;
  noGravity = true;
  ++g_pGame->ghost1Count;
}

bool CEnemy_Ghost1::Move() {
  x += kSpeed * static_cast<float>(direction);
  phase += kBobStep;
  drawOffsetY = kBobHeight * std::sin(phase);
  TurnWhenStuck(*this, blockedRight || blockedLeft, pushFrames, direction, yaw);
  if (LifetimeEnds(lifetime)) {
    --g_pGame->ghost1Count;
    return false;
  }
  KillOnTouch();
  return CEnemy::Move();
}

CEnemy_Ghost2::CEnemy_Ghost2(float x, float y, int32_t lifetime)
    : CEnemy(g_pGame->meshGhost, x, y, 2, 4), lifetime(lifetime) {
  scale = 4;
  roll = 90;
  noGravity = true;
  ++g_pGame->ghost2Count;
}

// Without gravity its vertical speed is what it sets here, so the foot rule
// sees it falling.
bool CEnemy_Ghost2::Move() {
  jumpVelocity = -kSpeed;
  y += kSpeed * static_cast<float>(direction);
  phase += kBobStep;
  drawOffsetX = kBobHeight * std::sin(phase);
  TurnWhenStuck(*this, headHit || landed, pushFrames, direction, roll);
  if (LifetimeEnds(lifetime)) {
    --g_pGame->ghost2Count;
    return false;
  }
  KillOnTouch();
  return CEnemy::Move();
}

CEnemy_Daruma::CEnemy_Daruma(float x, float y, int32_t lifetime)
    : CEnemy(g_pGame->meshDaruma, x, y), lifetime(lifetime) {
  scale = 4;
  yaw = 90;
  drawOffsetY = 3;
  ++g_pGame->darumaCount;
}

bool CEnemy_Daruma::Move() {
  TurnAtWalls(*this, direction, lifetime);
  x += kSpeed * static_cast<float>(direction);
  if (LifetimeEnds(lifetime)) {
    --g_pGame->darumaCount;
    return false;
  }
  yaw += 2;
  KillOnTouch();
  return CEnemy::Move();
}
