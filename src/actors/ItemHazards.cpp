#include "actors/ItemHazards.h"

#include "game/CZelGame.h"
#include "game/TaskSlots.h"

static_assert(sizeof(CItem_Toge2) <= kItemSlots.slotSize);

namespace {

constexpr float kSpikeHalf = 1.5f;

}  // namespace

CItem_Toge::CItem_Toge(int x, int y)
    : CItem(g_pGame->meshNeedle2, static_cast<float>(x), static_cast<float>(y), kSpikeHalf) {
  scale = 4;
  yaw = 90;
}

bool CItem_Toge::Move() {
  yaw += 2;
  KillOnTouch();
  return CItem::Move();
}

CItem_Toge2::CItem_Toge2(int x, int y)
    : CItem(g_pGame->meshNeedle3, static_cast<float>(x), static_cast<float>(y), kSpikeHalf) {
  scale = 4;
  yaw = 90;
  blocksWalls = true;
}

bool CItem_Toge2::Move() {
  yaw += 2;
  KillOnTouch();
  return CItem::Move();
}

CItem_Batu::CItem_Batu(int x, int y)
    : CItem(g_pGame->meshBatu, static_cast<float>(x), static_cast<float>(y), kSpikeHalf) {
  scale = 5;
  yaw = 270;
  blocksWalls = true;
}
