#include "stage/CHardWall.h"

#include "game/CZelGame.h"
#include "game/TaskSlots.h"
#include "stage/CWall.h"

static_assert(sizeof(CHardWall) <= kHardWallSlots.slotSize);

CHardWall::CHardWall(float x, float y, int32_t column, int32_t row)
    : CMobTask(g_pGame->HardWallList.get(), x, y, 0, kBlockLeft, kBlockBottom, kBlockRight, kBlockTop),
      column(column),
      row(row) {}

bool CHardWall::Move() { return !g_pGame->teardown; }

void CHardWall::Draw() {
  g_pGame->texStone1->DrawImage(50.0f * static_cast<float>(column), 46.0f * static_cast<float>(row), 0xFFFFFFFF);
}

void* CHardWall::operator new(std::size_t size) noexcept {
  return CTaskList::Alloc(g_pGame->HardWallList.get(), size);
}

void CHardWall::operator delete(void* slot) { CTaskList::Free(g_pGame->HardWallList.get(), slot); }
