#pragma once
// What the scenes read of player 0's pad: logical buttons, and the wrap of a
// menu cursor.

#include <cstdint>

enum MenuButton { kCancel = 0, kDecide = 2, kRight = 10, kLeft = 11, kUp = 12, kDown = 13 };

bool MenuHeld(MenuButton button);

// The cursor brought back into 0 .. rows - 1 by one wrap: past the end to
// the top, above the top to the end.
inline int32_t Wrap(int32_t cursor, int32_t rows) {
  if (cursor >= rows) return 0;
  if (cursor < 0) return rows - 1;
  return cursor;
}
