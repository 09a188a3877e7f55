#pragma once
// A rigid model from an X file with its materials and textures, drawn with a
// world matrix composed from position, scale and rotations in a chosen order
// (see WorldMatrix.h) and tinted per draw. All meshes of the file are merged
// into one, placed by their frames, with one subset per material.

#include <memory>
#include <string>
#include <vector>

#include "gfx/MaterialSet.h"
#include "gfx/MeshGeometry.h"
#include "gfx/RenderDevice.h"

class CMesh {
 public:
  // When the file cannot be read: with `fatal`, a message box and exit code
  // 1; without, an empty model that draws nothing.
  CMesh(RenderDevice* device, const std::string& path, bool fatal);
  CMesh(const CMesh&) = delete;
  CMesh& operator=(const CMesh&) = delete;

  // Angles in radians.
  void Draw(float x, float y, float z, float scaleX, float scaleY, float scaleZ, float rotX, float rotY,
            float rotZ, int order, float alpha, bool additive);
  // As Draw, with every material colour multiplied by (red, green, blue, alpha).
  void DrawColored(float x, float y, float z, float scaleX, float scaleY, float scaleZ, float rotX,
                   float rotY, float rotZ, int order, float red, float green, float blue, float alpha,
                   bool additive);
  // Each material colour is drawn as colour * mul + add.
  void SetColor(const Color4& mul, const Color4& add);
  // Alpha blending with source alpha; the destination factor is one when
  // additive, else inverse source alpha. The device keeps it after the draw.
  void SetBlendMode(bool additive);
  void DrawWithTransform(Vec3 position, Vec3 scale, Vec3 rotation, int order);
  void DrawSubsets(const Matrix& world);

  bool IsLoaded() const { return mesh_ != nullptr; }
  uint32_t MaterialCount() const { return materials_.Count(); }

 private:
  void Load(const std::string& path);

  RenderDevice* device_;
  std::unique_ptr<DeviceMesh> mesh_;
  MaterialSet materials_;
  std::vector<MeshSubset> subsets_;
  Color4 colourMul_{1, 1, 1, 1};
  Color4 colourAdd_{0, 0, 0, 0};
};

// Ends the program after telling the player which kind of model could not be read.
[[noreturn]] void FailModelLoad(const std::string& message);
