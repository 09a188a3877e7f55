#pragma once
// The enemies that travel: the rolling bomb, the two ghosts (one flies left
// and right, the other up and down) and the walking daruma. Each may have a
// lifetime (0 = without end); live counts per kind limit the spawners.

#include <cstdint>

#include "actors/CEnemy.h"

// Rolls while standing, turns at walls; explodes on touching the player,
// on a hard landing (taking the wall below with it) or when its time is up.
class CEnemy_Bomb : public CEnemy {
 public:
  CEnemy_Bomb(float x, float y, int32_t lifetime);
  bool Move() override;
  const char* ClassName() const override { return "CEnemy_Bomb"; }

  int32_t lifetime;
  int32_t direction = 1;  // +1 towards +x, -1 towards -x

 private:
  bool Explode();
};

// Flies along x; held against a wall for 40 moves it turns back and breaks it.
class CEnemy_Ghost1 : public CEnemy {
 public:
  CEnemy_Ghost1(float x, float y, int32_t lifetime);
  bool Move() override;
  const char* ClassName() const override { return "CEnemy_Ghost1"; }

  int32_t lifetime;
  int32_t direction = 1;
  int32_t pushFrames = 0;
};

// Flies along y, with the same turning, wall breaking and lifetime.
class CEnemy_Ghost2 : public CEnemy {
 public:
  CEnemy_Ghost2(float x, float y, int32_t lifetime);
  bool Move() override;
  const char* ClassName() const override { return "CEnemy_Ghost2"; }

  int32_t lifetime;
  int32_t direction = 1;  // +1 up
  int32_t pushFrames = 0;
};

// Walks along x, also while falling, and turns at walls.
class CEnemy_Daruma : public CEnemy {
 public:
  CEnemy_Daruma(float x, float y, int32_t lifetime);
  bool Move() override;
  const char* ClassName() const override { return "CEnemy_Daruma"; }

  int32_t lifetime;
  int32_t direction = 1;
};
