// The synthesiser driven directly, buffer by buffer, as the mixer's audio
// thread drives it: where a piece ends is exact to the buffer.

#include "platform/FluidMusic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "audio/SoundFiles.h"
#include "platform/MixerAudio.h"
#include "support/TempDir.h"

namespace {

constexpr int kRate = 44100;
constexpr int kBuffer = 512;

class FluidMusicTest : public ::testing::Test {
 protected:
  // A note of 0.2 s in a piece that ends at 0.6 s: frame 26460, in the 52nd
  // buffer of 512 frames.
  void SetUp() override { WriteOneNoteMidi(dir_ / "piece.mid", 192, 576); }

  // Mixes buffers until the piece ends (at most `limit`); their number.
  static int BuffersUntilEnd(FluidMusic& music, int limit = 200) {
    for (int n = 1; n <= limit; ++n) {
      Mix(music);
      if (music.Ended()) return n;
    }
    return -1;
  }
  static int Mix(FluidMusic& music) {
    std::vector<int16_t> stereo(2 * kBuffer, 0);
    music.Mix(stereo.data(), kBuffer);
    return *std::max_element(stereo.begin(), stereo.end());
  }

  TempDir dir_;
};

TEST_F(FluidMusicTest, PieceEndsInTheBufferOfItsEndOfTrackTime) {
  const std::string soundFont = FindSoundFont(SoundFontCandidates());
  ASSERT_FALSE(soundFont.empty()) << "install timgm6mb-soundfont";
  FluidMusic music(soundFont, kRate);
  EXPECT_EQ(music.SoundFont(), soundFont);
  ASSERT_TRUE(music.Load(dir_ / "piece.mid"));
  EXPECT_EQ(Mix(music), 0) << "loaded, not started";
  music.Play();
  EXPECT_GT(Mix(music), 100) << "the note starts";
  EXPECT_EQ(BuffersUntilEnd(music), 52 - 1);
  EXPECT_GT(Mix(music), 0) << "the last note still rings after the end";

  // Started over, it ends again a piece's length later.
  music.SetPosition(0);
  music.Play();
  EXPECT_FALSE(music.Ended());
  EXPECT_EQ(BuffersUntilEnd(music), 52);

  music.SetPosition(0);
  music.Play();
  music.Stop();
  EXPECT_FALSE(music.Ended());
  EXPECT_EQ(Mix(music), 0) << "silent at once";
  EXPECT_EQ(BuffersUntilEnd(music, 100), -1) << "a stopped piece never ends";
}

TEST_F(FluidMusicTest, WithoutASoundFontPiecesRunTheirCourseInSilence) {
  for (const std::string& soundFont : {std::string(), dir_ / "piece.mid"}) {
    FluidMusic music(soundFont, kRate);
    EXPECT_EQ(music.SoundFont(), "");
    ASSERT_TRUE(music.Load(dir_ / "piece.mid"));
    music.Play();
    int loudest = 0;
    int buffers = 0;
    for (; buffers < 200 && !music.Ended(); ++buffers) loudest = std::max(loudest, Mix(music));
    EXPECT_EQ(loudest, 0);
    EXPECT_EQ(buffers, 52);
  }
  FluidMusic music("", kRate);
  EXPECT_FALSE(music.Load(dir_ / "missing.mid"));
  music.Play();
  Mix(music);
  EXPECT_FALSE(music.Ended()) << "nothing loaded, nothing played";
}

}  // namespace
