// Pictures drawn off screen with the real GL device, compared with reference
// PNGs in tests/data/image/.

#include <gtest/gtest.h>

#include <cmath>

#include "gfx/BitmapFont.h"
#include "gfx/DXFont.h"
#include "gfx/Texture.h"
#include "support/ImageCompare.h"
#include "support/OffscreenDevice.h"
#include "support/ScratchImages.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;

// A 64 x 64 picture: a colour wheel inside a disc, fully transparent outside.
std::string WriteDiscPng() {
  return WriteScratchImage("disc.png", Paint(64, 64, [](int x, int y) {
    double dx = x - 31.5, dy = y - 31.5;
    auto hue = static_cast<uint32_t>((std::atan2(dy, dx) + M_PI) / (2 * M_PI) * 255);
    uint32_t rgb = (hue << 16) | ((255 - hue) << 8) | static_cast<uint32_t>(x * 4);
    return dx * dx + dy * dy < 30 * 30 ? 0xFF000000 | rgb : 0x00FFFFFF;
  }));
}

using DeviceImageTest = OffscreenDeviceTest;

TEST_F(DeviceImageTest, QuadsWithFullHalfAndNoAlpha) {
  Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, 0xFF3C5A8C, 1);
  CTexture disc(Device(), WriteDiscPng());
  for (int i = 0; i < 3; ++i) {
    const uint32_t alpha[] = {0xFF000000, 0x80000000, 0x00000000};
    disc.DrawImage(100 + 200 * i, 100, alpha[i] | 0xFFFFFF);
    disc.Draw(100 + 200 * i, 250, 128, 128, 0, 0, 1, 1, alpha[i] | 0xFF8040);
  }
  // A quarter of the disc, doubled, over the edge of another.
  disc.DrawPart(340, 420, 2, 2, 0.5f, 0.5f, 0.5f, 0.5f, kWhite);
  disc.DrawImage(400, 440, 0xC0FFFFFF);
  EXPECT_TRUE(MatchesReference(Capture(), "quads-alpha"));
}

TEST_F(DeviceImageTest, ViewportsClipClearsAndQuads) {
  CTexture disc(Device(), WriteDiscPng());
  Device().SetViewport({0, 0, 800, 550, 0, 1});
  Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, 0xFF8080C8, 1);
  disc.Draw(-40, 480, 200, 200, 0, 0, 1, 1, kWhite);
  Device().SetViewport({0, 550, 800, 50, 0, 1});
  Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, 0xFFC88080, 1);
  disc.Draw(300, 480, 200, 200, 0, 0, 1, 1, kWhite);
  Device().SetViewport({600, 100, 150, 150, 0, 1});
  disc.Draw(500, 0, 200, 200, 0, 0, 1, 1, 0xFF00FF00);
  EXPECT_TRUE(MatchesReference(Capture(), "viewport-clip"));
}

// A ten-cell digit atlas: each 20 x 60 cell shows its digit as seven segments.
std::string WriteDigitAtlasPng() {
  static const int kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
  struct Bar { int x0, y0, x1, y1; };
  static const Bar kBars[7] = {{4, 6, 16, 10},  {14, 8, 18, 30}, {14, 30, 18, 52},
                               {4, 50, 16, 54}, {2, 30, 6, 52},  {2, 8, 6, 30},
                               {4, 28, 16, 32}};
  return WriteScratchImage("digits.png", Paint(200, 60, [](int x, int y) {
    for (int s = 0; s < 7; ++s) {
      const Bar& bar = kBars[s];
      const int cx = x % 20;
      if (kSegments[x / 20] >> s & 1 && cx >= bar.x0 && cx < bar.x1 && y >= bar.y0 && y < bar.y1) return kWhite;
    }
    return 0u;
  }));
}

TEST_F(DeviceImageTest, BitmapFontStrings) {
  Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, 0xFF8080C8, 1);
  CBitmapFont digits(Device(), WriteDigitAtlasPng(), "0123456789", 20.0f / 200, 1, 20, 60, 2, 2);
  digits.DrawString("0123456789", 40, 40, kWhite);
  digits.DrawString("12 -34", 40, 120, 0xFFC88080);
  digits.DrawStringShadowed("2024", 40, 200, 0xFFFFFF00, 0xFF000000);
  digits.DrawString("99", 40, 280, 0x80FFFFFF);
  EXPECT_TRUE(MatchesReference(Capture(), "bitmap-font"));
}

TEST_F(DeviceImageTest, SystemFontText) {
  Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, 0xFF000000, 1);
  CSprite sprite;
  CDXFont font;
  ASSERT_FALSE(font.Create(Device(), "HG教科書体", 18, false));
  font.DrawTextF(&sprite, 550, 180, kWhite, "Version %d.%d.%d", 1, 0, 0);
  font.DrawText(&sprite, 40, 40, 0xFFFFC040, "キーが不正です — 関数GetIs");
  font.DrawText(&sprite, 40, 80, 0xFF80FF80, "first line\nsecond line starts at x\n\nafter a blank line");
  font.DrawText(&sprite, 700, 300, kWhite, "clipped at the right edge");
  font.DrawText(&sprite, 40, 590, kWhite, "clipped at the bottom");
  font.DrawText(&sprite, 40, 400, 0x80FFFFFF, "half transparent");
  // Text is generous in the tolerance it gets: glyph edges vary between FreeType builds.
  EXPECT_TRUE(MatchesReference(Capture(), "system-font", 24, 40));
}

// A unit cube with one normal per face and clockwise fronts seen from outside.
std::vector<MeshVertex> CubeVertices() {
  const Vec3 normals[6] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
  std::vector<MeshVertex> vertices;
  for (const Vec3& n : normals) {
    // Two edge directions of the face whose cross product is the normal.
    Vec3 a = std::fabs(n.x) > 0 ? Vec3{0, 1, 0} : Vec3{1, 0, 0};
    Vec3 b = Cross(n, a);
    const float corners[4][2] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    for (const auto& c : corners) {
      MeshVertex v;
      v.position = n * 0.5f + a * (0.5f * c[0]) + b * (0.5f * c[1]);
      v.normal = n;
      v.u = (c[0] + 1) * 1.5f;
      v.v = (c[1] + 1) * 1.5f;
      vertices.push_back(v);
    }
  }
  return vertices;
}

std::vector<uint32_t> CubeIndices() {
  std::vector<uint32_t> indices;
  for (uint32_t f = 0; f < 6; ++f)
    for (uint32_t i : {0u, 1u, 2u, 2u, 1u, 3u}) indices.push_back(4 * f + i);
  return indices;
}

Material Colour(float r, float g, float b, float a = 1) {
  Material m;
  m.diffuse = m.ambient = {r, g, b, a};
  return m;
}

TEST_F(DeviceImageTest, LitMeshesWithCullingAndDepth) {
  SetSideView(Device());
  Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, 0xFF8080C8, 1);
  auto cube = Device().CreateMesh(CubeVertices(), CubeIndices(), {});
  const uint32_t checker[4] = {0xFFFFFFFF, 0xFF606060, 0xFF606060, 0xFFFFFFFF};
  auto texture = Device().CreateTexture(2, 2, checker);

  auto draw = [&](const Matrix& world, const Material& material, const DeviceTexture* t) {
    Device().SetTransform(TransformSlot::World, world);
    Device().SetMaterial(material);
    Device().SetTexture(0, t);
    Device().DrawMesh(*cube, 0, 12);
  };
  const float deg = static_cast<float>(M_PI / 180);
  draw(MatrixScaling(30, 30, 30) * MatrixRotationZ(20 * deg) * MatrixTranslation(315, 250, 10),
       Colour(0.3f, 0.9f, 0.8f), texture.get());
  // Drawn later but partly behind the first: depth decides what shows.
  draw(MatrixScaling(40, 40, 40) * MatrixRotationY(35 * deg) * MatrixRotationX(25 * deg) *
           MatrixTranslation(345, 240, 0),
       Colour(1, 0.6f, 0.2f), nullptr);
  // Above 1 the material saturates; half alpha blends over the background.
  draw(MatrixScaling(20, 20, 20) * MatrixRotationY(45 * deg) * MatrixTranslation(265, 280, 0),
       Colour(2.5f, 2.5f, 0.5f), nullptr);
  draw(MatrixScaling(20, 20, 20) * MatrixRotationX(45 * deg) * MatrixTranslation(265, 200, 0),
       Colour(0.9f, 0.2f, 0.3f, 0.5f), nullptr);
  // A 2D quad drawn afterwards at depth 0 covers the models.
  DrawScreenQuad(Device(), 20, 20, 120, 40, 0, 0, 1, 1, 0xFF203040);
  EXPECT_TRUE(MatchesReference(Capture(), "lit-meshes"));
}

}  // namespace
