#include "actors/CEffect_Fade.h"

#include "game/CZelGame.h"
#include "game/TaskSlots.h"

static_assert(sizeof(CEffect_Fade) <= kEffectSlots.slotSize);
static_assert(sizeof(CEffect_Fadein) <= kEffectSlots.slotSize);

namespace {

constexpr float kAlphaStep = 10;
constexpr int kBlackFrames = 40;

// "black.png" over the screen at the fade's opacity (whole steps, 8 bits).
void DrawCover(float alpha) {
  const auto a = static_cast<uint32_t>(static_cast<int32_t>(alpha)) & 0xFF;
  g_pGame->texBlack->DrawImage(0, 0, a << 24 | 0x00FFFFFF);
}

}  // namespace

CEffect_Fade::CEffect_Fade() { alpha = 0; }

bool CEffect_Fade::Move() {
  alpha += kAlphaStep;
  if (alpha < 255) return true;
  new CEffect_Fadein;
  return false;
}

void CEffect_Fade::Draw() { DrawCover(alpha); }

CEffect_Fadein::CEffect_Fadein() { alpha = 255; }

bool CEffect_Fadein::Move() {
  ++frame;
  if (frame > kBlackFrames) alpha -= kAlphaStep;
  return alpha > 1;
}

void CEffect_Fadein::Draw() { DrawCover(alpha); }
