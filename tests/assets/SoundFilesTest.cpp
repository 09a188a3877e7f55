// The generated sound effects, read back from the runtime tree.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "AudioCheck.h"
#include "support/Catalogue.h"

namespace {

// Loudest RMS over 50 ms windows, in dBFS.
double LoudestWindowDb(const audiocheck::Wave& wave) {
  const size_t window = std::min(wave.samples.size(), static_cast<size_t>(wave.sampleRate / 20));
  double loudest = 0;
  for (size_t start = 0; start + window <= wave.samples.size(); start += window / 4) {
    double energy = 0;
    for (size_t i = start; i < start + window; ++i) energy += std::pow(wave.samples[i] / 32768.0, 2);
    loudest = std::max(loudest, energy / static_cast<double>(window));
  }
  return 10 * std::log10(loudest);
}

// Short PCM the mixer can play, audible but unclipped, equally loud, and
// starting and ending in silence so that they do not click.
TEST(SoundEffects, EveryEffectIsAShortCleanPcmWaveAtACommonLoudness) {
  double quietest = 0, loudest = -100;
  for (const char* name : kCatalogueEffects) {
    SCOPED_TRACE(name);
    audiocheck::Wave wave;
    ASSERT_NO_THROW(wave = audiocheck::ParseWave(audiocheck::ReadFile(std::string(VEXHOP_TREE) + "/Sound/" + name)));
    EXPECT_EQ(wave.format, 1);
    EXPECT_EQ(wave.bitsPerSample, 16);
    EXPECT_TRUE(wave.channels == 1 || wave.channels == 2);
    EXPECT_TRUE(wave.sampleRate == 44100 || wave.sampleRate == 22050);
    const double seconds = static_cast<double>(wave.samples.size()) / wave.channels / wave.sampleRate;
    EXPECT_GT(seconds, 0.03);
    EXPECT_LT(seconds, 3.0);

    int peak = 0;
    for (int16_t s : wave.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_LT(peak, 32000) << "clipped or at full scale";
    const double db = LoudestWindowDb(wave);
    EXPECT_GT(db, -20.0) << "too quiet";
    EXPECT_LT(db, -10.0) << "too loud";
    quietest = std::min(quietest, db);
    loudest = std::max(loudest, db);
    EXPECT_LE(std::abs(wave.samples.front()), 64);
    EXPECT_LE(std::abs(wave.samples.back()), 64);
  }
  EXPECT_LT(loudest - quietest, 6.0);
}

}  // namespace
