#pragma once
// An output that plays nothing and notes what the game asks for: every music
// load, play and stop, and every effect played, by file name. Tests read it,
// and the replay tool's trace lists per step the effects played, the music
// file last loaded and whether it plays. Time does not pass here: a piece
// runs to its end only when EndMusic says so. A file loads when it can be
// read, so a missing file behaves as it would with real output.

#include <string>
#include <vector>

#include "audio/AudioBackend.h"

class RecordingAudio final : public AudioBackend {
 public:
  bool LoadMusic(const std::string& path) override;
  void PlayMusic() override;
  void StopMusic() override;
  void SetMusicPosition(double seconds) override;
  bool MusicEnded() const override { return ended_; }
  void SetMusicGain(float gain) override { musicGain_ = gain; }
  void SetMusicBalance(float leftGain, float rightGain) override;
  std::unique_ptr<EffectClip> LoadEffect(const std::string& path) override;
  void SetEffectGain(float gain) override { effectGain_ = gain; }

  // The playing piece runs to its end.
  void EndMusic();

  // Everything asked for, in order: "load NAME", "load NAME failed", "play",
  // "stop", "position SECONDS", "se NAME".
  const std::vector<std::string>& Log() const { return log_; }
  // Effect file names played since the last call, in order.
  std::vector<std::string> TakeEffectsPlayed();
  // File name of the loaded piece; empty when none is.
  const std::string& MusicFile() const { return musicFile_; }
  bool MusicPlaying() const { return playing_; }
  double MusicPosition() const { return position_; }
  float MusicGain() const { return musicGain_; }
  float LeftGain() const { return leftGain_; }
  float RightGain() const { return rightGain_; }
  float EffectGain() const { return effectGain_; }

 private:
  class Clip;
  void NoteEffect(const std::string& name);

  std::vector<std::string> log_;
  std::vector<std::string> effectsPlayed_;
  std::string musicFile_;
  bool playing_ = false;
  bool ended_ = false;
  double position_ = 0.0;
  float musicGain_ = 1.0f;
  float leftGain_ = 1.0f;
  float rightGain_ = 1.0f;
  float effectGain_ = 1.0f;
};
