#pragma once
// The fixed-function state a RenderDevice keeps, starting from the values a
// freshly created Direct3D 9 device has (with an automatic depth buffer), so
// that state the game never sets behaves as it did there.

#include <array>
#include <cstdint>

#include "gfx/RenderDevice.h"

// Render states and texture-stage states: small enough to copy per draw.
class StateBlock {
 public:
  StateBlock();
  bool operator==(const StateBlock&) const = default;

  // States the device does not model read as 0 and ignore writes.
  uint32_t Get(RenderState state) const;
  void Set(RenderState state, uint32_t value);

  // Stage 0 only: the game draws with one texture stage.
  uint32_t Get(TextureStageState state) const;
  void Set(TextureStageState state, uint32_t value);

 private:
  static int Index(RenderState state);        // -1 when not modelled
  static int Index(TextureStageState state);  // -1 when not modelled

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
