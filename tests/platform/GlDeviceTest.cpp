#include "platform/GlDevice.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "support/OffscreenDevice.h"
#include "support/ScratchImages.h"

#include <epoxy/gl.h>

namespace {

constexpr uint32_t kBlue = 0xFF2040A0;
constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kGreen = 0xFF00FF00;

::testing::AssertionResult Near(uint32_t actual, uint32_t expected, int tolerance = 2) {
  for (int shift : {0, 8, 16})
    if (std::abs(int(actual >> shift & 0xFF) - int(expected >> shift & 0xFF)) > tolerance)
      return ::testing::AssertionFailure() << std::hex << actual << " is not near " << expected;
  return ::testing::AssertionSuccess();
}

void Quad(RenderDevice& device, float x, float y, float w, float h, uint32_t argb, float z = 0,
          float u0 = 0, float v0 = 0, float u1 = 1, float v1 = 1) {
  const ScreenVertex quad[4] = {{x, y, z, 1, argb, u0, v0},
                                {x + w, y, z, 1, argb, u1, v0},
                                {x, y + h, z, 1, argb, u0, v1},
                                {x + w, y + h, z, 1, argb, u1, v1}};
  device.DrawScreenQuad(quad);
}

using GlDeviceTest = OffscreenDeviceTest;

TEST_F(GlDeviceTest, TexturesArePointSampledWithWrapAddressing) {
  const uint32_t texels[6] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF,
                              0xFFFFFF00, 0xFF00FFFF, 0xFFFF00FF};
  auto texture = Device().CreateTexture(3, 2, texels);
  EXPECT_EQ(texture->width, 4u);
  EXPECT_EQ(texture->height, 2u);
  Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, 0xFF000000, 1);
  Device().SetTexture(0, texture.get());
  Quad(Device(), 10, 20, 3, 2, 0xFFFFFFFF);
  Quad(Device(), 100, 20, 6, 4, 0xFFFFFFFF);
  Quad(Device(), 200, 20, 6, 2, 0xFFFFFFFF, 0, 0, 0, 2, 1);

  Image picture = Capture();
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(picture.At(10 + x, 20 + y) | 0xFF000000, texels[3 * y + x]) << x << "," << y;
      // Doubled: each texel covers a 2 x 2 block.
      EXPECT_EQ(picture.At(100 + 2 * x + 1, 20 + 2 * y + 1) | 0xFF000000, texels[3 * y + x]);
      // u 0..2 repeats the image.
      EXPECT_EQ(picture.At(203 + x, 20 + y) | 0xFF000000, texels[3 * y + x]);
    }
}

// A picture file is only read at load: its size is known at once, its pixels
// when it is first drawn with. Bytes that do not decode draw nothing.
TEST_F(GlDeviceTest, PictureFilesLoadNowAndDecodeWhenFirstDrawn) {
  Image image;
  image.width = 2;
  image.height = 2;
  image.argb = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00};
  const std::string path = WriteScratchImage("first-drawn.png", image);
  auto texture = Device().LoadTexture(path);
  ASSERT_NE(texture, nullptr);
  EXPECT_EQ(texture->imageWidth, 2u);
  EXPECT_EQ(texture->height, 2u);

  std::optional<EncodedImage> broken = ReadPngFile(path);
  ASSERT_TRUE(broken);
  broken->bytes.resize(40);
  const std::string brokenPath = ::testing::TempDir() + "vexhop-broken-" + std::to_string(getpid()) + ".png";
  std::ofstream(brokenPath, std::ios::binary).write(reinterpret_cast<const char*>(broken->bytes.data()), 40);
  auto unreadable = Device().LoadTexture(brokenPath);
  ASSERT_NE(unreadable, nullptr);
  EXPECT_EQ(unreadable->imageWidth, 2u);

  Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, kBlue, 1);
  Device().SetTexture(0, texture.get());
  Quad(Device(), 10, 10, 2, 2, 0xFFFFFFFF);
  Device().SetTexture(0, unreadable.get());
  Quad(Device(), 20, 10, 2, 2, 0xFFFFFFFF);
  Image picture = Capture();
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) {
      EXPECT_EQ(picture.At(10 + x, 10 + y) | 0xFF000000, image.argb[2 * y + x]);
      EXPECT_EQ(picture.At(20 + x, 10 + y) | 0xFF000000, kBlue);
    }
}

// A picture past the driver's largest texture draws nothing, as a missing
// one does, rather than a black box.
TEST_F(GlDeviceTest, APictureLargerThanTheDriverAllowsIsRefused) {
  GLint largest = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
  const std::vector<uint32_t> wide(static_cast<size_t>(largest) + 1, 0xFFFFFFFF);
  EXPECT_EQ(Device().CreateTexture(largest + 1, 1, wide.data()), nullptr);
  EXPECT_NE(Device().CreateTexture(largest, 1, wide.data()), nullptr);

  Image tooWide;
  tooWide.width = largest + 1;
  tooWide.height = 1;
  tooWide.argb = wide;
  EXPECT_EQ(Device().LoadTexture(WriteScratchImage("too-wide.png", tooWide)), nullptr);
}

// Opaque quads at depth 0 hide what comes later behind them; fully
// transparent ones leave no depth and hide nothing.
TEST_F(GlDeviceTest, TransparentQuadsWriteNoDepthAndAdditiveBlendingAdds) {
  Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, kBlue, 1);
  Quad(Device(), 0, 0, 10, 10, 0xFFFFFFFF);
  Quad(Device(), 40, 0, 10, 10, 0x00FFFFFF);
  Quad(Device(), 0, 0, 50, 10, kRed, 0.5f);
  EXPECT_EQ(Pixel(5, 5), 0xFFFFFFFFu);
  EXPECT_EQ(Pixel(45, 5), kRed);
  // The source times its alpha, added.
  Device().SetRenderState(RenderState::DestBlend, Blend::One);
  Quad(Device(), 60, 0, 10, 10, 0x80404040);
  EXPECT_TRUE(Near(Pixel(65, 5), 0xFF4060C0));
}

// Blending and the alpha test are left out only where every fragment has full
// alpha and the test passes it: an opaque picture under a translucent vertex
// colour, or a translucent picture under an opaque one, still blends.
TEST_F(GlDeviceTest, OpaquePicturesDrawAsTheyAreAndTranslucentOnesStillBlend) {
  auto opaque = Device().CreateTexture(2, 2, std::vector<uint32_t>(4, 0xFFFF0000).data());
  auto translucent = Device().CreateTexture(2, 2, std::vector<uint32_t>(4, 0x80FF0000).data());
  Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, kBlue, 1);
  Device().SetTexture(0, opaque.get());
  Quad(Device(), 0, 0, 10, 10, 0xFFFFFFFF);
  Quad(Device(), 20, 0, 10, 10, 0x80FFFFFF);
  Device().SetTexture(0, translucent.get());
  Quad(Device(), 40, 0, 10, 10, 0xFFFFFFFF);
  // An alpha test that fails alpha 255 still rejects the opaque picture.
  Device().SetTexture(0, opaque.get());
  Device().SetRenderState(RenderState::AlphaTestEnable, 1);
  Device().SetRenderState(RenderState::AlphaFunc, Cmp::Less);
  Device().SetRenderState(RenderState::AlphaRef, 255);
  Quad(Device(), 60, 0, 10, 10, 0xFFFFFFFF);
  EXPECT_EQ(Pixel(5, 5), kRed);
  // Half red over 0x2040A0: (255 + 32) / 2, 64 / 2, 160 / 2.
  EXPECT_TRUE(Near(Pixel(25, 5), 0xFF8F2050));
  EXPECT_TRUE(Near(Pixel(45, 5), 0xFF8F2050));
  EXPECT_EQ(Pixel(65, 5), kBlue);
}

// Screen vertices with different rhw are textured in perspective: with the
// right edge four times as far (rhw 1/4), u reaches 1/2 at t where
// 0.25 t / (1 - 0.75 t) = 0.5, that is 80 % of the way across, not half way.
TEST_F(GlDeviceTest, ScreenVerticesWithDifferentRhwAreTexturedInPerspective) {
  const uint32_t texels[2] = {0xFF000000, 0xFFFFFFFF};
  auto texture = Device().CreateTexture(2, 1, texels);
  Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, kBlue, 1);
  Device().SetTexture(0, texture.get());
  const ScreenVertex quad[4] = {{100, 100, 0, 1, 0xFFFFFFFF, 0, 0},
                                {200, 100, 0, 0.25f, 0xFFFFFFFF, 1, 0},
                                {100, 110, 0, 1, 0xFFFFFFFF, 0, 1},
                                {200, 110, 0, 0.25f, 0xFFFFFFFF, 1, 1}};
  Device().DrawScreenQuad(quad);
  EXPECT_EQ(Pixel(170, 105), 0xFF000000u) << "interpolated straight across the screen";
  EXPECT_EQ(Pixel(190, 105), 0xFFFFFFFFu);
}

// White quads draw the texture as it is; a coloured quad batched after a
// white one must still be modulated.
TEST_F(GlDeviceTest, WhiteQuadsShowTheTextureAndColouredOnesStillModulate) {
  auto texture = Device().CreateTexture(2, 2, std::vector<uint32_t>(4, 0xFF80C040).data());
  Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, kBlue, 1);
  Device().SetTexture(0, texture.get());
  Quad(Device(), 0, 0, 10, 10, 0xFFFFFFFF);
  EXPECT_EQ(Pixel(5, 5), 0xFF80C040u);
  Quad(Device(), 20, 0, 10, 10, 0xFFFFFFFF);
  Quad(Device(), 40, 0, 10, 10, 0xFF808080);
  EXPECT_EQ(Pixel(25, 5), 0xFF80C040u);
  // 0x80, 0xC0, 0x40 times 128 / 255.
  EXPECT_TRUE(Near(Pixel(45, 5), 0xFF406020));
}

// A floor at y = -1 from z = 2 to 8 seen through a 90-degree perspective
// camera at the origin: screen y = 300 (1 + 1/z), v = (z - 2) / 6. Pixel row
// 380 lies at z = 3.73, v = 0.29 (the upper texel row); interpolating v
// straight down the screen (1 at row 337.5, 0 at row 450) would give 0.62.
TEST_F(GlDeviceTest, ModelsSeenInPerspectiveAreTexturedInPerspective) {
  const uint32_t texels[2] = {0xFF000000, 0xFFFFFFFF};
  auto texture = Device().CreateTexture(1, 2, texels);
  Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, kBlue, 1);
  Device().SetTexture(0, texture.get());
  Device().SetRenderState(RenderState::Lighting, 0);
  Device().SetRenderState(RenderState::CullMode, Cull::None);
  Matrix perspective;
  perspective.m[0][0] = 0.75f;  // 4:3
  perspective.m[2][2] = 100.0f / 99.0f;
  perspective.m[2][3] = 1;
  perspective.m[3][2] = -100.0f / 99.0f;
  perspective.m[3][3] = 0;
  Device().SetTransform(TransformSlot::View, MatrixIdentity());
  Device().SetTransform(TransformSlot::Projection, perspective);
  auto corner = [](float x, float z, float u, float v) {
    MeshVertex vertex;
    vertex.position = {x, -1, z};
    vertex.u = u;
    vertex.v = v;
    return vertex;
  };
  auto floor = Device().CreateMesh({corner(-1, 2, 0, 0), corner(1, 2, 1, 0), corner(-1, 8, 0, 1), corner(1, 8, 1, 1)},
                                   {0, 1, 2, 2, 1, 3}, {});
  Device().DrawMesh(*floor, 0, 2);
  EXPECT_EQ(Pixel(400, 380), 0xFF000000u) << "interpolated straight down the screen";
  EXPECT_EQ(Pixel(400, 345), 0xFFFFFFFFu);
}

TEST_F(GlDeviceTest, AlphaTestFollowsItsFunctionAndReference) {
  Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, kBlue, 1);
  // Without the test even invisible quads write depth.
  Device().SetRenderState(RenderState::AlphaTestEnable, 0);
  Quad(Device(), 0, 0, 10, 10, 0x00FFFFFF);
  Quad(Device(), 0, 0, 20, 10, kRed, 0.5f);
  EXPECT_EQ(Pixel(5, 5), kBlue);
  EXPECT_EQ(Pixel(15, 5), kRed);

  Device().SetRenderState(RenderState::AlphaTestEnable, 1);
  Device().SetRenderState(RenderState::AlphaRef, 0x80);
  const struct {
    uint32_t func;
    bool drawsHalf, drawsFull;
  } cases[] = {{Cmp::Less, false, false},     {Cmp::LessEqual, true, false},
               {Cmp::Equal, true, false},     {Cmp::NotEqual, false, true},
               {Cmp::Greater, false, true},   {Cmp::GreaterEqual, true, true},
               {Cmp::Never, false, false},    {Cmp::Always, true, true}};
  int x = 40;
  for (const auto& c : cases) {
    Device().SetRenderState(RenderState::AlphaFunc, c.func);
    Quad(Device(), static_cast<float>(x), 20, 10, 10, 0x80FF0000);
    Quad(Device(), static_cast<float>(x), 40, 10, 10, 0xFFFF0000);
    EXPECT_EQ(Pixel(x + 5, 25) != kBlue, c.drawsHalf) << "function " << c.func;
    EXPECT_EQ(Pixel(x + 5, 45) != kBlue, c.drawsFull) << "function " << c.func;
    x += 20;
  }
}

// A square facing the camera (towards +z), drawn with clockwise fronts as the
// camera sees them: world x grows towards the screen's left.
std::vector<MeshVertex> Square(float cx, float cy, float z, float half, uint8_t bone = 0) {
  auto v = [&](float x, float y) {
    MeshVertex vertex;
    vertex.position = {x, y, z};
    vertex.normal = {0, 0, 1};
    vertex.bones[0] = bone;
    return vertex;
  };
  return {v(cx + half, cy + half), v(cx - half, cy + half), v(cx + half, cy - half),
          v(cx - half, cy - half)};
}

const std::vector<uint32_t> kFront = {0, 1, 2, 2, 1, 3};
const std::vector<uint32_t> kBack = {0, 2, 1, 2, 3, 1};

Material Grey(float level) {
  Material m;
  m.diffuse = m.ambient = {level, level, level, 1};
  return m;
}

// World (320, 240) is the screen centre; 5 pixels per world unit.
TEST_F(GlDeviceTest, LightsPerVertexAsTheFixedPipelineAndClamps) {
  SetSideView(Device());
  Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, 0xFF000000, 1);
  auto square = Device().CreateMesh(Square(320, 240, 0, 10), kFront, {});
  Device().SetMaterial(Grey(0.5f));
  Device().DrawMesh(*square, 0, 2);
  // ambient 0x6F times 0.5, plus 0.5 times N.L = 1/sqrt(3)
  int expected = static_cast<int>(std::lround(255 * (0.5 * 0x6F / 255.0 + 0.5 / std::sqrt(3.0))));
  EXPECT_TRUE(Near(Pixel(400, 300), 0xFF000000u | expected * 0x010101u));

  // Non-uniform scale must not change the lighting of a flat face.
  auto centred = Device().CreateMesh(Square(0, 0, 0, 10), kFront, {});
  Device().SetTransform(TransformSlot::World,
                        MatrixScaling(1, 0.5f, 0.2f) * MatrixTranslation(360, 240, 0));
  Device().DrawMesh(*centred, 0, 2);
  EXPECT_TRUE(Near(Pixel(200, 300), 0xFF000000u | expected * 0x010101u));

  // Vertex colours stand in for the material's diffuse colour, lit or not.
  std::vector<MeshVertex> red = Square(320, 240, 0, 10);
  for (MeshVertex& v : red) v.diffuse = 0xFFFF0000;
  auto coloured = Device().CreateMesh(red, kFront, MeshFormat{true, false});
  Device().SetTransform(TransformSlot::World, MatrixTranslation(0, -40, 0));
  Device().DrawMesh(*coloured, 0, 2);
  // The ambient part still comes from the material.
  auto ambientOnly = static_cast<uint32_t>(std::lround(0.5 * 0x6F));
  auto litRed = static_cast<uint32_t>(std::lround(255 * (0.5 * 0x6F / 255.0 + 1 / std::sqrt(3.0))));
  EXPECT_TRUE(Near(Pixel(400, 500), 0xFF000000u | litRed << 16 | ambientOnly * 0x0101u));

  Device().SetRenderState(RenderState::Lighting, 0);
  Device().SetTransform(TransformSlot::World, MatrixTranslation(0, 40, 0));
  Device().DrawMesh(*square, 0, 2);
  EXPECT_EQ(Pixel(400, 100), 0xFFFFFFFFu);
  Device().DrawMesh(*coloured, 0, 2);
  EXPECT_EQ(Pixel(400, 100), 0xFFFF0000u);
}

// A lit model whose emissive colour saturates shows its texture as it is;
// a light with a negative colour can still take it below white.
TEST_F(GlDeviceTest, ASaturatedLitModelShowsItsTextureUnlessALightSubtracts) {
  SetSideView(Device());
  Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, 0xFF000000, 1);
  auto texture = Device().CreateTexture(2, 2, std::vector<uint32_t>(4, 0xFF80C040).data());
  Device().SetTexture(0, texture.get());
  auto square = Device().CreateMesh(Square(320, 240, 0, 10), kFront, {});
  Material glowing = Grey(0.5f);
  glowing.emissive = {1, 1, 1, 1};
  Device().SetMaterial(glowing);
  Device().DrawMesh(*square, 0, 2);
  EXPECT_EQ(Pixel(400, 300), 0xFF80C040u);

  Light dark;  // straight at the face: N.L = 1
  dark.diffuse = {-2, -2, -2, 1};
  dark.direction = {0, 0, -1};
  Device().SetLight(1, dark);
  Device().LightEnable(1, true);
  Device().SetTransform(TransformSlot::World, MatrixTranslation(0, 40, 0));
  Device().DrawMesh(*square, 0, 2);
  // 1 + 0.5 x ambient 0x6F + 0.5 x light 0 (N.L = 1/sqrt(3)) - 0.5 x 2
  const double level = 0.5 * 0x6F / 255.0 + 0.5 / std::sqrt(3.0);
  auto scaled = [&](int channel, int shift) { return static_cast<uint32_t>(std::lround(channel * level)) << shift; };
  EXPECT_TRUE(Near(Pixel(400, 100), 0xFF000000u | scaled(0x80, 16) | scaled(0xC0, 8) | scaled(0x40, 0)));
}

// Each light count has a program of its own: switching between them must
// light with exactly the lights enabled at the draw.
TEST_F(GlDeviceTest, EveryEnabledDirectionalLightAddsItsShareAndOnlyThose) {
  SetSideView(Device());  // light 0: white, from (1, 1, 1) towards the scene
  Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, 0xFF000000, 1);
  Device().SetRenderState(RenderState::Ambient, 0);
  auto square = Device().CreateMesh(Square(320, 240, 0, 10), kFront, {});
  Device().SetMaterial(Grey(0.5f));
  Light head;  // straight at the face: N.L = 1, half strength
  head.diffuse = {0.5f, 0.5f, 0.5f, 1};
  head.direction = {0, 0, -1};
  Device().SetLight(1, head);
  Light point = head;  // only directional lights count
  point.type = LightType::Point;
  Device().SetLight(2, point);
  Device().LightEnable(2, true);

  auto drawAt = [&](float dy) {
    Device().SetTransform(TransformSlot::World, MatrixTranslation(0, dy, 0));
    Device().DrawMesh(*square, 0, 2);
  };
  const double one = 0.5 / std::sqrt(3.0);  // light 0: 0.5 x 1 x N.L
  const double two = one + 0.5 * 0.5;       // plus light 1: 0.5 x 0.5 x 1
  auto grey = [](double level) { return 0xFF000000u | static_cast<uint32_t>(std::lround(255 * level)) * 0x010101u; };
  drawAt(40);
  Device().LightEnable(1, true);
  drawAt(0);
  Device().LightEnable(0, false);
  Device().LightEnable(1, false);
  drawAt(-40);
  Device().LightEnable(0, true);
  drawAt(-20);
  EXPECT_TRUE(Near(Pixel(400, 100), grey(one)));
  EXPECT_TRUE(Near(Pixel(400, 300), grey(two)));
  EXPECT_EQ(Pixel(400, 500), 0xFF000000u) << "no light, no ambient";
  EXPECT_TRUE(Near(Pixel(400, 400), grey(one)));
}

TEST_F(GlDeviceTest, CullsCounterClockwiseFacesByDefaultAndEitherWayOnRequest) {
  SetSideView(Device());
  Device().SetRenderState(RenderState::Lighting, 0);
  auto back = Device().CreateMesh(Square(320, 240, 0, 10), kBack, {});
  auto front = Device().CreateMesh(Square(320, 240, 0, 10), kFront, {});
  const struct {
    uint32_t mode;
    bool drawsFront, drawsBack;
  } cases[] = {{Cull::CCW, true, false}, {Cull::CW, false, true}, {Cull::None, true, true}};
  for (const auto& c : cases) {
    Device().SetRenderState(RenderState::CullMode, c.mode);
    for (auto [mesh, drawn] : {std::pair{front.get(), c.drawsFront}, {back.get(), c.drawsBack}}) {
      Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, 0xFF000000, 1);
      Device().DrawMesh(*mesh, 0, 2);
      EXPECT_EQ(Pixel(400, 300), drawn ? 0xFFFFFFFFu : 0xFF000000u) << "mode " << c.mode;
    }
  }
}

TEST_F(GlDeviceTest, IndexedVertexBlendingUsesThePalette) {
  SetSideView(Device());
  Device().SetRenderState(RenderState::Lighting, 0);
  Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, 0xFF000000, 1);
  auto square = Device().CreateMesh(Square(320, 240, 0, 2, 1), kFront, {});
  Device().SetTransform(TransformSlot::WorldMatrix(1), MatrixTranslation(0, 20, 0));
  Device().SetRenderState(RenderState::IndexedVertexBlendEnable, 1);
  Device().SetRenderState(RenderState::VertexBlend, VertexBlendFlags::Weights0);
  Device().DrawMesh(*square, 0, 2);
  EXPECT_EQ(Pixel(400, 300), 0xFF000000u);
  EXPECT_EQ(Pixel(400, 200), 0xFFFFFFFFu);

  // Two matrices: the listed weight for bone 1, the rest for bone 0.
  std::vector<MeshVertex> blended = Square(320, 240, 0, 2, 1);
  for (MeshVertex& v : blended) {
    v.bones[1] = 0;
    v.weights[0] = 0.5f;
  }
  auto half = Device().CreateMesh(blended, kFront, {});
  Device().SetRenderState(RenderState::VertexBlend, VertexBlendFlags::Weights1);
  Device().DrawMesh(*half, 0, 2);
  EXPECT_EQ(Pixel(400, 250), 0xFFFFFFFFu);
  EXPECT_EQ(Device().MaxVertexBlendMatrixIndex(), 255);
}

TEST_F(GlDeviceTest, TextWritesNoDepthAndLeavesTheStatesAlone) {
  auto font = Device().CreateFont("HG教科書体", 18, false);
  ASSERT_NE(font, nullptr);
  Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, 0xFF000000, 1);
  font->DrawText(100, 100, 0xFFFFFFFF, "|\n|");
  EXPECT_EQ(Device().GetRenderState(RenderState::ZEnable), ZBuffer::True);
  EXPECT_EQ(Device().GetRenderState(RenderState::CullMode), Cull::CCW);
  // A quad drawn after it at depth 0.5 covers every glyph: the text left the depth buffer alone.
  Quad(Device(), 95, 95, 40, 60, kRed, 0.5f);
  Image picture = Capture();
  for (int y = 95; y < 155; ++y)
    for (int x = 95; x < 135; ++x) ASSERT_EQ(picture.At(x, y) | 0xFF000000, kRed) << x << "," << y;
}

TEST_F(GlDeviceTest, PresentShowsThePictureOneToOneAndKeepsIt) {
  Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, kBlue, 1);
  Quad(Device(), 0, 0, 10, 10, kRed);
  EXPECT_TRUE(Device().Present());
  Image window = Offscreen().CaptureWindow();
  EXPECT_EQ(window.At(5, 5) | 0xFF000000, kRed);
  EXPECT_EQ(window.At(10, 10) | 0xFF000000, kBlue);
  EXPECT_EQ(Pixel(5, 5), kRed);
}

// A still frame is not drawn again: presenting with nothing drawn, with or
// without vsync, must leave the window showing the picture.
TEST_F(GlDeviceTest, AnExactSizeWindowIsDrawnIntoAndKeepsAStillPicture) {
  ASSERT_TRUE(Device().DrawsIntoWindow());
  Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, kBlue, 1);
  Quad(Device(), 0, 0, 10, 10, kRed);
  ASSERT_TRUE(Device().Present());
  for (bool vsync : {true, false}) {
    Device().SetVsync(vsync);
    ASSERT_TRUE(Device().Present());
    Image window = Offscreen().CaptureWindow();
    EXPECT_EQ(window.At(5, 5) | 0xFF000000, kRed) << "vsync " << vsync;
    EXPECT_EQ(window.At(10, 10) | 0xFF000000, kBlue) << "vsync " << vsync;
  }
}

// The swap discards the back buffer, so the first clear of a frame may cover
// the whole target; once anything is on it, a clear keeps to its viewport.
TEST_F(GlDeviceTest, OnlyTheFirstClearOfAFrameReachesBeyondItsViewport) {
  for (int frame = 0; frame < 2; ++frame) {
    Device().SetViewport({0, 0, 800, 550, 0, 1});
    Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, kBlue, 1);
    Quad(Device(), 0, 0, 10, 10, kRed, 0.5f);
    Device().SetViewport({0, 550, 800, 50, 0, 1});
    EXPECT_EQ(Pixel(400, 575), kBlue) << "frame " << frame;
    Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, kGreen, 1);
    EXPECT_EQ(Pixel(5, 5), kRed) << "frame " << frame;
    EXPECT_EQ(Pixel(400, 549), kBlue) << "frame " << frame;
    EXPECT_EQ(Pixel(400, 550), kGreen) << "frame " << frame;
    // The later clear left the depth of the quad in place: nearer passes, farther fails.
    Device().SetViewport({0, 0, 800, 550, 0, 1});
    Quad(Device(), 0, 0, 5, 10, kGreen, 0.4f);
    Quad(Device(), 5, 0, 5, 10, kBlue, 0.6f);
    EXPECT_EQ(Pixel(2, 5), kGreen) << "frame " << frame;
    EXPECT_EQ(Pixel(7, 5), kRed) << "frame " << frame;
    ASSERT_TRUE(Device().Present());
  }
}

TEST(GlDevicePresentTest, LetterboxesAWiderWindow) {
  std::string error;
  auto gl = OffscreenGl::Create(&error, 1280, 720);
  ASSERT_NE(gl, nullptr) << error;
  GlDevice& device = gl->Device();
  EXPECT_FALSE(device.DrawsIntoWindow());
  device.Clear(ClearFlags::Target | ClearFlags::ZBuffer, kBlue, 1);
  Quad(device, 0, 0, 100, 100, kRed);
  Quad(device, 700, 500, 100, 100, kGreen);
  ASSERT_TRUE(device.Present());
  // 800 x 600 scaled by 1.2 to 960 x 720, centred between black bars.
  Image window = gl->CaptureWindow();
  auto at = [&](int x, int y) { return window.At(x, y) | 0xFF000000; };
  EXPECT_EQ(at(159, 360), 0xFF000000u);
  EXPECT_EQ(at(1120, 360), 0xFF000000u);
  EXPECT_EQ(at(165, 5), kRed);
  EXPECT_EQ(at(275, 115), kRed);
  EXPECT_EQ(at(1115, 715), kGreen);
  EXPECT_EQ(at(640, 360), kBlue);
}

}  // namespace

namespace {

TEST(GlDeviceLifetimeTest, ResourcesOutlivingTheirDeviceAreDroppedQuietly) {
  std::string error;
  auto gl = OffscreenGl::Create(&error);
  ASSERT_NE(gl, nullptr) << error;
  const uint32_t texel = 0xFFFFFFFF;
  auto texture = gl->Device().CreateTexture(1, 1, &texel);
  auto mesh = gl->Device().CreateMesh({MeshVertex{}, MeshVertex{}, MeshVertex{}}, {0, 1, 2}, {});
  auto font = gl->Device().CreateFont("HG教科書体", 18, false);
  ASSERT_NE(font, nullptr);
  font->DrawText(0, 0, 0xFFFFFFFF, "cached line");
  gl.reset();
  texture.reset();
  mesh.reset();
  font.reset();
}

}  // namespace
