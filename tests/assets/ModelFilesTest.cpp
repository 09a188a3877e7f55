// The model files in the runtime tree, read back with the game's own X-file
// reader: every catalogue model loads with its materials and textures, and
// the player's model has the skin and animation sets the player drives.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "Models.h"
#include "gfx/CAnimMesh.h"
#include "gfx/XScene.h"
#include "platform/RecordingDevice.h"
#include "support/Catalogue.h"

namespace {

const std::string kTree = VEXHOP_TREE;

void ExpectOpaqueWithTexturesIn(const XMesh& mesh, const std::string& folder) {
  ASSERT_FALSE(mesh.materials.empty());
  for (const XMaterial& m : mesh.materials) {
    EXPECT_EQ(m.diffuse.a, 1) << "models are opaque";
    if (!m.texture.empty()) {
      EXPECT_TRUE(std::filesystem::exists(folder + m.texture)) << m.texture;
    }
  }
}

TEST(ModelFiles, EveryCatalogueModelLoadsWithItsTextures) {
  for (const char* name : kCatalogueModels) {
    SCOPED_TRACE(name);
    XScene scene = ReadXFile(kTree + "/Model/" + name + ".x");
    EXPECT_EQ(scene.encoding, XEncoding::Text);
    ASSERT_EQ(scene.meshes.size(), 1u);
    const XMesh& mesh = scene.meshes[0];
    EXPECT_FALSE(mesh.triangles.empty());
    EXPECT_TRUE(mesh.HasNormals());
    EXPECT_EQ(mesh.uvs.size(), mesh.positions.size());
    ExpectOpaqueWithTexturesIn(mesh, kTree + "/Model/");
  }
}

TEST(ModelFiles, PlayerModelHasItsSkinAndAnimationSetsInOrder) {
  const std::string dir = kTree + "/AnimModel/goremu/";
  XScene scene = ReadXFile(dir + "goremu.x");
  ASSERT_EQ(scene.meshes.size(), 1u);
  const XMesh& body = scene.meshes[0];
  ExpectOpaqueWithTexturesIn(body, dir);
  std::set<std::string> frames;
  for (const XFrame& f : scene.frames) frames.insert(f.name);
  ASSERT_FALSE(body.skin.empty());
  std::vector<float> total(body.positions.size(), 0);
  for (const XSkinWeights& bone : body.skin) {
    EXPECT_TRUE(frames.count(bone.boneName)) << bone.boneName << " names no frame";
    for (size_t i = 0; i < bone.vertices.size(); ++i) total[bone.vertices[i]] += bone.weights[i];
  }
  for (float w : total) ASSERT_NEAR(w, 1, 1e-4f);

  // The player selects sets by number: 0 idle, 1 walk, 3 and 4 building.
  ASSERT_EQ(scene.animationSets.size(), 5u);
  const char* names[] = {"Idle", "Walk", "Cheer", "Build", "BuildBelow"};
  for (size_t i = 0; i < 5; ++i) {
    const XAnimationSet& set = scene.animationSets[i];
    EXPECT_EQ(set.name, names[i]);
    for (const XAnimation& a : set.animations) EXPECT_TRUE(frames.count(a.frameName)) << a.frameName;
    // A build runs 25 frames at double speed: about 0.83 s of animation.
    const float seconds = float(set.LastTime()) / float(scene.TicksPerSecond());
    EXPECT_GT(seconds, 0.5f) << set.name;
    if (i >= 3) {
      EXPECT_NEAR(seconds, 0.8f, 0.05f) << set.name;
    }
  }
}

// The rig nests and every key holds its matrix as the generator made them.
TEST(ModelFiles, PlayerRigAndKeysReadBackAsMade) {
  const XScene scene = ReadXFile(kTree + "/AnimModel/goremu/goremu.x");
  const AnimatedModel made = Goremu();
  std::map<std::string, std::string> parents;
  std::function<void(const ModelFrame&)> walk = [&](const ModelFrame& frame) {
    for (const ModelFrame& child : frame.children) {
      parents[child.name] = frame.name;
      walk(child);
    }
  };
  walk(made.root);
  EXPECT_EQ(scene.frames.size(), parents.size() + 1);  // every frame but the root has a parent
  for (const XFrame& f : scene.frames) {
    EXPECT_EQ(parents[f.name], f.parent < 0 ? "" : scene.frames[f.parent].name) << f.name;
  }
  ASSERT_EQ(scene.animationSets.size(), made.sets.size());
  for (size_t s = 0; s < made.sets.size(); ++s) {
    for (size_t a = 0; a < made.sets[s].animations.size(); ++a) {
      const ModelTrack& track = made.sets[s].animations[a];
      const XAnimation& read = scene.animationSets[s].animations.at(a);
      ASSERT_EQ(read.matrices.size(), track.keys.size()) << track.frame;
      for (size_t k = 0; k < track.keys.size(); ++k) {
        EXPECT_EQ(read.matrices[k].time, track.keys[k].first);
        for (int i = 0; i < 16; ++i) {
          ASSERT_NEAR(read.matrices[k].value.m[i / 4][i % 4], track.keys[k].second.m[i / 4][i % 4], 1e-4f);
        }
      }
    }
  }
}

// At 60 steps a second each step of the walk shows a pose of its own: keys
// 2 ticks apart are blended on the step between them.
TEST(ModelFiles, PlayerWalkShowsANewPoseOnEveryStep) {
  RecordingDevice device;
  CAnimMesh player(&device, kTree + "/AnimModel/goremu/goremu.x");
  player.SetAnimation(0, 1);
  std::vector<Matrix> previous;
  for (int step = 0; step < 60; ++step) {
    player.AdvanceTime(1.0 / 60);
    player.Draw(0, 0, 0, 1, 1, 1, 0, 0, 0, 0);
    std::vector<Matrix> pose;
    for (size_t f = 0; f < player.FrameCount(); ++f) pose.push_back(player.Combined(f));
    if (step > 0) {
      const bool moved = std::memcmp(pose.data(), previous.data(), pose.size() * sizeof(Matrix)) != 0;
      EXPECT_TRUE(moved) << "step " << step << " shows the pose of the step before";
    }
    previous = std::move(pose);
  }
}

}  // namespace
