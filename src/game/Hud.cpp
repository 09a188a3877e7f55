// The HUD band under the play field: the chosen band picture with the time,
// stage, lives and score over it. Positions are the top-left pixels of what
// is drawn; numbers are left-aligned and grow to the right.

#include "game/CZelGame.h"
#include "util/StringUtil.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kHurryColour = 0xFFC88080;  // the last 100 time units
constexpr int kHurryTime = 100;

}  // namespace

void CZelGame::DrawHud(int height) {
  const auto labelY = static_cast<float>(height - kHudHeight);
  const auto numberY = static_cast<float>(height - 55);
  DrawHudPanel(height);

  letterFont->DrawString("TIME", 30, labelY, kWhite);
  const std::string timeText = IntToStr(time);
  numberFont->DrawString(timeText, 120, numberY, kWhite);
  if (time <= kHurryTime) numberFont->DrawString(timeText, 120, numberY, kHurryColour);

  letterFont->DrawString("STAGE", 210, labelY, kWhite);
  numberFont->DrawString(IntToStr(stage), 315, numberY, kWhite);

  letterFont->DrawString("LIFE", 370, labelY, kWhite);
  texLife->DrawImage(455, numberY, kWhite);
  numberFont->DrawString(IntToStr(life), 530, numberY, kWhite);

  letterFont->DrawString("SCORE", 570, labelY, kWhite);
  numberFont->DrawString(IntToStr(score), 670, numberY, kWhite);
}

// A panel number outside the nine pictures shows none.
void CZelGame::DrawHudPanel(int height) {
  if (hudPanel < 0 || hudPanel >= kPanelCount) return;
  infoPanels[hudPanel]->DrawImage(0, static_cast<float>(height - kHudHeight), kWhite);
}
