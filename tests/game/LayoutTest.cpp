#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "actors/CEffect_Fade.h"
#include "support/SessionHarness.h"

namespace {

constexpr uint32_t kBand = 0xFFC88080;

// Each clear or quad of a frame as "what@viewportTop": the clear colour in
// hex, or the picture drawn.
std::vector<std::string> Outline(const RecordingDevice& device) {
  std::vector<std::string> outline;
  for (const DrawRecord& draw : device.Draws()) {
    std::ostringstream what;
    if (draw.kind == DrawKind::Clear) {
      what << std::hex << draw.color << std::dec;
    } else {
      what << PictureOf(draw);
    }
    what << "@" << draw.viewport.y;
    outline.push_back(what.str());
  }
  return outline;
}

class LayoutTest : public SessionTest {
 protected:
  LayoutTest() {
    game.life = 2;
    game.time = 250;
    game.stage = 7;
    game.score = 123456;
    game.hudPanel = 4;
    new CEffect_Fade;
  }
  const std::vector<DrawRecord>& Frame() {
    game.RenderFrame();
    return h.Device().Draws();
  }
  // Quads of one picture in the last frame, as top-left x, y and colour.
  std::vector<std::tuple<float, float, uint32_t>> Quads(const std::string& picture) {
    std::vector<std::tuple<float, float, uint32_t>> quads;
    for (const DrawRecord& draw : h.Device().Draws()) {
      if (PictureOf(draw) == picture) quads.emplace_back(draw.quad[0].x, draw.quad[0].y, draw.quad[0].diffuse);
    }
    return quads;
  }
};

TEST_F(LayoutTest, PlayDrawsTheStageAboveTheBandAndEffectsOverBoth) {
  const std::vector<DrawRecord>& frame = Frame();
  EXPECT_EQ(frame[0].viewport.height, 550);
  const std::vector<std::string> outline = Outline(h.Device());
  EXPECT_EQ(std::vector(outline.begin(), outline.begin() + 3),
            (std::vector<std::string>{"ff8080c8@0", "ffc88080@550", "info5.png@550"}));
  EXPECT_EQ(outline.back(), "black.png@0");
  EXPECT_EQ(frame.back().viewport.height, 600);
}

TEST_F(LayoutTest, ScenesAndTheTimeBeforeAGameCoverTheWholeScreenWithoutTheBand) {
  game.eventActive = true;
  Frame();
  EXPECT_EQ(Outline(h.Device()), (std::vector<std::string>{"0@0", "black.png@0"}));
  EXPECT_EQ(h.Device().Draws()[0].viewport.height, 600);
  game.eventActive = false;
  game.life = -1;
  Frame();
  EXPECT_EQ(Outline(h.Device()), (std::vector<std::string>{"0@0", "black.png@0"}));
}

TEST_F(LayoutTest, OptionSceneShowsTheChosenBandPictureAloneAndEffectsTwice) {
  game.optionActive = true;
  game.eventActive = true;
  Frame();
  EXPECT_EQ(Outline(h.Device()),
            (std::vector<std::string>{"ff8080c8@0", "black.png@0", "ffc88080@550", "info5.png@550", "black.png@550"}));
  game.hudPanel = 8;
  Frame();
  EXPECT_EQ(Outline(h.Device())[3], "info9.png@550");
  game.hudPanel = 9;  // no such picture
  Frame();
  EXPECT_EQ(Outline(h.Device()).size(), 4u);
}

TEST_F(LayoutTest, HudPlacesLabelsAndNumbersAlongTheBand) {
  Frame();
  const auto letters = Quads("FontEnglish.png");  // TIME STAGE LIFE SCORE
  ASSERT_EQ(letters.size(), 18u);
  EXPECT_EQ((std::vector{std::get<0>(letters[0]), std::get<0>(letters[4]), std::get<0>(letters[9]),
                         std::get<0>(letters[13]), std::get<1>(letters[0])}),
            (std::vector<float>{30, 210, 370, 570, 550}));
  const auto digits = Quads("FontNumber.png");  // 250, 7, 2, 123456
  ASSERT_EQ(digits.size(), 11u);
  EXPECT_EQ((std::vector{std::get<0>(digits[0]), std::get<0>(digits[3]), std::get<0>(digits[4]),
                         std::get<0>(digits[5]), std::get<0>(digits[10]), std::get<1>(digits[0])}),
            (std::vector<float>{120, 315, 530, 670, 770, 545}));
  EXPECT_EQ(Quads("life.png"), (std::vector{std::tuple{455.0f, 545.0f, 0xFFFFFFFFu}}));
}

TEST_F(LayoutTest, TheLastHundredTimeUnitsShowInTheBandColour) {
  auto hurried = [this](int time) {
    game.time = time;
    Frame();
    int count = 0;
    for (const auto& quad : Quads("FontNumber.png")) count += std::get<2>(quad) == kBand;
    return count;
  };
  EXPECT_EQ(hurried(101), 0);
  EXPECT_EQ(hurried(100), 3);
  EXPECT_EQ(hurried(0), 1);
}

}  // namespace
