#include "gfx/CAnimMesh.h"

#include "gfx/CMesh.h"
#include "gfx/WorldMatrix.h"
#include "gfx/XFileError.h"
#include "gfx/XFilePrefetch.h"
#include "util/Path.h"

CAnimMesh::CAnimMesh(RenderDevice* device, const std::string& path) : device_(device) {
  try {
    Load(path);
  } catch (const XFileError&) {
    FailModelLoad("アニメーション付きXファイルが読み込めません\nファイル名およびパスを確認してください");
  }
}

void CAnimMesh::Load(const std::string& path) {
  XScene scene = LoadXFile(path);
  for (const XFrame& frame : scene.frames) AddFrame(frame.name, frame.parent, frame.transform);
  // Meshes outside any frame hang from an unnamed root of their own.
  int looseRoot = -1;
  for (const XMesh& mesh : scene.meshes) {
    if (mesh.frame < 0 && looseRoot < 0) {
      looseRoot = static_cast<int>(frames_.size());
      AddFrame("", -1, Matrix{});
    }
  }
  std::vector<std::string> names;
  for (const Frame& frame : frames_) names.push_back(frame.name);

  ModelTextures textures(*device_, DirectoryOf(path));
  containers_.reserve(scene.meshes.size());
  for (const XMesh& mesh : scene.meshes) {
    int frame = mesh.frame < 0 ? looseRoot : mesh.frame;
    frames_[frame].containers.push_back(static_cast<int>(containers_.size()));
    containers_.emplace_back(*device_, mesh, frame, names, textures);
  }
  if (!scene.animationSets.empty()) {
    controller_ = std::make_unique<AnimationController>(scene, names, transformations_);
  }
}

void CAnimMesh::AddFrame(std::string name, int parent, const Matrix& transformation) {
  auto index = static_cast<int>(frames_.size());
  frames_.push_back({std::move(name), parent, -1, -1, {}});
  transformations_.push_back(transformation);
  combined_.push_back(Matrix{});
  // Siblings stay in file order: append to the end of the parent's child list.
  int* link = parent >= 0 ? &frames_[parent].firstChild : &firstRoot_;
  while (*link >= 0) link = &frames_[*link].nextSibling;
  *link = index;
}

void CAnimMesh::SetAnimation(uint32_t track, uint32_t index) {
  if (controller_) controller_->SetTrackAnimationSet(track, index);
}

void CAnimMesh::SetTrackPosition(uint32_t track, float position) {
  if (controller_) controller_->SetTrackPosition(track, position);
}

void CAnimMesh::AdvanceTime(double seconds) {
  if (controller_) controller_->AdvanceTime(seconds, transformations_);
}

void CAnimMesh::Draw(float x, float y, float z, float scaleX, float scaleY, float scaleZ, float rotX, float rotY,
                     float rotZ, int order) {
  Matrix world = ComposeWorldMatrix({x, y, z}, {scaleX, scaleY, scaleZ}, {rotX, rotY, rotZ}, order);
  device_->SetTransform(TransformSlot::World, world);
  UpdateCombined(world);
  DrawTree();
}

void CAnimMesh::UpdateCombined(const Matrix& world) {
  for (size_t i = 0; i < frames_.size(); ++i) {
    int parent = frames_[i].parent;
    combined_[i] = transformations_[i] * (parent < 0 ? world : combined_[parent]);
  }
}

// A frame's meshes, then its following siblings' subtrees, then its children.
void CAnimMesh::DrawTree() {
  if (firstRoot_ < 0) return;
  std::vector<int> pending{firstRoot_};
  while (!pending.empty()) {
    const Frame& frame = frames_[pending.back()];
    pending.pop_back();
    for (int container : frame.containers) containers_[container].Draw(*device_, combined_);
    if (frame.firstChild >= 0) pending.push_back(frame.firstChild);
    if (frame.nextSibling >= 0) pending.push_back(frame.nextSibling);
  }
}
