// libFuzzer target for the X-file reader in all its encodings (the header
// picks text, binary or compressed), plus the geometry and skin conversion
// that every accepted file goes through when it is loaded as a model.

#include <cstddef>
#include <cstdint>

#include "gfx/MeshGeometry.h"
#include "gfx/SkinPartition.h"
#include "gfx/XFileError.h"
#include "gfx/XScene.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  XScene scene;
  try {
    scene = ParseXFile({data, size}, "fuzz.x");
  } catch (const XFileError&) {
    return 0;
  }
  scene.BindPose();
  for (const XMesh& mesh : scene.meshes) {
    MeshGeometry geometry = BuildMeshGeometry(mesh);
    auto materials = static_cast<uint32_t>(std::max<size_t>(mesh.materials.size(), 1));
    if (mesh.skin.empty()) {
      SortByMaterial(geometry, materials);
      continue;
    }
    auto bones = static_cast<uint32_t>(mesh.skin.size());
    std::vector<VertexInfluences> influences = GatherInfluences(mesh, bones);
    ConvertToIndexedBlended(geometry, influences, materials, std::max(MaxTriangleBones(geometry, influences), 1u));
  }
  return 0;
}
