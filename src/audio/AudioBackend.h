#pragma once
// What the music and effect players need from the sound output. The game's
// own rules (the volume curves, when music counts as finished) live in
// CBgmPlayer and CSePlayer; a backend only loads files and plays them at the
// linear gain it is handed. Implementations live in platform/: the SDL mixer,
// a silent one for machines without audio, and a recording one for tests and
// replays. A backend must outlive every clip it has loaded.

#include <memory>
#include <string>

// One sound effect loaded into a backend. Every Play starts it anew on a free
// channel, so plays overlap.
class EffectClip {
 public:
  virtual ~EffectClip() = default;
  virtual void Play() const = 0;
};

class AudioBackend {
 public:
  virtual ~AudioBackend() = default;

  // Music: at most one piece is loaded. LoadMusic releases the previous piece
  // first; false leaves nothing loaded.
  virtual bool LoadMusic(const std::string& path) = 0;
  // Starts the loaded piece at the current position; nothing while it plays.
  virtual void PlayMusic() = 0;
  virtual void StopMusic() = 0;
  // Moves the playing piece, or sets where the next start begins.
  virtual void SetMusicPosition(double seconds) = 0;
  // The piece was started and has run to its end; a stopped or never
  // started piece has not ended.
  virtual bool MusicEnded() const = 0;
  virtual void SetMusicGain(float gain) = 0;
  virtual void SetMusicBalance(float leftGain, float rightGain) = 0;

  // Effects. Null when the file cannot be loaded.
  virtual std::unique_ptr<EffectClip> LoadEffect(const std::string& path) = 0;
  virtual void SetEffectGain(float gain) = 0;
};
