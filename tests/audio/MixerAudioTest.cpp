// Real output through SDL's "disk" audio driver, which writes what the mixer
// plays into a raw file (16-bit stereo, 44.1 kHz) at the pace of a real
// device. Each render is kept short.

#include "platform/MixerAudio.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "audio/Attenuation.h"
#include "audio/CBgmPlayer.h"
#include "audio/CSePlayer.h"
#include "audio/CSound.h"
#include "audio/SoundFiles.h"

namespace {

using namespace std::chrono_literals;

class MixerAudioTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    WriteOneNoteMidi(dir_.File("piece.mid"));
    WriteToneWav(dir_.File("tone.wav"), 0.2, 0.4);
  }

  // A mixer writing to a fresh file, or null with a failure noted.
  std::unique_ptr<MixerAudio> OpenDisk() {
    output_ = dir_.File("render" + std::to_string(renders_++) + ".raw");
    setenv("SDL_DISKAUDIOFILE", output_.c_str(), 1);
    auto mixer = MixerAudio::Open();
    if (!mixer) ADD_FAILURE() << "the disk audio driver did not open";
    return mixer;
  }

  // Closes the mixer and returns everything it wrote.
  std::vector<int16_t> Close(std::unique_ptr<MixerAudio> mixer) {
    mixer.reset();
    return ReadSamples(output_);
  }

  double MusicLevel(float volume) {
    auto mixer = OpenDisk();
    if (!mixer) return 0.0;
    {
      CBgmPlayer bgm(*mixer);
      EXPECT_TRUE(bgm.Load(dir_.File("piece.mid")));
      bgm.SetVolume(volume);
      bgm.Play();
      std::this_thread::sleep_for(1200ms);  // the note and most of its release
    }
    return Level(Close(std::move(mixer)));
  }

  double EffectLevel(float volume, int playsInOneStep) {
    auto mixer = OpenDisk();
    if (!mixer) return 0.0;
    {
      CSePlayer se(*mixer);
      CSound tone(dir_.File("tone.wav"));
      se.Download(tone);
      EXPECT_TRUE(tone.IsLoaded());
      se.SetVolume(volume);
      for (int i = 0; i < playsInOneStep; ++i) se.Play(tone);
      std::this_thread::sleep_for(400ms);
    }
    return Level(Close(std::move(mixer)));
  }

  ScratchDir dir_;
  std::string output_;
  int renders_ = 0;
};

TEST_F(MixerAudioTest, MidiAndWavAreHeardAtTheirVolumes) {
  ASSERT_FALSE(FindSoundFont(StandardSoundFonts()).empty()) << "install timgm6mb-soundfont";

  const double musicFull = MusicLevel(1.0f);
  const double musicHalf = MusicLevel(0.5f);
  EXPECT_GT(musicFull, 100000.0) << "the MIDI piece is silent";
  EXPECT_NEAR(musicHalf / musicFull, AttenuationGain(-301), 0.02);

  const double effectFull = EffectLevel(1.0f, 1);
  const double effectHalf = EffectLevel(0.5f, 1);
  const double effectTwice = EffectLevel(0.5f, 2);
  EXPECT_GT(effectFull, 100000.0) << "the WAV effect is silent";
  EXPECT_NEAR(effectHalf / effectFull, AttenuationGain(-602), 0.01);
  EXPECT_NEAR(effectTwice / effectHalf, 2.0, 0.02) << "two plays in one step overlap";
}

// A short WAV serves as the piece here: it runs to its end quickly.
TEST_F(MixerAudioTest, PieceEndsLoopsAndStops) {
  auto mixer = OpenDisk();
  ASSERT_TRUE(mixer);
  CBgmPlayer bgm(*mixer);
  EXPECT_FALSE(bgm.Load(dir_.File("missing.mid")));
  EXPECT_TRUE(bgm.IsFinished());
  bgm.RestartIfFinished();

  ASSERT_TRUE(bgm.Load(dir_.File("tone.wav")));
  EXPECT_FALSE(bgm.IsFinished()) << "loaded and never started";
  bgm.Play();
  auto waitForEnd = [&] {
    for (int i = 0; i < 200 && !bgm.IsFinished(); ++i) std::this_thread::sleep_for(10ms);
    return bgm.IsFinished();
  };
  ASSERT_TRUE(waitForEnd());
  bgm.RestartIfFinished();
  EXPECT_FALSE(bgm.IsFinished()) << "the step check starts it again";
  ASSERT_TRUE(waitForEnd());

  bgm.RestartIfFinished();
  bgm.Stop();
  std::this_thread::sleep_for(300ms);
  EXPECT_FALSE(bgm.IsFinished()) << "a stopped piece is not finished";
}

TEST(MixerAudio, WithoutADeviceTheGameGetsSilentOutput) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  EXPECT_EQ(MixerAudio::Open(), nullptr);
  auto output = OpenAudio();
  ASSERT_NE(output, nullptr);
  CBgmPlayer bgm(*output);
  EXPECT_FALSE(bgm.Load(VEXHOP_TEST_DATA "/none.mid"));
  EXPECT_TRUE(bgm.IsFinished());
}

TEST(MixerAudio, SoundFontIsTheFirstReadableCandidate) {
  ScratchDir dir;
  WriteOneNoteMidi(dir.File("b.sf2"));
  WriteOneNoteMidi(dir.File("c.sf2"));
  std::filesystem::create_symlink(dir.File("gone.sf2"), dir.File("dangling.sf2"));
  EXPECT_EQ(FindSoundFont({dir.File("a.sf2"), dir.File("dangling.sf2"), dir.File("b.sf2"), dir.File("c.sf2")}),
            dir.File("b.sf2"));
  EXPECT_EQ(FindSoundFont({dir.File("a.sf2"), dir.File("dangling.sf2")}), "");
}

}  // namespace
