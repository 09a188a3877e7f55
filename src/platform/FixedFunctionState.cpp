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

// The same values in index order, and the stage's initial values.
constexpr std::array<uint32_t, std::size(kDefaults)> InitialRenderStates() {
  std::array<uint32_t, std::size(kDefaults)> values{};
  for (size_t i = 0; i < values.size(); ++i) values[i] = kDefaults[i].value;
  return values;
}

constexpr std::array<uint32_t, 6> kInitialStage = {TextureOp::Modulate,   TextureArg::Texture, TextureArg::Current,
                                                   TextureOp::SelectArg1, TextureArg::Texture, TextureArg::Current};

constexpr bool DefaultsInIndexOrder() {
  for (size_t i = 0; i < std::size(kDefaults); ++i)
    if (StateBlock::Index(kDefaults[i].state) != static_cast<int>(i)) return false;
  return true;
}
static_assert(DefaultsInIndexOrder());

}  // namespace

StateBlock::StateBlock() : renderStates_(InitialRenderStates()), stage0_(kInitialStage) {}

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
