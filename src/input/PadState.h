#pragma once
// One pad slot as the game sees it: the keyboard and any pads on the same
// slot are merged into it every logic step.

#include <cstdint>

struct PadState {
  uint8_t up = 0;
  uint8_t down = 0;
  uint8_t left = 0;
  uint8_t right = 0;
  uint8_t button[128] = {};  // only 0 to 32 are ever set
  float axisX = 0;           // -1 left .. +1 right, keyboard and stick added (so up to +-2)
  float axisY = 0;           // -1 up .. +1 down
};
