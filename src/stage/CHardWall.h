#pragma once
// The hard block: solid like the breakable one, but nothing damages it.

#include <cstddef>
#include <cstdint>

#include "task/MobTask.h"

class CHardWall : public CMobTask {
 public:
  CHardWall(float x, float y, int32_t column, int32_t row);
  bool Move() override;
  void Draw() override;
  const char* ClassName() const override { return "CHardWall"; }

  // Slots come from HardWallList; a full list creates no block.
  static void* operator new(std::size_t size) noexcept;
  static void operator delete(void* slot);

  int32_t column, row;
};
