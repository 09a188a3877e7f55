#include "actors/CItem.h"

#include <numbers>

#include "actors/CPlayer.h"
#include "game/CZelGame.h"

CItem::CItem(CMesh* mesh, float x, float y, float half)
    : CMobTask(g_pGame->ItemList.get(), x, y, 0, -half, -half, half, half), mesh(mesh) {}

// Nothing is picked up while a miss runs.
bool CItem::Move() {
  FindPlayerContact(*this, !g_pGame->miss, touchingPlayer, player);
  return !g_pGame->teardown;
}

void CItem::Draw() {
  constexpr float kRadians = std::numbers::pi_v<float> / 180;
  mesh->Draw(x, y, z, scale, scale, scale, pitch * kRadians, yaw * kRadians, 0, 4, 1, false);
}

void CItem::KillOnTouch() const {
  if (!touchingPlayer || g_pGame->miss) return;
  g_pGame->PlaySE(g_pGame->seKill);
  g_pGame->miss = true;
}

void* CItem::operator new(std::size_t size) noexcept { return CTaskList::Alloc(g_pGame->ItemList.get(), size); }

void CItem::operator delete(void* slot) { CTaskList::Free(g_pGame->ItemList.get(), slot); }
