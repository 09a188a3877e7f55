#pragma once
// Sound output through SDL2_mixer: WAV effects each started on a free
// channel, MIDI music rendered by FluidSynth (FluidMusic) into the mixer's
// music stream with the SoundFont found at start. The mixer is process-wide,
// so one is open at a time.

#include <memory>
#include <string>
#include <vector>

#include "audio/AudioBackend.h"

class FluidMusic;

class MixerAudio final : public AudioBackend {
 public:
  // Effects that can sound at once. In play the block and strike sounds may
  // start on every step (a quarter of a second at most: up to 15 and 9 at
  // once) and each of the other effects a few times; with every channel
  // busy, the effect playing longest gives way to the new one.
  static constexpr int kEffectChannels = 64;

  // Null when there is no audio device, the mixer cannot open it, or another
  // MixerAudio is open.
  static std::unique_ptr<MixerAudio> Open();
  ~MixerAudio() override;
  MixerAudio(const MixerAudio&) = delete;
  MixerAudio& operator=(const MixerAudio&) = delete;

  // The SoundFont the music plays with; empty when none was found or it
  // could not be loaded, and the music is then silent.
  const std::string& SoundFont() const;

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
  explicit MixerAudio(std::unique_ptr<FluidMusic> music);

  std::unique_ptr<FluidMusic> music_;
  float gain_ = 1.0f;
  float leftGain_ = 1.0f;
  float rightGain_ = 1.0f;
};

// The usual places of a General MIDI SoundFont on Debian and its relatives,
// in order of preference.
const std::vector<std::string>& StandardSoundFonts();

// The file named by VEXHOP_SOUNDFONT when it is set, then the usual places.
std::vector<std::string> SoundFontCandidates();

// The first of the candidates that is a readable file; empty when none is.
std::string FindSoundFont(const std::vector<std::string>& candidates);

// The mixer when it opens, otherwise the silent output.
std::unique_ptr<AudioBackend> OpenAudio();
