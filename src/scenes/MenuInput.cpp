#include "scenes/MenuInput.h"

#include "game/CZelGame.h"

bool MenuHeld(MenuButton button) { return g_pGame->GetIs(0, button); }
