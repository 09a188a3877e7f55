#include "stage/CBG.h"

#include "game/CZelGame.h"
#include "game/TaskSlots.h"

static_assert(sizeof(CBG) <= kBackgroundSlots.slotSize);

CBG::CBG() : CTask(g_pGame->BackgroundList.get()) {}

bool CBG::Move() { return !g_pGame->teardown; }

// Behind everything at z -10, stretched to cover the view; a group without a
// background model (a stage number past the last group) shows none.
void CBG::Draw() {
  const int world = g_pGame->world;
  if (world < 0 || world >= CZelGame::kWorldCount) return;
  g_pGame->bgModels[static_cast<size_t>(world)]->Draw(320, 240, -10, 70, 60, 0, 0, 0, 0, 0, 1, false);
}

void* CBG::operator new(std::size_t size) noexcept { return CTaskList::Alloc(g_pGame->BackgroundList.get(), size); }

void CBG::operator delete(void* slot) { CTaskList::Free(g_pGame->BackgroundList.get(), slot); }
