#include "gfx/Texture.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/RecordingDevice.h"
#include "support/ScratchImages.h"

namespace {

// Each corner of a drawn quad as x, y, u, v, in strip order.
std::vector<std::vector<float>> Corners(const DrawRecord& draw) {
  std::vector<std::vector<float>> corners;
  for (const ScreenVertex& v : draw.quad) corners.push_back({v.x, v.y, v.u, v.v});
  return corners;
}

TEST(TextureTest, DrawImageCoversTheImageAtItsOwnSizeWhateverTheTextureSize) {
  RecordingDevice device;
  CTexture texture(device, WriteScratchPng("image100x40.png", 100, 40));
  EXPECT_EQ((std::vector{texture.ImageWidth(), texture.ImageHeight(), texture.TextureWidth(), texture.TextureHeight()}),
            (std::vector{100u, 40u, 128u, 64u}));
  texture.DrawImage(10, 20, 0xFFFFFFFF);
  ASSERT_EQ(device.Draws().size(), 1u);
  EXPECT_EQ(Corners(device.Draws()[0]),
            (std::vector<std::vector<float>>{{10, 20, 0, 0}, {110, 20, 1, 0}, {10, 60, 0, 1}, {110, 60, 1, 1}}));
  EXPECT_EQ(device.Draws()[0].texture, texture.Get());
}

TEST(TextureTest, DrawPartScalesOneCellOfAStrip) {
  RecordingDevice device;
  CTexture strip(device, WriteScratchPng("strip400x50.png", 400, 50));
  strip.DrawPart(0, 0, 2, 1, 0.125f, 0, 0.125f, 1, 0xFFFFFFFF);
  EXPECT_EQ(Corners(device.Draws().at(0)),
            (std::vector<std::vector<float>>{{0, 0, 0.125f, 0}, {100, 0, 0.25f, 0}, {0, 50, 0.125f, 1}, {100, 50, 0.25f, 1}}));
}

TEST(TextureTest, QuadsCarryTheColourAndNoOffsetAndModulateWithoutTouchingBlending) {
  RecordingDevice device;
  device.SetTextureStageState(0, TextureStageState::ColorOp, TextureOp::SelectArg1);
  device.SetTextureStageState(0, TextureStageState::AlphaArg2, TextureArg::Current);
  device.SetRenderState(RenderState::DestBlend, Blend::One);
  CTexture texture(device, WriteScratchPng("image64.png", 64, 64));
  texture.Draw(5, 6, 30, 40, 0.5f, 0.25f, 0.25f, 0.5f, 0x80FF0000);

  const DrawRecord& draw = device.Draws().at(0);
  EXPECT_EQ(Corners(draw), (std::vector<std::vector<float>>{
                               {5, 6, 0.5f, 0.25f}, {35, 6, 0.75f, 0.25f}, {5, 46, 0.5f, 0.75f}, {35, 46, 0.75f, 0.75f}}));
  for (const ScreenVertex& v : draw.quad) EXPECT_TRUE(v.z == 0 && v.rhw == 1 && v.diffuse == 0x80FF0000u);
  const StateBlock& s = draw.states;
  EXPECT_EQ(s.Get(TextureStageState::ColorOp), TextureOp::Modulate);
  EXPECT_EQ(s.Get(TextureStageState::ColorArg1), TextureArg::Texture);
  EXPECT_EQ(s.Get(TextureStageState::ColorArg2), TextureArg::Diffuse);
  EXPECT_EQ(s.Get(TextureStageState::AlphaOp), TextureOp::Modulate);
  EXPECT_EQ(s.Get(TextureStageState::AlphaArg1), TextureArg::Texture);
  EXPECT_EQ(s.Get(TextureStageState::AlphaArg2), TextureArg::Diffuse);
  EXPECT_EQ(s.Get(RenderState::DestBlend), Blend::One);
}

TEST(TextureTest, MissingFileGivesATextureThatDrawsNothingFromItsImage) {
  RecordingDevice device;
  CTexture missing(device, "..\\Texture\\no-such-picture.png");
  EXPECT_FALSE(missing.IsLoaded());
  EXPECT_EQ(missing.ImageWidth() + missing.ImageHeight() + missing.TextureWidth() + missing.TextureHeight(), 0u);
  missing.DrawImage(10, 10, 0xFFFFFFFF);
  missing.DrawPart(10, 10, 3, 3, 0, 0, 0.5f, 0.5f, 0xFFFFFFFF);
  for (const DrawRecord& draw : device.Draws()) {
    EXPECT_EQ(draw.quad[3].x - draw.quad[0].x, 0);
    EXPECT_EQ(draw.quad[3].y - draw.quad[0].y, 0);
  }
  // With explicit sizes the rectangle is drawn, untextured.
  device.ClearLog();
  missing.Draw(0, 0, 50, 20, 0, 0, 1, 1, 0xFF00FF00);
  EXPECT_EQ(device.Draws().at(0).texture, nullptr);
  EXPECT_FLOAT_EQ(device.Draws().at(0).quad[3].x, 50);
}

}  // namespace
