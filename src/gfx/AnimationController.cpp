#include "gfx/AnimationController.h"

#include <algorithm>
#include <cmath>

namespace {

// Inverse of MatrixRotationQuaternion for a pure rotation.
Quat QuatFromRotationMatrix(const Matrix& m) {
  float trace = m.m[0][0] + m.m[1][1] + m.m[2][2];
  Quat q;
  if (trace > 0) {
    float s = std::sqrt(trace + 1) * 2;
    q = {(m.m[1][2] - m.m[2][1]) / s, (m.m[2][0] - m.m[0][2]) / s, (m.m[0][1] - m.m[1][0]) / s, s / 4};
  } else if (m.m[0][0] > m.m[1][1] && m.m[0][0] > m.m[2][2]) {
    float s = std::sqrt(1 + m.m[0][0] - m.m[1][1] - m.m[2][2]) * 2;
    q = {s / 4, (m.m[0][1] + m.m[1][0]) / s, (m.m[2][0] + m.m[0][2]) / s, (m.m[1][2] - m.m[2][1]) / s};
  } else if (m.m[1][1] > m.m[2][2]) {
    float s = std::sqrt(1 + m.m[1][1] - m.m[0][0] - m.m[2][2]) * 2;
    q = {(m.m[0][1] + m.m[1][0]) / s, s / 4, (m.m[1][2] + m.m[2][1]) / s, (m.m[2][0] - m.m[0][2]) / s};
  } else {
    float s = std::sqrt(1 + m.m[2][2] - m.m[0][0] - m.m[1][1]) * 2;
    q = {(m.m[2][0] + m.m[0][2]) / s, (m.m[1][2] + m.m[2][1]) / s, s / 4, (m.m[0][1] - m.m[1][0]) / s};
  }
  return Normalize(q);
}

Vec3 Row(const Matrix& m, int r) { return {m.m[r][0], m.m[r][1], m.m[r][2]}; }

struct Parts {
  Vec3 scale;
  Quat rotation;
  Vec3 translation;
};

// Scale, rotation and translation of a matrix built as S * R * T. A mirror
// is kept as a negative scale along x, so the rest is a true rotation.
Parts Decompose(const Matrix& m) {
  Vec3 scale{Length(Row(m, 0)), Length(Row(m, 1)), Length(Row(m, 2))};
  if (Dot(Cross(Row(m, 0), Row(m, 1)), Row(m, 2)) < 0) scale.x = -scale.x;
  Matrix rotation;
  for (int r = 0; r < 3; ++r) {
    float s = (&scale.x)[r];
    for (int c = 0; c < 3; ++c) rotation.m[r][c] = s != 0 ? m.m[r][c] / s : (r == c ? 1.0f : 0.0f);
  }
  return {scale, QuatFromRotationMatrix(rotation), Row(m, 3)};
}

// Matrix keys become scale, rotation and translation keys at the same times,
// so that they blend like any others (a blend of two matrices element by
// element would shear and shrink the bone).
void SplitMatrixKeys(XAnimation& keys) {
  if (keys.matrices.empty()) return;
  keys.scales.clear();
  keys.rotations.clear();
  keys.translations.clear();
  for (const XMatrixKey& key : keys.matrices) {
    Parts parts = Decompose(key.value);
    keys.scales.push_back({key.time, parts.scale});
    keys.rotations.push_back({key.time, parts.rotation});
    keys.translations.push_back({key.time, parts.translation});
  }
  keys.matrices.clear();
}

Vec3 Lerp(Vec3 a, Vec3 b, float t) { return a + (b - a) * t; }

// The key pair around `ticks` and the fraction between them; the first or
// last key alone outside the keyed range.
template <typename Key>
std::pair<size_t, float> Bracket(const std::vector<Key>& keys, double ticks) {
  auto after = std::upper_bound(keys.begin(), keys.end(), ticks,
                                [](double t, const Key& key) { return t < key.time; });
  if (after == keys.begin()) return {0, 0.0f};
  size_t i = static_cast<size_t>(after - keys.begin()) - 1;
  if (i + 1 == keys.size()) return {i, 0.0f};
  double span = double(keys[i + 1].time) - keys[i].time;
  return {i, static_cast<float>((ticks - keys[i].time) / span)};
}

Vec3 Sample(const std::vector<XVectorKey>& keys, double ticks, Vec3 rest) {
  if (keys.empty()) return rest;
  auto [i, t] = Bracket(keys, ticks);
  return t == 0 ? keys[i].value : Lerp(keys[i].value, keys[i + 1].value, t);
}

Quat Sample(const std::vector<XRotationKey>& keys, double ticks, Quat rest) {
  if (keys.empty()) return rest;
  auto [i, t] = Bracket(keys, ticks);
  return t == 0 ? keys[i].value : Slerp(keys[i].value, keys[i + 1].value, t);
}

}  // namespace

AnimationController::AnimationController(const XScene& scene, const std::vector<std::string>& frameNames,
                                         const std::vector<Matrix>& bindTransforms)
    : animations_(scene.animationSets), clock_(scene.TicksPerSecond()) {
  for (const Matrix& m : bindTransforms) {
    Parts parts = Decompose(m);
    rest_.push_back({parts.scale, parts.rotation, parts.translation});
  }
  for (XAnimationSet& set : animations_) {
    for (XAnimation& animation : set.animations) SplitMatrixKeys(animation);
    Set playable{{}, set.LastTime()};
    for (const XAnimation& animation : set.animations) {
      auto found = std::find(frameNames.begin(), frameNames.end(), animation.frameName);
      if (found != frameNames.end() && !animation.frameName.empty()) {
        playable.channels.push_back({static_cast<int>(found - frameNames.begin()), &animation});
      }
    }
    sets_.push_back(std::move(playable));
  }
}

void AnimationController::SetTrackAnimationSet(uint32_t track, uint32_t set) {
  if (track == 0 && set < sets_.size()) set_ = set;
}

void AnimationController::SetTrackPosition(uint32_t track, double seconds) {
  if (track == 0) clock_.Set(seconds);
}

void AnimationController::AdvanceTime(double seconds, std::vector<Matrix>& transformations) {
  clock_.Advance(seconds);
  Apply(transformations);
}

void AnimationController::Apply(std::vector<Matrix>& transformations) const {
  if (sets_.empty()) return;
  const Set& set = sets_[set_];
  const double ticks = clock_.TicksWithin(set.period);
  for (const Channel& channel : set.channels) transformations[channel.frame] = Pose(channel, ticks);
}

Matrix AnimationController::Pose(const Channel& channel, double ticks) const {
  const XAnimation& keys = *channel.keys;
  const Rest& rest = rest_[channel.frame];
  Vec3 s = Sample(keys.scales, ticks, rest.scale);
  Quat r = Sample(keys.rotations, ticks, rest.rotation);
  Vec3 p = Sample(keys.translations, ticks, rest.translation);
  return MatrixScaling(s.x, s.y, s.z) * MatrixRotationQuaternion(r) * MatrixTranslation(p.x, p.y, p.z);
}
