#include "gfx/GameView.h"

namespace {

struct StateSetting {
  RenderState state;
  uint32_t value;
};

constexpr StateSetting kRenderStates[] = {
    {RenderState::AlphaBlendEnable, 1},
    {RenderState::SrcBlend, Blend::SrcAlpha},
    {RenderState::DestBlend, Blend::InvSrcAlpha},
    {RenderState::DitherEnable, 0},
    {RenderState::SpecularEnable, 0},
    {RenderState::CullMode, Cull::CCW},
    {RenderState::Lighting, 1},
    {RenderState::ZEnable, ZBuffer::True},
    {RenderState::Ambient, 0x006F6F6F},
    {RenderState::AlphaRef, 1},
    {RenderState::AlphaTestEnable, 1},
    {RenderState::AlphaFunc, Cmp::GreaterEqual},
};

}  // namespace

void SetModulateStage(RenderDevice& device) { device.SetTextureStage(0, kModulateStage); }

void ApplyGameStates(RenderDevice& device) {
  for (const StateSetting& setting : kRenderStates) device.SetRenderState(setting.state, setting.value);
  SetModulateStage(device);
  device.SetTransform(TransformSlot::World, MatrixIdentity());
}

void SetWhiteLight(RenderDevice& device, int index, LightType type, Vec3 position, float range) {
  Light light;
  light.type = type;
  light.diffuse = {1, 1, 1, 1};
  light.position = position;
  light.direction = Normalize(position);
  light.range = range;
  light.theta = 1.57f;
  light.phi = 3.14f;
  device.SetLight(index, light);
  device.LightEnable(index, true);
  device.SetRenderState(RenderState::Lighting, 1);
}

void SetSideView(RenderDevice& device) {
  device.SetTransform(TransformSlot::View, MatrixLookAtLH({320, 240, 100}, {320, 240, 0}, {0, 1, 0}));
  device.SetTransform(TransformSlot::Projection, MatrixOrthoLH(160, 120, 1.0f, 1000.0f));
  SetWhiteLight(device, 0, LightType::Directional, {-1, -1, -1}, 1000);
}
