// What the model generators build, checked where mistakes would show in
// play: faces turned the wrong way (culled holes), models the wrong size for
// the scale they are drawn at, things floating above or sunk into the block
// they stand on, and a player rig whose skin or animations would tear.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "Models.h"
#include "support/Catalogue.h"

namespace {

struct Extent {
  Vec3 lo{1e9f, 1e9f, 1e9f}, hi{-1e9f, -1e9f, -1e9f};
  float Width() const { return std::max(hi.x - lo.x, hi.z - lo.z); }
  float Height() const { return hi.y - lo.y; }
};

Extent ExtentOf(const ModelMesh& m) {
  Extent e;
  for (const Vec3& p : m.positions) {
    e.lo = {std::min(e.lo.x, p.x), std::min(e.lo.y, p.y), std::min(e.lo.z, p.z)};
    e.hi = {std::max(e.hi.x, p.x), std::max(e.hi.y, p.y), std::max(e.hi.z, p.z)};
  }
  return e;
}

std::map<std::string, ModelMesh> AllStatic() {
  std::map<std::string, ModelMesh> all;
  for (const auto& group : {ItemModels(), EnemyModels(), BackgroundModels()})
    for (const StaticModel& m : group) all[m.name] = m.mesh;
  return all;
}

// Faces must turn their front (clockwise through the game's camera, which
// is cross(b - a, c - a) in model space) the way their normals point, or
// the renderer culls the visible side.
void ExpectFacesAgreeWithNormals(const ModelMesh& m) {
  int wrong = 0;
  for (const auto& f : m.faces) {
    const Vec3 &a = m.positions[f[0]], &b = m.positions[f[1]], &c = m.positions[f[2]];
    Vec3 n = m.normals[f[0]] + m.normals[f[1]] + m.normals[f[2]];
    if (Dot(Cross(b - a, c - a), n) < 0) ++wrong;
  }
  EXPECT_EQ(wrong, 0);
}

TEST(ModelGeometry, EveryCatalogueModelIsBuiltWithSoundFaces) {
  auto all = AllStatic();
  EXPECT_EQ(all.size(), std::size(kCatalogueModels));
  for (const char* name : kCatalogueModels) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(all.count(name));
    EXPECT_EQ(all[name].faceMaterials.size(), all[name].faces.size());
    ExpectFacesAgreeWithNormals(all[name]);
  }
}

TEST(ModelGeometry, ModelsFitTheirCellAtTheirDrawScale) {
  // Drawn size in world units (a cell is 10): most pick-ups and enemies
  // fill half to most of their cell, never much more.
  const std::map<std::string, float> scale = {
      {"key", 5},    {"tokei", 4},   {"red_tokei", 4}, {"blue_tokei", 4}, {"CD", 3},      {"CDs", 4},
      {"1up", 4},    {"batu", 5},    {"needle2", 4},   {"needle3", 4},    {"needle", 4},  {"jump", 4},
      {"bomb", 4},   {"ghost", 4},   {"ghost_R", 4},   {"daruma", 4},     {"daruma_R", 4}, {"doriru", 5}};
  auto all = AllStatic();
  for (const auto& [name, s] : scale) {
    SCOPED_TRACE(name);
    Extent e = ExtentOf(all[name]);
    float size = std::max(e.Width(), e.Height()) * s;
    EXPECT_GT(size, 4.5f);
    EXPECT_LT(size, 10.5f);
  }
}

TEST(ModelGeometry, StandingModelsRestOnTheBlockBelow) {
  // The top of the block below shows 5 world units under a cell's centre.
  // Where each kind's model origin ends up, relative to that top, follows
  // from its resting height, its draw offset and its scale.
  const std::map<std::string, float> floor = {{"needle2", -1.25f}, {"door", -1.0f},   {"door_L", -1.0f},
                                              {"door_R", -1.0f},   {"needle", 0.0f},  {"doriru", 0.0f},
                                              {"jump", -1.0f},     {"daruma", -0.75f}, {"daruma_R", -0.75f},
                                              {"ghost_R", -0.75f}, {"bomb", -0.75f}};
  auto all = AllStatic();
  for (const auto& [name, y] : floor) {
    SCOPED_TRACE(name);
    EXPECT_NEAR(ExtentOf(all[name]).lo.y, y, 0.06f);
  }
}

TEST(ModelGeometry, DoorLeavesHingeAtTheirOrigin) {
  auto all = AllStatic();
  Extent left = ExtentOf(all["door_L"]), right = ExtentOf(all["door_R"]);
  // door_L hangs at the door's +x side and reaches towards -x; door_R the
  // reverse. Drawn 5 units either side of the centre at scale 5, they meet.
  EXPECT_NEAR(left.hi.x, 0, 0.03f);
  EXPECT_NEAR(left.lo.x, -1, 0.03f);
  EXPECT_NEAR(right.lo.x, 0, 0.03f);
  EXPECT_NEAR(right.hi.x, 1, 0.03f);
}

TEST(ModelGeometry, BackgroundsCoverTheViewAndShowTheirPicture) {
  for (const StaticModel& bg : BackgroundModels()) {
    SCOPED_TRACE(bg.name);
    Extent e = ExtentOf(bg.mesh);
    // Scale (70, 60) must cover x 240..400 and y 180..300 around (320, 240).
    EXPECT_GE((e.hi.x - e.lo.x) * 70, 160 - 1e-3f);
    EXPECT_GE((e.hi.y - e.lo.y) * 60, 120 - 1e-3f);
    ASSERT_EQ(bg.mesh.materials.size(), 1u);
    EXPECT_EQ(bg.mesh.materials[0].texture, bg.name + ".png");
    // Facing the camera (+z) so it is not culled.
    for (const Vec3& n : bg.mesh.normals) EXPECT_GT(n.z, 0.99f);
  }
}

std::set<std::string> FrameNames(const ModelFrame& f) {
  std::set<std::string> names{f.name};
  for (const ModelFrame& c : f.children) names.merge(FrameNames(c));
  return names;
}

TEST(ModelGeometry, PlayerIsAGolemOfTheRightSizeFacingTheCamera) {
  AnimatedModel g = Goremu();
  ASSERT_EQ(g.root.meshes.size(), 1u);
  const ModelMesh& body = g.root.meshes[0];
  Extent e = ExtentOf(body);
  EXPECT_NEAR(e.lo.y, -100, 0.01f);  // feet 100 units below the origin
  EXPECT_NEAR(e.Height(), 200, 10);
  // The glowing eyes and chest gem are on the front, which faces -z.
  int glowing = 0;
  for (size_t f = 0; f < body.faces.size(); ++f) {
    const ModelMaterial& mat = body.materials[body.faceMaterials[f]];
    if (mat.emissive[0] + mat.emissive[1] + mat.emissive[2] <= 0) continue;
    ++glowing;
    for (uint32_t v : body.faces[f]) EXPECT_LT(body.positions[v].z, 0) << "face " << f;
  }
  EXPECT_GT(glowing, 0);
  ExpectFacesAgreeWithNormals(body);

  std::set<std::string> frames = FrameNames(g.root);
  for (const char* bone : {"Hips", "Spine", "Head", "ArmL", "ArmR", "LegL", "LegR"}) EXPECT_TRUE(frames.count(bone)) << bone;
}

bool SameMatrix(const Matrix& a, const Matrix& b) {
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c)
      if (std::fabs(a.m[r][c] - b.m[r][c]) > 1e-4f) return false;
  return true;
}

// Every bone's track starts at 0, rises, and ends together with the others
// on the pose it started from, so that each set loops without a jump.
TEST(ModelGeometry, PlayerAnimationsLoopCleanly) {
  for (const ModelAnimationSet& set : Goremu().sets) {
    SCOPED_TRACE(set.name);
    ASSERT_FALSE(set.animations.empty());
    const uint32_t length = set.animations[0].keys.back().first;
    for (const ModelTrack& a : set.animations) {
      ASSERT_GE(a.keys.size(), 2u);
      EXPECT_EQ(a.keys.front().first, 0u);
      EXPECT_EQ(a.keys.back().first, length);
      for (size_t k = 1; k < a.keys.size(); ++k) EXPECT_LT(a.keys[k - 1].first, a.keys[k].first);
      EXPECT_TRUE(SameMatrix(a.keys.front().second, a.keys.back().second)) << a.frame << " does not loop";
    }
  }
}

}  // namespace
