#include "gfx/MeshContainer.h"

#include <algorithm>

namespace {

// Each vertex weighs at most four bones, so a triangle needs at most twelve.
constexpr uint32_t kMaxFaceInfluences = 3 * kMaxVertexInfluences;

int FrameNamed(const std::vector<std::string>& frameNames, const std::string& name) {
  auto found = std::find(frameNames.begin(), frameNames.end(), name);
  return found == frameNames.end() ? -1 : static_cast<int>(found - frameNames.begin());
}

}  // namespace

MeshContainer::MeshContainer(RenderDevice& device, const XMesh& mesh, int frame,
                             const std::vector<std::string>& frameNames, ModelTextures& textures)
    : frame_(frame), materials_(LoadMaterials(MaterialsOf(mesh), textures)) {
  MeshGeometry geometry = BuildMeshGeometry(mesh);
  if (mesh.skin.empty()) {
    subsets_ = SortByMaterial(geometry, materials_.Count());
    MeshFormat format;
    format.hasVertexColors = geometry.hasVertexColors;
    mesh_ = device.CreateMesh(geometry.vertices, geometry.indices, format);
  } else {
    BuildSkin(device, mesh, frameNames, geometry);
  }
}

void MeshContainer::BuildSkin(RenderDevice& device, const XMesh& mesh, const std::vector<std::string>& frameNames,
                              MeshGeometry& geometry) {
  for (const XSkinWeights& bone : mesh.skin) {
    boneOffsets_.push_back(bone.offset);
    boneFrames_.push_back(FrameNamed(frameNames, bone.boneName));
  }
  // Vertices no bone weighs follow the mesh's own frame, as a rigid mesh would.
  auto unweighted = static_cast<uint32_t>(boneOffsets_.size());
  boneOffsets_.push_back(Matrix{});
  boneFrames_.push_back(frame_);

  std::vector<VertexInfluences> influences = GatherInfluences(mesh, unweighted);
  uint32_t faceInfluences = std::min(MaxTriangleBones(geometry, influences), kMaxFaceInfluences);
  maxInfluences_ = MaxVertexInfluences(influences);
  auto boneCount = static_cast<uint32_t>(boneOffsets_.size());
  auto slots = static_cast<uint32_t>(std::max(device.MaxVertexBlendMatrixIndex(), -1) + 1);
  // Palette slots are bytes in the vertex format.
  paletteSize_ = std::min({slots / 2, boneCount, 256u});
  software_ = slots < faceInfluences || paletteSize_ < faceInfluences;

  MeshFormat format;
  format.hasVertexColors = geometry.hasVertexColors;
  if (software_) {
    paletteSize_ = boneCount;
    subsets_ = SortByMaterial(geometry, materials_.Count());
    for (uint32_t source : geometry.source) influences_.push_back(influences[source]);
    restVertices_ = geometry.vertices;
    skinnedVertices_ = geometry.vertices;
    format.dynamic = true;
    mesh_ = device.CreateMesh(geometry.vertices, geometry.indices, format);
  } else {
    BlendedMesh blended = ConvertToIndexedBlended(geometry, influences, materials_.Count(), paletteSize_);
    groups_ = std::move(blended.groups);
    mesh_ = device.CreateMesh(blended.vertices, blended.indices, format);
  }
}

void MeshContainer::Draw(RenderDevice& device, const std::vector<Matrix>& combined) {
  if (!IsSkinned()) DrawRigid(device, combined);
  else if (software_) DrawSoftware(device, combined);
  else DrawBlended(device, combined);
}

void MeshContainer::DrawSubset(RenderDevice& device, uint32_t material, uint32_t firstIndex, uint32_t triangleCount) {
  device.SetMaterial(materials_.materials[material]);
  device.SetTexture(0, materials_.textures[material].get());
  if (triangleCount > 0) device.DrawMesh(*mesh_, firstIndex, triangleCount);
}

void MeshContainer::DrawRigid(RenderDevice& device, const std::vector<Matrix>& combined) {
  device.SetTransform(TransformSlot::World, combined[frame_]);
  for (const MeshSubset& s : subsets_) DrawSubset(device, s.material, s.firstIndex, s.triangleCount);
}

Matrix MeshContainer::BonePalette(uint32_t bone, const std::vector<Matrix>& combined) const {
  int frame = boneFrames_[bone];
  return frame < 0 ? boneOffsets_[bone] : boneOffsets_[bone] * combined[frame];
}

void MeshContainer::DrawBlended(RenderDevice& device, const std::vector<Matrix>& combined) {
  device.SetRenderState(RenderState::VertexBlend,
                        maxInfluences_ == 1 ? VertexBlendFlags::Weights0 : maxInfluences_ - 1);
  if (maxInfluences_ != 0) device.SetRenderState(RenderState::IndexedVertexBlendEnable, 1);
  for (const BoneCombination& group : groups_) {
    for (uint32_t slot = 0; slot < group.bones.size(); ++slot) {
      device.SetTransform(TransformSlot::WorldMatrix(slot), BonePalette(group.bones[slot], combined));
    }
    DrawSubset(device, group.material, group.firstIndex, group.triangleCount);
  }
  device.SetRenderState(RenderState::IndexedVertexBlendEnable, 0);
  device.SetRenderState(RenderState::VertexBlend, VertexBlendFlags::Disable);
}

void MeshContainer::DrawSoftware(RenderDevice& device, const std::vector<Matrix>& combined) {
  palette_.resize(boneOffsets_.size());
  for (uint32_t b = 0; b < palette_.size(); ++b) palette_[b] = BonePalette(b, combined);
  for (size_t i = 0; i < restVertices_.size(); ++i) {
    const MeshVertex& rest = restVertices_[i];
    const VertexInfluences& inf = influences_[i];
    Vec3 position, normal;
    for (uint32_t k = 0; k < inf.count; ++k) {
      const Matrix& m = palette_[inf.bone[k]];
      position = position + TransformCoord(rest.position, m) * inf.weight[k];
      normal = normal + TransformNormal(rest.normal, m) * inf.weight[k];
    }
    skinnedVertices_[i].position = position;
    skinnedVertices_[i].normal = Normalize(normal);
  }
  device.UpdateMeshVertices(*mesh_, skinnedVertices_);
  // The blended vertices are already in world space.
  device.SetTransform(TransformSlot::World, Matrix{});
  for (const MeshSubset& s : subsets_) DrawSubset(device, s.material, s.firstIndex, s.triangleCount);
}
