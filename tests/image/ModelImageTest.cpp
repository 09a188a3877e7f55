// Models drawn off screen with the real GL device under the session's camera
// and light, compared with reference PNGs in tests/data/image/.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "gfx/CAnimMesh.h"
#include "gfx/CMesh.h"
#include "support/ImageCompare.h"
#include "support/OffscreenDevice.h"
#include "support/ScratchImages.h"
#include "support/TempDir.h"

namespace {

constexpr float kDegree = 3.14159265f / 180;

struct Quad {
  Vec3 corner[4];  // around the face
  Vec3 outward;
};

struct Corner {
  Vec3 position;
  float u, v;
};

// Each quad's corners wound so that it faces `outward` (clockwise seen from
// there), with texture coordinates spanning the whole texture.
std::vector<Corner> Wound(const std::vector<Quad>& quads) {
  const float u[4] = {0, 1, 1, 0}, v[4] = {1, 1, 0, 0};
  std::vector<Corner> corners;
  for (const Quad& quad : quads) {
    bool flip = Dot(Cross(quad.corner[1] - quad.corner[0], quad.corner[2] - quad.corner[0]), quad.outward) < 0;
    for (int k = 0; k < 4; ++k) {
      int c = flip ? 3 - k : k;
      corners.push_back({quad.corner[c], u[c], v[c]});
    }
  }
  return corners;
}

std::string Join(const std::vector<std::string>& items, const char* separator, const char* end) {
  std::string text;
  for (size_t i = 0; i < items.size(); ++i) text += items[i] + (i + 1 < items.size() ? separator : end);
  return text;
}

std::string MeshText(const std::vector<Corner>& corners, const std::string& children) {
  std::vector<std::string> positions, uvs, faces;
  for (const Corner& c : corners) {
    positions.push_back(std::to_string(c.position.x) + ";" + std::to_string(c.position.y) + ";" +
                        std::to_string(c.position.z) + ";");
    uvs.push_back(std::to_string(c.u) + ";" + std::to_string(c.v) + ";");
  }
  for (size_t b = 0; b < corners.size(); b += 4) {
    faces.push_back("4;" + std::to_string(b) + "," + std::to_string(b + 1) + "," + std::to_string(b + 2) + "," +
                    std::to_string(b + 3) + ";");
  }
  std::string n = std::to_string(corners.size());
  return "Mesh {" + n + ";" + Join(positions, ",", ";") + std::to_string(faces.size()) + ";" +
         Join(faces, ",", ";") + "MeshTextureCoords {" + n + ";" + Join(uvs, ",", ";") + "}" + children + "}";
}

// The weights a bone gives the corners (those it does not weigh are left
// out), with an offset that moves its bind position to the origin.
template <typename WeightOf>
std::string SkinWeightsText(const std::string& bone, const std::vector<Corner>& corners, WeightOf weightOf,
                            float bindY) {
  std::vector<std::string> indices, weights;
  for (size_t i = 0; i < corners.size(); ++i) {
    float w = weightOf(corners[i].position);
    if (w <= 0) continue;
    indices.push_back(std::to_string(i));
    weights.push_back(std::to_string(w));
  }
  return "SkinWeights { \"" + bone + "\"; " + std::to_string(indices.size()) + "; " + Join(indices, ",", ";") +
         Join(weights, ",", ";") + " 1,0,0,0, 0,1,0,0, 0,0,1,0, 0," + std::to_string(-bindY) + ",0,1;; }";
}

// The four sides of an upright box from y0 to y1, 2 * half wide.
std::vector<Quad> Sides(float half, float y0, float y1) {
  std::vector<Quad> sides;
  const Vec3 out[4] = {{0, 0, -1}, {1, 0, 0}, {0, 0, 1}, {-1, 0, 0}};
  for (const Vec3& n : out) {
    Vec3 across{n.z, 0, -n.x};  // along the face, horizontal
    Vec3 centre = n * half;
    sides.push_back({{centre - across * half + Vec3{0, y0, 0}, centre + across * half + Vec3{0, y0, 0},
                      centre + across * half + Vec3{0, y1, 0}, centre - across * half + Vec3{0, y1, 0}},
                     n});
  }
  return sides;
}

const std::string kTexturedMaterial =
    "MeshMaterialList { 1; 1; 0;; Material { 1;1;1;1;; 0; 0;0;0;; 0;0;0;; TextureFilename { \"checker.png\"; } } }";

class ModelImageTest : public OffscreenDeviceTest {
 protected:
  void SetUp() override {
    OffscreenDeviceTest::SetUp();
    SetSideView(Device());
    Device().Clear(ClearFlags::Target | ClearFlags::ZBuffer, 0xFF303840, 1);
    SavePng(dir / "checker.png", Paint(16, 16, [](int x, int y) { return (x / 4 + y / 4) % 2 ? 0xFFE0A020 : 0xFF2060C0; }));
  }

  TempDir dir;
};

}  // namespace

TEST_F(ModelImageTest, TexturedStaticMeshUnderTheSessionLight) {
  std::vector<Quad> box = Sides(1, -1, 1);
  box.push_back({{{-1, 1, -1}, {1, 1, -1}, {1, 1, 1}, {-1, 1, 1}}, {0, 1, 0}});
  box.push_back({{{-1, -1, -1}, {1, -1, -1}, {1, -1, 1}, {-1, -1, 1}}, {0, -1, 0}});
  const std::string text = "xof 0303txt 0032\nFrame { " + MeshText(Wound(box), kTexturedMaterial) + " }";
  CMesh mesh(&Device(), dir.Write("box.x", text), true);
  // Turned as the enemies are (code 7), tinted as an item flash is, and faded.
  mesh.Draw(370, 250, 0, 15, 15, 15, 0, 30 * kDegree, 20 * kDegree, 7, 1, false);
  mesh.DrawColored(320, 215, 0, 12, 12, 12, 20 * kDegree, 45 * kDegree, 0, 4, 2, 0.5f, 0.5f, 1, false);
  mesh.Draw(270, 250, 0, 15, 15, 15, 0, 30 * kDegree, 20 * kDegree, 9, 0.5f, false);
  EXPECT_TRUE(MatchesReference(Capture(), "model-static"));
}

TEST_F(ModelImageTest, SkinnedColumnAtTwoAnimationTimes) {
  // A column of two bones, 40 high; the middle ring follows both halfway.
  // Upper bends 90 degrees about z over one second.
  std::vector<Quad> quads = Sides(4, 0, 20);
  std::vector<Quad> top = Sides(4, 20, 40);
  quads.insert(quads.end(), top.begin(), top.end());
  std::vector<Corner> corners = Wound(quads);
  auto upper = [](Vec3 p) { return p.y < 10 ? 0.0f : p.y > 30 ? 1.0f : 0.5f; };
  auto lower = [&](Vec3 p) { return 1 - upper(p); };
  std::string skin = SkinWeightsText("Lower", corners, lower, 0) + SkinWeightsText("Upper", corners, upper, 20);
  std::string file = "xof 0303txt 0032\nAnimTicksPerSecond { 100; }\n"
                     "Frame Lower { Frame Upper { FrameTransformMatrix { 1,0,0,0, 0,1,0,0, 0,0,1,0, 0,20,0,1;; } }\n" +
                     MeshText(corners, kTexturedMaterial + skin) +
                     "}\nAnimationSet Bend { Animation { { Upper }\n"
                     "AnimationKey { 0; 2; 0; 4; 1,0,0,0;;, 100; 4; 0.70710678,0,0,-0.70710678;;; } } }\n";
  CAnimMesh mesh(&Device(), dir.Write("column.x", file));
  mesh.SetAnimation(0, 0);
  mesh.AdvanceTime(0);
  mesh.Draw(360, 200, 0, 1, 1, 1, 0, 20 * kDegree, 0, 2);
  mesh.AdvanceTime(0.99);  // just before the loop: bent 89 degrees
  mesh.Draw(290, 200, 0, 1, 1, 1, 0, 20 * kDegree, 0, 2);
  EXPECT_TRUE(MatchesReference(Capture(), "model-skinned"));
}
