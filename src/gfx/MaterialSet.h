#pragma once
// The materials of a model as they are drawn: the file's colours with the
// ambient colour set to the diffuse one, and each material's texture loaded
// from the model's own folder.

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "gfx/RenderDevice.h"
#include "gfx/XScene.h"

// Loads each texture of one model once, however many materials name it.
class ModelTextures {
 public:
  ModelTextures(RenderDevice& device, std::string folder) : device_(device), folder_(std::move(folder)) {}

  // Null when the name is empty or no file is found. Exporters often write
  // the path the texture had on their machine, so when the name as given is
  // not there, its last part is looked up in the model's folder.
  std::shared_ptr<DeviceTexture> Load(const std::string& name);

 private:
  RenderDevice& device_;
  std::string folder_;
  std::unordered_map<std::string, std::shared_ptr<DeviceTexture>> loaded_;
};

struct MaterialSet {
  std::vector<Material> materials;
  std::vector<std::shared_ptr<DeviceTexture>> textures;  // one per material, null for none

  uint32_t Count() const { return static_cast<uint32_t>(materials.size()); }
};

MaterialSet LoadMaterials(const std::vector<XMaterial>& materials, ModelTextures& textures);

// The materials a mesh is drawn with: its own, or one plain white material
// for a mesh that has none, so that it stays visible.
std::vector<XMaterial> MaterialsOf(const XMesh& mesh);

// The last part of a path whose parts are separated by '\' or '/'.
std::string BaseName(const std::string& path);
