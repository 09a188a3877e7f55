#include "gfx/CMesh.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "DrawnGeometry.h"
#include "support/ScratchImages.h"
#include "support/TempDir.h"

namespace {

// Two meshes in two frames; the second frame moves its mesh by (10, 0, 0).
// Materials: grey 0.4 with a texture named by the path it had on the
// artist's machine, and a plain green one.
const char* kModel = R"(xof 0303txt 0032
Material Grey { 0.4;0.4;0.4;1.0;; 8.0; 0.5;0.5;0.5;; 0.1;0.1;0.1;; TextureFilename { "C:\\art\\skin.png"; } }
Frame A {
  Mesh { 4; 0;0;0;, 1;0;0;, 1;1;0;, 0;1;0;; 1; 4; 0,3,2,1;;
    MeshMaterialList { 2; 1; 1;; { Grey } Material { 0;1;0;1;; 0; 0;0;0;; 0;0;0;; } }
    MeshTextureCoords { 4; 0;0;, 1;0;, 1;1;, 0;1;; } }
}
Frame B {
  FrameTransformMatrix { 1,0,0,0, 0,1,0,0, 0,0,1,0, 10,0,0,1;; }
  Mesh { 3; 0;0;0;, 0;1;0;, 1;0;0;; 1; 3; 0,1,2;;
    MeshMaterialList { 1; 1; 0;; { Grey } } }
}
)";

class CMeshTest : public ::testing::Test {
 protected:
  std::vector<const DrawRecord*> MeshDraws() const {
    std::vector<const DrawRecord*> draws;
    for (const DrawRecord& d : device.Draws())
      if (d.kind == DrawKind::Mesh) draws.push_back(&d);
    return draws;
  }

  TempDir dir;
  RecordingDevice device;
};


}  // namespace

TEST_F(CMeshTest, MeshesAreMergedByFrameIntoOneSubsetPerMaterial) {
  CMesh mesh(&device, dir.Write("model.x", kModel), true);
  ASSERT_TRUE(mesh.IsLoaded());
  EXPECT_EQ(mesh.MaterialCount(), 3u);  // two from the first mesh, one from the second
  mesh.Draw(0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, false);
  auto draws = MeshDraws();
  ASSERT_EQ(draws.size(), 2u);  // the first mesh's grey material has no faces: nothing drawn for it
  EXPECT_EQ(draws[0]->triangleCount, 2u);  // the quad, green
  EXPECT_EQ(draws[0]->material.diffuse.g, 1);
  EXPECT_EQ(draws[0]->texture, nullptr);
  EXPECT_EQ(draws[1]->triangleCount, 1u);  // the second mesh, grey and textured
  std::vector<Vec3> corners = DrawnCorners(device.Draws());
  ASSERT_EQ(corners.size(), 9u);
  EXPECT_TRUE(Near(corners[0], {0, 0, 0}));
  EXPECT_TRUE(Near(corners[1], {0, 1, 0}));  // quad fanned from its first corner
  EXPECT_TRUE(Near(corners[7], {10, 1, 0}));  // moved by its frame
  // Normals computed for meshes without them face the viewer of a clockwise face (-z).
  const MeshVertex& v = draws[0]->mesh->vertices[draws[0]->mesh->indices[0]];
  EXPECT_NEAR(v.normal.z, -1, 1e-5);
}

TEST_F(CMeshTest, TexturesAreFoundInTheModelsFolder) {
  std::string png = WriteScratchPng("skin.png", 4, 4);
  std::filesystem::copy_file(png, dir / "skin.png");
  CMesh mesh(&device, dir.Write("model.x", kModel), true);
  mesh.Draw(0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, false);
  auto draws = MeshDraws();
  ASSERT_NE(draws[1]->texture, nullptr);
  EXPECT_EQ(draws[1]->texture->path, dir / "skin.png");
  // A missing texture leaves the subset untextured, without a message.
  std::filesystem::remove(dir / "skin.png");
  device.ClearLog();
  CMesh bare(&device, dir.Write("model.x", kModel), true);
  bare.Draw(0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, false);
  EXPECT_EQ(MeshDraws()[1]->texture, nullptr);
}

TEST_F(CMeshTest, DrawColoredScalesEveryMaterialColour) {
  CMesh mesh(&device, dir.Write("model.x", kModel), true);
  // The grey material as drawn: diffuse, ambient, specular and emissive red, power, alpha.
  auto grey = [&] {
    const Material m = MeshDraws().at(1)->material;
    device.ClearLog();
    return std::vector{m.diffuse.r, m.ambient.r, m.specular.r, m.emissive.r, m.power, m.diffuse.a};
  };
  using ::testing::FloatEq;
  using ::testing::Pointwise;
  mesh.DrawColored(0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 2, 2, 2, 1, false);
  EXPECT_THAT(grey(), Pointwise(FloatEq(), std::vector<float>{0.8f, 0.8f, 1, 0.2f, 8, 1}));  // ambient follows diffuse
  mesh.DrawColored(0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 1, false);
  EXPECT_THAT(grey(), Pointwise(FloatEq(), std::vector<float>{0, 0, 0, 0, 8, 1}));  // black but still opaque
  mesh.SetColor({1, 1, 1, 0.5f}, {0.1f, 0, 0, 0});
  mesh.DrawSubsets(Matrix{});
  EXPECT_THAT(grey(), Pointwise(FloatEq(), std::vector<float>{0.5f, 0.5f, 0.6f, 0.2f, 8, 0.5f}));
  mesh.Draw(0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0.25f, false);  // Draw resets the tint to the alpha alone
  EXPECT_THAT(grey(), Pointwise(FloatEq(), std::vector<float>{0.4f, 0.4f, 0.5f, 0.1f, 8, 0.25f}));
}

TEST_F(CMeshTest, BlendModeStaysOnTheDeviceUntilTheNextDraw) {
  CMesh mesh(&device, dir.Write("model.x", kModel), true);
  mesh.Draw(0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, true);
  EXPECT_EQ(MeshDraws()[0]->states.Get(RenderState::DestBlend), Blend::One);
  EXPECT_EQ(device.GetRenderState(RenderState::DestBlend), Blend::One);
  EXPECT_EQ(device.GetRenderState(RenderState::SrcBlend), Blend::SrcAlpha);
  EXPECT_EQ(device.GetRenderState(RenderState::AlphaBlendEnable), 1u);
  mesh.Draw(0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, false);
  EXPECT_EQ(device.GetRenderState(RenderState::DestBlend), Blend::InvSrcAlpha);
}

TEST_F(CMeshTest, UnreadableFileLeavesAnEmptyModelUnlessFatal) {
  CMesh empty(&device, dir / "missing.x", false);
  EXPECT_FALSE(empty.IsLoaded());
  empty.Draw(0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, false);
  EXPECT_TRUE(MeshDraws().empty());
  CMesh noMesh(&device, dir.Write("model.x", "xof 0303txt 0032\nFrame {}"), false);
  EXPECT_FALSE(noMesh.IsLoaded());

  std::string missing = dir / "missing.x";
  EXPECT_EXIT(CMesh fatal(&device, missing, true), ::testing::ExitedWithCode(1),
              "Xファイルが読み込めません\nファイル名およびパスを確認してください。");
}
