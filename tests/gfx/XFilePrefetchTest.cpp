// Models parsed ahead of time: the same scenes as parsing them when asked,
// found whatever way the game spells their paths, failures kept for the
// moment the file is asked for.

#include "gfx/XFilePrefetch.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "gfx/XFileError.h"

namespace {

std::string Write(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
  return path.string();
}

TEST(XFilePrefetch, GivesTheParsedFileOnceAndKeepsErrorsForWhenItIsAskedFor) {
  const std::filesystem::path tree =
      std::filesystem::path(::testing::TempDir()) / ("vexhop-prefetch-" + std::to_string(::getpid()));
  const std::string good = Write(tree / "Model/key.x", "xof 0303txt 0032\nMesh { 3; 1;0;0;, 0;1;0;, 0;0;1;; 1; 3; 0,1,2;; }");
  const std::string bad = Write(tree / "Model/bad.x", "xof 0303txt 0032\nMesh { 3; 1;0;0;");
  PrefetchXFiles({good, bad});

  // The game's own spelling: from bin, with backslashes.
  const XScene scene = LoadXFile((tree / "bin").string() + "/..\\Model\\key.x");
  ASSERT_EQ(scene.meshes.size(), 1u);
  EXPECT_EQ(scene.meshes[0].positions.size(), 3u);
  EXPECT_EQ(scene.meshes[0].positions[0].x, 1);
  EXPECT_THROW(LoadXFile(bad), XFileError);

  // Taken once: afterwards the file is read afresh, as it now stands.
  Write(tree / "Model/key.x", "xof 0303txt 0032\nMesh { 4; 1;0;0;, 0;1;0;, 0;0;1;, 1;1;1;; 1; 3; 0,1,2;; }");
  EXPECT_EQ(LoadXFile(good).meshes[0].positions.size(), 4u);
  std::filesystem::remove_all(tree);
}

}  // namespace
