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

// Where each render state lives in the block, by its value: -1 for the ones
// not modelled. Draws look states up often enough for a search to show.
constexpr int kHighestState = static_cast<int>(RenderState::IndexedVertexBlendEnable);
constexpr std::array<int8_t, kHighestState + 1> IndexTable() {
  std::array<int8_t, kHighestState + 1> table{};
  for (int8_t& entry : table) entry = -1;
  for (size_t i = 0; i < std::size(kDefaults); ++i) table[static_cast<size_t>(kDefaults[i].state)] = static_cast<int8_t>(i);
  return table;
}
constexpr auto kIndexTable = IndexTable();

}  // namespace

StateBlock::StateBlock() : renderStates_(InitialRenderStates()), stage0_(kInitialStage) {}

int StateBlock::Index(RenderState state) {
  const auto value = static_cast<uint32_t>(state);
  return value < kIndexTable.size() ? kIndexTable[value] : -1;
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
