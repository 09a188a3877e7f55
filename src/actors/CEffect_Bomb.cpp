#include "actors/CEffect_Bomb.h"

#include "game/CZelGame.h"
#include "game/TaskSlots.h"

static_assert(sizeof(CEffect_Bomb) <= kEffectSlots.slotSize);

namespace {

constexpr int kFramesPerCell = 3;
constexpr int kLastFrame = 21;
constexpr float kCellU = 1.0f / 8;

}  // namespace

CEffect_Bomb::CEffect_Bomb(float x, float y) : column(40 - (x + 10) / 10), row(29 - y / 10) {
  g_pGame->PlaySE(g_pGame->seRoket);
}

bool CEffect_Bomb::Move() {
  ++frame;
  if (frame % kFramesPerCell == 0) ++cell;
  return frame <= kLastFrame && !g_pGame->teardown;
}

// Shows strip cells 1 to 7, then for the last frame u = 1, which wraps round
// to cell 0: the strip keeps its fading wisps there on purpose.
void CEffect_Bomb::Draw() {
  g_pGame->texBomb->DrawPart(column * 50, row * 46, 1, 1, static_cast<float>(cell + 1) * kCellU, 0, kCellU, 1,
                             kOpaqueWhite);
}
