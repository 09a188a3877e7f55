#include "audio/Attenuation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(Attenuation, MusicCurve) {
  EXPECT_EQ(MusicAttenuation(1.0f), 0);
  EXPECT_EQ(MusicAttenuation(0.5f), -301);
  EXPECT_EQ(MusicAttenuation(0.1f), -1000);  // computed in float: -999 in double
  EXPECT_EQ(MusicAttenuation(0.0f), -10000);
  EXPECT_EQ(MusicAttenuation(2.0f), 0);
  EXPECT_EQ(MusicAttenuation(-0.5f), -10000);
  EXPECT_EQ(MusicAttenuation(kNaN), -10000);
}

TEST(Attenuation, EffectCurve) {
  EXPECT_EQ(EffectAttenuation(1.0f), 0);
  EXPECT_EQ(EffectAttenuation(0.5f), -602);
  EXPECT_EQ(EffectAttenuation(0.1f), -2000);
  EXPECT_EQ(EffectAttenuation(0.0f), -9600);
  EXPECT_EQ(EffectAttenuation(1e-6f), -9600);  // -12000 hits the floor
  EXPECT_EQ(EffectAttenuation(kInf), 0);
  EXPECT_EQ(EffectAttenuation(-0.5f), -9600);
  EXPECT_EQ(EffectAttenuation(kNaN), -9600);
}

TEST(Attenuation, BalanceAndGain) {
  EXPECT_EQ(BalanceAttenuation(-0.12345f), -1234);
  EXPECT_EQ(BalanceAttenuation(3.0f), 10000);
  EXPECT_EQ(BalanceAttenuation(-kInf), -10000);
  EXPECT_EQ(BalanceAttenuation(kNaN), 0);

  EXPECT_FLOAT_EQ(AttenuationGain(0), 1.0f);
  EXPECT_FLOAT_EQ(AttenuationGain(-2000), 0.1f);
  EXPECT_NEAR(AttenuationGain(-602), 0.5f, 1e-3f);
  EXPECT_NEAR(AttenuationGain(-301), std::sqrt(0.5f), 1e-3f);
}

}  // namespace
