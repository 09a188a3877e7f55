#include "scenes/CEvent_Clear.h"

#include "actors/CEffect_Fade.h"
#include "game/CZelGame.h"
#include "game/TaskSlots.h"
#include "scenes/ReturnToTitle.h"
#include "scenes/MenuInput.h"
#include "stage/LoadStage.h"

static_assert(sizeof(CEvent_Clear) <= kEventSlots.slotSize);

namespace {

constexpr int32_t kAutoSave = 1;
constexpr int32_t kNoSave = 2;
constexpr int32_t kLastAskedStage = 29;  // from stage 30 on the game goes on without asking
constexpr int32_t kHandOver = 60;

void EndClearedStage() {
  CZelGame& game = *g_pGame;
  game.stageClear = false;
  game.teardown = false;
  game.keyTaken = false;
}

// The next stage comes out of the dark of the fade the player started.
void Advance() {
  new CEffect_Fadein;
  ++g_pGame->stage;
  EndClearedStage();
  LoadStage(g_pGame->stage);
}

}  // namespace

bool CEvent_Clear::Move() {
  CZelGame& game = *g_pGame;
  if (game.saveMode == kNoSave || game.stage > kLastAskedStage) {
    Advance();
    return false;
  }
  if (game.saveMode == kAutoSave) {
    Advance();
    game.SaveGame();  // after the load, so the save holds the time bonus
    return false;
  }
  return RunMenu();
}

bool CEvent_Clear::RunMenu() {
  CZelGame& game = *g_pGame;
  if (!latch) {
    if (MenuHeld(kUp)) {
      --cursor;
      game.PlaySE(game.seCursor);
    }
    if (MenuHeld(kDown)) {
      ++cursor;
      game.PlaySE(game.seCursor);
    }
    cursor = Wrap(cursor, kRows);
    if (MenuHeld(kDecide) && !leaving && Choose()) return false;
  }
  if (leaving && LeaveForTitle()) return false;
  latch = MenuHeld(kUp) || MenuHeld(kDown) || MenuHeld(kDecide);
  return true;
}

// True when the choice goes on to the next stage at once.
bool CEvent_Clear::Choose() {
  CZelGame& game = *g_pGame;
  game.PlaySE(game.seDeside);
  switch (cursor) {
    case kNext:
      Advance();
      return true;
    case kSaveAndNext:
      Advance();
      game.SaveGame();
      return true;
    case kSaveAndQuit:  // saved before the load, so without the time bonus
      ++game.stage;
      game.SaveGame();
      EndClearedStage();
      leaving = true;
      return false;
    default:
      game.SaveHiScore();
      EndClearedStage();
      leaving = true;
      return false;
  }
}

bool CEvent_Clear::LeaveForTitle() {
  ++counter;
  if (counter == 1) new CEffect_Fade;
  if (counter != kHandOver) return false;
  ReturnToTitle();
  return true;
}

void CEvent_Clear::Draw() {
  const CZelGame& game = *g_pGame;
  game.texClear->DrawImage(0, 0, 0xFFFFFFFF);
  game.texCursor->DrawPart(200, static_cast<float>(275 + 50 * cursor), 2.0f, 1.0f, 0, 0, 1, 1, 0xFFFFFFFF);
}
