#pragma once
// Where on screen a frame can differ from the frame before it. Both are
// walked call by call, side by side: a draw whose arguments and whose state
// are the same in both changes no pixel the other did not, so only the draws
// that differ, at both of their places, need drawing again. Frames that do
// not line up call for call, that rewrite a mesh, or that leave a pixel
// uncleared (it would keep what the frame before made of it) are drawn
// whole.

#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/DrawReach.h"
#include "platform/FixedFunctionState.h"
#include "platform/HeldCalls.h"

using MeshExtents = std::unordered_map<const DeviceMesh*, MeshExtent>;

// One frame's calls as the device behind will see them.
struct WalkedFrame {
  FixedFunctionState start;       // the state the frame began in
  std::vector<PixelRect> reach;   // per call: the pixels it can change (none for a state)
  std::vector<int> worldsRead;    // per mesh draw: how many world matrices, from the first, it reads
  bool clearsEveryPixel = false;  // colour and depth, before the frame ends
  bool rewritesMeshes = false;
};

// Applies a state-setting call to `state`; draws change nothing.
void ApplyCall(FixedFunctionState& state, const held::Call& call);

WalkedFrame WalkFrame(const held::Frame& frame, const FixedFunctionState& start, const MeshExtents& meshes,
                      int targetWidth, int targetHeight);

// Whether every draw of `now` comes out as the same draw of `before` did.
bool DrawsTheSame(const held::Frame& before, const WalkedFrame& walkedBefore, const held::Frame& now,
                  const WalkedFrame& walkedNow);

// A few rectangles holding every pixel where `now` can differ from `before`
// (none when they cannot differ), or nothing when `now` must be drawn whole.
std::optional<std::vector<PixelRect>> FrameDamage(const held::Frame& before, const WalkedFrame& walkedBefore,
                                                  const held::Frame& now, const WalkedFrame& walkedNow);

// Joins overlapping rectangles, then the closest ones, until at most `most` are left.
std::vector<PixelRect> JoinRects(std::vector<PixelRect> rects, size_t most);
