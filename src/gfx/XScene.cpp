#include "gfx/XScene.h"

#include <algorithm>

namespace {

template <typename Key>
uint32_t Last(const std::vector<Key>& keys) {
  return keys.empty() ? 0 : keys.back().time;
}

}  // namespace

uint32_t XAnimation::LastTime() const {
  return std::max({Last(rotations), Last(scales), Last(translations), Last(matrices)});
}

size_t XAnimationSet::KeyCount() const {
  size_t count = 0;
  for (const XAnimation& a : animations) count += a.KeyCount();
  return count;
}

uint32_t XAnimationSet::LastTime() const {
  uint32_t last = 0;
  for (const XAnimation& a : animations) last = std::max(last, a.LastTime());
  return last;
}

Quat QuatFromRotationKey(float w, float x, float y, float z) { return {-x, -y, -z, w}; }

std::vector<Matrix> XScene::BindPose() const {
  std::vector<Matrix> combined(frames.size());
  for (size_t i = 0; i < frames.size(); ++i) {
    const XFrame& frame = frames[i];
    combined[i] = frame.parent < 0 ? frame.transform : frame.transform * combined[frame.parent];
  }
  return combined;
}
