#pragma once
// Writes DirectX X files in text form ("xof 0303txt 0032") with the standard
// templates: frames with transform matrices, meshes with normals, texture
// coordinates and materials, skin weights, and animation sets with matrix
// keys (key type 4, whole local transforms, which leaves no doubt about
// rotation conventions). Numbers are printed with fixed precision so the same
// model always gives the same bytes.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "gfx/Math3D.h"

struct ModelMaterial {
  float r = 1, g = 1, b = 1, a = 1;  // diffuse; the game uses it as ambient too
  float power = 20;
  float specular = 0.2f;             // grey specular level
  float emissive[3] = {0, 0, 0};
  std::string texture;               // file beside the X file, or empty
};

struct ModelBone {
  std::string frame;
  std::vector<uint32_t> vertices;
  std::vector<float> weights;
  Matrix offset;  // mesh space to the bone's space in the bind pose
};

struct ModelMesh {
  std::string name;
  std::vector<Vec3> positions, normals;
  std::vector<std::array<float, 2>> uvs;           // one per position
  std::vector<std::array<uint32_t, 3>> faces;      // front faces are clockwise seen from outside
  std::vector<uint32_t> faceMaterials;             // one per face
  std::vector<ModelMaterial> materials;
  std::vector<ModelBone> bones;                        // empty for a rigid mesh
};

struct ModelFrame {
  std::string name;
  Matrix transform;
  std::vector<ModelMesh> meshes;
  std::vector<ModelFrame> children;
};

struct ModelTrack {
  std::string frame;
  std::vector<std::pair<uint32_t, Matrix>> keys;  // (tick, local transform)
};

struct ModelAnimationSet {
  std::string name;
  std::vector<ModelTrack> animations;
};

std::string FormatX(const std::vector<ModelFrame>& frames, const std::vector<ModelAnimationSet>& sets = {},
                    uint32_t ticksPerSecond = 0);
void WriteXFile(const std::string& path, const std::vector<ModelFrame>& frames, const std::vector<ModelAnimationSet>& sets = {},
                uint32_t ticksPerSecond = 0);
