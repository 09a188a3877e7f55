#include "MeshBuilder.h"

#include <cmath>
#include <numbers>

namespace {
constexpr float kPi = std::numbers::pi_v<float>;
}

ModelMaterial Colour(uint32_t rgb, float specular, float power) {
  ModelMaterial m;
  m.r = float((rgb >> 16) & 0xFF) / 255.0f;
  m.g = float((rgb >> 8) & 0xFF) / 255.0f;
  m.b = float(rgb & 0xFF) / 255.0f;
  m.specular = specular;
  m.power = power;
  return m;
}

ModelMaterial Glow(uint32_t rgb, float emissive) {
  ModelMaterial m = Colour(rgb, 0.3f, 30);
  m.emissive[0] = m.r * emissive;
  m.emissive[1] = m.g * emissive;
  m.emissive[2] = m.b * emissive;
  return m;
}

void MeshBuilder::SetTransform(const Matrix& m) {
  transform_ = m;
  Matrix inv = MatrixInverse(m);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) normalMatrix_.m[r][c] = inv.m[c][r];
}

int MeshBuilder::AddMaterial(const ModelMaterial& m) {
  mesh_.materials.push_back(m);
  return int(mesh_.materials.size()) - 1;
}

uint32_t MeshBuilder::Vertex(Vec3 p, Vec3 n, Pt2 uv) {
  mesh_.positions.push_back(TransformCoord(p, transform_));
  mesh_.normals.push_back(Normalize(TransformNormal(n, normalMatrix_)));
  mesh_.uvs.push_back({uv.x, uv.y});
  vertexBones_.push_back(bone_);
  return uint32_t(mesh_.positions.size() - 1);
}

void MeshBuilder::Triangle(uint32_t a, uint32_t b, uint32_t c, Vec3 outward) {
  const Vec3 &pa = mesh_.positions[a], &pb = mesh_.positions[b], &pc = mesh_.positions[c];
  Vec3 out = TransformNormal(outward, normalMatrix_);
  if (Dot(Cross(pb - pa, pc - pa), out) < 0) std::swap(b, c);
  mesh_.faces.push_back({a, b, c});
  mesh_.faceMaterials.push_back(uint32_t(material_));
}

void MeshBuilder::Box(Vec3 lo, Vec3 hi) {
  const Vec3 normals[6] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
  for (const Vec3& n : normals) {
    // Two axes spanning the face.
    Vec3 u = std::fabs(n.x) > 0 ? Vec3{0, 1, 0} : Vec3{1, 0, 0};
    Vec3 v = Cross(n, u);
    Vec3 centre{(lo.x + hi.x) / 2, (lo.y + hi.y) / 2, (lo.z + hi.z) / 2};
    Vec3 half{(hi.x - lo.x) / 2, (hi.y - lo.y) / 2, (hi.z - lo.z) / 2};
    auto corner = [&](float su, float sv) {
      Vec3 p = centre + Vec3{n.x * half.x, n.y * half.y, n.z * half.z};
      p = p + Vec3{u.x * half.x * su, u.y * half.y * su, u.z * half.z * su};
      p = p + Vec3{v.x * half.x * sv, v.y * half.y * sv, v.z * half.z * sv};
      return Vertex(p, n, {(su + 1) / 2, (1 - sv) / 2});
    };
    uint32_t a = corner(-1, -1), b = corner(1, -1), c = corner(1, 1), d = corner(-1, 1);
    Triangle(a, b, c, n);
    Triangle(a, c, d, n);
  }
}

void MeshBuilder::Lathe(const std::vector<Pt2>& profile, int segments, bool caps, bool smooth) {
  // Profile normals: perpendicular to the neighbouring segment(s).
  size_t n = profile.size();
  auto slopeNormal = [&](size_t i0, size_t i1) {
    float dr = profile[i1].x - profile[i0].x, dy = profile[i1].y - profile[i0].y;
    float len = std::hypot(dr, dy);
    return Pt2{dy / len, -dr / len};  // outward: (radial, vertical)
  };
  for (size_t i = 0; i + 1 < n; ++i) {
    Pt2 n0 = slopeNormal(i, i + 1), n1 = n0;
    if (smooth) {
      if (i > 0) {
        Pt2 p = slopeNormal(i - 1, i);
        n0 = {(n0.x + p.x) / 2, (n0.y + p.y) / 2};
      }
      if (i + 2 < n) {
        Pt2 q = slopeNormal(i + 1, i + 2);
        n1 = {(n1.x + q.x) / 2, (n1.y + q.y) / 2};
      }
    }
    for (int s = 0; s < segments; ++s) {
      float t0 = 2 * kPi * float(s) / float(segments), t1 = 2 * kPi * float(s + 1) / float(segments);
      auto vert = [&](const Pt2& p, const Pt2& nn, float t, float v) {
        float c = std::cos(t), sn = std::sin(t);
        return Vertex({p.x * c, p.y, p.x * sn}, Normalize(Vec3{nn.x * c, nn.y, nn.x * sn}),
                      {t / (2 * kPi), v});
      };
      float v0 = float(i) / float(n - 1), v1 = float(i + 1) / float(n - 1);
      uint32_t a = vert(profile[i], n0, t0, v0), b = vert(profile[i], n0, t1, v0);
      uint32_t c = vert(profile[i + 1], n1, t1, v1), d = vert(profile[i + 1], n1, t0, v1);
      float tm = (t0 + t1) / 2;
      Pt2 nm = slopeNormal(i, i + 1);
      Vec3 outward{nm.x * std::cos(tm), nm.y, nm.x * std::sin(tm)};
      if (profile[i].x > 1e-6f) Triangle(a, b, c, outward);
      if (profile[i + 1].x > 1e-6f) Triangle(a, c, d, outward);
    }
  }
  if (!caps) return;
  for (size_t end : {size_t(0), n - 1}) {
    const Pt2& p = profile[end];
    if (p.x <= 1e-6f) continue;
    Vec3 normal{0, end == 0 ? -1.0f : 1.0f, 0};
    uint32_t centre = Vertex({0, p.y, 0}, normal, {0.5f, 0.5f});
    for (int s = 0; s < segments; ++s) {
      float t0 = 2 * kPi * float(s) / float(segments), t1 = 2 * kPi * float(s + 1) / float(segments);
      uint32_t a = Vertex({p.x * std::cos(t0), p.y, p.x * std::sin(t0)}, normal,
                          {0.5f + 0.5f * std::cos(t0), 0.5f + 0.5f * std::sin(t0)});
      uint32_t b = Vertex({p.x * std::cos(t1), p.y, p.x * std::sin(t1)}, normal,
                          {0.5f + 0.5f * std::cos(t1), 0.5f + 0.5f * std::sin(t1)});
      Triangle(centre, a, b, normal);
    }
  }
}

void MeshBuilder::Extrude(const std::vector<Pt2>& outline, float z0, float z1) {
  Pt2 centroid;
  for (const Pt2& p : outline) centroid.x += p.x / float(outline.size()), centroid.y += p.y / float(outline.size());
  float lo = std::min(z0, z1), hi = std::max(z0, z1);
  for (float z : {lo, hi}) {
    Vec3 normal{0, 0, z == hi ? 1.0f : -1.0f};
    uint32_t c = Vertex({centroid.x, centroid.y, z}, normal, {0.5f, 0.5f});
    for (size_t i = 0; i < outline.size(); ++i) {
      const Pt2 &p = outline[i], &q = outline[(i + 1) % outline.size()];
      Triangle(c, Vertex({p.x, p.y, z}, normal, {0, 0}), Vertex({q.x, q.y, z}, normal, {1, 0}), normal);
    }
  }
  for (size_t i = 0; i < outline.size(); ++i) {
    const Pt2 &p = outline[i], &q = outline[(i + 1) % outline.size()];
    // Outward side normal: perpendicular to the edge, away from the centroid.
    Vec3 n = Normalize(Vec3{q.y - p.y, p.x - q.x, 0});
    Pt2 mid{(p.x + q.x) / 2 - centroid.x, (p.y + q.y) / 2 - centroid.y};
    if (n.x * mid.x + n.y * mid.y < 0) n = n * -1.0f;
    uint32_t a = Vertex({p.x, p.y, lo}, n, {0, 0}), b = Vertex({q.x, q.y, lo}, n, {1, 0});
    uint32_t c = Vertex({q.x, q.y, hi}, n, {1, 1}), d = Vertex({p.x, p.y, hi}, n, {0, 1});
    Triangle(a, b, c, n);
    Triangle(a, c, d, n);
  }
}

void MeshBuilder::Torus(float radius, float tube, int segments, int sides) {
  for (int s = 0; s < segments; ++s)
    for (int k = 0; k < sides; ++k) {
      auto vert = [&](int si, int ki) {
        float t = 2 * kPi * float(si) / float(segments), p = 2 * kPi * float(ki) / float(sides);
        Vec3 n{std::cos(p) * std::cos(t), std::cos(p) * std::sin(t), std::sin(p)};
        Vec3 pos{(radius + tube * std::cos(p)) * std::cos(t), (radius + tube * std::cos(p)) * std::sin(t),
                 tube * std::sin(p)};
        return Vertex(pos, n, {float(si) / float(segments), float(ki) / float(sides)});
      };
      uint32_t a = vert(s, k), b = vert(s + 1, k), c = vert(s + 1, k + 1), d = vert(s, k + 1);
      float t = 2 * kPi * (float(s) + 0.5f) / float(segments), p = 2 * kPi * (float(k) + 0.5f) / float(sides);
      Vec3 out{std::cos(p) * std::cos(t), std::cos(p) * std::sin(t), std::sin(p)};
      Triangle(a, b, c, out);
      Triangle(a, c, d, out);
    }
}

void MeshBuilder::Sphere(Vec3 centre, Vec3 r, int slices, int stacks) {
  std::vector<Pt2> profile;
  for (int i = 0; i <= stacks; ++i) {
    float a = -kPi / 2 + kPi * float(i) / float(stacks);
    profile.push_back({std::cos(a), std::sin(a)});
  }
  profile.front().x = profile.back().x = 0;
  Matrix saved = transform_;
  SetTransform(MatrixScaling(r.x, r.y, r.z) * MatrixTranslation(centre.x, centre.y, centre.z) * saved);
  Lathe(profile, slices, false, true);
  SetTransform(saved);
}

void MeshBuilder::Quad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, Pt2 uvA, Pt2 uvC) {
  Vec3 n = Normalize(Cross(b - a, c - a));
  uint32_t ia = Vertex(a, n, uvA), ib = Vertex(b, n, {uvC.x, uvA.y});
  uint32_t ic = Vertex(c, n, uvC), id = Vertex(d, n, {uvA.x, uvC.y});
  Triangle(ia, ib, ic, n);
  Triangle(ia, ic, id, n);
}

ModelMesh MeshBuilder::Finish() {
  ModelMesh out = mesh_;
  for (size_t b = 0; b < boneFrames_.size(); ++b) {
    ModelBone bone{boneFrames_[b], {}, {}, boneOffsets_[b]};
    for (size_t v = 0; v < vertexBones_.size(); ++v)
      if (vertexBones_[v] == int(b)) {
        bone.vertices.push_back(uint32_t(v));
        bone.weights.push_back(1.0f);
      }
    if (!bone.vertices.empty()) out.bones.push_back(bone);
  }
  return out;
}
