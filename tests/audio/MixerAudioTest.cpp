// Real output through SDL's "disk" audio driver, which writes what the mixer
// plays into a raw file (native 16-bit stereo, 44.1 kHz) at the pace of a
// real device, so each render is kept short. Renders are measured in output
// written, not in time waited, so a busy machine cannot cut a sound short.

#include "platform/MixerAudio.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

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
  ASSERT_FALSE(FindSoundFont(SoundFontCandidates()).empty()) << "install timgm6mb-soundfont";
  const double musicFull = MusicLevel(1.0f);
  EXPECT_GT(musicFull, 100000.0) << "the MIDI piece is silent";
  EXPECT_NEAR(MusicLevel(0.5f) / musicFull, AttenuationGain(-301), 0.02);

  const double effectFull = EffectLevel(1.0f, 1);
  const double effectHalf = EffectLevel(0.5f, 1);
  EXPECT_GT(effectFull, 100000.0) << "the WAV effect is silent";
  EXPECT_NEAR(effectHalf / effectFull, AttenuationGain(-602), 0.01);
  EXPECT_NEAR(EffectLevel(0.5f, 2) / effectHalf, 2.0, 0.02) << "two plays in one step overlap";
}

// The first millisecond of each sound that follows at least 100 ms of quiet.
std::vector<size_t> Onsets(const std::vector<int>& peaks) {
  constexpr int kLoud = 1000;  // about -30 dBFS
  std::vector<size_t> onsets;
  size_t quiet = 100;
  for (size_t ms = 0; ms < peaks.size(); ++ms) {
    if (peaks[ms] >= kLoud && quiet >= 100) onsets.push_back(ms);
    quiet = peaks[ms] < kLoud ? quiet + 1 : 0;
  }
  return onsets;
}

// A note of 0.2 s in a piece that ends at 0.6 s, played with the session's
// loop check run 60 times a second: the note comes back every 0.6 s, the
// piece's own rest and no more. Ringing on until the synthesiser falls
// silent would add seconds.
TEST_F(MixerAudioTest, PieceLoopsAtItsEndOfTrackTimeAndStaysStoppedWhenStopped) {
  ASSERT_FALSE(FindSoundFont(SoundFontCandidates()).empty()) << "install timgm6mb-soundfont";
  WriteOneNoteMidi(dir_ / "loop.mid", 192, 576);
  RenderLevel([&](MixerAudio& mixer) {
    CBgmPlayer bgm(mixer);
    ASSERT_TRUE(bgm.Load(dir_ / "loop.mid"));
    EXPECT_FALSE(bgm.IsFinished()) << "loaded and never started";
    bgm.Play();
    const auto target = OutputSize() + 44100 * 4 * 2;  // three loops and a bit
    for (int i = 0; i < 1000 && OutputSize() < target; ++i) {
      bgm.RestartIfFinished();
      std::this_thread::sleep_for(16667us);
    }
    bgm.Stop();
    Listen(0.3);
    EXPECT_FALSE(bgm.IsFinished()) << "a stopped piece is not finished";
  });
  const std::vector<int> peaks = PeakPerMillisecond(output_);
  const std::vector<size_t> onsets = Onsets(peaks);
  ASSERT_GE(onsets.size(), 3u);
  for (size_t i = 1; i < onsets.size(); ++i) {
    const auto added = static_cast<long>(onsets[i] - onsets[i - 1]) - 600;
    EXPECT_GE(added, -2) << "loop " << i;
    EXPECT_LT(added, 50) << "loop " << i << ": silence added at the loop point (ms)";
  }
  // Stopped: silent at once, and never started again.
  EXPECT_EQ(*std::max_element(peaks.end() - 250, peaks.end()), 0);
  EXPECT_LT(onsets.back(), peaks.size() - 300) << "no note after the stop";
}

TEST_F(MixerAudioTest, WithEveryChannelBusyTheOldestEffectGivesWayToTheNewest) {
  WriteToneWav(dir_ / "oldest.wav", 3.0, 0.1);
  WriteToneWav(dir_ / "silent.wav", 3.0, 0.0);
  WriteToneWav(dir_ / "newest.wav", 0.1, 0.5);
  RenderLevel([&](MixerAudio& mixer) {
    CSePlayer se(mixer);
    CSound oldest(dir_ / "oldest.wav"), silent(dir_ / "silent.wav"), newest(dir_ / "newest.wav");
    for (CSound* sound : {&oldest, &silent, &newest}) se.Download(*sound);
    se.Play(oldest);
    std::this_thread::sleep_for(5ms);  // the mixer tells start times apart by the millisecond
    for (int i = 1; i < MixerAudio::kEffectChannels; ++i) se.Play(silent);
    Listen(0.2);
    se.Play(newest);
    Listen(0.5);
  });
  const std::vector<int> peaks = PeakPerMillisecond(output_);
  ASSERT_GT(peaks.size(), 600u);
  EXPECT_GT(*std::max_element(peaks.begin(), peaks.end()), 0.4 * 32767) << "the newest effect is heard";
  EXPECT_EQ(*std::max_element(peaks.end() - 200, peaks.end()), 0) << "the oldest one has stopped";
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
