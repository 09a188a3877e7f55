#pragma once
// A fixture that gives each test an off-screen GL device with the render
// states the game sets after every device reset, and helpers to read pixels.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/OffscreenGl.h"

class OffscreenDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    gl_ = OffscreenGl::Create(&error);
    ASSERT_NE(gl_, nullptr) << error;
    SetGameStates(Device());
  }

  OffscreenGl& Offscreen() { return *gl_; }
  GlDevice& Device() { return gl_->Device(); }
  Image Capture() { return gl_->Capture(); }
  uint32_t Pixel(int x, int y) { return Capture().At(x, y) | 0xFF000000; }

  // The state table the session applies after creating or resetting the
  // device, with its camera light.
  static void SetGameStates(RenderDevice& device) {
    device.SetRenderState(RenderState::AlphaBlendEnable, 1);
    device.SetRenderState(RenderState::SrcBlend, Blend::SrcAlpha);
    device.SetRenderState(RenderState::DestBlend, Blend::InvSrcAlpha);
    device.SetRenderState(RenderState::DitherEnable, 0);
    device.SetRenderState(RenderState::SpecularEnable, 0);
    device.SetRenderState(RenderState::CullMode, Cull::CCW);
    device.SetRenderState(RenderState::Lighting, 1);
    device.SetRenderState(RenderState::ZEnable, ZBuffer::True);
    device.SetRenderState(RenderState::Ambient, 0x006F6F6F);
    device.SetRenderState(RenderState::AlphaRef, 1);
    device.SetRenderState(RenderState::AlphaTestEnable, 1);
    device.SetRenderState(RenderState::AlphaFunc, Cmp::GreaterEqual);
    device.SetTextureStageState(0, TextureStageState::ColorOp, TextureOp::Modulate);
    device.SetTextureStageState(0, TextureStageState::ColorArg1, TextureArg::Texture);
    device.SetTextureStageState(0, TextureStageState::ColorArg2, TextureArg::Diffuse);
    device.SetTextureStageState(0, TextureStageState::AlphaOp, TextureOp::Modulate);
    device.SetTextureStageState(0, TextureStageState::AlphaArg1, TextureArg::Texture);
    device.SetTextureStageState(0, TextureStageState::AlphaArg2, TextureArg::Diffuse);
    device.SetTransform(TransformSlot::World, MatrixIdentity());
    SetDirectionalLight(device, {-1, -1, -1});
  }

  static void SetDirectionalLight(RenderDevice& device, Vec3 direction) {
    Light light;
    light.type = LightType::Directional;
    light.diffuse = {1, 1, 1, 1};
    light.position = direction;
    light.direction = Normalize(direction);
    light.range = 1000;
    device.SetLight(0, light);
    device.LightEnable(0, true);
  }

  // The game's side-view camera: world x 240..400 and y 180..300 fill the screen.
  static void SetGameCamera(RenderDevice& device) {
    device.SetTransform(TransformSlot::View,
                        MatrixLookAtLH({320, 240, 100}, {320, 240, 0}, {0, 1, 0}));
    device.SetTransform(TransformSlot::Projection, MatrixOrthoLH(160, 120, 1, 1000));
  }

 private:
  std::unique_ptr<OffscreenGl> gl_;
};
