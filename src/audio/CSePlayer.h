#pragma once
// The sound-effect player: every WAV effect is loaded once and each Play
// starts it on a free channel, so effects overlap freely (two plays of one
// sound in the same step are heard twice).

class AudioBackend;
class CSound;

class CSePlayer {
 public:
  explicit CSePlayer(AudioBackend& output);

  // Loads the sound into the output; done once for every sound of the catalogue.
  void Download(CSound& sound);
  void Play(const CSound& sound);
  // Volume 0.0-1.0 on the effect curve, applied at once to every channel.
  void SetVolume(float volume);

 private:
  AudioBackend& output_;
};
