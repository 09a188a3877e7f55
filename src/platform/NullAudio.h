#pragma once
// The output used when there is no audio device or no mixer: nothing loads,
// nothing plays, and the game runs on.

#include "audio/AudioBackend.h"

class NullAudio final : public AudioBackend {
 public:
  bool LoadMusic(const std::string&) override { return false; }
  void PlayMusic() override {}
  void StopMusic() override {}
  void SetMusicPosition(double) override {}
  bool MusicEnded() const override { return false; }
  void SetMusicGain(float) override {}
  void SetMusicBalance(float, float) override {}
  std::unique_ptr<EffectClip> LoadEffect(const std::string&) override { return nullptr; }
  void SetEffectGain(float) override {}
};
