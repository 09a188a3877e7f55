#include "platform/RecordingAudio.h"

#include <fstream>
#include <sstream>
#include <utility>

namespace {

std::string FileName(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool Readable(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return file.good() && file.peek() != std::ifstream::traits_type::eof();
}

}  // namespace

class RecordingAudio::Clip final : public EffectClip {
 public:
  Clip(RecordingAudio& owner, std::string name) : owner_(owner), name_(std::move(name)) {}
  void Play() const override { owner_.NoteEffect(name_); }

 private:
  RecordingAudio& owner_;
  std::string name_;
};

bool RecordingAudio::LoadMusic(const std::string& path) {
  const std::string name = FileName(path);
  playing_ = ended_ = false;
  position_ = 0.0;
  musicFile_ = Readable(path) ? name : std::string();
  log_.push_back("load " + name + (musicFile_.empty() ? " failed" : ""));
  return !musicFile_.empty();
}

void RecordingAudio::PlayMusic() {
  if (musicFile_.empty() || playing_) return;
  playing_ = true;
  ended_ = false;
  log_.push_back("play");
}

void RecordingAudio::StopMusic() {
  playing_ = ended_ = false;
  log_.push_back("stop");
}

void RecordingAudio::SetMusicPosition(double seconds) {
  position_ = seconds;
  std::ostringstream entry;
  entry << "position " << seconds;
  log_.push_back(entry.str());
}

void RecordingAudio::SetMusicBalance(float leftGain, float rightGain) {
  leftGain_ = leftGain;
  rightGain_ = rightGain;
}

std::unique_ptr<EffectClip> RecordingAudio::LoadEffect(const std::string& path) {
  if (!Readable(path)) return nullptr;
  return std::make_unique<Clip>(*this, FileName(path));
}

void RecordingAudio::EndMusic() {
  if (!playing_) return;
  playing_ = false;
  ended_ = true;
}

std::vector<std::string> RecordingAudio::TakeEffectsPlayed() { return std::exchange(effectsPlayed_, {}); }

void RecordingAudio::NoteEffect(const std::string& name) {
  log_.push_back("se " + name);
  effectsPlayed_.push_back(name);
}
