#pragma once
// The fixed-function state a RenderDevice keeps, starting from the values a
// freshly created Direct3D 9 device has (with an automatic depth buffer), so
// that state the game never sets behaves as it did there.

#include <array>
#include <cstdint>

#include "gfx/RenderDevice.h"

// Blend matrices per vertex for the vertex-blend state (1 .. 4).
inline int BlendMatrices(uint32_t vertexBlend) {
  if (vertexBlend >= VertexBlendFlags::Weights1 && vertexBlend <= VertexBlendFlags::Weights3)
    return static_cast<int>(vertexBlend) + 1;
  return 1;  // disabled, or one matrix at full weight
}

// Render states and texture-stage states: small enough to copy per draw.
class StateBlock {
 public:
  // Every render state kept, in the order of Index().
  static constexpr RenderState kModelled[] = {
      RenderState::ZEnable,          RenderState::ZWriteEnable,   RenderState::AlphaTestEnable,
      RenderState::SrcBlend,         RenderState::DestBlend,      RenderState::CullMode,
      RenderState::AlphaRef,         RenderState::AlphaFunc,      RenderState::DitherEnable,
      RenderState::AlphaBlendEnable, RenderState::SpecularEnable, RenderState::Lighting,
      RenderState::Ambient,          RenderState::VertexBlend,    RenderState::IndexedVertexBlendEnable,
  };

  StateBlock();
  bool operator==(const StateBlock&) const = default;

  // States the device does not model read as 0 and ignore writes. Inline:
  // every draw reads them, and every texture draw sets six.
  uint32_t Get(RenderState state) const {
    const int index = Index(state);
    return index < 0 ? 0 : renderStates_[static_cast<size_t>(index)];
  }
  void Set(RenderState state, uint32_t value) {
    const int index = Index(state);
    if (index >= 0) renderStates_[static_cast<size_t>(index)] = value;
  }

  // Stage 0 only: the game draws with one texture stage.
  uint32_t Get(TextureStageState state) const {
    const int index = Index(state);
    return index < 0 ? 0 : stage0_[static_cast<size_t>(index)];
  }
  void Set(TextureStageState state, uint32_t value) {
    const int index = Index(state);
    if (index >= 0) stage0_[static_cast<size_t>(index)] = value;
  }
  TextureStage Stage() const {
    return {stage0_[0], stage0_[1], stage0_[2], stage0_[3], stage0_[4], stage0_[5]};
  }
  void SetStage(const TextureStage& s) {
    stage0_ = {s.colorOp, s.colorArg1, s.colorArg2, s.alphaOp, s.alphaArg1, s.alphaArg2};
  }

  // Where a state is kept; -1 when it is not modelled.
  static constexpr int Index(RenderState state) {
    switch (state) {
      case RenderState::ZEnable: return 0;
      case RenderState::ZWriteEnable: return 1;
      case RenderState::AlphaTestEnable: return 2;
      case RenderState::SrcBlend: return 3;
      case RenderState::DestBlend: return 4;
      case RenderState::CullMode: return 5;
      case RenderState::AlphaRef: return 6;
      case RenderState::AlphaFunc: return 7;
      case RenderState::DitherEnable: return 8;
      case RenderState::AlphaBlendEnable: return 9;
      case RenderState::SpecularEnable: return 10;
      case RenderState::Lighting: return 11;
      case RenderState::Ambient: return 12;
      case RenderState::VertexBlend: return 13;
      case RenderState::IndexedVertexBlendEnable: return 14;
    }
    return -1;
  }
  static constexpr int Index(TextureStageState state) {
    const auto index = static_cast<uint32_t>(state) - 1;
    return index < 6 ? static_cast<int>(index) : -1;
  }

 private:

  std::array<uint32_t, 15> renderStates_{};
  std::array<uint32_t, 6> stage0_{};
};

class FixedFunctionState {
 public:
  static constexpr int kLights = 8;
  static constexpr int kPaletteSize = 256;

  StateBlock states;

  // False for slots the device does not model (texture transforms and the like).
  bool SetTransform(uint32_t slot, const Matrix& matrix);
  Matrix GetTransform(uint32_t slot) const;
  const Matrix& World(int paletteIndex = 0) const { return palette_[paletteIndex]; }
  const Matrix& View() const { return view_; }
  const Matrix& Projection() const { return projection_; }

  std::array<Light, kLights> lights{};
  std::array<bool, kLights> lightEnabled{};
  Material material;
  const DeviceTexture* texture = nullptr;
  Viewport viewport;

 private:
  Matrix view_, projection_;
  std::array<Matrix, kPaletteSize> palette_{};
};
