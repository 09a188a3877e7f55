#include "gfx/SkinPartition.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_map>

namespace {

struct Influence {
  uint32_t bone;
  float weight;
};

// Adds the bones of one triangle to a palette; false (palette unchanged)
// when they do not fit.
bool AddBones(std::vector<uint32_t>& palette, const std::vector<uint32_t>& bones, uint32_t paletteSize) {
  size_t missing = 0;
  for (uint32_t b : bones) missing += std::find(palette.begin(), palette.end(), b) == palette.end();
  if (palette.size() + missing > paletteSize) return false;
  for (uint32_t b : bones)
    if (std::find(palette.begin(), palette.end(), b) == palette.end()) palette.push_back(b);
  return true;
}

std::vector<uint32_t> TriangleBones(const MeshGeometry& geometry, const std::vector<VertexInfluences>& influences,
                                    uint32_t triangle) {
  std::vector<uint32_t> bones;
  for (int k = 0; k < 3; ++k) {
    const VertexInfluences& v = influences[geometry.source[geometry.indices[3 * triangle + k]]];
    for (uint32_t i = 0; i < v.count; ++i)
      if (std::find(bones.begin(), bones.end(), v.bone[i]) == bones.end()) bones.push_back(v.bone[i]);
  }
  return bones;
}

}  // namespace

std::vector<VertexInfluences> GatherInfluences(const XMesh& mesh, uint32_t unweightedBone) {
  std::vector<std::vector<Influence>> all(mesh.positions.size());
  for (uint32_t bone = 0; bone < mesh.skin.size(); ++bone) {
    const XSkinWeights& skin = mesh.skin[bone];
    for (size_t i = 0; i < skin.vertices.size(); ++i)
      if (skin.weights[i] > 0) all[skin.vertices[i]].push_back({bone, skin.weights[i]});
  }
  std::vector<VertexInfluences> result(all.size());
  for (size_t v = 0; v < all.size(); ++v) {
    std::vector<Influence>& list = all[v];
    std::stable_sort(list.begin(), list.end(), [](const Influence& a, const Influence& b) { return a.weight > b.weight; });
    if (list.size() > kMaxVertexInfluences) list.resize(kMaxVertexInfluences);
    if (list.empty()) list.push_back({unweightedBone, 1});
    float sum = 0;
    for (const Influence& i : list) sum += i.weight;
    VertexInfluences& out = result[v];
    out.count = static_cast<uint32_t>(list.size());
    for (uint32_t i = 0; i < out.count; ++i) {
      out.bone[i] = list[i].bone;
      out.weight[i] = list[i].weight / sum;
    }
  }
  return result;
}

uint32_t MaxTriangleBones(const MeshGeometry& geometry, const std::vector<VertexInfluences>& influences) {
  size_t most = 0;
  for (uint32_t t = 0; t < geometry.TriangleCount(); ++t)
    most = std::max(most, TriangleBones(geometry, influences, t).size());
  return static_cast<uint32_t>(most);
}

uint32_t MaxVertexInfluences(const std::vector<VertexInfluences>& influences) {
  uint32_t most = 0;
  for (const VertexInfluences& v : influences) most = std::max(most, v.count);
  return most;
}

BlendedMesh ConvertToIndexedBlended(const MeshGeometry& geometry, const std::vector<VertexInfluences>& influences,
                                    uint32_t materialCount, uint32_t paletteSize) {
  // Triangles of each material, in file order.
  std::vector<std::vector<uint32_t>> byMaterial(materialCount);
  for (uint32_t t = 0; t < geometry.TriangleCount(); ++t) byMaterial[geometry.materials[t]].push_back(t);

  BlendedMesh out;
  std::unordered_map<uint32_t, uint32_t> vertexInGroup;  // geometry vertex -> blended vertex
  auto emit = [&](uint32_t vertex, const BoneCombination& group) {
    auto [it, inserted] = vertexInGroup.try_emplace(vertex, static_cast<uint32_t>(out.vertices.size()));
    if (inserted) {
      MeshVertex v = geometry.vertices[vertex];
      const VertexInfluences& inf = influences[geometry.source[vertex]];
      for (uint32_t i = 0; i < kMaxVertexInfluences; ++i) {
        bool used = i < inf.count;
        auto slot = used ? std::find(group.bones.begin(), group.bones.end(), inf.bone[i]) - group.bones.begin() : 0;
        v.bones[i] = static_cast<uint8_t>(slot);
        v.weights[i] = used ? inf.weight[i] : 0.0f;
      }
      out.vertices.push_back(v);
    }
    out.indices.push_back(it->second);
  };

  for (uint32_t material = 0; material < materialCount; ++material) {
    const std::vector<uint32_t>& triangles = byMaterial[material];
    for (size_t next = 0; next < triangles.size();) {
      // Collect the palette of one group first, so vertex slots are final.
      BoneCombination group{material, {}, static_cast<uint32_t>(out.indices.size()), 0};
      size_t end = next;
      while (end < triangles.size() &&
             AddBones(group.bones, TriangleBones(geometry, influences, triangles[end]), paletteSize)) {
        ++end;
      }
      if (end == next) throw std::logic_error("palette smaller than the bones of one triangle");
      vertexInGroup.clear();
      for (size_t t = next; t < end; ++t)
        for (int k = 0; k < 3; ++k) emit(geometry.indices[3 * triangles[t] + k], group);
      group.triangleCount = static_cast<uint32_t>(end - next);
      out.groups.push_back(std::move(group));
      next = end;
    }
  }
  return out;
}
