#pragma once
// Where a recorded mesh draw puts its vertices in world space: each vertex
// through the world matrix, or blended through the palette while indexed
// vertex blending is on.

#include <vector>

#include "platform/RecordingDevice.h"

inline Vec3 DrawnPosition(const DrawRecord& draw, const MeshVertex& v) {
  if (draw.states.Get(RenderState::IndexedVertexBlendEnable) == 0) return TransformCoord(v.position, draw.worlds[0]);
  Vec3 sum;
  for (int i = 0; i < 4; ++i)
    if (v.weights[i] > 0) sum = sum + TransformCoord(v.position, draw.worlds.at(v.bones[i])) * v.weights[i];
  return sum;
}

// Positions of the corners of every triangle drawn, in draw order.
inline std::vector<Vec3> DrawnCorners(const std::vector<DrawRecord>& draws) {
  std::vector<Vec3> corners;
  for (const DrawRecord& draw : draws) {
    if (draw.kind != DrawKind::Mesh) continue;
    for (uint32_t i = 0; i < 3 * draw.triangleCount; ++i) {
      corners.push_back(DrawnPosition(draw, draw.mesh->vertices[draw.mesh->indices[draw.firstIndex + i]]));
    }
  }
  return corners;
}

inline bool Near(Vec3 a, Vec3 b, float tolerance = 1e-4f) { return Length(a - b) <= tolerance; }
