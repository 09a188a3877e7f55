#pragma once
// What an X file describes, in plain structures: frames, meshes with their
// materials and skins, and animation sets. Built by ReadXFile; CMesh and
// CAnimMesh turn it into device objects.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "gfx/Math3D.h"
#include "gfx/RenderDevice.h"

struct XMaterial {
  Color4 diffuse;  // the file's face colour
  float power = 0;
  Color4 specular;
  Color4 emissive;
  std::string texture;  // as written in the file; empty when none
};

// One triangle: corners index positions and, when the mesh has normals,
// the mesh's normal array.
struct XTriangle {
  uint32_t position[3] = {0, 0, 0};
  uint32_t normal[3] = {0, 0, 0};
  uint32_t material = 0;
};

struct XSkinWeights {
  std::string boneName;
  std::vector<uint32_t> vertices;
  std::vector<float> weights;
  Matrix offset;
};

struct XMesh {
  std::string name;
  int frame = -1;  // index into XScene::frames; -1 for a mesh outside any frame
  std::vector<Vec3> positions;
  std::vector<Vec3> normals;                // empty when the file gives none
  std::vector<std::array<float, 2>> uvs;    // empty, or one per position
  std::vector<uint32_t> colors;             // empty, or one ARGB per position
  std::vector<XTriangle> triangles;         // faces fanned into triangles
  uint32_t faceCount = 0;                   // faces as written
  std::vector<XMaterial> materials;
  std::vector<XSkinWeights> skin;

  bool HasNormals() const { return !normals.empty(); }
};

struct XFrame {
  std::string name;
  int parent = -1;
  Matrix transform;
};

struct XRotationKey {
  uint32_t time;
  Quat value;
};
struct XVectorKey {
  uint32_t time;
  Vec3 value;
};
struct XMatrixKey {
  uint32_t time;
  Matrix value;
};

// The keys of one frame within a set; each list sorted by time.
struct XAnimation {
  std::string frameName;
  std::vector<XRotationKey> rotations;
  std::vector<XVectorKey> scales;
  std::vector<XVectorKey> translations;
  std::vector<XMatrixKey> matrices;

  size_t KeyCount() const {
    return rotations.size() + scales.size() + translations.size() + matrices.size();
  }
  uint32_t LastTime() const;
};

struct XAnimationSet {
  std::string name;
  std::vector<XAnimation> animations;

  size_t KeyCount() const;
  uint32_t LastTime() const;  // the set's period in ticks
};

enum class XEncoding { Text, Binary, CompressedText, CompressedBinary };

struct XScene {
  XEncoding encoding = XEncoding::Text;
  uint32_t floatBits = 32;
  std::vector<XFrame> frames;  // parents come before their children
  std::vector<XMesh> meshes;
  std::vector<XAnimationSet> animationSets;
  std::optional<uint32_t> ticksPerSecond;  // AnimTicksPerSecond, when the file gives it

  uint32_t TicksPerSecond() const { return ticksPerSecond.value_or(4800); }
  // Each frame's matrix relative to the root in the pose the file gives.
  std::vector<Matrix> BindPose() const;
};

const char* EncodingName(XEncoding encoding);

// Reads an X file; throws XFileError, naming the file, when it cannot be read
// or is malformed.
XScene ReadXFile(const std::string& path);
// The same for a file already in memory; `name` is used in messages.
XScene ParseXFile(std::span<const uint8_t> bytes, const std::string& name);

// Rotation keys store (w, x, y, z). Exporters write the rotation as the
// conjugate of the quaternion MatrixRotationQuaternion expects, so a key is
// conjugated on reading: every Quat in the scene turns the way the frame
// matrices of the same file do.
Quat QuatFromRotationKey(float w, float x, float y, float z);
