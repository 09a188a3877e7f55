#include "gfx/MaterialSet.h"

namespace {

Material DrawnMaterial(const XMaterial& file) {
  Material m;
  m.diffuse = file.diffuse;
  m.ambient = file.diffuse;
  m.specular = file.specular;
  m.emissive = file.emissive;
  m.power = file.power;
  return m;
}

}  // namespace

std::string BaseName(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::shared_ptr<DeviceTexture> ModelTextures::Load(const std::string& name) {
  if (name.empty()) return nullptr;
  auto found = loaded_.find(name);
  if (found != loaded_.end()) return found->second;
  std::shared_ptr<DeviceTexture> texture = device_.LoadTexture(folder_ + name);
  std::string base = BaseName(name);
  if (!texture && base != name && !base.empty()) texture = device_.LoadTexture(folder_ + base);
  loaded_.emplace(name, texture);
  return texture;
}

MaterialSet LoadMaterials(const std::vector<XMaterial>& materials, ModelTextures& textures) {
  MaterialSet set;
  for (const XMaterial& material : materials) {
    set.materials.push_back(DrawnMaterial(material));
    set.textures.push_back(textures.Load(material.texture));
  }
  return set;
}

std::vector<XMaterial> MaterialsOf(const XMesh& mesh) {
  if (!mesh.materials.empty()) return mesh.materials;
  XMaterial white;
  white.diffuse = {1, 1, 1, 1};
  return {white};
}
