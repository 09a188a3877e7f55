#include "actors/CEffect.h"

#include "game/CZelGame.h"

CEffect::CEffect() : CTask(g_pGame->EffectList.get()) {}

void* CEffect::operator new(std::size_t size) noexcept { return CTaskList::Alloc(g_pGame->EffectList.get(), size); }

void CEffect::operator delete(void* slot) { CTaskList::Free(g_pGame->EffectList.get(), slot); }
