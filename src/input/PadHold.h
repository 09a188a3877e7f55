#pragma once
// What pad record 0 holds in one logic step, as replays and recordings keep
// it: the four directions and physical buttons 0 to 32.

#include <bitset>

struct PadHold {
  bool up = false, down = false, left = false, right = false;
  std::bitset<33> buttons;

  bool operator==(const PadHold&) const = default;
};
