#pragma once
// Repeatable pseudo-random numbers for texture detail: every value is a pure
// function of its integer inputs, so the pictures come out the same on every
// run and machine.

#include <cstdint>

uint32_t Hash(int32_t x, int32_t y, uint32_t seed);
float Random01(int32_t x, int32_t y, uint32_t seed);   // [0, 1)
float ValueNoise(float x, float y, uint32_t seed);     // smooth, [0, 1)
float Fbm(float x, float y, uint32_t seed, int octaves);  // fractal sum, about [0, 1)

// A tiny sequential generator for placing things (stars, pebbles).
class Rng {
 public:
  explicit Rng(uint32_t seed) : state_(seed * 2654435761u + 1u) {}
  float Next();                        // [0, 1)
  float Range(float lo, float hi) { return lo + (hi - lo) * Next(); }
  int Int(int lo, int hi);             // [lo, hi]

 private:
  uint32_t state_;
};
