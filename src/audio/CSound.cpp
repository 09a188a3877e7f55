#include "audio/CSound.h"

#include <utility>

#include "audio/AudioBackend.h"
#include "util/NativePath.h"

CSound::CSound(std::string path) : path_(std::move(path)) {}

CSound::~CSound() = default;

void CSound::Load(AudioBackend& output) {
  if (!clip_) clip_ = output.LoadEffect(NativePath(path_));
}

void CSound::Play() const {
  if (clip_) clip_->Play();
}
