#include "platform/MixerAudio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <utility>

#include "platform/FluidMusic.h"
#include "platform/NullAudio.h"

namespace {

constexpr int kFrequency = 44100;
// About 12 ms a buffer: a piece that ends is started over by the next step's
// loop check, and the restart is heard from the next buffer on.
constexpr int kChunkFrames = 512;

bool g_mixerOpen = false;

// The mixer's volumes are linear steps of 1/128.
int MixerVolume(float gain) {
  return static_cast<int>(std::lround(std::clamp(gain, 0.0f, 1.0f) * MIX_MAX_VOLUME));
}

class MixerClip final : public EffectClip {
 public:
  explicit MixerClip(Mix_Chunk* chunk) : chunk_(chunk) {}
  ~MixerClip() override { Mix_FreeChunk(chunk_); }
  MixerClip(const MixerClip&) = delete;
  MixerClip& operator=(const MixerClip&) = delete;

  // With every channel busy, the effect playing longest gives way.
  void Play() const override {
    if (Mix_PlayChannel(-1, chunk_, 0) >= 0) return;
    const int oldest = Mix_GroupOldest(-1);
    if (oldest < 0) return;
    Mix_HaltChannel(oldest);
    Mix_PlayChannel(oldest, chunk_, 0);
  }

 private:
  Mix_Chunk* chunk_;
};

void MixMusic(void* music, Uint8* stream, int bytes) {
  static_cast<FluidMusic*>(music)->Mix(reinterpret_cast<int16_t*>(stream), bytes / 4);
}

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

std::vector<std::string> SoundFontCandidates() {
  std::vector<std::string> candidates = StandardSoundFonts();
  if (const char* chosen = std::getenv("VEXHOP_SOUNDFONT"); chosen && *chosen) {
    candidates.insert(candidates.begin(), chosen);
  }
  return candidates;
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
  // 16-bit stereo as asked, at whatever rate the device prefers.
  if (Mix_OpenAudioDevice(kFrequency, AUDIO_S16SYS, 2, kChunkFrames, nullptr, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return nullptr;
  }
  int frequency = kFrequency;
  Mix_QuerySpec(&frequency, nullptr, nullptr);
  Mix_AllocateChannels(kEffectChannels);
  g_mixerOpen = true;
  auto music = std::make_unique<FluidMusic>(FindSoundFont(SoundFontCandidates()), frequency);
  return std::unique_ptr<MixerAudio>(new MixerAudio(std::move(music)));
}

MixerAudio::MixerAudio(std::unique_ptr<FluidMusic> music) : music_(std::move(music)) {
  // The mixer's own music player is never used: every piece goes through
  // the one synthesiser, whatever MIDI players the mixer was built with.
  Mix_HookMusic(MixMusic, music_.get());
}

MixerAudio::~MixerAudio() {
  Mix_HookMusic(nullptr, nullptr);  // waits for a buffer being mixed
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  g_mixerOpen = false;
}

const std::string& MixerAudio::SoundFont() const { return music_->SoundFont(); }

bool MixerAudio::LoadMusic(const std::string& path) { return music_->Load(path); }

void MixerAudio::PlayMusic() { music_->Play(); }

void MixerAudio::StopMusic() { music_->Stop(); }

void MixerAudio::SetMusicPosition(double seconds) { music_->SetPosition(seconds); }

bool MixerAudio::MusicEnded() const { return music_->Ended(); }

void MixerAudio::SetMusicGain(float gain) {
  gain_ = gain;
  music_->SetGain(gain_ * leftGain_, gain_ * rightGain_);
}

void MixerAudio::SetMusicBalance(float leftGain, float rightGain) {
  leftGain_ = leftGain;
  rightGain_ = rightGain;
  music_->SetGain(gain_ * leftGain_, gain_ * rightGain_);
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
