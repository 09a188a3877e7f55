#pragma once
// The melody notation the pieces are written in. Pitches are absolute:
// "c" is C3, each ' raises an octave and each , lowers one ("c'" is middle C);
// '#' or '+' sharpens, '-' flattens. A number after a note or a rest "r" is
// its length (1 whole, 2 half, 4 quarter, 8, 16; 3, 6, 12 are triplets), dots
// lengthen it by half, "~" ties another length to it; a note without a
// number keeps the previous length. "|" checks that a bar ends there.
//
//   "e'4 g'8 e'8 c'4 g4 | d'4. e'8 d'4 b4 |"

#include <cstdint>
#include <string>
#include <vector>

namespace audiogen {

struct WrittenNote {
  uint32_t start = 0;  // ticks from the start of the line
  uint32_t length = 0;
  int key = 60;
};

struct Melody {
  std::vector<WrittenNote> notes;
  uint32_t length = 0;  // ticks, rests included
};

// Throws std::runtime_error naming the position of the first fault (an
// unknown symbol, a bad length, a bar that does not add up).
Melody ParseMelody(const std::string& text, uint32_t ticksPerQuarter, uint32_t barTicks);

}  // namespace audiogen
