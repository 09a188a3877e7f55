// Whole frames of the session drawn off screen with the real GL device: the
// play layout with its HUD band under the Ready banner, an explosion and a
// fade; the option layout; the game-over screen. The pictures are simple
// stand-ins made here, so the references follow the layout rather than the art.

#include <gtest/gtest.h>

#include <functional>

#include "actors/CEffect_Bomb.h"
#include "actors/CEffect_Fade.h"
#include "actors/CEffect_GameOver.h"
#include "actors/CEffect_Ready.h"
#include "platform/OffscreenPlatform.h"
#include "support/ImageCompare.h"
#include "support/SessionHarness.h"

namespace {

Image Paint(int width, int height, const std::function<uint32_t(int, int)>& colourAt) {
  Image image;
  image.width = width;
  image.height = height;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.argb.push_back(colourAt(x, y));
  }
  return image;
}

// Glyph cells: a box with a notch whose depth tells the cells apart, on a
// transparent margin.
Image GlyphAtlas(int cells, int cellHeight, uint32_t colour) {
  return Paint(cells * 20, cellHeight, [=](int x, int y) {
    const int cell = x / 20, cx = x % 20;
    const bool box = cx >= 3 && cx < 17 && y >= 6 && y < cellHeight - 6;
    const bool notch = cx >= 8 && cx < 12 && y >= 6 && y < 6 + (cell % 10 + 1) * 3;
    return box && !notch ? colour : 0x00000000u;
  });
}

// The scratch tree with pictures that show where and how they are drawn.
class PaintedTree : public ScratchTree {
 public:
  PaintedTree() {
    WritePicture("Texture/info3.png", Paint(800, 50, [](int x, int y) {
                        return 0xFF000000u | static_cast<uint32_t>(x * 255 / 800) << 16 | 0x40u << 8 |
                               static_cast<uint32_t>(y * 5);
                      }));
    WritePicture("Font/FontNumber.png", GlyphAtlas(10, 60, 0xFFFFFFFF));
    WritePicture("Font/FontEnglish.png", GlyphAtlas(30, 50, 0xFFFFF0A0));
    WritePicture("Texture/life.png", Paint(60, 50, [](int x, int y) {
                        return (x - 30) * (x - 30) + (y - 25) * (y - 25) < 400 ? 0xFFE03030u : 0u;
                      }));
    WritePicture("Texture/Getready.png", Paint(400, 100, [](int x, int y) {
                        return (x / 25 + y / 25) % 2 ? 0xFFF0A020u : 0xC0A04010u;
                      }));
    WritePicture("Texture/black.png", Paint(800, 600, [](int, int) { return 0xFF000000u; }));
    WritePicture("Texture/bomb.png", Paint(800, 46, [](int x, int y) {
                        const auto cell = static_cast<uint32_t>(x / 100);
                        return (x % 100 - 50) * (x % 100 - 50) + (y - 23) * (y - 23) < 500 ? 0xFF002000u | cell * 30 << 16
                                                                                             : 0u;
                      }));
    WritePicture("Texture/gameover.png", Paint(800, 600, [](int x, int y) {
                        return x > 200 && x < 600 && y > 150 && y < 300 ? 0xFFC03030u : 0xFF201010u;
                      }));
  }
};

class SessionImageTest : public ::testing::Test {
 protected:
  SessionImageTest() {
    game.life = 3;
    game.time = 95;
    game.stage = 12;
    game.score = 123456;
    game.hudPanel = 2;
  }

  Image Frame() {
    h.game->RenderFrame();
    return {800, 600, h.game->GetDisplay()->GetDevice()->ReadBackBuffer()};
  }

  PaintedTree tree;
  SessionHarness h{tree, std::make_unique<OffscreenPlatform>()};
  CZelGame& game = *h.game;
};

TEST_F(SessionImageTest, PlayLayoutWithTheHudUnderTheReadyBannerAnExplosionAndAFade) {
  h.game->OnResetDevice();
  new CEffect_Ready;
  h.Step(43);
  new CEffect_Fade;
  h.Step(7);
  new CEffect_Bomb(330, 250);
  h.Step(6);
  EXPECT_TRUE(MatchesReference(Frame(), "session-play"));
}

TEST_F(SessionImageTest, OptionLayoutPreviewsTheBandPictureAlone) {
  h.game->OnResetDevice();
  game.optionActive = true;
  game.eventActive = true;
  new CEffect_Fade;
  h.Step(8);
  EXPECT_TRUE(MatchesReference(Frame(), "session-option"));
}

TEST_F(SessionImageTest, GameOverShowsTheScoreAndTheHighScore) {
  h.game->OnResetDevice();
  game.score = 4800;
  game.hiScore = 5000;
  new CEffect_GameOver;
  h.Step();
  EXPECT_TRUE(MatchesReference(Frame(), "session-gameover"));
}

}  // namespace
