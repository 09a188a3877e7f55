#include "audio/CSePlayer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/CSound.h"
#include "audio/SoundFiles.h"
#include "platform/RecordingAudio.h"
#include "support/TempDir.h"

namespace {

using Names = std::vector<std::string>;

TEST(SePlayer, EveryPlayInAStepIsHeard) {
  TempDir dir;
  WriteToneWav(dir / "jump.wav", 0.05, 0.5);
  WriteToneWav(dir / "block.wav", 0.05, 0.5);
  RecordingAudio sink;
  CSePlayer se(sink);
  CSound jump(dir / "jump.wav");
  CSound block(dir / "block.wav");
  CSound missing(dir / "Sound\\missing.wav");
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

}  // namespace
