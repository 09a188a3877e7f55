#pragma once
// A bomb's explosion: eight 100-pixel cells of "bomb.png" centred on the
// bomb, three frames per cell. It ends on its own or with the stage.

#include <cstdint>

#include "actors/CEffect.h"

class CEffect_Bomb : public CEffect {
 public:
  // At the world position of the bomb.
  CEffect_Bomb(float x, float y);
  bool Move() override;
  void Draw() override;
  const char* ClassName() const override { return "CEffect_Bomb"; }

  float column;  // screen cell (50 x 46 pixels) of the strip cell's corner
  float row;
  int32_t cell = 0;
};
