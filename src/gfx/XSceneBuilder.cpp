#include "gfx/XSceneBuilder.h"

#include <algorithm>
#include <strings.h>
#include <unordered_map>

#include "gfx/XFieldReader.h"

namespace {

bool SameType(const XObject& object, const char* type) { return object.type == type; }

// Faces as written, before triangulation: corners of face i are
// corners[start[i] .. start[i + 1]).
struct Faces {
  std::vector<uint32_t> start{0};
  std::vector<uint32_t> corners;
  std::vector<uint32_t> normalCorners;  // same layout, when the mesh has normals
  std::vector<uint32_t> materials;      // one per face

  uint32_t Count() const { return static_cast<uint32_t>(start.size() - 1); }
  uint32_t Size(uint32_t face) const { return start[face + 1] - start[face]; }
};

class SceneBuilder {
 public:
  SceneBuilder(const std::vector<XObject>& objects, const XSource& source, XScene& scene)
      : objects_(objects), source_(source), scene_(scene) {}

  void Build() {
    for (const XObject& object : objects_) {
      if (SameType(object, "Frame")) Frame(object, -1);
      else if (SameType(object, "Mesh")) Mesh(object, -1);
      else if (SameType(object, "AnimationSet")) AnimationSet(object);
      else if (SameType(object, "AnimTicksPerSecond")) TicksPerSecond(object);
    }
  }

 private:
  XFieldReader Fields(const XObject& object) const { return XFieldReader(object, source_); }

  // Resolves `{ name }` against every named object of the file of that type.
  const XObject& Resolve(const XObject& reference, const char* type) {
    if (named_.empty()) IndexNames(objects_);
    auto found = named_.find(reference.name);
    if (found != named_.end()) {
      for (const XObject* object : found->second)
        if (SameType(*object, type)) return *object;
    }
    source_.Fail(reference.position, std::string("reference to unknown ") + type + " '" + reference.name + "'");
  }

  void IndexNames(const std::vector<XObject>& objects) {
    for (const XObject& object : objects) {
      if (!object.IsReference() && !object.name.empty()) named_[object.name].push_back(&object);
      IndexNames(object.children);
    }
  }

  void TicksPerSecond(const XObject& object) {
    XFieldReader fields = Fields(object);
    uint32_t ticks = fields.Dword();
    if (ticks == 0) fields.Fail("AnimTicksPerSecond must not be 0");
    if (!scene_.ticksPerSecond) scene_.ticksPerSecond = ticks;
  }

  void Frame(const XObject& object, int parent) {
    int index = static_cast<int>(scene_.frames.size());
    scene_.frames.push_back({object.name, parent, Matrix{}});
    for (const XObject& child : object.children) {
      if (SameType(child, "FrameTransformMatrix")) {
        scene_.frames[index].transform = Fields(child).Matrix4x4();
      } else if (SameType(child, "Frame")) {
        Frame(child, index);
      } else if (SameType(child, "Mesh")) {
        Mesh(child, index);
      }
    }
  }

  void Mesh(const XObject& object, int frame) {
    XMesh mesh;
    mesh.name = object.name;
    mesh.frame = frame;
    XFieldReader fields = Fields(object);
    uint32_t vertexCount = fields.Count(3);
    mesh.positions.resize(vertexCount);
    for (Vec3& p : mesh.positions) p = fields.Vector();
    Faces faces = FaceList(fields, vertexCount);
    faces.materials.assign(faces.Count(), 0);
    for (const XObject& child : object.children) {
      if (SameType(child, "MeshNormals")) Normals(child, faces, mesh);
      else if (SameType(child, "MeshTextureCoords")) TextureCoords(child, mesh);
      else if (SameType(child, "MeshVertexColors")) VertexColors(child, mesh);
      else if (SameType(child, "MeshMaterialList")) MaterialList(child, faces, mesh);
      else if (SameType(child, "SkinWeights")) SkinWeights(child, mesh);
    }
    Triangulate(faces, mesh);
    scene_.meshes.push_back(std::move(mesh));
  }

  Faces FaceList(XFieldReader& fields, uint32_t indexLimit) {
    Faces faces;
    uint32_t count = fields.Count(4);  // a corner count and at least three corners each
    faces.start.reserve(size_t{count} + 1);
    for (uint32_t f = 0; f < count; ++f) {
      uint32_t corners = fields.Count(1);
      if (corners < 3) fields.Fail("a face needs at least three corners");
      for (uint32_t c = 0; c < corners; ++c) faces.corners.push_back(fields.Index(indexLimit, "vertex index"));
      faces.start.push_back(static_cast<uint32_t>(faces.corners.size()));
    }
    return faces;
  }

  void Normals(const XObject& object, Faces& faces, XMesh& mesh) {
    XFieldReader fields = Fields(object);
    uint32_t count = fields.Count(3);
    mesh.normals.resize(count);
    for (Vec3& n : mesh.normals) n = fields.Vector();
    Faces normalFaces = FaceList(fields, count);
    if (normalFaces.Count() != faces.Count()) fields.Fail("MeshNormals has a different number of faces than its Mesh");
    if (normalFaces.start != faces.start) fields.Fail("MeshNormals faces differ in size from the Mesh faces");
    faces.normalCorners = std::move(normalFaces.corners);
  }

  void TextureCoords(const XObject& object, XMesh& mesh) {
    XFieldReader fields = Fields(object);
    uint32_t count = fields.Count(2);
    if (count != mesh.positions.size()) fields.Fail("MeshTextureCoords count differs from the vertex count");
    mesh.uvs.resize(count);
    for (auto& uv : mesh.uvs) uv = {fields.Float(), fields.Float()};
  }

  void VertexColors(const XObject& object, XMesh& mesh) {
    XFieldReader fields = Fields(object);
    uint32_t count = fields.Count(5);
    mesh.colors.assign(mesh.positions.size(), 0xFFFFFFFF);
    for (uint32_t i = 0; i < count; ++i) {
      uint32_t vertex = fields.Index(static_cast<uint32_t>(mesh.positions.size()), "vertex index");
      mesh.colors[vertex] = ToArgb(fields.ColorRGBA());
    }
  }

  static uint32_t ToArgb(const Color4& c) {
    auto byte = [](float v) { return static_cast<uint32_t>(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f); };
    return byte(c.a) << 24 | byte(c.r) << 16 | byte(c.g) << 8 | byte(c.b);
  }

  // Faces beyond the indices given keep the last index given: exporters
  // write a single index for a mesh of one material.
  void MaterialList(const XObject& object, Faces& faces, XMesh& mesh) {
    XFieldReader fields = Fields(object);
    uint32_t materialCount = fields.Dword();
    uint32_t indexCount = fields.Count(1);
    uint32_t last = 0;
    for (uint32_t i = 0; i < indexCount; ++i) {
      last = fields.Index(materialCount, "material index");
      if (i < faces.Count()) faces.materials[i] = last;
    }
    for (uint32_t i = indexCount; i < faces.Count(); ++i) faces.materials[i] = last;
    for (const XObject& child : object.children) {
      if (mesh.materials.size() == materialCount) break;
      if (child.IsReference()) mesh.materials.push_back(Material(Resolve(child, "Material")));
      else if (SameType(child, "Material")) mesh.materials.push_back(Material(child));
    }
    if (mesh.materials.size() != materialCount) {
      source_.Fail(object.position, "MeshMaterialList names " + std::to_string(materialCount) +
                                        " materials but gives " + std::to_string(mesh.materials.size()));
    }
  }

  XMaterial Material(const XObject& object) {
    XFieldReader fields = Fields(object);
    XMaterial material;
    material.diffuse = fields.ColorRGBA();
    material.power = fields.Float();
    material.specular = fields.ColorRGB();
    material.emissive = fields.ColorRGB();
    for (const XObject& child : object.children) {
      // Both spellings occur in exported files.
      if (strcasecmp(child.type.c_str(), "TextureFilename") == 0) material.texture = Fields(child).String();
    }
    return material;
  }

  void SkinWeights(const XObject& object, XMesh& mesh) {
    XFieldReader fields = Fields(object);
    XSkinWeights skin;
    skin.boneName = fields.String();
    uint32_t count = fields.Count(2);
    skin.vertices.reserve(count);
    for (uint32_t i = 0; i < count; ++i)
      skin.vertices.push_back(fields.Index(static_cast<uint32_t>(mesh.positions.size()), "vertex index"));
    skin.weights.reserve(count);
    for (uint32_t i = 0; i < count; ++i) skin.weights.push_back(fields.Float());
    skin.offset = fields.Matrix4x4();
    mesh.skin.push_back(std::move(skin));
  }

  // Fans each face from its first corner, as D3DX does.
  static void Triangulate(const Faces& faces, XMesh& mesh) {
    mesh.faceCount = faces.Count();
    mesh.triangles.reserve(faces.corners.size() - 2 * size_t{faces.Count()});
    bool normals = !faces.normalCorners.empty();
    for (uint32_t f = 0; f < faces.Count(); ++f) {
      uint32_t first = faces.start[f];
      for (uint32_t c = 1; c + 1 < faces.Size(f); ++c) {
        XTriangle t;
        const uint32_t corner[3] = {first, first + c, first + c + 1};
        for (int k = 0; k < 3; ++k) {
          t.position[k] = faces.corners[corner[k]];
          t.normal[k] = normals ? faces.normalCorners[corner[k]] : 0;
        }
        t.material = faces.materials[f];
        mesh.triangles.push_back(t);
      }
    }
  }

  void AnimationSet(const XObject& object) {
    XAnimationSet set;
    set.name = object.name;
    for (const XObject& child : object.children) {
      if (child.IsReference()) set.animations.push_back(Animation(Resolve(child, "Animation")));
      else if (SameType(child, "Animation")) set.animations.push_back(Animation(child));
    }
    scene_.animationSets.push_back(std::move(set));
  }

  XAnimation Animation(const XObject& object) {
    XAnimation animation;
    for (const XObject& child : object.children) {
      if (child.IsReference()) animation.frameName = child.name;
      else if (SameType(child, "AnimationKey")) AnimationKey(child, animation);
    }
    return animation;
  }

  void AnimationKey(const XObject& object, XAnimation& animation) {
    XFieldReader fields = Fields(object);
    uint32_t type = fields.Dword();
    uint32_t valueCount = type == 0 ? 4 : type == 1 || type == 2 ? 3 : type == 3 || type == 4 ? 16 : 0;
    if (valueCount == 0) fields.Fail("unknown AnimationKey type " + std::to_string(type));
    uint32_t keys = fields.Count(2 + valueCount);
    for (uint32_t k = 0; k < keys; ++k) {
      uint32_t time = fields.Dword();
      if (fields.Dword() != valueCount) fields.Fail("AnimationKey value count does not match its type");
      switch (type) {
        case 0: {
          float w = fields.Float(), x = fields.Float(), y = fields.Float(), z = fields.Float();
          animation.rotations.push_back({time, QuatFromRotationKey(w, x, y, z)});
          break;
        }
        case 1: animation.scales.push_back({time, fields.Vector()}); break;
        case 2: animation.translations.push_back({time, fields.Vector()}); break;
        default: animation.matrices.push_back({time, fields.Matrix4x4()});
      }
    }
    SortByTime(animation.rotations);
    SortByTime(animation.scales);
    SortByTime(animation.translations);
    SortByTime(animation.matrices);
  }

  template <typename Key>
  static void SortByTime(std::vector<Key>& keys) {
    std::stable_sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) { return a.time < b.time; });
  }

  const std::vector<XObject>& objects_;
  const XSource& source_;
  XScene& scene_;
  std::unordered_map<std::string, std::vector<const XObject*>> named_;
};

}  // namespace

void BuildXScene(const std::vector<XObject>& objects, const XSource& source, XScene& scene) {
  SceneBuilder(objects, source, scene).Build();
}
