// Every X file of the corpus (real files from other exporters) loads with the
// counts it really holds, or is refused with a message naming it.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "gfx/XFileError.h"
#include "gfx/XScene.h"

namespace {

const std::string kCorpus = std::string(VEXHOP_TEST_DATA) + "/xfiles/";

struct Expected {
  const char* path;
  XEncoding encoding;
  size_t frames, meshes, vertices, triangles, materials, bones, sets;
};

constexpr XEncoding T = XEncoding::Text, B = XEncoding::Binary, Z = XEncoding::CompressedBinary;

// Triangles count faces after fanning: tiger's 3 quads add 3, heli's polygons more.
const Expected kLoads[] = {
    {"assimp/test_cube_text.x", T, 2, 1, 24, 12, 1, 1, 0},
    {"assimp/test_cube_binary.x", B, 2, 1, 24, 12, 1, 1, 0},
    {"assimp/test_cube_compressed.x", Z, 2, 1, 24, 12, 1, 1, 0},
    {"assimp/test.x", T, 1, 1, 24, 12, 1, 0, 0},
    {"assimp/TestFormatDetection", T, 1, 1, 24, 12, 1, 0, 0},
    {"assimp/kwxport_test_cubewithvcolors.x", T, 1, 1, 24, 12, 3, 0, 0},
    {"assimp/fromtruespace_bin32.x", B, 1, 1, 4132, 6656, 1, 0, 0},
    {"assimp/anim_test.x", T, 4, 1, 1720, 840, 1, 4, 1},
    {"assimp/BCN_Epileptic.X", T, 57, 3, 3014, 5126, 0, 54, 1},
    {"assimp/Testwuson.X", T, 39, 1, 3205, 3732, 0, 37, 3},
    {"directx-sdk-legacy-samples/tiny.x", T, 48, 1, 4432, 6841, 1, 35, 1},
    {"directx-sdk-legacy-samples/tiny_4anim.x", T, 48, 2, 4893, 6849, 2, 35, 4},
    {"directx-sdk-legacy-samples/bat.x", Z, 91, 1, 35313, 52256, 1, 34, 1},
    {"directx-sdk-legacy-samples/wall_with_pillars.x", Z, 18, 12, 52352, 26078, 13, 0, 1},
    {"directx-sdk-legacy-samples/cube_on_plane.x", Z, 1, 1, 598, 1073, 2, 0, 0},
    {"directx-sdk-legacy-samples/Dwarf.x", Z, 13, 6, 15806, 5270, 9, 0, 0},
    {"directx-sdk-legacy-samples/tiger.x", T, 0, 1, 303, 602, 1, 0, 0},
    {"directx-sdk-legacy-samples/heli.x", T, 10, 9, 421, 793, 9, 0, 0},
    {"directx-sdk-legacy-samples/sphere0.x", B, 0, 1, 56, 108, 1, 0, 0},
    {"directx-sdk-legacy-samples/ball.x", B, 0, 1, 672, 224, 1, 0, 0},
    {"directx-sdk-legacy-samples/scene.x", T, 214, 0, 0, 0, 0, 0, 0},
    {"directx-sdk-legacy-samples/skybox01.x", T, 2, 1, 24, 12, 1, 0, 0},
    {"directx-sdk-legacy-samples/shapes1.x", T, 8, 1, 2814, 4136, 1, 0, 1},
    {"directx-sdk-legacy-samples/Cube.x", T, 1, 1, 24, 12, 0, 0, 0},
};

const char* const kRefusals[] = {
    "assimp/invalid/empty.x",
    "assimp/OV_GetNextToken",
    "assimp/malformed_skinweights_oob.x",
};

bool StartsWithXofHeader(const std::filesystem::path& path) {
  char magic[4] = {};
  std::ifstream(path, std::ios::binary).read(magic, 4);
  return std::string(magic, 4) == "xof ";
}

XScene Load(const std::string& relative) { return ReadXFile(kCorpus + relative); }

std::string ErrorOf(const std::string& relative) {
  try {
    Load(relative);
  } catch (const XFileError& error) {
    return error.what();
  }
  return "(loaded)";
}

template <typename F>
size_t Sum(const XScene& scene, F count) {
  size_t total = 0;
  for (const XMesh& mesh : scene.meshes) total += count(mesh);
  return total;
}

}  // namespace

TEST(XCorpus, EveryFileIsCoveredByTheTables) {
  std::set<std::string> listed;
  for (const Expected& e : kLoads) listed.insert(e.path);
  for (const char* path : kRefusals) listed.insert(path);
  for (const auto& entry : std::filesystem::recursive_directory_iterator(kCorpus)) {
    if (!entry.is_regular_file()) continue;
    std::string relative = std::filesystem::relative(entry.path(), kCorpus).string();
    std::string ext = entry.path().extension().string();
    if (ext == ".x" || ext == ".X" || StartsWithXofHeader(entry.path())) {
      EXPECT_TRUE(listed.count(relative)) << relative << " has no expectation";
    }
  }
}

TEST(XCorpus, ValidFilesLoadWithTheirCounts) {
  for (const Expected& e : kLoads) {
    SCOPED_TRACE(e.path);
    XScene scene;
    ASSERT_NO_THROW(scene = Load(e.path));
    EXPECT_EQ(scene.encoding, e.encoding);
    EXPECT_EQ(scene.frames.size(), e.frames);
    EXPECT_EQ(scene.meshes.size(), e.meshes);
    EXPECT_EQ(Sum(scene, [](const XMesh& m) { return m.positions.size(); }), e.vertices);
    EXPECT_EQ(Sum(scene, [](const XMesh& m) { return m.triangles.size(); }), e.triangles);
    EXPECT_EQ(Sum(scene, [](const XMesh& m) { return m.materials.size(); }), e.materials);
    EXPECT_EQ(Sum(scene, [](const XMesh& m) { return m.skin.size(); }), e.bones);
    EXPECT_EQ(scene.animationSets.size(), e.sets);
  }
}

TEST(XCorpus, MalformedFilesAreRefusedNamingTheFile) {
  for (const char* path : kRefusals) EXPECT_NE(ErrorOf(path).find(path), std::string::npos) << ErrorOf(path);
  EXPECT_NE(ErrorOf("assimp/malformed_skinweights_oob.x").find("line 244"), std::string::npos);
}

TEST(XCorpus, TextBinaryAndCompressedCubesAreTheSameScene) {
  XScene text = Load("assimp/test_cube_text.x");
  for (const char* other : {"assimp/test_cube_binary.x", "assimp/test_cube_compressed.x"}) {
    SCOPED_TRACE(other);
    XScene scene = Load(other);
    ASSERT_EQ(scene.frames.size(), text.frames.size());
    for (size_t f = 0; f < text.frames.size(); ++f) {
      EXPECT_EQ(scene.frames[f].name, text.frames[f].name);
      EXPECT_EQ(scene.frames[f].parent, text.frames[f].parent);
      for (int i = 0; i < 16; ++i) EXPECT_NEAR(scene.frames[f].transform.m[i / 4][i % 4], text.frames[f].transform.m[i / 4][i % 4], 1e-5);
    }
    const XMesh& a = text.meshes[0];
    const XMesh& b = scene.meshes[0];
    EXPECT_EQ(b.name, "Cube");
    for (size_t v = 0; v < a.positions.size(); ++v) {
      EXPECT_LT(Length(b.positions[v] - a.positions[v]), 1e-5f) << v;
      EXPECT_NEAR(b.uvs[v][0], a.uvs[v][0], 1e-5);
    }
    for (size_t t = 0; t < a.triangles.size(); ++t)
      for (int k = 0; k < 3; ++k) EXPECT_EQ(b.triangles[t].position[k], a.triangles[t].position[k]);
    EXPECT_EQ(b.normals.size(), a.normals.size());
    EXPECT_NEAR(b.materials[0].diffuse.r, 0.639216f, 1e-5);
    EXPECT_NEAR(b.materials[0].power, 96.07843f, 1e-4);
    ASSERT_EQ(b.skin.size(), 1u);
    EXPECT_EQ(b.skin[0].boneName, "Cube");
    EXPECT_EQ(b.skin[0].vertices, a.skin[0].vertices);
    EXPECT_EQ(scene.TicksPerSecond(), 24u);
  }
}

TEST(XCorpus, ExporterQuirksAreRead) {
  XScene tiger = Load("directx-sdk-legacy-samples/tiger.x");  // one material index for every face
  for (const XTriangle& t : tiger.meshes[0].triangles) EXPECT_EQ(t.material, 0u);
  EXPECT_EQ(tiger.floatBits, 64u);
  EXPECT_EQ(tiger.meshes[0].materials[0].texture, "tiger.bmp");

  XScene ball = Load("directx-sdk-legacy-samples/ball.x");  // material given by reference only
  ASSERT_EQ(ball.meshes[0].materials.size(), 1u);
  EXPECT_EQ(ball.meshes[0].materials[0].texture, "ball.dds");

  XScene test = Load("assimp/test.x");  // "TextureFileName" spelling, doubled backslashes
  EXPECT_EQ(test.meshes[0].materials[0].texture, ".\\\\test.png");

  XScene colours = Load("assimp/kwxport_test_cubewithvcolors.x");
  EXPECT_EQ(colours.meshes[0].colors.size(), 24u);

  XScene tiny = Load("directx-sdk-legacy-samples/tiny.x");  // no AnimTicksPerSecond, matrix keys
  EXPECT_FALSE(tiny.ticksPerSecond.has_value());
  EXPECT_EQ(tiny.TicksPerSecond(), 4800u);
  EXPECT_EQ(tiny.animationSets[0].name, "");
  EXPECT_FALSE(tiny.animationSets[0].animations[0].matrices.empty());
  EXPECT_EQ(tiny.animationSets[0].LastTime(), 4960u);

  XScene wuson = Load("assimp/Testwuson.X");
  EXPECT_EQ(wuson.animationSets[0].name, "Wuson_Run");
  EXPECT_EQ(wuson.animationSets[2].name, "Wuson_Bind");

  XScene bat = Load("directx-sdk-legacy-samples/bat.x");  // fewer normals than vertices
  EXPECT_EQ(bat.meshes[0].normals.size(), 26130u);
}

TEST(XCorpus, SkinWeightsOfEachVertexSumToOne) {
  for (const char* path : {"assimp/anim_test.x", "assimp/BCN_Epileptic.X", "directx-sdk-legacy-samples/tiny.x",
                           "directx-sdk-legacy-samples/bat.x"}) {
    SCOPED_TRACE(path);
    XScene scene = Load(path);
    for (const XMesh& mesh : scene.meshes) {
      std::vector<float> sum(mesh.positions.size());
      for (const XSkinWeights& bone : mesh.skin)
        for (size_t i = 0; i < bone.vertices.size(); ++i) sum[bone.vertices[i]] += bone.weights[i];
      for (float s : sum) ASSERT_NEAR(s, 1.0f, 1e-3);
    }
  }
}

// A file with both frame matrices and time-0 rotation keys: the keys, read
// with our quaternion convention, must rebuild the frame matrices.
TEST(XCorpus, RotationKeysAtTimeZeroMatchTheFrameMatrices) {
  XScene scene = Load("assimp/BCN_Epileptic.X");
  int checked = 0;
  for (const XAnimation& a : scene.animationSets[0].animations) {
    auto frame = std::find_if(scene.frames.begin(), scene.frames.end(), [&](const XFrame& f) { return f.name == a.frameName; });
    if (frame == scene.frames.end() || a.rotations.empty() || a.rotations[0].time != 0) continue;
    Matrix r = MatrixRotationQuaternion(a.rotations[0].value);
    Vec3 s = a.scales.empty() ? Vec3{1, 1, 1} : a.scales[0].value;
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j) EXPECT_NEAR(r.m[i][j] * (&s.x)[i], frame->transform.m[i][j], 2e-3);
    ++checked;
  }
  EXPECT_GT(checked, 40);
}
