#include "platform/MixerAudio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <utility>

#include "platform/NullAudio.h"

namespace {

constexpr int kFrequency = 44100;
constexpr int kChunkFrames = 1024;  // about 23 ms of latency
constexpr int kEffectChannels = 32;

bool g_mixerOpen = false;

// The mixer's volumes are linear steps of 1/128.
int MixerVolume(float gain) {
  return static_cast<int>(std::lround(std::clamp(gain, 0.0f, 1.0f) * MIX_MAX_VOLUME));
}

Uint8 PanVolume(float gain) { return static_cast<Uint8>(std::lround(std::clamp(gain, 0.0f, 1.0f) * 255.0f)); }

class MixerClip final : public EffectClip {
 public:
  explicit MixerClip(Mix_Chunk* chunk) : chunk_(chunk) {}
  ~MixerClip() override { Mix_FreeChunk(chunk_); }
  MixerClip(const MixerClip&) = delete;
  MixerClip& operator=(const MixerClip&) = delete;

  // Every channel busy: this play is dropped rather than cutting another.
  void Play() const override { Mix_PlayChannel(-1, chunk_, 0); }

 private:
  Mix_Chunk* chunk_;
};

}  // namespace

const std::vector<std::string>& StandardSoundFonts() {
  static const std::vector<std::string> fonts = {
      "/usr/share/sounds/sf2/default-GM.sf2",
      "/usr/share/sounds/sf2/TimGM6mb.sf2",
      "/usr/share/sounds/sf2/FluidR3_GM.sf2",
      "/usr/share/sounds/sf3/default-GM.sf3",
      "/usr/share/sounds/sf3/MuseScore_General.sf3",
      "/usr/share/soundfonts/default.sf2",
      "/usr/share/soundfonts/FluidR3_GM.sf2",
  };
  return fonts;
}

std::string FindSoundFont(const std::vector<std::string>& candidates) {
  for (const auto& path : candidates) {
    std::error_code error;
    // A dangling alternatives link is no SoundFont.
    if (std::filesystem::is_regular_file(path, error) && std::ifstream(path).good()) return path;
  }
  return {};
}

std::unique_ptr<MixerAudio> MixerAudio::Open() {
  if (g_mixerOpen || SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
  // WAV needs no decoder library; a missing MIDI one only silences music.
  Mix_Init(MIX_INIT_MID);
  std::string soundFont = FindSoundFont(StandardSoundFonts());
  if (!soundFont.empty()) Mix_SetSoundFonts(soundFont.c_str());
  if (Mix_OpenAudio(kFrequency, AUDIO_S16SYS, 2, kChunkFrames) != 0) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return nullptr;
  }
  Mix_AllocateChannels(kEffectChannels);
  g_mixerOpen = true;
  return std::unique_ptr<MixerAudio>(new MixerAudio(std::move(soundFont)));
}

MixerAudio::MixerAudio(std::string soundFont) : soundFont_(std::move(soundFont)) {}

MixerAudio::~MixerAudio() {
  ReleaseMusic();
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  g_mixerOpen = false;
}

void MixerAudio::ReleaseMusic() {
  if (music_) Mix_FreeMusic(music_);  // halts it first when it plays
  music_ = nullptr;
  started_ = false;
  startPosition_ = 0.0;
}

bool MixerAudio::LoadMusic(const std::string& path) {
  ReleaseMusic();
  music_ = Mix_LoadMUS(path.c_str());
  return music_ != nullptr;
}

void MixerAudio::PlayMusic() {
  if (!music_ || Mix_PlayingMusic()) return;
  started_ = Mix_PlayMusic(music_, 0) == 0;
  if (started_ && startPosition_ > 0.0) Mix_SetMusicPosition(startPosition_);
}

void MixerAudio::StopMusic() {
  if (music_) Mix_HaltMusic();
  started_ = false;
}

void MixerAudio::SetMusicPosition(double seconds) {
  startPosition_ = seconds;
  if (!music_ || !Mix_PlayingMusic()) return;
  // FluidSynth cannot seek, but it can start over.
  if (Mix_SetMusicPosition(seconds) != 0 && seconds == 0.0) Mix_PlayMusic(music_, 0);
}

bool MixerAudio::MusicEnded() const { return music_ && started_ && !Mix_PlayingMusic(); }

void MixerAudio::SetMusicGain(float gain) { Mix_VolumeMusic(MixerVolume(gain)); }

// The mixer has no effect chain for music alone, so balance pans the final
// mix. The game only ever centres it, which removes the panning.
void MixerAudio::SetMusicBalance(float leftGain, float rightGain) {
  Mix_SetPanning(MIX_CHANNEL_POST, PanVolume(leftGain), PanVolume(rightGain));
}

std::unique_ptr<EffectClip> MixerAudio::LoadEffect(const std::string& path) {
  Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
  if (!chunk) return nullptr;
  return std::make_unique<MixerClip>(chunk);
}

void MixerAudio::SetEffectGain(float gain) { Mix_Volume(-1, MixerVolume(gain)); }

std::unique_ptr<AudioBackend> OpenAudio() {
  if (auto mixer = MixerAudio::Open()) return mixer;
  return std::make_unique<NullAudio>();
}
