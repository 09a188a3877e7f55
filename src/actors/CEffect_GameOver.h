#pragma once
// The game-over screen: the final and best scores over "gameover.png" with
// its tune repeating, until jump or decide is pressed; then the screen fades
// out and the title returns. Holding the button shortens the wait.

#include <cstdint>

#include "actors/CEffect.h"

class CEffect_GameOver : public CEffect {
 public:
  // Records the high score and stops the music.
  CEffect_GameOver();
  bool Move() override;
  void Draw() override;
  const char* ClassName() const override { return "CEffect_GameOver"; }

  int32_t exitCounter = 0;    // steps of the exit, from the first press
  int32_t soundCounter = 140;  // the tune plays whenever it reaches a multiple of 180
};
