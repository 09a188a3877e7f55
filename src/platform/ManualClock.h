#pragma once
// A clock that moves only when told to: headless runs and tests decide how
// much time each frame, wait or present takes.

#include <cstdint>

#include "app/Platform.h"

class ManualClock final : public Clock {
 public:
  // frequency 0 means there is no high-resolution counter (ticks only).
  explicit ManualClock(int64_t frequency = 1'000'000, uint32_t firstTick = 0)
      : frequency(frequency), firstTick(firstTick) {}

  void Advance(double seconds) { nanoseconds += ToNanoseconds(seconds); }
  void AdvanceNanoseconds(int64_t ns) { nanoseconds += ns; }
  int64_t Nanoseconds() const { return nanoseconds; }
  static int64_t ToNanoseconds(double seconds);

  int64_t Counter() const override;
  int64_t Frequency() const override { return frequency; }
  uint32_t Ticks() const override;

 private:
  int64_t nanoseconds = 0;
  int64_t frequency;
  uint32_t firstTick;
};
