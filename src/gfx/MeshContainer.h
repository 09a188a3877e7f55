#pragma once
// One mesh of an animated model, attached to a frame: rigid (drawn with its
// frame's combined matrix) or skinned (each vertex blended from the matrices
// of the bones that weigh it).
//
// A skinned mesh is drawn by the device's indexed vertex blending when its
// palette holds the bones of every triangle; otherwise the vertices are
// blended on the CPU into a dynamic mesh, which gives the same picture.

#include <memory>
#include <string>
#include <vector>

#include "gfx/MaterialSet.h"
#include "gfx/MeshGeometry.h"
#include "gfx/RenderDevice.h"
#include "gfx/SkinPartition.h"

class MeshContainer {
 public:
  // frameNames: every frame of the model, to find the frame of each bone.
  MeshContainer(RenderDevice& device, const XMesh& mesh, int frame, const std::vector<std::string>& frameNames,
                ModelTextures& textures);

  // combined: the combined matrix of every frame, by frame index.
  void Draw(RenderDevice& device, const std::vector<Matrix>& combined);

  int Frame() const { return frame_; }
  bool IsSkinned() const { return !boneOffsets_.empty(); }
  bool SoftwareSkinning() const { return software_; }
  uint32_t PaletteSize() const { return paletteSize_; }
  uint32_t MaxInfluences() const { return maxInfluences_; }
  size_t GroupCount() const { return groups_.size(); }

 private:
  void BuildSkin(RenderDevice& device, const XMesh& mesh, const std::vector<std::string>& frameNames,
                 MeshGeometry& geometry);
  void DrawRigid(RenderDevice& device, const std::vector<Matrix>& combined);
  void DrawBlended(RenderDevice& device, const std::vector<Matrix>& combined);
  void DrawSoftware(RenderDevice& device, const std::vector<Matrix>& combined);
  void DrawSubset(RenderDevice& device, uint32_t material, uint32_t firstIndex, uint32_t triangleCount);
  Matrix BonePalette(uint32_t bone, const std::vector<Matrix>& combined) const;

  int frame_;
  MaterialSet materials_;
  std::unique_ptr<DeviceMesh> mesh_;
  std::vector<MeshSubset> subsets_;  // rigid and software-skinned meshes

  // Skin: per bone its offset and the frame whose combined matrix moves it
  // (-1: no such frame, the identity is used).
  std::vector<Matrix> boneOffsets_;
  std::vector<int> boneFrames_;
  std::vector<BoneCombination> groups_;
  uint32_t paletteSize_ = 0;
  uint32_t maxInfluences_ = 0;
  bool software_ = false;
  std::vector<MeshVertex> restVertices_;         // software skinning: the vertices as loaded
  std::vector<VertexInfluences> influences_;     // ... and their bones, per vertex
  std::vector<MeshVertex> skinnedVertices_;      // ... and the buffer they are blended into
  std::vector<Matrix> palette_;
};
