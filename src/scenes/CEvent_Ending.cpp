#include "scenes/CEvent_Ending.h"

#include "actors/CEffect_Fade.h"
#include "game/CZelGame.h"
#include "game/TaskSlots.h"
#include "scenes/ReturnToTitle.h"
#include "scenes/MenuInput.h"
#include "util/Saturate.h"
#include "util/StringUtil.h"

static_assert(sizeof(CEvent_Ending2) <= kEventSlots.slotSize);

namespace {

constexpr int32_t kFadeAt = 2;
constexpr int32_t kLeaveAt = 60;
constexpr float kNumbersX = 530;

bool Easy() { return g_pGame->easyMode; }

}  // namespace

// The bonuses go straight into the score: they never give an extra life.
CEvent_EndingScene::CEvent_EndingScene(int32_t stage, int32_t clearBonus, int32_t perLife, int32_t noMissBonus,
                                       int32_t wait, Layout layout)
    : clearBonus(clearBonus), wait_(wait), layout_(layout) {
  CZelGame& game = *g_pGame;
  game.stage = stage;
  const int64_t lives = game.life > 0 ? game.life : 0;
  bonus = Saturate(lives * perLife + (game.noMiss ? noMissBonus : 0));
  game.score = Saturate(int64_t{game.score} + bonus + clearBonus);
  game.SaveHiScore();
  game.life = -1;
  game.PlayBGM("ending.mid");
}

bool CEvent_EndingScene::Move() {
  ++counter;
  if (counter > wait_ && MenuHeld(kDecide) && leaveCounter == 0) leaveCounter = 1;
  if (leaveCounter < 1) return true;
  ++leaveCounter;
  if (leaveCounter == kFadeAt) new CEffect_Fade;
  if (leaveCounter < kLeaveAt) return true;
  ReturnToTitle();
  return false;
}

void CEvent_EndingScene::Draw() {
  const CZelGame& game = *g_pGame;
  constexpr uint32_t kWhite = 0xFFFFFFFF;
  layout_.picture->DrawImage(0, 0, kWhite);
  const CBitmapFont& digits = *game.numberFont;
  digits.DrawString(IntToStr(clearBonus), kNumbersX, layout_.clearBonusY, kWhite);
  digits.DrawString(IntToStr(bonus), kNumbersX, layout_.bonusY, kWhite);
  digits.DrawString(IntToStr(game.score), kNumbersX, layout_.scoreY, kWhite);
  digits.DrawString(IntToStr(game.hiScore), kNumbersX, layout_.hiScoreY, kWhite);
}

CEvent_Ending::CEvent_Ending()
    : CEvent_EndingScene(30, Easy() ? 5000 : 10000, Easy() ? 1500 : 3000, Easy() ? 4500 : 6000, 180,
                         {g_pGame->texCongratulations, 236, 276, 376, 416}) {}

CEvent_Ending2::CEvent_Ending2()
    : CEvent_EndingScene(40, 50000, Easy() ? 2500 : 4000, Easy() ? 8500 : 10000, 240,
                         {g_pGame->texAllclear, 336, 376, 476, 516}) {}
