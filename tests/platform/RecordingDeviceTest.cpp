#include "platform/RecordingDevice.h"

#include <gtest/gtest.h>

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

}  // namespace
