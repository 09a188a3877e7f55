// Real output through SDL's "disk" audio driver, which writes what the mixer
// plays into a raw file (native 16-bit stereo, 44.1 kHz) at the pace of a
// real device, so each render is kept short. Renders are measured in output
// written, not in time waited, so a busy machine cannot cut a sound short.

#include "platform/MixerAudio.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "audio/Attenuation.h"
#include "audio/CBgmPlayer.h"
#include "audio/CSePlayer.h"
#include "audio/CSound.h"
#include "audio/SoundFiles.h"
#include "support/TempDir.h"

namespace {

using namespace std::chrono_literals;

class MixerAudioTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    WriteOneNoteMidi(dir_ / "piece.mid");
    WriteToneWav(dir_ / "tone.wav", 0.2, 0.4);
  }

  // Opens a mixer writing to a fresh file, lets `play` start sounds while the
  // device runs, closes it and returns the level of what it wrote.
  template <typename Play>
  double RenderLevel(Play play) {
    output_ = dir_ / "render" + std::to_string(renders_++) + ".raw";
    setenv("SDL_DISKAUDIOFILE", output_.c_str(), 1);
    auto mixer = MixerAudio::Open();
    if (!mixer) ADD_FAILURE() << "the disk audio driver did not open";
    if (mixer) play(*mixer);
    mixer.reset();
    return FileLevel(output_);
  }

  // Lets the device write `seconds` more of output.
  void Listen(double seconds) const {
    const auto target = OutputSize() + static_cast<std::uintmax_t>(seconds * 44100) * 4;
    for (int i = 0; i < 2000 && OutputSize() < target; ++i) std::this_thread::sleep_for(10ms);
    EXPECT_GE(OutputSize(), target) << "the disk driver stalled";
  }

  std::uintmax_t OutputSize() const {
    std::error_code error;
    const auto size = std::filesystem::file_size(output_, error);
    return error ? 0 : size;
  }

  double MusicLevel(float volume) {
    return RenderLevel([&](MixerAudio& mixer) {
      CBgmPlayer bgm(mixer);
      EXPECT_TRUE(bgm.Load(dir_ / "piece.mid"));
      bgm.SetVolume(volume);
      bgm.Play();
      Listen(1.0);  // the note and most of its release
    });
  }

  double EffectLevel(float volume, int playsInOneStep) {
    return RenderLevel([&](MixerAudio& mixer) {
      CSePlayer se(mixer);
      CSound tone(dir_ / "tone.wav");
      se.Download(tone);
      EXPECT_TRUE(tone.IsLoaded());
      se.SetVolume(volume);
      for (int i = 0; i < playsInOneStep; ++i) se.Play(tone);
      Listen(0.3);
    });
  }

  TempDir dir_;
  std::string output_;
  int renders_ = 0;
};

TEST_F(MixerAudioTest, MidiAndWavAreHeardAtTheirVolumes) {
  ASSERT_FALSE(FindSoundFont(StandardSoundFonts()).empty()) << "install timgm6mb-soundfont";
  const double musicFull = MusicLevel(1.0f);
  EXPECT_GT(musicFull, 100000.0) << "the MIDI piece is silent";
  EXPECT_NEAR(MusicLevel(0.5f) / musicFull, AttenuationGain(-301), 0.02);

  const double effectFull = EffectLevel(1.0f, 1);
  const double effectHalf = EffectLevel(0.5f, 1);
  EXPECT_GT(effectFull, 100000.0) << "the WAV effect is silent";
  EXPECT_NEAR(effectHalf / effectFull, AttenuationGain(-602), 0.01);
  EXPECT_NEAR(EffectLevel(0.5f, 2) / effectHalf, 2.0, 0.02) << "two plays in one step overlap";
}

// A short WAV serves as the piece here: it runs to its end quickly.
TEST_F(MixerAudioTest, PieceEndsLoopsAndStops) {
  RenderLevel([&](MixerAudio& mixer) {
    CBgmPlayer bgm(mixer);
    ASSERT_TRUE(bgm.Load(dir_ / "tone.wav"));
    EXPECT_FALSE(bgm.IsFinished()) << "loaded and never started";
    bgm.Play();
    auto waitForEnd = [&] {
      for (int i = 0; i < 1000 && !bgm.IsFinished(); ++i) std::this_thread::sleep_for(10ms);
      return bgm.IsFinished();
    };
    ASSERT_TRUE(waitForEnd());
    bgm.RestartIfFinished();
    EXPECT_FALSE(bgm.IsFinished()) << "the step check starts it again";
    ASSERT_TRUE(waitForEnd());
    bgm.RestartIfFinished();
    bgm.Stop();
    Listen(0.3);
    EXPECT_FALSE(bgm.IsFinished()) << "a stopped piece is not finished";
  });
}

TEST(MixerAudio, WithoutADeviceBothPlayersAreSilent) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  EXPECT_EQ(MixerAudio::Open(), nullptr);
  const auto output = OpenAudio();
  CBgmPlayer bgm(*output);
  CSePlayer se(*output);
  CSound sound(VEXHOP_SOURCE_DIR "/CMakeLists.txt");
  se.Download(sound);
  se.Play(sound);
  EXPECT_FALSE(sound.IsLoaded());
  EXPECT_FALSE(bgm.Load(VEXHOP_SOURCE_DIR "/CMakeLists.txt"));
  bgm.RestartIfFinished();
  EXPECT_TRUE(bgm.IsFinished());
}

}  // namespace
