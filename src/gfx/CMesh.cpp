#include "gfx/CMesh.h"

#include <cstdlib>

#include "gfx/WorldMatrix.h"
#include "gfx/XFileError.h"
#include "gfx/XFilePrefetch.h"
#include "util/Dialog.h"
#include "util/Path.h"

namespace {

Color4 Tint(const Color4& c, const Color4& mul, const Color4& add) {
  return {c.r * mul.r + add.r, c.g * mul.g + add.g, c.b * mul.b + add.b, c.a * mul.a + add.a};
}

// Tinting by these changes no colour (a negative zero aside).
bool IsWhite(const Color4& c) { return c.r == 1 && c.g == 1 && c.b == 1 && c.a == 1; }
bool IsClear(const Color4& c) { return c.r == 0 && c.g == 0 && c.b == 0 && c.a == 0; }

}  // namespace

void FailModelLoad(const std::string& message) {
  ShowMessageBox(message, "");
  std::exit(1);
}

CMesh::CMesh(RenderDevice* device, const std::string& path, bool fatal) : device_(device) {
  try {
    Load(path);
  } catch (const XFileError&) {
    if (fatal) FailModelLoad("Xファイルが読み込めません\nファイル名およびパスを確認してください。");
  }
}

void CMesh::Load(const std::string& path) {
  XScene scene = LoadXFile(path);
  if (scene.meshes.empty()) throw XFileError(path + ": no mesh in the file");
  std::vector<Matrix> pose = scene.BindPose();
  MeshGeometry geometry;
  std::vector<XMaterial> fileMaterials;
  for (const XMesh& mesh : scene.meshes) {
    MeshGeometry part = BuildMeshGeometry(mesh);
    if (mesh.frame >= 0) part.Transform(pose[mesh.frame]);
    geometry.Append(part, static_cast<uint32_t>(fileMaterials.size()));
    std::vector<XMaterial> own = MaterialsOf(mesh);
    fileMaterials.insert(fileMaterials.end(), own.begin(), own.end());
  }
  ModelTextures textures(*device_, DirectoryOf(path));
  materials_ = LoadMaterials(fileMaterials, textures);
  subsets_ = SortByMaterial(geometry, materials_.Count());
  MeshFormat format;
  format.hasVertexColors = geometry.hasVertexColors;
  mesh_ = device_->CreateMesh(geometry.vertices, geometry.indices, format);
}

void CMesh::Draw(float x, float y, float z, float scaleX, float scaleY, float scaleZ, float rotX, float rotY,
                 float rotZ, int order, float alpha, bool additive) {
  DrawColored(x, y, z, scaleX, scaleY, scaleZ, rotX, rotY, rotZ, order, 1, 1, 1, alpha, additive);
}

void CMesh::DrawColored(float x, float y, float z, float scaleX, float scaleY, float scaleZ, float rotX,
                        float rotY, float rotZ, int order, float red, float green, float blue, float alpha,
                        bool additive) {
  SetColor({red, green, blue, alpha}, {0, 0, 0, 0});
  SetBlendMode(additive);
  DrawWithTransform({x, y, z}, {scaleX, scaleY, scaleZ}, {rotX, rotY, rotZ}, order);
}

void CMesh::SetColor(const Color4& mul, const Color4& add) {
  colourMul_ = mul;
  colourAdd_ = add;
}

void CMesh::SetBlendMode(bool additive) {
  device_->SetRenderState(RenderState::AlphaBlendEnable, 1);
  device_->SetRenderState(RenderState::SrcBlend, Blend::SrcAlpha);
  device_->SetRenderState(RenderState::DestBlend, additive ? Blend::One : Blend::InvSrcAlpha);
}

void CMesh::DrawWithTransform(Vec3 position, Vec3 scale, Vec3 rotation, int order) {
  DrawSubsets(ComposeWorldMatrix(position, scale, rotation, order));
}

void CMesh::DrawSubsets(const Matrix& world) {
  if (!mesh_) return;
  device_->SetTransform(TransformSlot::World, world);
  // Most models are drawn untinted: their materials go to the device as they are.
  const bool untinted = IsWhite(colourMul_) && IsClear(colourAdd_);
  for (const MeshSubset& subset : subsets_) {
    const Material& own = materials_.materials[subset.material];
    if (untinted) {
      device_->SetMaterial(own);
    } else {
      Material m = own;
      m.diffuse = Tint(m.diffuse, colourMul_, colourAdd_);
      m.ambient = Tint(m.ambient, colourMul_, colourAdd_);
      m.specular = Tint(m.specular, colourMul_, colourAdd_);
      m.emissive = Tint(m.emissive, colourMul_, colourAdd_);
      device_->SetMaterial(m);
    }
    device_->SetTexture(0, materials_.textures[subset.material].get());
    if (subset.triangleCount > 0) device_->DrawMesh(*mesh_, subset.firstIndex, subset.triangleCount);
  }
}
