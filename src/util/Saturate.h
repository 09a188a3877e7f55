#pragma once
// Game counters are 32-bit; sums that a hand-edited file could push past the
// range stop at its ends instead of wrapping.

#include <algorithm>
#include <cstdint>
#include <limits>

inline int32_t Saturate(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}
