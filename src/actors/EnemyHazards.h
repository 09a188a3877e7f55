#pragma once
// The enemies that hold their ground: the spinning spike, the spring and the
// hopping drill.

#include <cstdint>

#include "actors/CEnemy.h"

// Kills on touch.
class CEnemy_Needle : public CEnemy {
 public:
  CEnemy_Needle(float x, float y);
  bool Move() override;
  const char* ClassName() const override { return "CEnemy_Needle"; }
};

// Launches a falling player high into the air; never harmful.
class CEnemy_Hijump : public CEnemy {
 public:
  CEnemy_Hijump(int32_t x, int32_t y);
  bool Move() override;
  const char* ClassName() const override { return "CEnemy_Hijump"; }
};

// Hops without end and breaks every breakable wall it hits with its head.
class CEnemy_Doriru : public CEnemy {
 public:
  CEnemy_Doriru(int32_t x, int32_t y);
  bool Move() override;
  const char* ClassName() const override { return "CEnemy_Doriru"; }
};
