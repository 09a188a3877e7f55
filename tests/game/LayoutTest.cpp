#include <gtest/gtest.h>

#include "actors/CEffect_Fade.h"
#include "support/SessionHarness.h"

namespace {

constexpr uint32_t kSky = 0xFF8080C8;
constexpr uint32_t kBand = 0xFFC88080;

// One clear or quad of the last frame, reduced to what the layouts decide.
struct Drawn {
  DrawKind kind;
  int viewportY, viewportHeight;
  uint32_t colour;
  std::string picture;  // file name of the texture; "" for none
  float x = 0, y = 0, right = 0;
};

std::vector<Drawn> LastFrame(const RecordingDevice& device) {
  std::vector<Drawn> frame;
  for (const DrawRecord& draw : device.Draws()) {
    Drawn d{draw.kind, draw.viewport.y, draw.viewport.height, draw.color, ""};
    if (draw.kind == DrawKind::Quad) {
      d.colour = draw.quad[0].diffuse;
      d.x = draw.quad[0].x;
      d.y = draw.quad[0].y;
      d.right = draw.quad[3].x;
      d.picture = PictureOf(draw);
    }
    EXPECT_EQ(draw.viewport.width, 800);
    frame.push_back(d);
  }
  return frame;
}

std::vector<Drawn> Quads(const std::vector<Drawn>& frame, const std::string& picture) {
  std::vector<Drawn> found;
  for (const Drawn& d : frame) {
    if (d.kind == DrawKind::Quad && d.picture == picture) found.push_back(d);
  }
  return found;
}

class LayoutTest : public ::testing::Test {
 protected:
  LayoutTest() {
    game.life = 2;
    game.time = 250;
    game.stage = 7;
    game.score = 123456;
    game.hudPanel = 4;
    new CEffect_Fade;
  }
  std::vector<Drawn> Frame() {
    h.game->RenderFrame();
    return LastFrame(h.Device());
  }
  ScratchTree tree;
  SessionHarness h{tree};
  CZelGame& game = *h.game;
};

TEST_F(LayoutTest, PlayDrawsTheStageAboveTheBandAndEffectsOverBoth) {
  const std::vector<Drawn> frame = Frame();
  ASSERT_GE(frame.size(), 3u);
  EXPECT_EQ(frame[0].kind, DrawKind::Clear);
  EXPECT_EQ(frame[0].colour, kSky);
  EXPECT_EQ(frame[0].viewportHeight, 550);
  EXPECT_EQ(frame[1].kind, DrawKind::Clear);
  EXPECT_EQ(frame[1].colour, kBand);
  EXPECT_EQ(frame[1].viewportY, 550);
  EXPECT_EQ(frame[1].viewportHeight, 50);
  EXPECT_EQ(frame[2].picture, "info5.png");
  EXPECT_EQ(frame[2].y, 550);
  const Drawn& fade = frame.back();
  EXPECT_EQ(fade.picture, "black.png");
  EXPECT_EQ(fade.viewportY, 0);
  EXPECT_EQ(fade.viewportHeight, 600);
}

TEST_F(LayoutTest, ScenesAndTheTimeBeforeAGameCoverTheWholeScreenWithoutTheBand) {
  for (int variant = 0; variant < 2; ++variant) {
    game.eventActive = variant == 0;
    game.life = variant == 0 ? 2 : -1;
    const std::vector<Drawn> frame = Frame();
    ASSERT_EQ(frame.size(), 2u);
    EXPECT_EQ(frame[0].kind, DrawKind::Clear);
    EXPECT_EQ(frame[0].colour, 0x00000000u);
    EXPECT_EQ(frame[0].viewportHeight, 600);
    EXPECT_EQ(frame[1].picture, "black.png");
  }
}

TEST_F(LayoutTest, OptionSceneShowsTheChosenBandPictureAloneAndEffectsTwice) {
  game.optionActive = true;
  game.eventActive = true;
  std::vector<Drawn> frame = Frame();
  ASSERT_EQ(frame.size(), 5u);
  EXPECT_EQ(frame[0].colour, kSky);
  EXPECT_EQ(frame[1].picture, "black.png");
  EXPECT_EQ(frame[1].viewportHeight, 550);
  EXPECT_EQ(frame[2].colour, kBand);
  EXPECT_EQ(frame[3].picture, "info5.png");
  EXPECT_EQ(frame[4].picture, "black.png");
  EXPECT_EQ(frame[4].viewportY, 550);

  game.hudPanel = 8;
  EXPECT_EQ(Frame()[3].picture, "info9.png");
  game.hudPanel = 9;  // no such picture
  EXPECT_EQ(Frame().size(), 4u);
}

TEST_F(LayoutTest, HudPlacesLabelsAndNumbersAlongTheBand) {
  const std::vector<Drawn> frame = Frame();
  const std::vector<Drawn> letters = Quads(frame, "FontEnglish.png");
  ASSERT_EQ(letters.size(), 18u);  // TIME STAGE LIFE SCORE
  for (const auto& [index, x] : {std::pair{0, 30.0f}, {4, 210.0f}, {9, 370.0f}, {13, 570.0f}}) {
    EXPECT_EQ(letters[index].x, x);
    EXPECT_EQ(letters[index].y, 550);
  }
  const std::vector<Drawn> digits = Quads(frame, "FontNumber.png");
  ASSERT_EQ(digits.size(), 3u + 1 + 1 + 6);  // 250, 7, 2, 123456
  for (const auto& [index, x] : {std::pair{0, 120.0f}, {3, 315.0f}, {4, 530.0f}, {5, 670.0f}}) {
    EXPECT_EQ(digits[index].x, x);
    EXPECT_EQ(digits[index].y, 545);
  }
  EXPECT_EQ(digits.back().right, 790);  // six digits from 670
  const std::vector<Drawn> icon = Quads(frame, "life.png");
  ASSERT_EQ(icon.size(), 1u);
  EXPECT_EQ(icon[0].x, 455);
  EXPECT_EQ(icon[0].y, 545);
}

TEST_F(LayoutTest, TheLastHundredTimeUnitsShowInTheBandColour) {
  auto hurried = [this] {
    int count = 0;
    for (const Drawn& d : Quads(Frame(), "FontNumber.png")) count += d.colour == kBand;
    return count;
  };
  game.time = 101;
  EXPECT_EQ(hurried(), 0);
  game.time = 100;
  EXPECT_EQ(hurried(), 3);
  game.time = 0;
  EXPECT_EQ(hurried(), 1);
}

}  // namespace
