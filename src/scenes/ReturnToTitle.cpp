#include "scenes/ReturnToTitle.h"

#include "game/CZelGame.h"
#include "scenes/CEvent_Title.h"

void ReturnToTitle() {
  g_pGame->GetInput()->ClearStates();
  g_pGame->StopBGM();
  new CEvent_Title;
}
