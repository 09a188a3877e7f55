#pragma once
// Sound output through SDL2_mixer: MIDI music rendered by FluidSynth with a
// General MIDI SoundFont found at run time, WAV effects each started on a
// free channel of 32. The mixer is process-wide, so one is open at a time.

#include <memory>
#include <string>
#include <vector>

#include "audio/AudioBackend.h"

struct _Mix_Music;

class MixerAudio final : public AudioBackend {
 public:
  // Null when there is no audio device, the mixer cannot open it, or another
  // MixerAudio is open.
  static std::unique_ptr<MixerAudio> Open();
  ~MixerAudio() override;
  MixerAudio(const MixerAudio&) = delete;
  MixerAudio& operator=(const MixerAudio&) = delete;

  // The SoundFont handed to FluidSynth; empty when none was found, and MIDI
  // music then stays silent.
  const std::string& SoundFont() const { return soundFont_; }

  bool LoadMusic(const std::string& path) override;
  void PlayMusic() override;
  void StopMusic() override;
  void SetMusicPosition(double seconds) override;
  bool MusicEnded() const override;
  void SetMusicGain(float gain) override;
  void SetMusicBalance(float leftGain, float rightGain) override;
  std::unique_ptr<EffectClip> LoadEffect(const std::string& path) override;
  void SetEffectGain(float gain) override;

 private:
  explicit MixerAudio(std::string soundFont);
  void ReleaseMusic();

  std::string soundFont_;
  _Mix_Music* music_ = nullptr;
  double startPosition_ = 0.0;
  bool started_ = false;
};

// The usual places of a General MIDI SoundFont on Debian and its relatives,
// in order of preference.
const std::vector<std::string>& StandardSoundFonts();

// The first of the candidates that is a readable file; empty when none is.
std::string FindSoundFont(const std::vector<std::string>& candidates);

// The mixer when it opens, otherwise the silent output.
std::unique_ptr<AudioBackend> OpenAudio();
