#include "platform/FixedFunctionState.h"

#include <algorithm>

namespace {

struct StateDefault {
  RenderState state;
  uint32_t value;
};

// Direct3D 9's initial values.
constexpr StateDefault kDefaults[] = {
    {RenderState::ZEnable, ZBuffer::True},
    {RenderState::ZWriteEnable, 1},
    {RenderState::AlphaTestEnable, 0},
    {RenderState::SrcBlend, Blend::One},
    {RenderState::DestBlend, Blend::Zero},
    {RenderState::CullMode, Cull::CCW},
    {RenderState::AlphaRef, 0},
    {RenderState::AlphaFunc, Cmp::Always},
    {RenderState::DitherEnable, 0},
    {RenderState::AlphaBlendEnable, 0},
    {RenderState::SpecularEnable, 0},
    {RenderState::Lighting, 1},
    {RenderState::Ambient, 0},
    {RenderState::VertexBlend, VertexBlendFlags::Disable},
    {RenderState::IndexedVertexBlendEnable, 0},
};
static_assert(std::size(kDefaults) == 15);

}  // namespace

StateBlock::StateBlock() {
  for (const StateDefault& d : kDefaults) Set(d.state, d.value);
  Set(TextureStageState::ColorOp, TextureOp::Modulate);
  Set(TextureStageState::ColorArg1, TextureArg::Texture);
  Set(TextureStageState::ColorArg2, TextureArg::Current);
  Set(TextureStageState::AlphaOp, TextureOp::SelectArg1);
  Set(TextureStageState::AlphaArg1, TextureArg::Texture);
  Set(TextureStageState::AlphaArg2, TextureArg::Current);
}

int StateBlock::Index(RenderState state) {
  const auto* found = std::find_if(std::begin(kDefaults), std::end(kDefaults),
                                   [state](const StateDefault& d) { return d.state == state; });
  return found == std::end(kDefaults) ? -1 : static_cast<int>(found - std::begin(kDefaults));
}

uint32_t StateBlock::Get(RenderState state) const {
  int index = Index(state);
  return index < 0 ? 0 : renderStates_[index];
}

void StateBlock::Set(RenderState state, uint32_t value) {
  int index = Index(state);
  if (index >= 0) renderStates_[index] = value;
}

int StateBlock::Index(TextureStageState state) {
  auto index = static_cast<uint32_t>(state) - 1;
  return index < 6 ? static_cast<int>(index) : -1;
}

uint32_t StateBlock::Get(TextureStageState state) const {
  int index = Index(state);
  return index < 0 ? 0 : stage0_[index];
}

void StateBlock::Set(TextureStageState state, uint32_t value) {
  int index = Index(state);
  if (index >= 0) stage0_[index] = value;
}

bool FixedFunctionState::SetTransform(uint32_t slot, const Matrix& matrix) {
  if (slot == TransformSlot::View) {
    view_ = matrix;
  } else if (slot == TransformSlot::Projection) {
    projection_ = matrix;
  } else if (slot >= TransformSlot::World && slot < TransformSlot::WorldMatrix(kPaletteSize)) {
    palette_[slot - TransformSlot::World] = matrix;
  } else {
    return false;
  }
  return true;
}

Matrix FixedFunctionState::GetTransform(uint32_t slot) const {
  if (slot == TransformSlot::View) return view_;
  if (slot == TransformSlot::Projection) return projection_;
  if (slot >= TransformSlot::World && slot < TransformSlot::WorldMatrix(kPaletteSize))
    return palette_[slot - TransformSlot::World];
  return Matrix{};
}
