#pragma once
// The background: one large model behind the stage, chosen by its group.

#include <cstddef>

#include "task/Task.h"

class CBG : public CTask {
 public:
  CBG();
  bool Move() override;
  void Draw() override;
  const char* ClassName() const override { return "CBG"; }

  // Slots come from BackgroundList.
  static void* operator new(std::size_t size) noexcept;
  static void operator delete(void* slot);
};
