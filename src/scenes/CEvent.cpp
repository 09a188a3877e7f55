#include "scenes/CEvent.h"

#include "game/CZelGame.h"

CEvent::CEvent() : CTask(g_pGame->EventList.get()) { g_pGame->eventActive = true; }

CEvent::~CEvent() { g_pGame->eventActive = false; }

void* CEvent::operator new(std::size_t size) noexcept { return CTaskList::Alloc(g_pGame->EventList.get(), size); }

void CEvent::operator delete(void* slot) { CTaskList::Free(g_pGame->EventList.get(), slot); }
