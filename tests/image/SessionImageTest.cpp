// A whole frame of the session drawn off screen with the real GL device: the
// play layout with its HUD band under the Ready banner, an explosion and a
// fade. The pictures are stand-ins made here, so the reference follows the
// layout rather than the art.

#include <gtest/gtest.h>

#include "actors/CEffect_Bomb.h"
#include "actors/CEffect_Fade.h"
#include "actors/CEffect_Ready.h"
#include "platform/OffscreenPlatform.h"
#include "support/ImageCompare.h"
#include "support/SessionHarness.h"

namespace {

// Glyph cells: boxes on a transparent margin, notched deeper for later cells.
Image Glyphs(int cells, int height, uint32_t colour) {
  return Paint(cells * 20, height, [=](int x, int y) {
    const bool box = x % 20 >= 3 && x % 20 < 17 && y >= 6 && y < height - 6;
    const bool notch = x % 20 >= 8 && x % 20 < 12 && y < 9 + x / 20 % 10 * 3;
    return box && !notch ? colour : 0u;
  });
}

uint32_t Disc(int x, int y, int cx, int cy, int r, uint32_t colour) {
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) < r * r ? colour : 0u;
}

class PaintedTree : public ScratchTree {
 public:
  PaintedTree() {
    WritePicture("Texture/info3.png", Paint(800, 50, [](int x, int y) { return 0xFF004000u | x * 255 / 800 << 16 | y * 5; }));
    WritePicture("Font/FontNumber.png", Glyphs(10, 60, 0xFFFFFFFF));
    WritePicture("Font/FontEnglish.png", Glyphs(30, 50, 0xFFFFF0A0));
    WritePicture("Texture/life.png", Paint(60, 50, [](int x, int y) { return Disc(x, y, 30, 25, 20, 0xFFE03030); }));
    WritePicture("Texture/Getready.png",
                 Paint(400, 100, [](int x, int y) { return (x / 25 + y / 25) % 2 ? 0xFFF0A020u : 0xC0A04010u; }));
    WritePicture("Texture/black.png", Paint(800, 600, [](int, int) { return 0xFF000000u; }));
    WritePicture("Texture/bomb.png",
                 Paint(800, 46, [](int x, int y) { return Disc(x % 100, y, 50, 23, 22, 0xFF002000 | x / 100 * 30 << 16); }));
  }
};

TEST(SessionImageTest, PlayLayoutWithTheHudUnderTheReadyBannerAnExplosionAndAFade) {
  PaintedTree tree;
  SessionHarness h{tree, std::make_unique<OffscreenPlatform>()};
  CZelGame& game = *h.game;
  game.OnResetDevice();
  game.life = 3;
  game.time = 95;
  game.stage = 12;
  game.score = 123456;
  game.hudPanel = 2;
  new CEffect_Ready;
  h.Step(43);
  new CEffect_Fade;
  h.Step(7);
  new CEffect_Bomb(330, 250);
  h.Step(6);
  game.RenderFrame();
  EXPECT_TRUE(MatchesReference({800, 600, game.GetDisplay()->GetDevice()->ReadBackBuffer()}, "session-play"));
}

}  // namespace
