#include "scenes/CEvent_Option.h"

#include "actors/CEffect_Fade.h"
#include "game/CZelGame.h"
#include "game/TaskSlots.h"
#include "save/GameConfig.h"
#include "scenes/ReturnToTitle.h"
#include "scenes/MenuInput.h"
#include "util/StringUtil.h"

static_assert(sizeof(CEvent_Option) <= kEventSlots.slotSize);

namespace {

constexpr int32_t kHandOver = 60;
constexpr int32_t kTopVolume = 10;
constexpr int32_t kTopPanel = 8;
constexpr int32_t kTopSaveMode = 2;
constexpr int kPickableButtons = 10;
constexpr uint32_t kWhite = 0xFFFFFFFF;

void CursorSound() { g_pGame->PlaySE(g_pGame->seCursor); }

const char* SaveModeName(int32_t mode) {
  switch (mode) {
    case 0: return "DEFAULT";
    case 1: return "AUTOSAVE";
    case 2: return "NOSAVE";
    default: return "NULL";
  }
}

}  // namespace

CEvent_Option::CEvent_Option()
    : seValue(g_pGame->seVolume),
      bgmValue(g_pGame->bgmVolume),
      panelValue(g_pGame->hudPanel),
      saveModeValue(g_pGame->saveMode),
      actionButton(g_pGame->keyMap[3]),
      jumpButton(g_pGame->keyMap[0]) {
  g_pGame->PlayBGM("Option.mid");
  g_pGame->optionActive = true;
}

bool CEvent_Option::Move() {
  if (!latch && !leaving) EditRow();
  if (leaving && Leave()) return false;
  latch = MenuHeld(kUp) || MenuHeld(kDown) || MenuHeld(kLeft) || MenuHeld(kRight);
  return true;
}

void CEvent_Option::EditRow() {
  CZelGame& game = *g_pGame;
  if (MenuHeld(kUp)) {
    CursorSound();
    --cursor;
  }
  if (MenuHeld(kDown)) {
    CursorSound();
    ++cursor;
  }
  cursor = Wrap(cursor, kRows);
  switch (cursor) {
    case kEffectVolume:
      LowerThenRaise(seValue, kTopVolume);
      game.SetSEVolume(static_cast<float>(seValue) / 10.0f);
      break;
    case kMusicVolume:
      RaiseThenLower(bgmValue, kTopVolume);
      game.SetBGMVolume(static_cast<float>(bgmValue) / 10.0f);
      break;
    case kBandPicture:
      RaiseThenLower(panelValue, kTopPanel);
      game.hudPanel = panelValue;
      break;
    case kSaveMode: RaiseThenLower(saveModeValue, kTopSaveMode); break;
    case kActionButton: TakeHeldButton(actionButton); break;
    case kJumpButton: TakeHeldButton(jumpButton); break;
    default:
      if (MenuHeld(kDecide) || MenuHeld(kCancel)) {
        game.PlaySE(game.seDeside);
        leaving = true;
      }
      break;
  }
}

// A value already outside the range moves only back towards it. The effect
// volume reads left first, the other rows right first, which matters only
// when both are held at a limit.
void CEvent_Option::Raise(int32_t& value, int32_t top) {
  if (!MenuHeld(kRight) || value >= top) return;
  CursorSound();
  ++value;
}

void CEvent_Option::Lower(int32_t& value) {
  if (!MenuHeld(kLeft) || value <= 0) return;
  CursorSound();
  --value;
}

void CEvent_Option::RaiseThenLower(int32_t& value, int32_t top) {
  Raise(value, top);
  Lower(value);
}

void CEvent_Option::LowerThenRaise(int32_t& value, int32_t top) {
  Lower(value);
  Raise(value, top);
}

// The highest-numbered held button wins; none held keeps the value.
void CEvent_Option::TakeHeldButton(int32_t& button) const {
  for (int b = 0; b < kPickableButtons; ++b) {
    if (g_pGame->pad->button[b] != 0) button = b;
  }
}

bool CEvent_Option::Leave() {
  ++counter;
  if (counter == 1) new CEffect_Fade;
  if (counter != kHandOver) return false;
  SaveConfig();
  ReturnToTitle();
  return true;
}

// Writes the file, then gives the session the same values (key-map entries
// 4, 8 and 9 keep theirs until the file is read at the next start).
void CEvent_Option::SaveConfig() const {
  CZelGame& game = *g_pGame;
  const ConfigEdit edit{jumpButton, actionButton, bgmValue, seValue, saveModeValue, panelValue};
  WriteConfig(game.GetUserFolder() + kConfigFile, edit);
  GameConfig config{game.keyMap, game.bgmVolume, game.seVolume, game.saveMode, game.hudPanel};
  ApplyConfigEdit(config, edit);
  game.keyMap = config.keyMap;
  game.bgmVolume = config.bgmVolume;
  game.seVolume = config.seVolume;
  game.saveMode = config.saveMode;
  game.hudPanel = config.hudPanel;
}

void CEvent_Option::Draw() {
  const CZelGame& game = *g_pGame;
  game.texBack->DrawImage(0, 0, kWhite);
  game.texOption->DrawImage(0, 0, kWhite);
  const float cursorY = cursor == kExit ? 500.0f : static_cast<float>(135 + 57 * cursor);
  game.texCursor->DrawPart(120, cursorY, 1.8f, 1.2f, 0, 0, 1, 1, kWhite);
  const CBitmapFont& digits = *game.numberFont;
  digits.DrawString(IntToStr(seValue), 530, 136, kWhite);
  digits.DrawString(IntToStr(bgmValue), 530, 190, kWhite);
  digits.DrawString(IntToStr(panelValue + 1), 530, 245, kWhite);
  digits.DrawString(IntToStr(actionButton), 530, 362, kWhite);
  digits.DrawString(IntToStr(jumpButton), 530, 415, kWhite);
  game.letterFont->DrawString(SaveModeName(saveModeValue), 530, 305, kWhite);
}
