#include "XFile.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace {

// Templates that are not in the oldest standard set; declaring them keeps
// strict readers happy.
const char* const kTemplates = R"(template XSkinMeshHeader {
 <3cf169ce-ff7c-44ab-93c0-f78f62d172e2>
 WORD nMaxSkinWeightsPerVertex;
 WORD nMaxSkinWeightsPerFace;
 WORD nBones;
}

template SkinWeights {
 <6f0d123b-bad2-4167-a0d0-80224f25fabb>
 STRING transformNodeName;
 DWORD nWeights;
 array DWORD vertexIndices[nWeights];
 array FLOAT weights[nWeights];
 Matrix4x4 matrixOffset;
}

template AnimTicksPerSecond {
 <9e415a43-7ba6-4a73-8743-b73d47e88476>
 DWORD AnimTicksPerSecond;
}

)";

class Writer {
 public:
  std::string text;

  void Line(int depth, const std::string& s) { text += std::string(size_t(depth), ' ') + s + "\n"; }
  static std::string Num(float v) {
    if (std::fabs(v) < 5e-7f) v = 0;  // no "-0.000000"
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6f", double(v));
    return buf;
  }
  static std::string MatrixText(const Matrix& m) {
    std::string s;
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 4; ++c) s += Num(m.m[r][c]) + (r == 3 && c == 3 ? "" : ",");
    return s;
  }
  // "a;b;c;" rows joined by "," and closed by ";".
  template <class Row>
  void List(int depth, size_t n, Row row) {
    for (size_t i = 0; i < n; ++i) Line(depth, row(i) + (i + 1 < n ? "," : ";"));
  }

  void Material(int d, const ModelMaterial& m) {
    Line(d, "Material {");
    Line(d + 1, Num(m.r) + ";" + Num(m.g) + ";" + Num(m.b) + ";" + Num(m.a) + ";;");
    Line(d + 1, Num(m.power) + ";");
    Line(d + 1, Num(m.specular) + ";" + Num(m.specular) + ";" + Num(m.specular) + ";;");
    Line(d + 1, Num(m.emissive[0]) + ";" + Num(m.emissive[1]) + ";" + Num(m.emissive[2]) + ";;");
    if (!m.texture.empty()) Line(d + 1, "TextureFilename { \"" + m.texture + "\"; }");
    Line(d, "}");
  }

  void Mesh(int d, const ModelMesh& m) {
    Line(d, "Mesh " + m.name + " {");
    Line(d + 1, std::to_string(m.positions.size()) + ";");
    List(d + 1, m.positions.size(), [&](size_t i) {
      const Vec3& p = m.positions[i];
      return Num(p.x) + ";" + Num(p.y) + ";" + Num(p.z) + ";";
    });
    auto faceList = [&](int depth) {
      Line(depth, std::to_string(m.faces.size()) + ";");
      List(depth, m.faces.size(), [&](size_t i) {
        const auto& f = m.faces[i];
        return "3;" + std::to_string(f[0]) + "," + std::to_string(f[1]) + "," + std::to_string(f[2]) + ";";
      });
    };
    faceList(d + 1);
    Line(d + 1, "MeshNormals {");
    Line(d + 2, std::to_string(m.normals.size()) + ";");
    List(d + 2, m.normals.size(), [&](size_t i) {
      const Vec3& n = m.normals[i];
      return Num(n.x) + ";" + Num(n.y) + ";" + Num(n.z) + ";";
    });
    faceList(d + 2);
    Line(d + 1, "}");
    Line(d + 1, "MeshTextureCoords {");
    Line(d + 2, std::to_string(m.uvs.size()) + ";");
    List(d + 2, m.uvs.size(), [&](size_t i) { return Num(m.uvs[i][0]) + ";" + Num(m.uvs[i][1]) + ";"; });
    Line(d + 1, "}");
    Line(d + 1, "MeshMaterialList {");
    Line(d + 2, std::to_string(m.materials.size()) + ";");
    Line(d + 2, std::to_string(m.faceMaterials.size()) + ";");
    List(d + 2, m.faceMaterials.size(), [&](size_t i) { return std::to_string(m.faceMaterials[i]); });
    for (const ModelMaterial& mat : m.materials) Material(d + 2, mat);
    Line(d + 1, "}");
    if (!m.bones.empty()) Skin(d + 1, m);
    Line(d, "}");
  }

  void Skin(int d, const ModelMesh& m) {
    // Influences per vertex and per face, for the header.
    std::vector<int> perVertex(m.positions.size(), 0);
    for (const ModelBone& b : m.bones)
      for (uint32_t v : b.vertices) ++perVertex[v];
    int maxVertex = 0, maxFace = 0;
    for (int n : perVertex) maxVertex = std::max(maxVertex, n);
    for (const auto& f : m.faces) {
      int n = 0;
      for (const ModelBone& b : m.bones) {
        bool uses = false;
        for (uint32_t v : b.vertices) uses |= (v == f[0] || v == f[1] || v == f[2]);
        n += uses;
      }
      maxFace = std::max(maxFace, n);
    }
    Line(d, "XSkinMeshHeader {");
    Line(d + 1, std::to_string(maxVertex) + ";");
    Line(d + 1, std::to_string(maxFace) + ";");
    Line(d + 1, std::to_string(m.bones.size()) + ";");
    Line(d, "}");
    for (const ModelBone& b : m.bones) {
      Line(d, "SkinWeights {");
      Line(d + 1, "\"" + b.frame + "\";");
      Line(d + 1, std::to_string(b.vertices.size()) + ";");
      List(d + 1, b.vertices.size(), [&](size_t i) { return std::to_string(b.vertices[i]); });
      List(d + 1, b.weights.size(), [&](size_t i) { return Num(b.weights[i]); });
      Line(d + 1, MatrixText(b.offset) + ";;");
      Line(d, "}");
    }
  }

  void Frame(int d, const ModelFrame& f) {
    Line(d, "Frame " + f.name + " {");
    Line(d + 1, "FrameTransformMatrix {");
    Line(d + 2, MatrixText(f.transform) + ";;");
    Line(d + 1, "}");
    for (const ModelMesh& m : f.meshes) Mesh(d + 1, m);
    for (const ModelFrame& c : f.children) Frame(d + 1, c);
    Line(d, "}");
  }

  void AnimationSet(const ModelAnimationSet& set) {
    Line(0, "AnimationSet " + set.name + " {");
    for (const ModelTrack& a : set.animations) {
      Line(1, "Animation {");
      Line(2, "{" + a.frame + "}");
      Line(2, "AnimationKey {");
      Line(3, "4;");
      Line(3, std::to_string(a.keys.size()) + ";");
      List(3, a.keys.size(), [&](size_t i) {
        return std::to_string(a.keys[i].first) + ";16;" + MatrixText(a.keys[i].second) + ";;";
      });
      Line(2, "}");
      Line(1, "}");
    }
    Line(0, "}");
  }
};

}  // namespace

std::string FormatX(const std::vector<ModelFrame>& frames, const std::vector<ModelAnimationSet>& sets,
                    uint32_t ticksPerSecond) {
  Writer w;
  w.text = "xof 0303txt 0032\n";
  w.text += kTemplates;
  for (const ModelFrame& f : frames) w.Frame(0, f);
  if (ticksPerSecond) w.Line(0, "AnimTicksPerSecond {\n " + std::to_string(ticksPerSecond) + ";\n}");
  for (const ModelAnimationSet& s : sets) w.AnimationSet(s);
  return w.text;
}

void WriteXFile(const std::string& path, const std::vector<ModelFrame>& frames, const std::vector<ModelAnimationSet>& sets,
                uint32_t ticksPerSecond) {
  std::ofstream out(path, std::ios::binary);
  out << FormatX(frames, sets, ticksPerSecond);
  if (!out) throw std::runtime_error("cannot write " + path);
}
