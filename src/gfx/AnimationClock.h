#pragma once
// A track's local time, kept as a whole number of thousandths of a tick.
// Steps of 1/60 s (in float or double) are whole numbers of them at the
// usual tick rates (60, 4800), so any number of steps adds up exactly and a
// key falls on the same steps in every loop; in seconds summed in floating
// point the time drifts, and lands just short of a key now and then.

#include <cstdint>

class AnimationClock {
 public:
  explicit AnimationClock(uint32_t ticksPerSecond) : ticksPerSecond_(ticksPerSecond) {}

  void Set(double seconds) { units_ = Units(seconds); }
  void Advance(double seconds) { units_ += Units(seconds); }
  double Seconds() const { return double(units_) / kUnitsPerTick / ticksPerSecond_; }
  // Ticks since the start of the current loop of `period` ticks, 0 up to
  // the period (a time before the start counts back from the end of a
  // loop); a period of 0 does not loop.
  double TicksWithin(uint32_t period) const;

 private:
  static constexpr int64_t kUnitsPerTick = 1000;

  int64_t Units(double seconds) const;

  uint32_t ticksPerSecond_;
  int64_t units_ = 0;
};
