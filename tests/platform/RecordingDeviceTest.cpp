#include "platform/RecordingDevice.h"

#include <gtest/gtest.h>

#include <array>
#include <iterator>

namespace {

const ScreenVertex kQuad[4] = {{0, 0, 0, 1, 0xFFFFFFFF, 0, 0},
                               {10, 0, 0, 1, 0xFFFFFFFF, 1, 0},
                               {0, 10, 0, 1, 0xFFFFFFFF, 0, 1},
                               {10, 10, 0, 1, 0xFFFFFFFF, 1, 1}};

TEST(RecordingDeviceTest, EachDrawKeepsTheStateItWasMadeIn) {
  RecordingDevice device;
  auto texture = device.CreateTexture(4, 4, nullptr);
  device.SetViewport({0, 550, 800, 50, 0, 1});
  device.Clear(ClearFlags::Target | ClearFlags::ZBuffer, 0xFFC88080, 1);
  device.SetRenderState(RenderState::AlphaBlendEnable, 1);
  device.SetTexture(0, texture.get());
  device.DrawScreenQuad(kQuad);
  device.SetRenderState(RenderState::AlphaBlendEnable, 0);
  device.SetTexture(0, nullptr);
  device.DrawScreenQuad(kQuad);

  const auto& draws = device.Draws();
  ASSERT_EQ(draws.size(), 3u);
  EXPECT_EQ(draws[0].kind, DrawKind::Clear);
  EXPECT_EQ(draws[0].color, 0xFFC88080u);
  EXPECT_EQ(draws[0].viewport.y, 550);
  EXPECT_EQ(draws[1].states.Get(RenderState::AlphaBlendEnable), 1u);
  EXPECT_EQ(draws[1].texture, texture.get());
  EXPECT_EQ(draws[1].viewport.height, 50);
  EXPECT_EQ(draws[2].states.Get(RenderState::AlphaBlendEnable), 0u);
  EXPECT_EQ(draws[2].texture, nullptr);
  ASSERT_GE(device.StateChanges().size(), 2u);
  EXPECT_EQ(device.StateChanges()[0].kind, StateChange::Kind::Viewport);
  EXPECT_EQ(device.StateChanges()[1].key, static_cast<uint32_t>(RenderState::AlphaBlendEnable));
  EXPECT_EQ(device.StateChanges()[1].value, 1u);

  // A new frame starts a new log; the state itself carries over.
  device.BeginScene();
  EXPECT_TRUE(device.Draws().empty());
  EXPECT_TRUE(device.StateChanges().empty());
  EXPECT_EQ(device.GetViewport().y, 550);
  // A state the device does not model reads as 0 and ignores writes.
  device.SetRenderState(static_cast<RenderState>(9999), 5);
  EXPECT_EQ(device.GetRenderState(static_cast<RenderState>(9999)), 0u);
}

// The device keeps a textured rectangle as a rectangle; asked for, it must
// give back what setting the stage, the texture and drawing the quad one by
// one would have logged.
TEST(RecordingDeviceTest, ATexturedRectLogsWhatItsStageTextureAndQuadWould) {
  const TextureStage modulate = {TextureOp::Modulate, TextureArg::Texture, TextureArg::Diffuse,
                                 TextureOp::Modulate, TextureArg::Texture, TextureArg::Diffuse};
  const TextureStage select = {TextureOp::SelectArg1, TextureArg::Texture, TextureArg::Diffuse,
                               TextureOp::Modulate,   TextureArg::Texture, TextureArg::Diffuse};
  const ScreenRect a = {10, 20, 60, 66, 0.5f, 0, 1, 1, 0xFFFFFFFF};
  const ScreenRect b = {-3.5f, 0.25f, 7, 9, 0, 0.125f, 0.25f, 0.75f, 0x80FF0000};
  struct Step {
    const TextureStage& stage;
    int texture;  // 0, 1 or none (-1)
    const ScreenRect& rect;
  };
  const Step steps[] = {{modulate, 0, a}, {modulate, 0, b}, {modulate, 1, a}, {select, 1, b}, {select, -1, a}, {modulate, 0, a}};

  RecordingDevice joined, apart;
  auto joinedTextures = std::array{joined.CreateTexture(4, 4, nullptr), joined.CreateTexture(8, 8, nullptr)};
  auto apartTextures = std::array{apart.CreateTexture(4, 4, nullptr), apart.CreateTexture(8, 8, nullptr)};
  for (const Step& step : steps) {
    const DeviceTexture* joinedTexture = step.texture < 0 ? nullptr : joinedTextures[step.texture].get();
    const DeviceTexture* apartTexture = step.texture < 0 ? nullptr : apartTextures[step.texture].get();
    joined.DrawTexturedRect(step.stage, joinedTexture, step.rect);
    apart.SetTextureStage(0, step.stage);
    apart.SetTexture(0, apartTexture);
    apart.DrawScreenQuad(QuadOf(step.rect).data());
  }

  const auto& joinedDraws = joined.Draws();
  const auto& apartDraws = apart.Draws();
  ASSERT_EQ(joinedDraws.size(), std::size(steps));
  ASSERT_EQ(apartDraws.size(), std::size(steps));
  for (size_t i = 0; i < std::size(steps); ++i) {
    const DrawRecord& j = joinedDraws[i];
    const DrawRecord& p = apartDraws[i];
    EXPECT_EQ(j.kind, DrawKind::Quad);
    EXPECT_TRUE(j.states == p.states) << "draw " << i;
    EXPECT_EQ(j.texture == nullptr, steps[i].texture < 0) << "draw " << i;
    if (j.texture) {
      EXPECT_EQ(j.texture->width, p.texture->width) << "draw " << i;
    }
    for (size_t v = 0; v < 4; ++v) {
      const ScreenVertex &jv = j.quad[v], &pv = p.quad[v];
      EXPECT_TRUE(jv.x == pv.x && jv.y == pv.y && jv.z == pv.z && jv.rhw == pv.rhw && jv.diffuse == pv.diffuse &&
                  jv.u == pv.u && jv.v == pv.v)
          << "draw " << i << " vertex " << v;
    }
  }
  // The first rectangle's corners, by hand.
  EXPECT_EQ(joinedDraws[0].quad[1].x, 60);
  EXPECT_EQ(joinedDraws[0].quad[1].u, 1);
  EXPECT_EQ(joinedDraws[0].quad[2].y, 66);
  EXPECT_EQ(joinedDraws[0].quad[2].u, 0.5f);

  // Only what changed is logged: the three stage states in which modulate
  // differs from a new device's stage and the first texture; nothing; the
  // second texture; the colour op; no texture; the colour op and the first
  // texture again.
  const auto& joinedChanges = joined.StateChanges();
  const auto& apartChanges = apart.StateChanges();
  ASSERT_EQ(joinedChanges.size(), 9u);
  ASSERT_EQ(apartChanges.size(), joinedChanges.size());
  for (size_t i = 0; i < joinedChanges.size(); ++i) {
    EXPECT_EQ(joinedChanges[i].kind, apartChanges[i].kind) << "change " << i;
    EXPECT_EQ(joinedChanges[i].key, apartChanges[i].key) << "change " << i;
    EXPECT_EQ(joinedChanges[i].value, apartChanges[i].value) << "change " << i;
  }
}

}  // namespace
