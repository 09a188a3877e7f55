#include "audio/Attenuation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(Attenuation, MusicCurveIsHalfTheDecibelsOfEffects) {
  EXPECT_EQ(MusicAttenuation(1.0f), 0);
  EXPECT_EQ(MusicAttenuation(0.5f), -301);
  EXPECT_EQ(MusicAttenuation(0.1f), -1000);
  EXPECT_EQ(MusicAttenuation(0.0f), -10000);
  // The settings arrive as tenths divided by 10.0, rounded to float.
  EXPECT_EQ(MusicAttenuation(static_cast<float>(3 / 10.0)), -522);
  EXPECT_EQ(MusicAttenuation(static_cast<float>(8 / 10.0)), -96);

  EXPECT_EQ(EffectAttenuation(1.0f), 0);
  EXPECT_EQ(EffectAttenuation(0.5f), -602);
  EXPECT_EQ(EffectAttenuation(0.1f), -2000);
  EXPECT_EQ(EffectAttenuation(0.0f), -9600);
  EXPECT_EQ(EffectAttenuation(static_cast<float>(3 / 10.0)), -1045);
  EXPECT_EQ(EffectAttenuation(static_cast<float>(8 / 10.0)), -193);
}

TEST(Attenuation, OutOfRangeVolumesAreClamped) {
  EXPECT_EQ(MusicAttenuation(2.0f), 0);
  EXPECT_EQ(MusicAttenuation(kInf), 0);
  EXPECT_EQ(MusicAttenuation(-0.5f), -10000);
  EXPECT_EQ(MusicAttenuation(kNaN), -10000);
  EXPECT_EQ(MusicAttenuation(1e-6f), -6000);  // above the floor: not clamped

  EXPECT_EQ(EffectAttenuation(2.0f), 0);
  EXPECT_EQ(EffectAttenuation(kInf), 0);
  EXPECT_EQ(EffectAttenuation(-0.5f), -9600);
  EXPECT_EQ(EffectAttenuation(kNaN), -9600);
  EXPECT_EQ(EffectAttenuation(1e-6f), -9600);  // -12000 hits the floor
}

TEST(Attenuation, BalanceIsTruncatedAndLimited) {
  EXPECT_EQ(BalanceAttenuation(0.0f), 0);
  EXPECT_EQ(BalanceAttenuation(0.12345f), 1234);
  EXPECT_EQ(BalanceAttenuation(-0.12345f), -1234);
  EXPECT_EQ(BalanceAttenuation(3.0f), 10000);
  EXPECT_EQ(BalanceAttenuation(-kInf), -10000);
  EXPECT_EQ(BalanceAttenuation(kNaN), 0);
}

TEST(Attenuation, GainIsTheAmplitudeOfHundredthsOfADecibel) {
  EXPECT_FLOAT_EQ(AttenuationGain(0), 1.0f);
  EXPECT_FLOAT_EQ(AttenuationGain(-2000), 0.1f);
  EXPECT_NEAR(AttenuationGain(-602), 0.5f, 1e-3f);
  EXPECT_NEAR(AttenuationGain(-301), std::sqrt(0.5f), 1e-3f);
  EXPECT_FLOAT_EQ(AttenuationGain(-10000), 1e-5f);
}

}  // namespace
