#include "audio/Attenuation.h"

#include <cmath>

namespace {

// Limits before truncating, so that -inf and NaN never reach the integer cast.
int TruncateWithin(float value, int low, int high) {
  if (std::isnan(value) || value <= static_cast<float>(low)) return low;
  if (value >= static_cast<float>(high)) return high;
  return static_cast<int>(value);
}

}  // namespace

int MusicAttenuation(float volume) {
  if (std::isnan(volume) || volume < 0.0f) volume = 0.0f;  // NaN is heard as silence
  if (volume > 1.0f) volume = 1.0f;
  return TruncateWithin(1000.0f * std::log10(volume), -10000, 0);
}

int EffectAttenuation(float volume) {
  // log10 of 0 is -inf and of a negative number NaN: both end at the floor.
  return TruncateWithin(2000.0f * std::log10(volume), -9600, 0);
}

int BalanceAttenuation(float balance) {
  if (std::isnan(balance)) return 0;
  return TruncateWithin(balance * 10000.0f, -10000, 10000);
}

float AttenuationGain(int hundredthsDb) {
  return static_cast<float>(std::pow(10.0, hundredthsDb / 2000.0));
}
