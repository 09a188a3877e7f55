#pragma once
// How far on screen a draw can reach: a rectangle of whole pixels that holds
// every pixel the draw could change, found without drawing. Generous by a
// couple of pixels, so that no rasterising rule can fall outside it.

#include <vector>

#include "gfx/RenderDevice.h"
#include "platform/FixedFunctionState.h"

// A mesh's vertices as far as its reach needs them.
struct MeshExtent {
  Vec3 low, high;            // the box around every vertex position
  int highestBone = 0;       // the largest bone index a vertex names
  bool weightsBlend = true;  // every vertex's weights mix its matrices (none below 0, none over 1)
  bool empty = true;
};

MeshExtent MeasureMesh(const std::vector<MeshVertex>& vertices);

bool IsEmpty(const PixelRect& r);
PixelRect Intersect(const PixelRect& a, const PixelRect& b);
PixelRect Union(const PixelRect& a, const PixelRect& b);
bool Overlap(const PixelRect& a, const PixelRect& b);

// The viewport as the device draws into it: inside the target.
PixelRect ViewportArea(const Viewport& viewport, int targetWidth, int targetHeight);

// A screen quad, within the viewport.
PixelRect QuadReach(const ScreenVertex vertices[4], const PixelRect& viewport);

// How many world matrices, from the first, a draw of the mesh with `state` reads.
int WorldsRead(const MeshExtent& mesh, const FixedFunctionState& state);

// A mesh drawn with `state`: its box through each world matrix it may be
// blended with, the view and the projection. The whole viewport when a
// corner comes to lie behind the camera or the weights do not simply mix.
PixelRect ModelReach(const MeshExtent& mesh, const FixedFunctionState& state, const PixelRect& viewport);
