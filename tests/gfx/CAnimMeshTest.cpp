#include "gfx/CAnimMesh.h"

#include <gtest/gtest.h>

#include <cmath>

#include "DrawnGeometry.h"
#include "gfx/SkinPartition.h"
#include "support/TempDir.h"

namespace {

// Two bones: Lower at the root, Upper 10 units up. Upper turns about z from
// 0° (time 0) to 90° (time 50) and back (time 100) at 100 ticks per second.
// Vertices: (0,0,0) on Lower, (0,20,0) on Upper, (0,15,0) half on each.
// Upper's offset undoes its bind position.
const char* kTwoBones = R"(xof 0303txt 0032
AnimTicksPerSecond { 100; }
Frame Lower {
  Frame Upper { FrameTransformMatrix { 1,0,0,0, 0,1,0,0, 0,0,1,0, 0,10,0,1;; } }
  Mesh Skin {
    3; 0;0;0;, 0;20;0;, 0;15;0;;
    1; 3; 0,1,2;;
    SkinWeights { "Lower"; 2; 0,2; 1.0,0.5; 1,0,0,0, 0,1,0,0, 0,0,1,0, 0,0,0,1;; }
    SkinWeights { "Upper"; 2; 1,2; 1.0,0.5; 1,0,0,0, 0,1,0,0, 0,0,1,0, 0,-10,0,1;; }
  }
}
AnimationSet Bend {
  Animation { { Upper }
    AnimationKey { 0; 3; 0; 4; 1,0,0,0;;, 50; 4; 0.70710678,0,0,-0.70710678;;, 100; 4; 1,0,0,0;;; }
    AnimationKey { 2; 2; 0; 3; 0,10,0;;, 100; 3; 0,10,0;;; }
  }
}
AnimationSet Still { }
)";

class CAnimMeshTest : public ::testing::Test {
 protected:
  // Corners of the triangle(s) drawn at (100, 0, 0), unscaled and unturned.
  std::vector<Vec3> DrawAndRead(CAnimMesh& mesh, RecordingDevice& on) {
    on.ClearLog();
    mesh.Draw(100, 0, 0, 1, 1, 1, 0, 0, 0, 0);
    return DrawnCorners(on.Draws());
  }

  TempDir dir;
  RecordingDevice device;
};


}  // namespace

TEST_F(CAnimMeshTest, TwoBoneSkinIsPosedAsComputedByHand) {
  RecordingDevice software(0);  // no palette: vertices blended on the CPU
  for (RecordingDevice* on : {&device, &software}) {
    SCOPED_TRACE(on == &device ? "palette" : "cpu");
    CAnimMesh mesh(on, dir.Write("model.x", kTwoBones));
    ASSERT_TRUE(mesh.HasAnimation());
    EXPECT_EQ(mesh.Containers()[0].SoftwareSkinning(), on == &software);

    std::vector<Vec3> bind = DrawAndRead(mesh, *on);  // before any time passes: the file's pose
    ASSERT_EQ(bind.size(), 3u);
    EXPECT_TRUE(Near(bind[1], {100, 20, 0}));

    mesh.SetAnimation(0, 0);
    mesh.AdvanceTime(0.5);  // tick 50: Upper turned 90°
    std::vector<Vec3> bent = DrawAndRead(mesh, *on);
    EXPECT_TRUE(Near(bent[0], {100, 0, 0}));
    EXPECT_TRUE(Near(bent[1], {90, 10, 0}));      // (0,10,0) from the joint turned to (-10,0,0)
    EXPECT_TRUE(Near(bent[2], {97.5f, 12.5f, 0}));  // halfway between (0,15,0) and (-5,10,0)

    mesh.AdvanceTime(-0.25);  // tick 25: 45°, slerped
    float h = std::sqrt(0.5f);
    EXPECT_TRUE(Near(DrawAndRead(mesh, *on)[1], {100 - 10 * h, 10 + 10 * h, 0}));

    mesh.SetTrackPosition(0, 2.5f);  // the set loops every 100 ticks: same as tick 50
    mesh.AdvanceTime(0);
    EXPECT_TRUE(Near(DrawAndRead(mesh, *on)[1], {90, 10, 0}));

    mesh.SetAnimation(0, 1);  // a set without animations leaves the pose alone
    mesh.AdvanceTime(0.25);
    EXPECT_TRUE(Near(DrawAndRead(mesh, *on)[1], {90, 10, 0}));
    mesh.SetAnimation(0, 7);  // no such set: ignored
    mesh.SetAnimation(0, 0);
    mesh.SetTrackPosition(0, 0);
    mesh.AdvanceTime(0);
    EXPECT_TRUE(Near(DrawAndRead(mesh, *on)[1], {100, 20, 0}));
  }
}

// A rigid triangle on frame Arm, whose keys are whole matrices: at tick 0 a
// lift of 10 in y; at tick 100 scale 2, a quarter turn about z and a move to
// (10, 10, 0).
const char* kMatrixKeys = R"(xof 0303txt 0032
AnimTicksPerSecond { 100; }
Frame Arm {
  Mesh { 3; 1;0;0;, 0;1;0;, 0;0;1;; 1; 3; 0,1,2;; }
}
AnimationSet Swing {
  Animation { { Arm }
    AnimationKey { 4; 2;
      0; 16; 1,0,0,0, 0,1,0,0, 0,0,1,0, 0,10,0,1;;,
      100; 16; 0,2,0,0, -2,0,0,0, 0,0,2,0, 10,10,0,1;;; }
  }
}
)";

TEST_F(CAnimMeshTest, MatrixKeysBlendAsScaleRotationAndTranslation) {
  CAnimMesh mesh(&device, dir.Write("model.x", kMatrixKeys));
  mesh.AdvanceTime(0);
  std::vector<Vec3> first = DrawAndRead(mesh, device);
  EXPECT_TRUE(Near(first[0], {101, 10, 0}));

  // Half way: scale 1.5, turned 45°, moved to (5, 10, 0). Blending the
  // matrices element by element would put (1,0,0) at (5.5, 11, 0).
  mesh.AdvanceTime(0.5);
  const float d = 1.5f * std::sqrt(0.5f);
  std::vector<Vec3> half = DrawAndRead(mesh, device);
  EXPECT_TRUE(Near(half[0], {105 + d, 10 + d, 0}));
  EXPECT_TRUE(Near(half[1], {105 - d, 10 + d, 0}));
  EXPECT_TRUE(Near(half[2], {105, 10, 1.5f}));
}

TEST_F(CAnimMeshTest, RotationOnlyFrameKeepsItsFileScaleAndPosition) {
  // Arm stands at (3, 5, 0) at scale 2 and only its rotation is keyed.
  std::string text = kMatrixKeys;
  text.replace(text.find("  Mesh"), 0, "  FrameTransformMatrix { 2,0,0,0, 0,2,0,0, 0,0,2,0, 3,5,0,1;; }\n");
  text.replace(text.find("    AnimationKey"), text.find("  }\n}") - text.find("    AnimationKey"),
               "    AnimationKey { 0; 2; 0; 4; 1,0,0,0;;, 100; 4; 0.70710678,0,0,-0.70710678;;; }\n");
  CAnimMesh mesh(&device, dir.Write("model.x", text));
  mesh.AdvanceTime(0.5);  // 45°
  const float d = 2 * std::sqrt(0.5f);
  EXPECT_TRUE(Near(DrawAndRead(mesh, device)[0], {103 + d, 5 + d, 0}));
}

// Matrix keys every 2 ticks at 60 ticks a second, as the player's model has
// them, moving 10 units a key: stepped at 60 steps a second, each key shows
// on its own step and the step between shows the pose half way, in every
// loop alike.
TEST_F(CAnimMeshTest, KeysEveryTwoTicksShowOnTheirStepsWithBlendsBetween) {
  std::string text = "xof 0303txt 0032\nAnimTicksPerSecond { 60; }\nFrame Arm {\n"
                     "  Mesh { 3; 0;0;0;, 0;1;0;, 1;0;0;; 1; 3; 0,1,2;; }\n}\n"
                     "AnimationSet Walk { Animation { { Arm } AnimationKey { 4; 6;\n";
  for (int k = 0; k <= 5; ++k) {
    text += std::to_string(2 * k) + "; 16; 1,0,0,0, 0,1,0,0, 0,0,1,0, " + std::to_string(10 * k) + ",0,0,1;;" +
            (k < 5 ? ",\n" : ";\n");
  }
  text += "} } }\n";
  CAnimMesh mesh(&device, dir.Write("model.x", text));
  mesh.SetAnimation(0, 0);
  for (int step = 1; step <= 3 * 10; ++step) {
    mesh.AdvanceTime(1.0f / 60);
    const float x = DrawAndRead(mesh, device)[0].x - 100;
    EXPECT_FLOAT_EQ(x, 5.0f * float(step % 10)) << "step " << step;
  }
}

TEST_F(CAnimMeshTest, BlendStatesAreSetForTheDrawAndRestored) {
  CAnimMesh mesh(&device, dir.Write("model.x", kTwoBones));
  const MeshContainer& skin = mesh.Containers()[0];
  EXPECT_EQ(skin.MaxInfluences(), 2u);
  EXPECT_EQ(skin.PaletteSize(), 3u);  // two bones and the mesh's own frame
  device.SetRenderState(RenderState::VertexBlend, 0);
  mesh.Draw(0, 0, 0, 1, 1, 1, 0, 0, 0, 0);
  const DrawRecord& draw = device.Draws().back();
  EXPECT_EQ(draw.states.Get(RenderState::VertexBlend), 1u);  // two weights: one given, one implied
  EXPECT_EQ(draw.states.Get(RenderState::IndexedVertexBlendEnable), 1u);
  EXPECT_EQ(device.GetRenderState(RenderState::VertexBlend), 0u);
  EXPECT_EQ(device.GetRenderState(RenderState::IndexedVertexBlendEnable), 0u);
}

TEST_F(CAnimMeshTest, ModelWithoutAnimationDrawsItsFilePoseAndIgnoresAnimationCalls) {
  // Rigid meshes, two in one frame, no normals; one loose outside any frame.
  CAnimMesh mesh(&device, dir.Write("model.x", R"(xof 0303txt 0032
Frame Body {
  FrameTransformMatrix { 1,0,0,0, 0,1,0,0, 0,0,1,0, 0,5,0,1;; }
  Mesh A { 3; 0;0;0;, 0;1;0;, 1;0;0;; 1; 3; 0,1,2;; }
  Mesh B { 3; 0;0;0;, 0;1;0;, 1;0;0;; 1; 3; 0,1,2;; }
}
Mesh Loose { 3; 0;0;0;, 0;1;0;, 1;0;0;; 1; 3; 0,1,2;; }
)"));
  EXPECT_FALSE(mesh.HasAnimation());
  mesh.SetAnimation(0, 1);
  mesh.SetTrackPosition(0, 3);
  mesh.AdvanceTime(1);
  std::vector<Vec3> corners = DrawAndRead(mesh, device);
  ASSERT_EQ(corners.size(), 9u);  // each mesh drawn once
  EXPECT_TRUE(Near(corners[0], {100, 5, 0}));
  EXPECT_TRUE(Near(corners[3], {100, 5, 0}));
  EXPECT_TRUE(Near(corners[6], {100, 0, 0}));
  const DrawRecord& first = device.Draws().front();
  EXPECT_NEAR(first.mesh->vertices[0].normal.z, -1, 1e-5);  // computed: the mesh has none
}

TEST_F(CAnimMeshTest, BoneWithoutFrameUsesTheIdentity) {
  std::string text = kTwoBones;
  text.replace(text.find("\"Upper\""), 7, "\"Nobody\"");
  CAnimMesh mesh(&device, dir.Write("model.x", text));
  std::vector<Vec3> corners = DrawAndRead(mesh, device);
  // (0,20,0) only moved by its offset; the drawing position does not reach it.
  EXPECT_TRUE(Near(corners[1], {0, 10, 0}));
}

TEST_F(CAnimMeshTest, SmallPaletteSplitsTheMeshAndMatchesCpuSkinning) {
  // A strip of 6 triangles over 8 bones, each vertex on one or two bones.
  std::string text = "xof 0303txt 0032\nFrame Root {\n";
  for (int b = 0; b < 8; ++b) {
    text += "Frame B" + std::to_string(b) + " { FrameTransformMatrix { 1,0,0,0, 0,1,0,0, 0,0,1,0, " +
            std::to_string(b) + ",0,0,1;; } }\n";
  }
  text += "Mesh { 8; ";
  for (int v = 0; v < 8; ++v) text += std::to_string(v) + ";" + std::to_string(v % 2) + ";0;" + (v < 7 ? "," : ";");
  text += " 6; ";
  for (int t = 0; t < 6; ++t) text += "3;" + std::to_string(t) + "," + std::to_string(t + 1) + "," + std::to_string(t + 2) + (t < 5 ? ";," : ";;");
  for (int b = 0; b < 8; ++b) {
    int other = (b + 1) % 8;
    text += "SkinWeights { \"B" + std::to_string(b) + "\"; 2; " + std::to_string(b) + "," + std::to_string(other) +
            "; 0.75, 0.25; 1,0,0,0, 0,1,0,0, 0,0,1,0, " + std::to_string(-b) + ",0,0,1;; }\n";
  }
  text += "} }\nAnimationSet Wave { Animation { { B3 } AnimationKey { 0; 1; 0; 4; 0.9238795,0,0,0.3826834;;; } } }\n";

  RecordingDevice small(9);  // ten slots: a palette of five
  RecordingDevice none(0);
  CAnimMesh split(&small, dir.Write("model.x", text));
  CAnimMesh cpu(&none, dir.Write("model.x", text));
  const MeshContainer& skin = split.Containers()[0];
  EXPECT_FALSE(skin.SoftwareSkinning());
  EXPECT_EQ(skin.PaletteSize(), 5u);
  EXPECT_GT(skin.GroupCount(), 1u);
  for (const DrawRecord& d : small.Draws()) EXPECT_LE(d.worlds.size(), 5u);
  split.AdvanceTime(0);
  cpu.AdvanceTime(0);
  std::vector<Vec3> a = DrawAndRead(split, small);
  std::vector<Vec3> b = DrawAndRead(cpu, none);
  ASSERT_EQ(a.size(), 18u);
  ASSERT_EQ(b.size(), 18u);
  for (size_t i = 0; i < a.size(); ++i) EXPECT_TRUE(Near(a[i], b[i])) << i;
}

TEST(SkinPartition, VertexKeepsItsFourLargestWeightsRenormalised) {
  XMesh mesh;
  mesh.positions.resize(2);
  const float weights[6] = {0.05f, 0.3f, 0.1f, 0.2f, 0.25f, 0.1f};
  for (uint32_t b = 0; b < 6; ++b) mesh.skin.push_back({"b", {0}, {weights[b]}, Matrix{}});
  std::vector<VertexInfluences> influences = GatherInfluences(mesh, 99);
  const VertexInfluences& v = influences[0];
  ASSERT_EQ(v.count, 4u);
  const uint32_t bones[4] = {1, 4, 3, 2};  // 0.3, 0.25, 0.2, then the first 0.1
  float sum = 0;
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(v.bone[i], bones[i]);
    sum += v.weight[i];
  }
  EXPECT_FLOAT_EQ(sum, 1.0f);
  EXPECT_FLOAT_EQ(v.weight[0], 0.3f / 0.85f);
  // A vertex no bone weighs follows the fallback bone.
  EXPECT_EQ(influences[1].count, 1u);
  EXPECT_EQ(influences[1].bone[0], 99u);
  EXPECT_EQ(influences[1].weight[0], 1.0f);
}

TEST_F(CAnimMeshTest, UnreadableFileEndsTheProgramWithAMessage) {
  std::string path = dir.Write("model.x", "xof 0303txt 0032\nFrame {");
  EXPECT_EXIT(CAnimMesh fatal(&device, path), ::testing::ExitedWithCode(1),
              "アニメーション付きXファイルが読み込めません\nファイル名およびパスを確認してください");
}
