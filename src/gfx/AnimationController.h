#pragma once
// Plays the animation sets of an X file on a frame hierarchy: one track
// (track 0) holds a set and a local time; advancing time writes the local
// matrix of every frame the set animates.
//
// Keys are blended between the two around the time: scale and position
// linearly, rotation spherically; matrix keys are taken apart into those
// three and blended the same way. A set's period is its last key time, and
// it loops. A frame animated without some of scale, rotation or position
// keeps that part of its matrix from the file.

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/AnimationClock.h"
#include "gfx/XScene.h"

class AnimationController {
 public:
  // bindTransforms: each frame's own matrix as the file gives it.
  AnimationController(const XScene& scene, const std::vector<std::string>& frameNames,
                      const std::vector<Matrix>& bindTransforms);
  // Channels point into the controller's own copy of the keys, in which
  // matrix keys are already taken apart.
  AnimationController(const AnimationController&) = delete;
  AnimationController& operator=(const AnimationController&) = delete;

  size_t SetCount() const { return sets_.size(); }
  // Calls naming another track or a set that does not exist change nothing.
  void SetTrackAnimationSet(uint32_t track, uint32_t set);
  void SetTrackPosition(uint32_t track, double seconds);
  double TrackPosition() const { return clock_.Seconds(); }
  // Advances the track and writes the animated frames' local matrices.
  void AdvanceTime(double seconds, std::vector<Matrix>& transformations);
  // The pose of the track's set at the track's current time.
  void Apply(std::vector<Matrix>& transformations) const;

 private:
  struct Channel {
    int frame;
    const XAnimation* keys;
  };
  struct Set {
    std::vector<Channel> channels;
    uint32_t period;
  };
  struct Rest {  // a frame's matrix from the file, taken apart
    Vec3 scale;
    Quat rotation;
    Vec3 translation;
  };

  Matrix Pose(const Channel& channel, double ticks) const;

  std::vector<XAnimationSet> animations_;
  std::vector<Set> sets_;
  std::vector<Rest> rest_;
  AnimationClock clock_;
  uint32_t set_ = 0;
};
