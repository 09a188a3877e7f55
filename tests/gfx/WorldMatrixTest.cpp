#include <gtest/gtest.h>

#include <cmath>

#include "gfx/WorldMatrix.h"

namespace {

constexpr float kPi = 3.14159265358979f;

void ExpectMatrix(const Matrix& m, const float (&expected)[4][4]) {
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) EXPECT_NEAR(m.m[r][c], expected[r][c], 1e-5) << "row " << r << " col " << c;
}

}  // namespace

// Scale 2, rotation (0, 90°, 45°), translation (5, 6, 7); rows worked out by hand.
TEST(WorldMatrix, OrderCodesApplyRotationsInTheirSequence) {
  const float h = std::sqrt(0.5f);
  const Vec3 position{5, 6, 7}, scale{2, 2, 2}, rotation{0, kPi / 2, kPi / 4};
  // 7: about y, then about z.
  const float yz[4][4] = {{0, 0, -2, 0}, {-2 * h, 2 * h, 0, 0}, {2 * h, 2 * h, 0, 0}, {5, 6, 7, 1}};
  ExpectMatrix(ComposeWorldMatrix(position, scale, rotation, 7), yz);
  // 9: about z, then about y: a different pose.
  const float zy[4][4] = {{0, 2 * h, -2 * h, 0}, {0, 2 * h, 2 * h, 0}, {2, 0, 0, 0}, {5, 6, 7, 1}};
  ExpectMatrix(ComposeWorldMatrix(position, scale, rotation, 9), zy);
  // 0 and anything outside 1..15: scaled and moved, not turned.
  const float none[4][4] = {{2, 0, 0, 0}, {0, 2, 0, 0}, {0, 0, 2, 0}, {5, 6, 7, 1}};
  ExpectMatrix(ComposeWorldMatrix(position, scale, rotation, 0), none);
  ExpectMatrix(ComposeWorldMatrix(position, scale, rotation, 16), none);
  ExpectMatrix(ComposeWorldMatrix(position, scale, rotation, -1), none);
}

TEST(WorldMatrix, ThreeAxisCodesTurnAPointStepByStep) {
  // Code 13 (y, z, x) with 90° each carries +x to -z (y), then -z stays (z), then to +y (x).
  const Vec3 quarter{kPi / 2, kPi / 2, kPi / 2};
  Vec3 p = TransformCoord({1, 0, 0}, ComposeWorldMatrix({}, {1, 1, 1}, quarter, 13));
  EXPECT_NEAR(p.x, 0, 1e-5);
  EXPECT_NEAR(p.y, 1, 1e-5);
  EXPECT_NEAR(p.z, 0, 1e-5);
  // Code 15 (z, y, x): +x to +y (z), +y stays (y), then to +z (x).
  p = TransformCoord({1, 0, 0}, ComposeWorldMatrix({}, {1, 1, 1}, quarter, 15));
  EXPECT_NEAR(p.x, 0, 1e-5);
  EXPECT_NEAR(p.y, 0, 1e-5);
  EXPECT_NEAR(p.z, 1, 1e-5);
}

// The composition skips the products with the rotation matrices' zeros and
// ones; every entry must still be the one the chain of 4 x 4 products gives
// (a zero's sign aside, which == ignores).
TEST(WorldMatrix, EqualsTheProductOfScalingRotationsAndTranslation) {
  const char* const axes[16] = {"", "x", "y", "z", "xy", "xz", "yx", "yz", "zx", "zy", "xyz", "xzy", "yxz", "yzx", "zxy", "zyx"};
  uint32_t seed = 12345;
  auto next = [&seed](float low, float high) {
    seed = seed * 1664525u + 1013904223u;
    return low + (high - low) * static_cast<float>(seed >> 8) / static_cast<float>(1u << 24);
  };
  for (int round = 0; round < 200; ++round) {
    const Vec3 position{next(-400, 400), next(-400, 400), next(-50, 50)};
    const Vec3 scale{next(-5, 5), next(0.01f, 5), next(0.01f, 5)};
    // Whole quarter turns and zeros too, as the game draws them.
    const Vec3 rotation{round % 3 == 0 ? 0.0f : next(-7, 7), round % 5 == 0 ? kPi / 2 : next(-7, 7),
                        round % 4 == 0 ? 0.0f : next(-7, 7)};
    const int order = round % 16;
    Matrix expected = MatrixScaling(scale.x, scale.y, scale.z);
    for (const char* axis = axes[order]; *axis; ++axis) {
      expected = expected * (*axis == 'x'   ? MatrixRotationX(rotation.x)
                             : *axis == 'y' ? MatrixRotationY(rotation.y)
                                            : MatrixRotationZ(rotation.z));
    }
    expected = expected * MatrixTranslation(position.x, position.y, position.z);
    const Matrix composed = ComposeWorldMatrix(position, scale, rotation, order);
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 4; ++c) ASSERT_EQ(composed.m[r][c], expected.m[r][c]) << "round " << round << " [" << r << "][" << c << "]";
  }
}
