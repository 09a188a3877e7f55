#pragma once
// The "Get ready" banner that starts every stage: the stage stands still
// while it shows, and the clock starts when it goes.

#include "actors/CEffect.h"

class CEffect_Ready : public CEffect {
 public:
  CEffect_Ready();
  bool Move() override;
  void Draw() override;
  const char* ClassName() const override { return "CEffect_Ready"; }
};
