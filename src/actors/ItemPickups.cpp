#include "actors/ItemPickups.h"

#include "game/CZelGame.h"
#include "game/TaskSlots.h"

static_assert(sizeof(CItem_Key) <= kItemSlots.slotSize);
static_assert(sizeof(CItem_1UP) <= kItemSlots.slotSize);

CItem_Key::CItem_Key(float x, float y) : CItem(g_pGame->meshKey, x, y) {
  scale = 5;
  yaw = 90;
}

bool CItem_Key::Move() {
  yaw += 2;
  if (!touchingPlayer) return CItem::Move();
  g_pGame->PlaySE(g_pGame->seOpen);
  g_pGame->keyTaken = true;
  return false;
}

CItem_Tokei::CItem_Tokei(float x, float y) : CItem(g_pGame->meshTokei, x, y) {
  scale = 4;
  yaw = 90;
}

bool CItem_Tokei::Move() {
  yaw += 2;
  if (!touchingPlayer) return CItem::Move();
  g_pGame->time += 100;
  g_pGame->PlaySE(g_pGame->seTime);
  return false;
}

CItem_R_Tokei::CItem_R_Tokei(float x, float y) : CItem(g_pGame->meshRed_tokei, x, y) {
  scale = 4;
  yaw = 90;
}

bool CItem_R_Tokei::Move() {
  yaw += 5;
  if (!touchingPlayer) return CItem::Move();
  g_pGame->timeRate -= 3;
  g_pGame->PlaySE(g_pGame->seTime);
  return false;
}

CItem_B_Tokei::CItem_B_Tokei(float x, float y) : CItem(g_pGame->meshBlue_tokei, x, y) {
  scale = 4;
  yaw = 90;
}

bool CItem_B_Tokei::Move() {
  yaw += 1;
  if (!touchingPlayer) return CItem::Move();
  g_pGame->timeRate += 6;
  g_pGame->PlaySE(g_pGame->seTime);
  return false;
}

CItem_Score1::CItem_Score1(float x, float y) : CItem(g_pGame->meshCD, x, y) { scale = 3; }

bool CItem_Score1::Move() {
  yaw += 2;
  if (!touchingPlayer) return CItem::Move();
  g_pGame->AddScore(300);
  g_pGame->PlaySE(g_pGame->seScore1);
  return false;
}

CItem_Score2::CItem_Score2(float x, float y) : CItem(g_pGame->meshCDs, x, y) { scale = 4; }

bool CItem_Score2::Move() {
  yaw += 2;
  if (!touchingPlayer) return CItem::Move();
  g_pGame->AddScore(1000);
  g_pGame->PlaySE(g_pGame->seScore2);
  return false;
}

CItem_1UP::CItem_1UP(float x, float y) : CItem(g_pGame->mesh1up, x, y) { scale = 4; }

bool CItem_1UP::Move() {
  yaw += 1;
  pitch += 2;
  if (!touchingPlayer) return CItem::Move();
  g_pGame->AddLife();
  return false;
}
