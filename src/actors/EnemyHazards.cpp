#include "actors/EnemyHazards.h"

#include "actors/CPlayer.h"
#include "game/CZelGame.h"
#include "game/TaskSlots.h"
#include "stage/CWall.h"

static_assert(sizeof(CEnemy_Doriru) <= kEnemySlots.slotSize);

namespace {

constexpr float kSpringLaunch = 2.8f;
constexpr float kDrillHop = 2.1f;

}  // namespace

CEnemy_Needle::CEnemy_Needle(float x, float y) : CEnemy(g_pGame->meshNeedle, x, y, 2.2f) {
  scale = 4;
  yaw = 90;
}

bool CEnemy_Needle::Move() {
  yaw += 2;
  KillOnTouch();
  return CEnemy::Move();
}

CEnemy_Hijump::CEnemy_Hijump(int32_t x, int32_t y)
    : CEnemy(g_pGame->meshJump, static_cast<float>(x), static_cast<float>(y), 3.5f) {
  scale = 4;
  drawOffsetY = 3;
}

// Only a player on the way down is launched.
bool CEnemy_Hijump::Move() {
  yaw += 1;
  if (touchingPlayer && !g_pGame->miss && player->VerticalSpeed() < 0) {
    g_pGame->PlaySE(g_pGame->seHijump);
    player->jumpVelocity = kSpringLaunch;
    player->gravityVelocity = 0;
    player->onGround = false;
  }
  return CEnemy::Move();
}

CEnemy_Doriru::CEnemy_Doriru(int32_t x, int32_t y)
    : CEnemy(g_pGame->meshDoriru, static_cast<float>(x), static_cast<float>(y), 2.4f) {
  scale = 5;
}

bool CEnemy_Doriru::Move() {
  yaw += 4;
  if (grounded) {
    jumpVelocity = kDrillHop;
    grounded = false;
  }
  if (headHit && lastWall) {
    lastWall->destroyed = true;
    g_pGame->PlaySE(g_pGame->seHit);
  }
  KillOnTouch();
  return CEnemy::Move();
}
