// The picture painter: anti-aliased coverage, outlines, blur, layering and
// PNG output. Faults here would show as jagged or shifted art everywhere.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

#include "Canvas.h"
#include "Noise.h"
#include "Shapes.h"
#include "Type.h"
#include "platform/ImageFile.h"
#include "support/TempDir.h"

namespace {

float Sum(const Mask& m) {
  float s = 0;
  for (float v : m.a) s += v;
  return s;
}

TEST(Painter, ShapesCoverTheirAreaWithSoftEdges) {
  Mask circle = Circle(50, 50, 20);
  EXPECT_NEAR(Sum(circle), std::numbers::pi_v<float> * 400, 8);
  EXPECT_FLOAT_EQ(circle.At(50, 50), 1);
  EXPECT_FLOAT_EQ(circle.At(50, 80), 0);
  // The rim is a band of partly covered pixels all the way round.
  int partial = 0;
  for (float v : circle.a) partial += v > 0.05f && v < 0.95f;
  EXPECT_GT(partial, 60);

  EXPECT_NEAR(Sum(Rect(10, 10, 30, 20)), 600, 1);
  EXPECT_NEAR(Sum(Ellipse(50, 50, 30, 10)), std::numbers::pi_v<float> * 300, 8);
  // A triangle given either way round fills the same half square.
  Mask a = Polygon({{0, 0}, {40, 0}, {0, 40}}), b = Polygon({{0, 40}, {40, 0}, {0, 0}});
  EXPECT_NEAR(Sum(a), 800, 6);
  EXPECT_NEAR(Sum(a), Sum(b), 0.01f);
  EXPECT_NEAR(Sum(Line({10, 10}, {50, 10}, 4)), 40 * 4 + std::numbers::pi_v<float> * 4, 4);
}

TEST(Painter, MaskOperationsKeepShapeAndMass) {
  Mask dot = Circle(30, 30, 10);
  Mask grown = Grow(dot, 3);
  // The outline adds three pixels all round: a circle of radius 13.
  EXPECT_NEAR(std::sqrt(Sum(grown) / std::numbers::pi_v<float>), 13, 0.5f);
  EXPECT_FLOAT_EQ(grown.At(30, 41), 1);  // the old rim, now inside
  EXPECT_FLOAT_EQ(grown.At(30, 45), 0);

  Mask blurred = Blur(dot, 3);
  EXPECT_NEAR(Sum(blurred), Sum(dot), 0.5f);  // blurring moves coverage, never adds any
  EXPECT_LT(blurred.At(30, 30), 1.0001f);
  EXPECT_GT(blurred.At(30, 42), 0);

  Mask ring = Subtract(Circle(30, 30, 10), Circle(30, 30, 6));
  EXPECT_FLOAT_EQ(ring.At(30, 30), 0);
  EXPECT_FLOAT_EQ(ring.At(30, 38), 1);
  Mask both = Union(Circle(10, 10, 5), Circle(40, 10, 5));
  EXPECT_FLOAT_EQ(both.At(10, 10), 1);
  EXPECT_FLOAT_EQ(both.At(40, 10), 1);
  EXPECT_FLOAT_EQ(Shifted(dot, 5, -2).At(35, 28), 1);
}

TEST(Painter, LayersBlendLikeStraightAlphaOver) {
  Canvas c(4, 4, Hex(0x0000FF));
  Mask all = Rect(0, 0, 4, 4);
  c.Fill(all, Rgba{1, 0, 0, 0.5f});
  Rgba p = c.Get(1, 1);
  EXPECT_NEAR(p.r, 0.5f, 1e-5f);
  EXPECT_NEAR(p.b, 0.5f, 1e-5f);
  EXPECT_NEAR(p.a, 1, 1e-5f);

  // Half-transparent paint on an empty canvas keeps its colour, not a
  // darkened one, so overlays do not get dark fringes.
  Canvas clear(2, 2);
  clear.Fill(Rect(0, 0, 2, 2), Rgba{1, 1, 1, 0.25f});
  Rgba q = clear.Get(0, 0);
  EXPECT_NEAR(q.r, 1, 1e-5f);
  EXPECT_NEAR(q.a, 0.25f, 1e-5f);

  Canvas big(4, 4, Hex(0x000000));
  big.Fill(Rect(0, 0, 2, 4), Hex(0xFFFFFF));
  Canvas small = big.Downsample(2);
  EXPECT_NEAR(small.Get(0, 0).r, 1, 1e-5f);
  EXPECT_NEAR(small.Get(1, 0).r, 0, 1e-5f);
  Canvas half = big.Downsample(4);
  EXPECT_NEAR(half.Get(0, 0).r, 0.5f, 1e-5f);
}

TEST(Painter, PngKeepsEveryPixelAndItsAlpha) {
  Canvas c(3, 2);
  c.Set(0, 0, Hex(0xFF0000));
  c.Set(1, 0, Hex(0x00FF00, 0.5f));
  c.Set(2, 1, Hex(0x123456));
  TempDir dir;
  WritePng(c, dir / "painted.png");
  const std::optional<Image> image = LoadImageFile(dir / "painted.png");
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, 3);
  EXPECT_EQ(image->argb, (std::vector<uint32_t>{0xFFFF0000, 0x8000FF00, 0, 0, 0, 0xFF123456}));
}

TEST(Painter, TextIsPlacedByItsCapitals) {
  const TextStyle style{Face::Bold, 24, 1, 0};
  // TextAt centres capitals on the given line, whatever the size.
  for (float size : {14.0f, 24.0f, 60.0f}) {
    TextStyle s = style;
    s.size = size;
    Mask m = TextAt(s, "HEH", 100, 80, Align::Left);
    int top = m.h, bottom = 0;
    for (int y = 0; y < m.h; ++y)
      for (int x = 0; x < m.w; ++x)
        if (m.a[size_t(y) * m.w + x] > 0.5f) top = std::min(top, y), bottom = std::max(bottom, y);
    EXPECT_NEAR(float(m.y0 + top + m.y0 + bottom + 1) / 2, 80, 1.0f) << size;
  }
  float width = TextWidth(style, "SCORE");
  EXPECT_GT(width, TextWidth(style, "SCO"));
  // Right alignment ends the ink at x, centring straddles it.
  auto inkRight = [](const Mask& m) {
    int right = m.x0;
    for (int y = 0; y < m.h; ++y)
      for (int x = 0; x < m.w; ++x)
        if (m.a[size_t(y) * m.w + x] > 0.5f) right = std::max(right, m.x0 + x + 1);
    return right;
  };
  EXPECT_NEAR(inkRight(TextAt(style, "SCORE", 300, 50, Align::Right)), 300, 3);
  EXPECT_NEAR(inkRight(TextAt(style, "SCORE", 300, 50, Align::Centre)), 300 + width / 2, 3);
  // Tall digits: stretching raises the capitals, not the advance.
  TextStyle tall = style;
  tall.stretch = 2;
  EXPECT_NEAR(CapHeight(tall), 2 * CapHeight(style), 2);
  EXPECT_NEAR(TextWidth(tall, "123"), TextWidth(style, "123"), 1);
}

TEST(Painter, NoiseStaysInRange) {
  EXPECT_NE(Hash(3, 4, 5), Hash(4, 3, 5));
  float lo = 1, hi = 0;
  for (int i = 0; i < 2000; ++i) {
    float v = Fbm(float(i) * 0.37f, float(i) * 0.11f, 9, 4);
    lo = std::min(lo, v), hi = std::max(hi, v);
  }
  EXPECT_GE(lo, 0);
  EXPECT_LT(hi, 1);
  EXPECT_GT(hi - lo, 0.4f);  // it does vary
  Rng r(1);
  for (int i = 0; i < 500; ++i) ASSERT_THAT(r.Int(2, 5), ::testing::AllOf(::testing::Ge(2), ::testing::Le(5)));
}

}  // namespace
