// The mesh builder: solids come out closed, lit from the right side and
// placed by their transform. What the X writer makes of them, skins
// included, is read back in ModelFilesTest.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "Models.h"

namespace {

// Every edge of a closed solid is shared by two faces that run it in
// opposite directions (by position: solids repeat vertices per face).
void ExpectClosed(const ModelMesh& m) {
  auto key = [&](uint32_t v) {
    const Vec3& p = m.positions[v];
    return std::make_tuple(std::lround(p.x * 1e4f), std::lround(p.y * 1e4f), std::lround(p.z * 1e4f));
  };
  std::map<std::pair<decltype(key(0)), decltype(key(0))>, int> edges;
  for (const auto& f : m.faces)
    for (int i = 0; i < 3; ++i) {
      auto a = key(f[size_t(i)]), b = key(f[size_t((i + 1) % 3)]);
      if (a != b) ++edges[{a, b}];
    }
  for (const auto& [edge, count] : edges) {
    auto reverse = edges.find({edge.second, edge.first});
    ASSERT_NE(reverse, edges.end()) << "open edge";
    EXPECT_EQ(count, reverse->second);
  }
}

TEST(MeshBuilder, SolidsAreClosedAndTurnOutwards) {
  MeshBuilder b("Solids");
  b.Use(b.AddMaterial(Colour(0xFFFFFF)));
  b.Box({-1, -1, -1}, {1, 1, 1});
  ModelMesh box = b.Finish();
  EXPECT_EQ(box.faces.size(), 12u);
  ExpectClosed(box);
  for (const auto& f : box.faces) {
    // Outward: the face's winding normal points away from the centre.
    const Vec3 &p0 = box.positions[f[0]], &p1 = box.positions[f[1]], &p2 = box.positions[f[2]];
    EXPECT_GT(Dot(Cross(p1 - p0, p2 - p0), p0 + p1 + p2), 0);
  }

  MeshBuilder c("Cone");
  c.Lathe({{0, 0}, {1, 0}, {0, 2}}, 16);
  ModelMesh cone = c.Finish();
  ExpectClosed(cone);

  MeshBuilder t("Ring");
  t.Torus(1, 0.25f, 16, 8);
  ExpectClosed(t.Finish());

  MeshBuilder s("Star");
  s.Extrude({{0, 1}, {0.3f, 0.3f}, {1, 0}, {0.3f, -0.3f}, {0, -1}, {-0.3f, -0.3f}, {-1, 0}, {-0.3f, 0.3f}}, -0.1f, 0.1f);
  ExpectClosed(s.Finish());
}

TEST(MeshBuilder, TransformsMoveVerticesAndKeepNormalsTrue) {
  MeshBuilder b("Squashed");
  b.SetTransform(MatrixScaling(4, 1, 1) * MatrixTranslation(10, 0, 0));
  b.Sphere({0, 0, 0}, {1, 1, 1}, 16, 8);
  ModelMesh m = b.Finish();
  for (size_t i = 0; i < m.positions.size(); ++i) {
    const Vec3& p = m.positions[i];
    // On the squashed sphere ((x-10)/4)^2 + y^2 + z^2 = 1 the normal is
    // along ((x-10)/16, y, z): the inverse transpose, not the scale itself.
    Vec3 expected = Normalize(Vec3{(p.x - 10) / 16, p.y, p.z});
    if (Length(Vec3{(p.x - 10) / 16, p.y, p.z}) < 1e-3f) continue;
    EXPECT_GT(Dot(m.normals[i], expected), 0.97f) << "vertex " << i;
    EXPECT_NEAR(Length(m.normals[i]), 1, 1e-4f);
  }
}

}  // namespace
