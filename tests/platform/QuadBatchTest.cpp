// Screen quads drawn in batches: where a batch ends, and that the picture is
// the one a call per quad draws.

#include <gtest/gtest.h>

#include <vector>

#include "platform/GlDevice.h"
#include "support/OffscreenDevice.h"

namespace {

constexpr uint32_t kBlack = 0xFF000000;
constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kGreen = 0xFF00FF00;
constexpr uint32_t kBlue = 0xFF0000FF;

void Quad(RenderDevice& device, float x, float y, float size, uint32_t argb, float z = 0) {
  const ScreenVertex quad[4] = {{x, y, z, 1, argb, 0, 0},
                                {x + size, y, z, 1, argb, 1, 0},
                                {x, y + size, z, 1, argb, 0, 1},
                                {x + size, y + size, z, 1, argb, 1, 1}};
  device.DrawScreenQuad(quad);
}

class QuadBatchTest : public OffscreenDeviceTest {
 protected:
  void SetUp() override {
    OffscreenDeviceTest::SetUp();
    Device().SetVsync(false);
    white = Device().CreateTexture(1, 1, &kWhiteTexel);
    grey = Device().CreateTexture(1, 1, &kGreyTexel);
    Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, kBlack, 1);
    Device().Present();  // starts the counts afresh
  }
  int DrawCallsOfFrame() {
    Device().Present();
    return Device().LastFrameCounts().drawCalls;
  }

  static constexpr uint32_t kWhiteTexel = 0xFFFFFFFF, kGreyTexel = 0xFF808080;
  std::unique_ptr<DeviceTexture> white, grey;
};

TEST_F(QuadBatchTest, QuadsSharingTheirStateAreOneDrawCall) {
  Device().SetTexture(0, white.get());
  for (int i = 0; i < 12; ++i) Quad(Device(), 10.0f * i, 0, 8, kRed);
  EXPECT_EQ(DrawCallsOfFrame(), 1);

  // Setting a state to the value it has changes nothing.
  Device().SetTexture(0, white.get());
  Quad(Device(), 0, 0, 8, kRed);
  Device().SetRenderState(RenderState::AlphaBlendEnable, 1);
  Device().SetTexture(0, white.get());
  Quad(Device(), 10, 0, 8, kRed);
  EXPECT_EQ(DrawCallsOfFrame(), 1);
}

TEST_F(QuadBatchTest, ATextureStateViewportMeshOrClearEndsTheBatch) {
  Device().SetTexture(0, white.get());
  Quad(Device(), 0, 0, 8, kRed);
  Device().SetTexture(0, grey.get());  // 2
  Quad(Device(), 10, 0, 8, kRed);
  Device().SetRenderState(RenderState::AlphaTestEnable, 0);  // 3
  Quad(Device(), 20, 0, 8, kRed);
  Device().SetTextureStageState(0, TextureStageState::ColorOp, TextureOp::SelectArg2);  // 4
  Quad(Device(), 30, 0, 8, kRed);
  Device().SetViewport({0, 0, 400, 300, 0, 1});  // 5
  Quad(Device(), 40, 0, 8, kRed);
  Device().Clear(ClearFlags::ZBuffer, 0, 1);  // 6
  Quad(Device(), 50, 0, 8, kRed);
  std::vector<MeshVertex> corners(3);
  corners[1].position = {1, 0, 0};
  corners[2].position = {0, 1, 0};
  auto mesh = Device().CreateMesh(corners, {0, 1, 2}, {});
  Device().DrawMesh(*mesh, 0, 1);  // 7
  Quad(Device(), 60, 0, 8, kRed);  // 8
  EXPECT_EQ(DrawCallsOfFrame(), 8);
}

TEST_F(QuadBatchTest, KeepsTheOrderOfEverythingDrawn) {
  Device().SetTexture(0, white.get());
  Quad(Device(), 0, 0, 100, kRed);
  // A clear inside the viewport wipes the quads drawn before it, not after.
  Device().SetViewport({0, 0, 50, 50, 0, 1});
  Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, kGreen, 1);
  Device().SetViewport({0, 0, 800, 600, 0, 1});
  Quad(Device(), 40, 40, 20, kBlue);
  // Reading the picture sees the quads still waiting.
  EXPECT_EQ(Pixel(5, 5), kGreen);
  EXPECT_EQ(Pixel(45, 45), kBlue);
  EXPECT_EQ(Pixel(70, 70), kRed);
  EXPECT_EQ(Pixel(150, 150), kBlack);
}

TEST_F(QuadBatchTest, ATextureDeletedWhileItsQuadsWaitHasThemDrawnFirst) {
  const uint32_t texel = 0xFF00FF00;
  auto doomed = Device().CreateTexture(1, 1, &texel);
  Device().SetTexture(0, doomed.get());
  Quad(Device(), 0, 0, 20, 0xFFFFFFFF);
  Device().SetTexture(0, nullptr);
  doomed.reset();
  EXPECT_EQ(Pixel(10, 10), kGreen);
}

// Overlapping quads within one batch: later ones blend over earlier ones,
// the alpha test keeps transparent corners out of the depth buffer, and a
// nearer quad hides a farther one drawn after it. The picture must be the
// one that one draw call per quad gives.
TEST_F(QuadBatchTest, ThePictureIsTheOneACallPerQuadDraws) {
  const uint32_t texels[4] = {0xFFFFFFFF, 0x80FFFFFF, 0x00FFFFFF, 0xC0FFFFFF};
  auto texture = Device().CreateTexture(2, 2, texels);
  auto draw = [&](bool batched) {
    Device().SetQuadBatching(batched);
    Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, 0xFF203040, 1);
    Device().SetTexture(0, texture.get());
    for (int i = 0; i < 40; ++i) {
      const auto step = static_cast<float>(i);
      Quad(Device(), 13.5f * step, 7.25f * step, 90, 0xFF000000 | (0x3F7 * (i + 1)) % 0xFFFFFF,
           0.1f + 0.3f * static_cast<float>(i % 3));
    }
    Device().Present();
    return Capture();
  };
  const Image oneByOne = draw(false);
  const int callsOneByOne = Device().LastFrameCounts().drawCalls;
  const Image batched = draw(true);
  EXPECT_EQ(callsOneByOne, 40);
  EXPECT_EQ(Device().LastFrameCounts().drawCalls, 1);
  ASSERT_EQ(batched.argb.size(), oneByOne.argb.size());
  EXPECT_TRUE(batched.argb == oneByOne.argb);
}

}  // namespace
