// The generator writes the same sounds and music on every run.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "AudioCheck.h"

namespace fs = std::filesystem;

TEST(AudioGenerator, WritesTheSameBytesOnEveryRun) {
  const fs::path fresh = fs::temp_directory_path() / ("vexhop-audio-" + std::to_string(::getpid()));
  fs::remove_all(fresh);
  const std::string command = std::string("\"") + VEXHOP_ASSETGEN + "\" \"" + fresh.string() + "\"";
  ASSERT_EQ(std::system(command.c_str()), 0);
  int compared = 0;
  for (const char* folder : {"Sound", "BGM"}) {
    for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(VEXHOP_TREE) / folder)) {
      SCOPED_TRACE(entry.path().string());
      const fs::path other = fresh / folder / entry.path().filename();
      ASSERT_TRUE(fs::exists(other));
      EXPECT_EQ(audiocheck::ReadFile(entry.path().string()), audiocheck::ReadFile(other.string()));
      ++compared;
    }
  }
  EXPECT_EQ(compared, 17 + 8);
  fs::remove_all(fresh);
}
