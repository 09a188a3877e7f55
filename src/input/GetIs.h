#pragma once
// Logical buttons: 0 jump / cancel, 1 action, 2 decide, 3 to 9 configurable
// (each through the key map to a physical button of the pad record), 10
// right, 11 left, 12 up, 13 down.

#include <array>
#include <cstdint>

#include "input/PadState.h"

using KeyMap = std::array<int32_t, 10>;

// True while the logical button is held. Any other number shows a message
// box and counts as not held; so does a key-map entry that names no button.
bool GetIs(const PadState& pad, const KeyMap& keyMap, int button);
