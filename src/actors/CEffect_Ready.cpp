#include "actors/CEffect_Ready.h"

#include "game/CZelGame.h"
#include "game/TaskSlots.h"

static_assert(sizeof(CEffect_Ready) <= kEffectSlots.slotSize);

namespace {

constexpr int kHiddenFrames = 50;
constexpr int kShownUntil = 150;

}  // namespace

CEffect_Ready::CEffect_Ready() { g_pGame->readyShowing = true; }

bool CEffect_Ready::Move() {
  ++frame;
  if (frame <= kShownUntil) return true;
  g_pGame->readyShowing = false;
  g_pGame->playing = true;
  g_pGame->ReturnFreedMemory();  // the stage is built and has been drawn
  // After a lost life with the key already taken, the door opens again.
  if (g_pGame->keyTaken) g_pGame->PlaySE(g_pGame->seOpen);
  return false;
}

void CEffect_Ready::Draw() {
  if (frame > kHiddenFrames) g_pGame->texGetready->DrawImage(200, 100, kOpaqueWhite);
}
