#include "scenes/CEvent_Title.h"

#include "actors/CEffect_Fade.h"
#include "app/Version.h"
#include "game/CZelGame.h"
#include "game/TaskSlots.h"
#include "save/SaveData.h"
#include "scenes/CEvent_Option.h"
#include "scenes/MenuInput.h"
#include "stage/LoadStage.h"
#include "util/StringUtil.h"

static_assert(sizeof(CEvent_Title) <= kEventSlots.slotSize);

namespace {

constexpr int32_t kHandOver = 60;
constexpr uint32_t kWhite = 0xFFFFFFFF;

SaveData ReadSave() { return ReadSaveData(g_pGame->GetUserFolder() + kSaveFile); }

// The music of the saved stage's group; other numbers keep what plays.
void PlayGroupMusicFor(int32_t stage) {
  static constexpr const char* kPieces[] = {"Stage1.mid", "Stage2.mid", "Stage3.mid", "Stage4.mid", "Stage5.mid"};
  if (stage >= 1 && stage <= 50) g_pGame->PlayBGM(kPieces[(stage - 1) / 10]);
}

}  // namespace

CEvent_Title::CEvent_Title() {
  CZelGame& game = *g_pGame;
  game.optionActive = false;
  game.life = -1;
  game.score = 0;
  game.time = 0;
  game.timeRate = 10;
  game.extendCount = 1;
  game.miss = false;
  game.noMiss = true;
  game.PlayBGM("title.mid");
}

bool CEvent_Title::Move() {
  if (!latch && !starting) ReadMenu();
  if (toOption && LeaveForOption()) return false;
  if (starting && LeaveForGame()) return false;
  latch = MenuHeld(kUp) || MenuHeld(kDown) || MenuHeld(kDecide) || MenuHeld(kCancel);
  return true;
}

// Up and down are read in the same step, so holding both cancels out.
void CEvent_Title::ReadMenu() {
  CZelGame& game = *g_pGame;
  if (MenuHeld(kUp)) {
    game.PlaySE(game.seCursor);
    --cursor;
  }
  if (MenuHeld(kDown)) {
    game.PlaySE(game.seCursor);
    ++cursor;
  }
  cursor = Wrap(cursor, inDifficulty ? 2 : 3);
  if (MenuHeld(kDecide)) Decide();
  if (MenuHeld(kCancel) && inDifficulty) {
    inDifficulty = false;
    cursor = 0;
  }
}

void CEvent_Title::Decide() {
  CZelGame& game = *g_pGame;
  if (!inDifficulty && cursor == 1 && !CanContinue(ReadSave())) {
    game.PlaySE(game.seCursor);  // nothing to continue
    return;
  }
  game.PlaySE(game.seDeside);
  if (inDifficulty) {
    game.easyMode = cursor == 0;
    starting = true;
  } else if (cursor == 0) {
    inDifficulty = true;
    cursor = 1;  // normal
  } else if (cursor == 1) {
    starting = continuing = true;
  } else {
    toOption = true;
  }
}

bool CEvent_Title::LeaveForOption() {
  if (counter == 0) new CEffect_Fade;
  if (++counter != kHandOver) return false;
  new CEvent_Option;
  g_pGame->GetInput()->ClearStates();
  return true;
}

bool CEvent_Title::LeaveForGame() {
  if (counter == 0) new CEffect_Fade;
  if (++counter != kHandOver) return false;
  if (continuing) {
    ContinueSavedGame();
  } else {
    StartNewGame();
  }
  return true;
}

void CEvent_Title::StartNewGame() {
  CZelGame& game = *g_pGame;
  game.life = game.easyMode ? 6 : 2;
  game.GetInput()->ClearStates();
  game.stage = 1;
  game.world = 0;
  LoadStage(1);
}

// The input is not cleared on this path.
void CEvent_Title::ContinueSavedGame() {
  CZelGame& game = *g_pGame;
  const SaveData save = ReadSave();
  game.stage = save.stage;
  game.life = save.life;
  game.score = save.score;
  game.easyMode = save.easyMode;
  game.extendCount = save.extendCount;
  game.noMiss = save.noMiss;
  PlayGroupMusicFor(game.stage);
  LoadStage(game.stage);
}

void CEvent_Title::Draw() {
  const CZelGame& game = *g_pGame;
  game.texTitle->DrawImage(0, 0, kWhite);
  if (inDifficulty) {
    game.texTitle_2->DrawImage(300, 355, kWhite);
  } else {
    game.texTitle_1->DrawImage(300, 350, kWhite);
  }
  game.textFont.DrawText(game.sprite.get(), 550, 180, kWhite, (std::string("Version ") + kGameVersion).c_str());
  game.texCursor->DrawImage(300, static_cast<float>(350 + 50 * cursor), kWhite);
  game.numberFont->DrawString(IntToStr(game.hiScore), 650, 480, kWhite);
  game.numberFont->DrawString(IntToStr(game.bestStage), 680, 520, kWhite);
}
