#pragma once
// The fade to black and back that separates scenes and lives. The fade-out
// darkens the screen over 25 frames and hands over to the fade-in, which
// holds black for 40 frames (callers rebuild the stage or switch scenes
// then) and clears over 26 more.

#include "actors/CEffect.h"

class CEffect_Fade : public CEffect {
 public:
  CEffect_Fade();
  bool Move() override;
  void Draw() override;
  const char* ClassName() const override { return "CEffect_Fade"; }
};

class CEffect_Fadein : public CEffect {
 public:
  CEffect_Fadein();
  bool Move() override;
  void Draw() override;
  const char* ClassName() const override { return "CEffect_Fadein"; }
};
