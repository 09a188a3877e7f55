#include "gfx/MeshGeometry.h"

#include <algorithm>
#include <unordered_map>

namespace {

MeshVertex FileVertex(const XMesh& mesh, uint32_t index, Vec3 normal) {
  MeshVertex v;
  v.position = mesh.positions[index];
  v.normal = normal;
  if (!mesh.uvs.empty()) {
    v.u = mesh.uvs[index][0];
    v.v = mesh.uvs[index][1];
  }
  if (!mesh.colors.empty()) v.diffuse = mesh.colors[index];
  return v;
}

}  // namespace

std::vector<Vec3> ComputeNormals(const std::vector<Vec3>& positions, const std::vector<XTriangle>& triangles) {
  std::vector<Vec3> normals(positions.size());
  for (const XTriangle& t : triangles) {
    Vec3 a = positions[t.position[0]];
    // Clockwise front faces in a left-handed system: this cross product points outwards.
    Vec3 faceNormal = Cross(positions[t.position[1]] - a, positions[t.position[2]] - a);
    for (uint32_t p : t.position) normals[p] = normals[p] + faceNormal;
  }
  for (Vec3& n : normals) n = Normalize(n);
  return normals;
}

MeshGeometry BuildMeshGeometry(const XMesh& mesh) {
  MeshGeometry geometry;
  geometry.hasVertexColors = !mesh.colors.empty();
  std::vector<Vec3> computed;
  if (!mesh.HasNormals()) computed = ComputeNormals(mesh.positions, mesh.triangles);

  // One vertex per distinct (file vertex, normal index) pair.
  std::unordered_map<uint64_t, uint32_t> vertexOf;
  vertexOf.reserve(mesh.positions.size());
  auto vertex = [&](uint32_t position, uint32_t normal) {
    uint64_t key = uint64_t{position} << 32 | normal;
    auto [it, inserted] = vertexOf.try_emplace(key, static_cast<uint32_t>(geometry.vertices.size()));
    if (inserted) {
      Vec3 n = mesh.HasNormals() ? mesh.normals[normal] : computed[position];
      geometry.vertices.push_back(FileVertex(mesh, position, n));
      geometry.source.push_back(position);
    }
    return it->second;
  };

  geometry.indices.reserve(mesh.triangles.size() * 3);
  geometry.materials.reserve(mesh.triangles.size());
  for (const XTriangle& t : mesh.triangles) {
    for (int k = 0; k < 3; ++k) geometry.indices.push_back(vertex(t.position[k], mesh.HasNormals() ? t.normal[k] : 0));
    geometry.materials.push_back(t.material);
  }
  return geometry;
}

void MeshGeometry::Append(const MeshGeometry& other, uint32_t materialBase) {
  auto base = static_cast<uint32_t>(vertices.size());
  vertices.insert(vertices.end(), other.vertices.begin(), other.vertices.end());
  source.insert(source.end(), other.source.begin(), other.source.end());
  for (uint32_t i : other.indices) indices.push_back(base + i);
  for (uint32_t m : other.materials) materials.push_back(materialBase + m);
  hasVertexColors = hasVertexColors || other.hasVertexColors;
}

void MeshGeometry::Transform(const Matrix& matrix) {
  Matrix inverse = MatrixInverse(matrix);
  Matrix normalMatrix;  // transpose of the inverse
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) normalMatrix.m[i][j] = inverse.m[j][i];
  for (MeshVertex& v : vertices) {
    v.position = TransformCoord(v.position, matrix);
    v.normal = Normalize(TransformNormal(v.normal, normalMatrix));
  }
}

std::vector<MeshSubset> SortByMaterial(MeshGeometry& geometry, uint32_t materialCount) {
  std::vector<MeshSubset> subsets(materialCount);
  for (uint32_t m = 0; m < materialCount; ++m) subsets[m].material = m;
  for (uint32_t m : geometry.materials) ++subsets[m].triangleCount;
  uint32_t first = 0;
  for (MeshSubset& s : subsets) {
    s.firstIndex = first;
    first += 3 * s.triangleCount;
  }
  std::vector<uint32_t> sorted(geometry.indices.size());
  std::vector<uint32_t> next(materialCount);
  for (uint32_t m = 0; m < materialCount; ++m) next[m] = subsets[m].firstIndex;
  for (uint32_t t = 0; t < geometry.TriangleCount(); ++t) {
    uint32_t& at = next[geometry.materials[t]];
    for (int k = 0; k < 3; ++k) sorted[at++] = geometry.indices[3 * t + k];
  }
  geometry.indices = std::move(sorted);
  std::sort(geometry.materials.begin(), geometry.materials.end());
  return subsets;
}
