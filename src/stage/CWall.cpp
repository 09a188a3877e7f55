#include "stage/CWall.h"

#include "actors/CItem.h"
#include "game/CZelGame.h"
#include "game/TaskSlots.h"
#include "task/TaskIter.h"

static_assert(sizeof(CWall) <= kWallSlots.slotSize);

namespace {

constexpr float kFrameU = 0.5f;  // "wall.png" holds the intact and the struck block side by side
constexpr int kBreakingHits = 2;

}  // namespace

CWall::CWall(float x, float y, int32_t column, int32_t row)
    : CMobTask(g_pGame->WallList.get(), x, y, 0, kBlockLeft, kBlockBottom, kBlockRight, kBlockTop),
      column(column),
      row(row) {
  if (OverlapsEnemy() || OverlapsWallBlockingItem()) destroyed = true;
  RemoveBlockInSameCell();
  if (!destroyed && g_pGame->playing) g_pGame->PlaySE(g_pGame->seCreate);
}

bool CWall::OverlapsEnemy() const {
  CTaskIter it(g_pGame->EnemyList.get());
  bool hit = false;
  while (CTask* task = it.Next()) hit |= IsHit(*static_cast<CMobTask*>(task));
  return hit;
}

bool CWall::OverlapsWallBlockingItem() const {
  CTaskIter it(g_pGame->ItemList.get());
  bool hit = false;
  while (CTask* task = it.Next()) {
    const auto* item = static_cast<CItem*>(task);
    hit |= item->blocksWalls && IsHit(*item);
  }
  return hit;
}

// Building into an occupied cell takes both blocks away: that is how the
// player removes a block.
void CWall::RemoveBlockInSameCell() {
  CTaskIter it(g_pGame->WallList.get());
  while (CTask* task = it.Next()) {
    auto* other = static_cast<CWall*>(task);
    if (other == this) continue;
    if (static_cast<int>(other->x) != static_cast<int>(x) || static_cast<int>(other->y) != static_cast<int>(y)) continue;
    other->destroyed = true;
    destroyed = true;
    g_pGame->PlaySE(g_pGame->seDelete);
  }
}

bool CWall::Move() {
  if (hitCount >= kBreakingHits) destroyed = true;
  return !destroyed && !g_pGame->teardown;
}

void CWall::Draw() {
  g_pGame->texWall->DrawPart(50.0f * static_cast<float>(column), 46.0f * static_cast<float>(row), 1, 1,
                             kFrameU * static_cast<float>(hitCount), 0, kFrameU, 1, 0xFFFFFFFF);
}

void* CWall::operator new(std::size_t size) noexcept { return CTaskList::Alloc(g_pGame->WallList.get(), size); }

void CWall::operator delete(void* slot) { CTaskList::Free(g_pGame->WallList.get(), slot); }
