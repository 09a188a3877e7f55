#include "audio/CSePlayer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/Attenuation.h"
#include "audio/CSound.h"
#include "audio/SoundFiles.h"
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
  CSound missing(dir.File("Sound\\missing.wav"));
  for (CSound* sound : {&jump, &block, &missing}) se.Download(*sound);
  EXPECT_TRUE(jump.IsLoaded());
  EXPECT_FALSE(missing.IsLoaded());

  se.Play(jump);
  se.Play(missing);
  se.Play(jump);
  se.Play(block);
  EXPECT_EQ(sink.TakeEffectsPlayed(), (Names{"jump.wav", "jump.wav", "block.wav"}));
  EXPECT_EQ(sink.TakeEffectsPlayed(), Names{}) << "each step starts empty";
}

TEST(SePlayer, VolumeFollowsTheEffectCurve) {
  RecordingAudio sink;
  CSePlayer se(sink);
  se.SetVolume(0.5f);
  EXPECT_FLOAT_EQ(sink.EffectGain(), AttenuationGain(-602));
  se.SetVolume(0.0f);
  EXPECT_FLOAT_EQ(sink.EffectGain(), AttenuationGain(-9600));
}

}  // namespace
