// The generator is a build step: a second run, into another folder, must
// write the same bytes, so builds are reproducible and assets are only
// "changed" when the generator changes.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string Contents(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Generator, SecondRunWritesTheSameBytes) {
  fs::path fresh = fs::temp_directory_path() / "vexhop-assetgen-rerun";
  fs::remove_all(fresh);
  std::string command = std::string("\"") + VEXHOP_ASSETGEN + "\" \"" + fresh.string() + "\"";
  ASSERT_EQ(std::system(command.c_str()), 0);
  int compared = 0;
  for (const auto& entry : fs::recursive_directory_iterator(fresh)) {
    if (!entry.is_regular_file()) continue;
    fs::path rel = fs::relative(entry.path(), fresh);
    fs::path built = fs::path(VEXHOP_TREE) / rel;
    ASSERT_TRUE(fs::exists(built)) << rel;
    EXPECT_TRUE(Contents(entry.path()) == Contents(built)) << rel << " differs between runs";
    ++compared;
  }
  EXPECT_GT(compared, 60);
  fs::remove_all(fresh);
}

TEST(Generator, RefusesToRunWithoutATree) {
  std::string command = std::string("\"") + VEXHOP_ASSETGEN + "\" >/dev/null 2>&1";
  EXPECT_NE(std::system(command.c_str()), 0);
}

}  // namespace
