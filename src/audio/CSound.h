#pragma once
// One sound effect of the resource catalogue. It remembers its file until the
// effect player loads it (CSePlayer::Download); a file that cannot be loaded
// leaves a sound that plays nothing.

#include <memory>
#include <string>

class AudioBackend;
class EffectClip;

class CSound {
 public:
  // path: a game path ('\' separators), read by Load.
  explicit CSound(std::string path);
  ~CSound();
  CSound(const CSound&) = delete;
  CSound& operator=(const CSound&) = delete;

  const std::string& Path() const { return path_; }
  bool IsLoaded() const { return clip_ != nullptr; }

  // Loads the file into the output unless it is loaded already.
  void Load(AudioBackend& output);
  // Starts the effect on a free channel; nothing when it is not loaded.
  void Play() const;

 private:
  std::string path_;
  std::unique_ptr<EffectClip> clip_;
};
