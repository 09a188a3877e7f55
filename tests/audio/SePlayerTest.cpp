#include "audio/CSePlayer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/Attenuation.h"
#include "audio/CBgmPlayer.h"
#include "audio/CSound.h"
#include "audio/SoundFiles.h"
#include "platform/NullAudio.h"
#include "platform/RecordingAudio.h"

namespace {

using Names = std::vector<std::string>;

TEST(SePlayer, EveryPlayInAStepIsHeard) {
  ScratchDir dir;
  WriteToneWav(dir.File("jump.wav"), 0.05, 0.5);
  WriteToneWav(dir.File("block.wav"), 0.05, 0.5);
  RecordingAudio sink;
  CSePlayer se(sink);
  CSound jump(dir.File("jump.wav"));
  CSound block(dir.File("block.wav"));
  se.Download(jump);
  se.Download(block);
  ASSERT_TRUE(jump.IsLoaded());

  se.Play(jump);
  se.Play(jump);
  se.Play(block);
  EXPECT_EQ(sink.TakeEffectsPlayed(), (Names{"jump.wav", "jump.wav", "block.wav"}));
  EXPECT_EQ(sink.TakeEffectsPlayed(), Names{}) << "each step starts empty";
}

TEST(SePlayer, SoundThatCannotLoadPlaysNothing) {
  ScratchDir dir;
  RecordingAudio sink;
  CSePlayer se(sink);
  CSound missing(dir.File("Sound\\missing.wav"));
  se.Download(missing);
  EXPECT_FALSE(missing.IsLoaded());
  se.Play(missing);
  EXPECT_EQ(sink.TakeEffectsPlayed(), Names{});
}

TEST(SePlayer, VolumeFollowsTheEffectCurve) {
  RecordingAudio sink;
  CSePlayer se(sink);
  se.SetVolume(0.5f);
  EXPECT_FLOAT_EQ(sink.EffectGain(), AttenuationGain(-602));
  se.SetVolume(0.0f);
  EXPECT_FLOAT_EQ(sink.EffectGain(), AttenuationGain(-9600));
  se.SetVolume(1.0f);
  EXPECT_FLOAT_EQ(sink.EffectGain(), 1.0f);
}

TEST(SilentOutput, BothPlayersDoNothingAndTheGameRunsOn) {
  ScratchDir dir;
  WriteToneWav(dir.File("jump.wav"), 0.05, 0.5);
  NullAudio silent;
  CBgmPlayer bgm(silent);
  CSePlayer se(silent);
  CSound jump(dir.File("jump.wav"));
  se.Download(jump);
  se.SetVolume(0.5f);
  se.Play(jump);
  EXPECT_FALSE(jump.IsLoaded());

  EXPECT_FALSE(bgm.Load(dir.File("jump.wav")));
  bgm.SetVolume(0.5f);
  bgm.Play();
  bgm.RestartIfFinished();
  EXPECT_TRUE(bgm.IsFinished());
  bgm.Stop();
}

}  // namespace
