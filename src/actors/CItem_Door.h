#pragma once
// The door: it opens over 90 steps once the key is taken, and touching it
// then clears the stage; it closes again behind the player. Its frame pulses
// with a brightness all doors share.

#include "actors/CItem.h"

class CItem_Door : public CItem {
 public:
  // Also tells the session where the door stands.
  CItem_Door(float x, float y);
  bool Move() override;
  void Draw() override;
  const char* ClassName() const override { return "CItem_Door"; }

  // Back to the brightness the game starts with, for a new game run in the
  // same process (headless runs and tests run several).
  static void ResetBrightness() {
    s_brightness = 0;
    s_brightnessFalling = false;
  }

 private:
  static float AdvanceBrightness();

  static inline float s_brightness = 0;
  static inline bool s_brightnessFalling = false;
};
