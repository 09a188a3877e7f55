#pragma once
// Effects: short-lived tasks over the screen or a spot of it (fades, the
// Ready banner, the game-over screen, explosions). They live in the session's
// EffectList, which moves even while the Ready banner freezes the stage and
// draws last, above the stage and the HUD band.

#include <cstddef>
#include <cstdint>

#include "task/Task.h"

class CEffect : public CTask {
 public:
  CEffect();

  bool Move() override { return true; }

  // Slots come from EffectList; a full list creates no effect.
  static void* operator new(std::size_t size) noexcept;
  static void operator delete(void* slot);

  float alpha = 1;     // fade opacity, 0 to 255
  int32_t frame = 0;   // moves since creation
};

inline constexpr uint32_t kOpaqueWhite = 0xFFFFFFFF;
