#include "audio/CBgmPlayer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "audio/Attenuation.h"
#include "audio/SoundFiles.h"
#include "platform/RecordingAudio.h"
#include "support/TempDir.h"

namespace {

using Log = std::vector<std::string>;

class BgmPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(dir_ / "BGM");
    WriteOneNoteMidi(dir_ / "BGM/Stage1.mid");
    WriteOneNoteMidi(dir_ / "BGM/title.mid");
  }
  // As the game names its music files: '\' separators.
  std::string Music(const std::string& name) const { return (dir_ / "BGM") + "\\" + name; }
  // What the player asked for since the log had `size` entries.
  Log LogSince(size_t size) const { return Log(sink_.Log().begin() + size, sink_.Log().end()); }

  TempDir dir_;
  RecordingAudio sink_;
  CBgmPlayer bgm_{sink_};
};

TEST_F(BgmPlayerTest, LoadLeavesThePieceStoppedAtFullVolumeAndCentred) {
  bgm_.SetVolume(0.2f);  // nothing loaded yet: ignored
  EXPECT_FLOAT_EQ(sink_.MusicGain(), 1.0f);
  ASSERT_TRUE(bgm_.Load(Music("Stage1.mid")));
  EXPECT_EQ(sink_.MusicFile(), "Stage1.mid");
  EXPECT_FALSE(sink_.MusicPlaying());
  EXPECT_FALSE(bgm_.IsFinished());

  bgm_.SetVolume(0.5f);
  bgm_.SetBalance(0.5f);  // to the right: the left side loses 50 dB
  EXPECT_FLOAT_EQ(sink_.MusicGain(), AttenuationGain(-301));
  EXPECT_FLOAT_EQ(sink_.LeftGain(), AttenuationGain(-5000));
  EXPECT_FLOAT_EQ(sink_.RightGain(), 1.0f);

  ASSERT_TRUE(bgm_.Load(Music("title.mid")));
  EXPECT_FLOAT_EQ(sink_.MusicGain(), 1.0f);
  EXPECT_FLOAT_EQ(sink_.LeftGain(), 1.0f);
}

TEST_F(BgmPlayerTest, MusicLoopsUntilStopped) {
  ASSERT_TRUE(bgm_.Load(Music("Stage1.mid")));
  bgm_.Play();
  const size_t playing = sink_.Log().size();
  bgm_.RestartIfFinished();
  EXPECT_EQ(LogSince(playing), Log{}) << "a playing piece is left alone";

  sink_.EndMusic();
  EXPECT_TRUE(bgm_.IsFinished());
  bgm_.RestartIfFinished();
  EXPECT_EQ(LogSince(playing), (Log{"position 0", "play"}));
  EXPECT_FALSE(bgm_.IsFinished());

  bgm_.SetPosition(42.0f);
  bgm_.Stop();
  EXPECT_DOUBLE_EQ(sink_.MusicPosition(), 0.0);
  EXPECT_FALSE(bgm_.IsFinished()) << "a stopped piece is not finished";
  const size_t stopped = sink_.Log().size();
  bgm_.RestartIfFinished();
  EXPECT_EQ(LogSince(stopped), Log{});
}

TEST_F(BgmPlayerTest, LoadingThePiecePlayingRestartsIt) {
  ASSERT_TRUE(bgm_.Load(Music("Stage1.mid")));
  bgm_.Play();
  bgm_.SetPosition(30.0f);
  const size_t before = sink_.Log().size();
  ASSERT_TRUE(bgm_.Load(Music("Stage1.mid")));
  bgm_.Play();
  EXPECT_EQ(LogSince(before), (Log{"load Stage1.mid", "play"}));
  EXPECT_DOUBLE_EQ(sink_.MusicPosition(), 0.0);
  EXPECT_TRUE(sink_.MusicPlaying());
}

TEST_F(BgmPlayerTest, MissingFileLeavesThePlayerSilent) {
  ASSERT_TRUE(bgm_.Load(Music("title.mid")));
  bgm_.Play();
  EXPECT_FALSE(bgm_.Load(Music("nothing.mid")));
  EXPECT_EQ(sink_.MusicFile(), "") << "the previous piece is released";
  EXPECT_FALSE(sink_.MusicPlaying());
  EXPECT_TRUE(bgm_.IsFinished());

  const size_t failed = sink_.Log().size();
  bgm_.SetVolume(0.5f);
  bgm_.Play();
  bgm_.RestartIfFinished();
  bgm_.Stop();
  EXPECT_EQ(LogSince(failed), Log{});
}

}  // namespace
