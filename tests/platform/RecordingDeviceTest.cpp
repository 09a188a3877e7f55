#include "platform/RecordingDevice.h"

#include <gtest/gtest.h>


namespace {

const ScreenVertex kQuad[4] = {{0, 0, 0, 1, 0xFFFFFFFF, 0, 0},
                               {10, 0, 0, 1, 0xFFFFFFFF, 1, 0},
                               {0, 10, 0, 1, 0xFFFFFFFF, 0, 1},
                               {10, 10, 0, 1, 0xFFFFFFFF, 1, 1}};

TEST(RecordingDeviceTest, StartsWithTheStatesOfAFreshDevice) {
  RecordingDevice device;
  EXPECT_EQ(device.GetRenderState(RenderState::ZEnable), ZBuffer::True);
  EXPECT_EQ(device.GetRenderState(RenderState::ZWriteEnable), 1u);
  EXPECT_EQ(device.GetRenderState(RenderState::CullMode), Cull::CCW);
  EXPECT_EQ(device.GetRenderState(RenderState::Lighting), 1u);
  EXPECT_EQ(device.GetRenderState(RenderState::AlphaBlendEnable), 0u);
  EXPECT_EQ(device.GetRenderState(RenderState::SrcBlend), Blend::One);
  EXPECT_EQ(device.GetRenderState(RenderState::DestBlend), Blend::Zero);
  EXPECT_EQ(device.GetRenderState(RenderState::AlphaFunc), Cmp::Always);
  EXPECT_EQ(device.GetRenderState(RenderState::VertexBlend), VertexBlendFlags::Disable);
  Viewport vp = device.GetViewport();
  EXPECT_EQ(vp.width, 800);
  EXPECT_EQ(vp.height, 600);
  // A state the device does not model reads as 0 and ignores writes.
  device.SetRenderState(static_cast<RenderState>(9999), 5);
  EXPECT_EQ(device.GetRenderState(static_cast<RenderState>(9999)), 0u);
}

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

  ASSERT_GE(device.StateChanges().size(), 5u);
  EXPECT_EQ(device.StateChanges()[0].kind, StateChange::Kind::Viewport);
  EXPECT_EQ(device.StateChanges()[1].kind, StateChange::Kind::RenderState);
  EXPECT_EQ(device.StateChanges()[1].key, static_cast<uint32_t>(RenderState::AlphaBlendEnable));
  EXPECT_EQ(device.StateChanges()[1].value, 1u);

  // A new frame starts a new log; the state itself carries over.
  device.BeginScene();
  EXPECT_TRUE(device.Draws().empty());
  EXPECT_TRUE(device.StateChanges().empty());
  EXPECT_EQ(device.GetViewport().y, 550);
}

TEST(RecordingDeviceTest, MeshDrawsKeepTransformsMaterialAndThePaletteWhileBlending) {
  RecordingDevice device;
  auto mesh = device.CreateMesh({MeshVertex{}, MeshVertex{}, MeshVertex{}}, {0, 1, 2}, {});
  Material material;
  material.diffuse = {0.4f, 0.5f, 0.6f, 1};
  device.SetMaterial(material);
  device.SetTransform(TransformSlot::View, MatrixTranslation(1, 2, 3));
  device.SetTransform(TransformSlot::World, MatrixScaling(2, 2, 2));
  device.SetTransform(TransformSlot::WorldMatrix(2), MatrixTranslation(7, 0, 0));
  device.DrawMesh(*mesh, 0, 1);
  device.SetRenderState(RenderState::VertexBlend, VertexBlendFlags::Weights1);
  device.DrawMesh(*mesh, 0, 1);

  const auto& draws = device.Draws();
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_EQ(draws[0].mesh, mesh.get());
  EXPECT_EQ(draws[0].triangleCount, 1u);
  EXPECT_FLOAT_EQ(draws[0].material.diffuse.g, 0.5f);
  EXPECT_FLOAT_EQ(draws[0].view(3, 2), 3);
  ASSERT_EQ(draws[0].worlds.size(), 1u);
  EXPECT_FLOAT_EQ(draws[0].worlds[0](0, 0), 2);
  ASSERT_EQ(draws[1].worlds.size(), 3u);
  EXPECT_FLOAT_EQ(draws[1].worlds[2](3, 0), 7);
}

}  // namespace
