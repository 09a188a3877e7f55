#include "platform/ManualClock.h"

#include <cmath>

int64_t ManualClock::ToNanoseconds(double seconds) { return std::llround(seconds * 1e9); }

int64_t ManualClock::Counter() const {
  return static_cast<int64_t>(static_cast<__int128>(nanoseconds) * frequency / 1'000'000'000);
}

uint32_t ManualClock::Ticks() const {
  return firstTick + static_cast<uint32_t>(nanoseconds / 1'000'000);
}
