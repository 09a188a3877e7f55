#include "gfx/Texture.h"

#include <gtest/gtest.h>

#include "platform/RecordingDevice.h"
#include "support/ScratchImages.h"

namespace {

struct Rect {
  float left, top, right, bottom;
};

Rect Bounds(const DrawRecord& draw) {
  return {draw.quad[0].x, draw.quad[0].y, draw.quad[3].x, draw.quad[3].y};
}

TEST(TextureTest, DrawImageCoversTheImageAtItsOwnSizeWhateverTheTextureSize) {
  RecordingDevice device;
  CTexture texture(device, WriteScratchPng("image100x40.png", 100, 40));
  EXPECT_EQ(texture.ImageWidth(), 100u);
  EXPECT_EQ(texture.ImageHeight(), 40u);
  EXPECT_EQ(texture.TextureWidth(), 128u);
  EXPECT_EQ(texture.TextureHeight(), 64u);

  texture.DrawImage(10, 20, 0xFFFFFFFF);
  ASSERT_EQ(device.Draws().size(), 1u);
  const DrawRecord& draw = device.Draws()[0];
  Rect r = Bounds(draw);
  EXPECT_FLOAT_EQ(r.left, 10);
  EXPECT_FLOAT_EQ(r.top, 20);
  EXPECT_FLOAT_EQ(r.right, 110);
  EXPECT_FLOAT_EQ(r.bottom, 60);
  EXPECT_FLOAT_EQ(draw.quad[3].u, 1);
  EXPECT_FLOAT_EQ(draw.quad[3].v, 1);
  EXPECT_EQ(draw.texture, texture.Get());
}

TEST(TextureTest, DrawPartScalesOneCellOfAStrip) {
  RecordingDevice device;
  CTexture strip(device, WriteScratchPng("strip400x50.png", 400, 50));
  strip.DrawPart(0, 0, 2, 1, 0.125f, 0, 0.125f, 1, 0xFFFFFFFF);

  const DrawRecord& draw = device.Draws().at(0);
  Rect r = Bounds(draw);
  EXPECT_FLOAT_EQ(r.right - r.left, 100);
  EXPECT_FLOAT_EQ(r.bottom - r.top, 50);
  EXPECT_FLOAT_EQ(draw.quad[0].u, 0.125f);
  EXPECT_FLOAT_EQ(draw.quad[1].u, 0.25f);
  EXPECT_FLOAT_EQ(draw.quad[2].u, 0.125f);
  EXPECT_FLOAT_EQ(draw.quad[3].u, 0.25f);
}

TEST(TextureTest, QuadVerticesComeInStripOrderWithTheColourAndNoOffset) {
  RecordingDevice device;
  CTexture texture(device, WriteScratchPng("image64.png", 64, 64));
  texture.Draw(5, 6, 30, 40, 0.5f, 0.25f, 0.25f, 0.5f, 0x80FF0000);

  const auto& q = device.Draws().at(0).quad;
  const float expected[4][4] = {
      {5, 6, 0.5f, 0.25f}, {35, 6, 0.75f, 0.25f}, {5, 46, 0.5f, 0.75f}, {35, 46, 0.75f, 0.75f}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_FLOAT_EQ(q[i].x, expected[i][0]) << i;
    EXPECT_FLOAT_EQ(q[i].y, expected[i][1]) << i;
    EXPECT_FLOAT_EQ(q[i].u, expected[i][2]) << i;
    EXPECT_FLOAT_EQ(q[i].v, expected[i][3]) << i;
    EXPECT_FLOAT_EQ(q[i].z, 0) << i;
    EXPECT_FLOAT_EQ(q[i].rhw, 1) << i;
    EXPECT_EQ(q[i].diffuse, 0x80FF0000u) << i;
  }
}

TEST(TextureTest, DrawModulatesTextureByVertexColourWithoutTouchingBlending) {
  RecordingDevice device;
  device.SetTextureStageState(0, TextureStageState::ColorOp, TextureOp::SelectArg1);
  device.SetTextureStageState(0, TextureStageState::AlphaArg2, TextureArg::Current);
  device.SetRenderState(RenderState::DestBlend, Blend::One);
  CTexture texture(device, WriteScratchPng("image8.png", 8, 8));
  texture.DrawImage(0, 0, 0xFFFFFFFF);

  const StateBlock& s = device.Draws().at(0).states;
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
  EXPECT_EQ(missing.ImageWidth() + missing.ImageHeight(), 0u);
  EXPECT_EQ(missing.TextureWidth() + missing.TextureHeight(), 0u);

  missing.DrawImage(10, 10, 0xFFFFFFFF);
  missing.DrawPart(10, 10, 3, 3, 0, 0, 0.5f, 0.5f, 0xFFFFFFFF);
  for (const DrawRecord& draw : device.Draws()) {
    Rect r = Bounds(draw);
    EXPECT_EQ(r.right - r.left, 0);
    EXPECT_EQ(r.bottom - r.top, 0);
  }

  // With explicit sizes the rectangle is drawn, untextured.
  device.ClearLog();
  missing.Draw(0, 0, 50, 20, 0, 0, 1, 1, 0xFF00FF00);
  const DrawRecord& draw = device.Draws().at(0);
  EXPECT_EQ(draw.texture, nullptr);
  EXPECT_FLOAT_EQ(Bounds(draw).right, 50);
}

}  // namespace
