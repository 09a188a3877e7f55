#pragma once
// A skinned, animated model from an X file: its frame hierarchy with the
// meshes attached to frames, and an animation controller playing the file's
// animation sets in file order on track 0. A model without animation sets
// draws in the pose the file gives and ignores the animation calls.

#include <memory>
#include <string>
#include <vector>

#include "gfx/AnimationController.h"
#include "gfx/MeshContainer.h"
#include "gfx/RenderDevice.h"

class CAnimMesh {
 public:
  // A file that cannot be read ends the program after a message box.
  CAnimMesh(RenderDevice* device, const std::string& path);
  CAnimMesh(const CAnimMesh&) = delete;
  CAnimMesh& operator=(const CAnimMesh&) = delete;

  void SetAnimation(uint32_t track, uint32_t index);
  void SetTrackPosition(uint32_t track, float position);
  void AdvanceTime(double seconds);
  // Angles in radians; order codes as for CMesh (WorldMatrix.h).
  void Draw(float x, float y, float z, float scaleX, float scaleY, float scaleZ, float rotX, float rotY, float rotZ,
            int order);

  bool HasAnimation() const { return controller_ != nullptr; }
  const std::vector<MeshContainer>& Containers() const { return containers_; }
  // Frames in file order, each after its parent.
  size_t FrameCount() const { return frames_.size(); }
  const Matrix& Combined(size_t frame) const { return combined_[frame]; }

 private:
  struct Frame {
    std::string name;
    int parent = -1;
    int firstChild = -1;
    int nextSibling = -1;
    std::vector<int> containers;
  };

  void Load(const std::string& path);
  void AddFrame(std::string name, int parent, const Matrix& transformation);
  void UpdateCombined(const Matrix& world);
  void DrawTree();

  RenderDevice* device_;
  std::vector<Frame> frames_;
  int firstRoot_ = -1;
  std::vector<Matrix> transformations_;  // local matrices, written by the animation
  std::vector<Matrix> combined_;         // recomputed on every draw
  std::vector<MeshContainer> containers_;
  std::unique_ptr<AnimationController> controller_;
};
