#include "platform/DrawReach.h"

#include <algorithm>
#include <cmath>

namespace {

// Pixels added on every side: rasterising rules and the half-pixel offset
// between the two conventions stay well within it.
constexpr float kMargin = 2;

// Grows `box` (left, top, right, bottom in pixels) by the eight corners of
// the mesh's box through `toClip`, onto the viewport as the device has it. False when a corner is not in front of
// the camera, where projecting it means nothing.
bool AddCorners(const MeshExtent& mesh, const Matrix& toClip, const PixelRect& vp, float box[4]) {
  for (int corner = 0; corner < 8; ++corner) {
    const Vec3 p{corner & 1 ? mesh.high.x : mesh.low.x, corner & 2 ? mesh.high.y : mesh.low.y,
                 corner & 4 ? mesh.high.z : mesh.low.z};
    const auto& m = toClip.m;
    const float x = p.x * m[0][0] + p.y * m[1][0] + p.z * m[2][0] + m[3][0];
    const float y = p.x * m[0][1] + p.y * m[1][1] + p.z * m[2][1] + m[3][1];
    const float w = p.x * m[0][3] + p.y * m[1][3] + p.z * m[2][3] + m[3][3];
    if (!(w > 1e-6f)) return false;
    const float sx = static_cast<float>(vp.x) + (x / w + 1) * 0.5f * static_cast<float>(vp.width);
    const float sy = static_cast<float>(vp.y) + (1 - y / w) * 0.5f * static_cast<float>(vp.height);
    if (!std::isfinite(sx) || !std::isfinite(sy)) return false;
    box[0] = std::min(box[0], sx);
    box[1] = std::min(box[1], sy);
    box[2] = std::max(box[2], sx);
    box[3] = std::max(box[3], sy);
  }
  return true;
}

PixelRect RectOf(const float box[4], const PixelRect& viewport) {
  // Far outside the target a float no longer converts to an int safely.
  const float limit = 1e6f;
  auto toInt = [limit](float v) { return static_cast<int>(std::clamp(v, -limit, limit)); };
  const int left = toInt(std::floor(box[0] - kMargin)), top = toInt(std::floor(box[1] - kMargin));
  const int right = toInt(std::ceil(box[2] + kMargin)), bottom = toInt(std::ceil(box[3] + kMargin));
  return Intersect({left, top, right - left, bottom - top}, viewport);
}

}  // namespace

MeshExtent MeasureMesh(const std::vector<MeshVertex>& vertices) {
  MeshExtent extent;
  for (const MeshVertex& v : vertices) {
    const Vec3 p = v.position;
    if (extent.empty) {
      extent.low = extent.high = p;
      extent.empty = false;
    }
    extent.low = {std::min(extent.low.x, p.x), std::min(extent.low.y, p.y), std::min(extent.low.z, p.z)};
    extent.high = {std::max(extent.high.x, p.x), std::max(extent.high.y, p.y), std::max(extent.high.z, p.z)};
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) extent.weightsBlend = false;
    float sum = 0;
    for (int i = 0; i < 4; ++i) {
      extent.highestBone = std::max(extent.highestBone, static_cast<int>(v.bones[i]));
      if (!(v.weights[i] >= 0 && v.weights[i] <= 1)) extent.weightsBlend = false;
      if (i < 3) sum += v.weights[i];
    }
    // The last matrix takes what the others leave: one minus their sum.
    if (sum > 1) extent.weightsBlend = false;
  }
  return extent;
}

bool IsEmpty(const PixelRect& r) { return r.width <= 0 || r.height <= 0; }

PixelRect Intersect(const PixelRect& a, const PixelRect& b) {
  const int left = std::max(a.x, b.x), top = std::max(a.y, b.y);
  const int right = std::min(a.x + a.width, b.x + b.width), bottom = std::min(a.y + a.height, b.y + b.height);
  if (right <= left || bottom <= top) return {};
  return {left, top, right - left, bottom - top};
}

PixelRect Union(const PixelRect& a, const PixelRect& b) {
  if (IsEmpty(a)) return b;
  if (IsEmpty(b)) return a;
  const int left = std::min(a.x, b.x), top = std::min(a.y, b.y);
  const int right = std::max(a.x + a.width, b.x + b.width), bottom = std::max(a.y + a.height, b.y + b.height);
  return {left, top, right - left, bottom - top};
}

bool Overlap(const PixelRect& a, const PixelRect& b) { return !IsEmpty(Intersect(a, b)); }

PixelRect ViewportArea(const Viewport& viewport, int targetWidth, int targetHeight) {
  return Intersect({viewport.x, viewport.y, viewport.width, viewport.height}, {0, 0, targetWidth, targetHeight});
}

PixelRect QuadReach(const ScreenVertex vertices[4], const PixelRect& viewport) {
  float box[4] = {vertices[0].x, vertices[0].y, vertices[0].x, vertices[0].y};
  for (int i = 0; i < 4; ++i) {
    const float x = vertices[i].x, y = vertices[i].y;
    if (!std::isfinite(x) || !std::isfinite(y)) return viewport;
    box[0] = std::min(box[0], x);
    box[1] = std::min(box[1], y);
    box[2] = std::max(box[2], x);
    box[3] = std::max(box[3], y);
  }
  return RectOf(box, viewport);
}

int WorldsRead(const MeshExtent& mesh, const FixedFunctionState& state) {
  const uint32_t vertexBlend = state.states.Get(RenderState::VertexBlend);
  const bool indexed =
      vertexBlend != VertexBlendFlags::Disable && state.states.Get(RenderState::IndexedVertexBlendEnable) != 0;
  const int count = std::max(BlendMatrices(vertexBlend), indexed ? mesh.highestBone + 1 : 1);
  return std::min(count, FixedFunctionState::kPaletteSize);
}

PixelRect ModelReach(const MeshExtent& mesh, const FixedFunctionState& state, const PixelRect& viewport) {
  if (mesh.empty) return {};
  const Matrix viewProjection = state.View() * state.Projection();
  const int worlds = WorldsRead(mesh, state);
  if (worlds > 1 && !mesh.weightsBlend) return viewport;
  // A blended vertex lies between its matrices' images of it, so inside the
  // boxes of all of them.
  float box[4] = {INFINITY, INFINITY, -INFINITY, -INFINITY};
  for (int i = 0; i < worlds; ++i) {
    if (!AddCorners(mesh, state.World(i) * viewProjection, viewport, box)) return viewport;
  }
  return RectOf(box, viewport);
}
