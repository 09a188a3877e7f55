#pragma once
// An X-file mesh as device vertices and triangles. A file vertex is split
// where its faces give it different normals; a mesh without normals gets
// smooth ones computed from its faces.

#include <cstdint>
#include <vector>

#include "gfx/RenderDevice.h"
#include "gfx/XScene.h"

struct MeshGeometry {
  std::vector<MeshVertex> vertices;
  std::vector<uint32_t> source;     // the file vertex each vertex came from
  std::vector<uint32_t> indices;    // three per triangle
  std::vector<uint32_t> materials;  // one per triangle
  bool hasVertexColors = false;

  uint32_t TriangleCount() const { return static_cast<uint32_t>(materials.size()); }
  // Appends another geometry, its material numbers moved up by materialBase.
  void Append(const MeshGeometry& other, uint32_t materialBase);
  // Moves every vertex by a matrix (normals by its inverse transpose).
  void Transform(const Matrix& matrix);
};

MeshGeometry BuildMeshGeometry(const XMesh& mesh);

// A contiguous run of triangles of one material: what one DrawMesh draws.
struct MeshSubset {
  uint32_t material = 0;
  uint32_t firstIndex = 0;
  uint32_t triangleCount = 0;
};

// Reorders the triangles so each material's are contiguous (file order kept
// within a material) and returns one subset per material, in material order.
std::vector<MeshSubset> SortByMaterial(MeshGeometry& geometry, uint32_t materialCount);

// Smooth normals of a triangle list: each vertex gets the area-weighted mean
// of the faces around it.
std::vector<Vec3> ComputeNormals(const std::vector<Vec3>& positions, const std::vector<XTriangle>& triangles);
