#include "gfx/AnimationClock.h"

#include <algorithm>
#include <cmath>

double AnimationClock::TicksWithin(uint32_t period) const {
  int64_t units = units_;
  if (period > 0) {
    const int64_t loop = int64_t{period} * kUnitsPerTick;
    units %= loop;
    if (units < 0) units += loop;
  }
  return double(units) / kUnitsPerTick;
}

int64_t AnimationClock::Units(double seconds) const {
  const double units = seconds * ticksPerSecond_ * kUnitsPerTick;
  if (!std::isfinite(units)) return 0;  // no time at all rather than a wild one
  return std::llround(std::clamp(units, -1e15, 1e15));
}
