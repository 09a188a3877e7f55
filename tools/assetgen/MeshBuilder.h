#pragma once
// Builds meshes from simple solids. Every solid is made in its own local
// space, placed by the current transform, and given the current material and
// bone. Triangles are wound so that the game's renderer (which culls
// counter-clockwise faces, seen through a left-handed camera) shows their
// outer side: cross(b - a, c - a) points away from the solid.

#include <functional>
#include <string>
#include <vector>

#include "XFile.h"

struct Pt2 {
  float x = 0, y = 0;
};

class MeshBuilder {
 public:
  explicit MeshBuilder(std::string name) { mesh_.name = std::move(name); }

  int AddMaterial(const ModelMaterial& m);
  void Use(int material) { material_ = material; }
  void SetBone(int bone) { bone_ = bone; }
  void SetTransform(const Matrix& m);

  // Axis-aligned box.
  void Box(Vec3 lo, Vec3 hi);
  // Surface of revolution about the local y axis through a profile of
  // (radius, y) points from bottom to top; a radius of 0 closes the end.
  // Flat caps close open ends when `caps` is set.
  void Lathe(const std::vector<Pt2>& profile, int segments, bool caps = true, bool smooth = true);
  // Prism: a star-shaped outline in the local xy plane, from z0 to z1.
  void Extrude(const std::vector<Pt2>& outline, float z0, float z1);
  // Ring about the local z axis (the hole faces the camera when unrotated).
  void Torus(float radius, float tube, int segments, int sides);
  void Sphere(Vec3 centre, Vec3 radii, int slices, int stacks);
  // A flat quad through four corners in turn; uvA and uvC belong to a and c.
  void Quad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, Pt2 uvA, Pt2 uvC);

  ModelMesh Finish();  // mesh with skin weights from the bone tags, if any bone was set
  void SetBones(std::vector<std::string> frames, std::vector<Matrix> offsets) {
    boneFrames_ = std::move(frames);
    boneOffsets_ = std::move(offsets);
  }

 private:
  uint32_t Vertex(Vec3 p, Vec3 n, Pt2 uv);
  // Adds a triangle, flipped if needed so that it faces along `outward`.
  void Triangle(uint32_t a, uint32_t b, uint32_t c, Vec3 outward);

  ModelMesh mesh_;
  std::vector<int> vertexBones_;
  std::vector<std::string> boneFrames_;
  std::vector<Matrix> boneOffsets_;
  Matrix transform_, normalMatrix_;  // normals use the inverse transpose
  int material_ = 0, bone_ = -1;
};

// Material helpers: an opaque colour 0xRRGGBB, optionally glowing.
ModelMaterial Colour(uint32_t rgb, float specular = 0.15f, float power = 16);
ModelMaterial Glow(uint32_t rgb, float emissive = 0.6f);
