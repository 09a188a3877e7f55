#pragma once
// Turns a skinned mesh into what indexed vertex blending draws: each vertex
// names up to four palette slots with weights, and the triangles are split
// into bone-combination groups of one material whose bones fit the palette.

#include <cstdint>
#include <vector>

#include "gfx/MeshGeometry.h"
#include "gfx/XScene.h"

constexpr uint32_t kMaxVertexInfluences = 4;

struct VertexInfluences {
  uint32_t bone[kMaxVertexInfluences] = {0, 0, 0, 0};
  float weight[kMaxVertexInfluences] = {0, 0, 0, 0};
  uint32_t count = 0;
};

// The influences of each file vertex. A vertex with more than four keeps its
// four largest weights, renormalised to sum to 1 (the vertex format holds
// four). A vertex no bone weighs follows `unweightedBone` fully.
std::vector<VertexInfluences> GatherInfluences(const XMesh& mesh, uint32_t unweightedBone);

// Most distinct bones any one triangle needs.
uint32_t MaxTriangleBones(const MeshGeometry& geometry, const std::vector<VertexInfluences>& influences);
// Most influences any one vertex has.
uint32_t MaxVertexInfluences(const std::vector<VertexInfluences>& influences);

struct BoneCombination {
  uint32_t material = 0;
  std::vector<uint32_t> bones;  // bone of each palette slot
  uint32_t firstIndex = 0;
  uint32_t triangleCount = 0;
};

struct BlendedMesh {
  std::vector<MeshVertex> vertices;  // bones[] are palette slots of the vertex's group
  std::vector<uint32_t> indices;
  std::vector<BoneCombination> groups;
};

// Needs paletteSize >= MaxTriangleBones. Groups come in material order; a
// vertex used by several groups is repeated in each.
BlendedMesh ConvertToIndexedBlended(const MeshGeometry& geometry, const std::vector<VertexInfluences>& influences,
                                    uint32_t materialCount, uint32_t paletteSize);
