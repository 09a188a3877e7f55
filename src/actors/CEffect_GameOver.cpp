#include "actors/CEffect_GameOver.h"

#include "actors/CEffect_Fade.h"
#include "game/CZelGame.h"
#include "game/TaskSlots.h"
#include "scenes/CEvent_Title.h"
#include "util/StringUtil.h"

static_assert(sizeof(CEffect_GameOver) <= kEffectSlots.slotSize);

namespace {

constexpr int kTunePeriod = 180;
constexpr int kFadeStep = 2;
constexpr int kLeaveStep = 62;

}  // namespace

CEffect_GameOver::CEffect_GameOver() {
  g_pGame->SaveHiScore();
  g_pGame->StopBGM();
}

bool CEffect_GameOver::Move() {
  if (++soundCounter % kTunePeriod == 0) g_pGame->PlaySE(g_pGame->seGameover);
  if (g_pGame->GetIs(0, 0) || g_pGame->GetIs(0, 2)) ++exitCounter;
  if (exitCounter < 1) return true;
  ++exitCounter;
  if (exitCounter == kFadeStep) new CEffect_Fade;
  if (exitCounter < kLeaveStep) return true;
  new CEvent_Title;
  return false;
}

void CEffect_GameOver::Draw() {
  g_pGame->texGameover->DrawImage(0, 0, kOpaqueWhite);
  g_pGame->numberFont->DrawString(IntToStr(g_pGame->score), 650, 370, kOpaqueWhite);
  g_pGame->numberFont->DrawString(IntToStr(g_pGame->hiScore), 650, 420, kOpaqueWhite);
}
