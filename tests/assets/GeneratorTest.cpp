// The generator is a build step: a second run, into another folder, must
// write the same bytes, so builds are reproducible and assets only change
// when the generator does.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

int RunGenerator(const std::string& arguments) {
  return std::system(("\"" + std::string(VEXHOP_ASSETGEN) + "\" " + arguments).c_str());
}

TEST(Generator, SecondRunWritesTheSameBytes) {
  TempDir fresh;
  ASSERT_EQ(RunGenerator("\"" + fresh.path().string() + "\""), 0);
  int compared = 0;
  std::map<std::string, int> perFolder;
  for (const auto& entry : fs::recursive_directory_iterator(fresh.path())) {
    if (!entry.is_regular_file()) continue;
    const fs::path relative = fs::relative(entry.path(), fresh.path());
    EXPECT_EQ(ReadBytes(entry.path()), ReadBytes(fs::path(VEXHOP_TREE) / relative)) << relative;
    ++compared;
    ++perFolder[relative.begin()->string()];
  }
  EXPECT_GT(compared, 60);
  EXPECT_EQ(perFolder["Sound"], 17);
  EXPECT_EQ(perFolder["BGM"], 8);
}

TEST(Generator, RefusesToRunWithoutATree) { EXPECT_NE(RunGenerator(">/dev/null 2>&1"), 0); }

}  // namespace
