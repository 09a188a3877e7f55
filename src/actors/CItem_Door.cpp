#include "actors/CItem_Door.h"

#include <numbers>

#include "game/CZelGame.h"
#include "game/TaskSlots.h"

static_assert(sizeof(CItem_Door) <= kItemSlots.slotSize);

namespace {

constexpr float kOpenAngle = 90;
constexpr float kLeafOffset = 5;  // each leaf hangs half a cell beside the centre
constexpr float kPulseStep = 0.01f;
constexpr float kPulseTop = 2;

}  // namespace

CItem_Door::CItem_Door(float x, float y) : CItem(g_pGame->meshDoor, x, y, 1.5f) {
  scale = 5;
  g_pGame->doorX = static_cast<int32_t>(x);
  g_pGame->doorY = static_cast<int32_t>(y);
}

bool CItem_Door::Move() {
  CZelGame& game = *g_pGame;
  if (touchingPlayer && game.keyTaken) {
    game.stageClear = true;
    game.playing = false;
  }
  if (game.keyTaken && yaw < kOpenAngle && !game.stageClear) yaw += 1;
  if (game.stageClear) yaw -= 1;
  return CItem::Move();
}

float CItem_Door::AdvanceBrightness() {
  s_brightness += s_brightnessFalling ? -kPulseStep : kPulseStep;
  if (s_brightness < 0) s_brightnessFalling = false;
  if (s_brightness > kPulseTop) s_brightnessFalling = true;
  return s_brightness;
}

void CItem_Door::Draw() {
  constexpr float kRadians = std::numbers::pi_v<float> / 180;
  const float brightness = AdvanceBrightness();
  g_pGame->meshDoor->DrawColored(x, y, z, scale, scale, scale, 0, 0, 0, 0, brightness, brightness, brightness, 1,
                                 false);
  g_pGame->meshDoor_L->Draw(x + kLeafOffset, y, z, scale, scale, scale, 0, yaw * kRadians, 0, 2, 1, false);
  g_pGame->meshDoor_R->Draw(x - kLeafOffset, y, z, scale, scale, scale, 0, -yaw * kRadians, 0, 2, 1, false);
}
