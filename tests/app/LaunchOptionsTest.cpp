#include "app/LaunchOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(LaunchOptionsTest, ReadsTheOptionsAndRefusesTheRestWithAReason) {
  std::string error;
  const auto options = ParseLaunchOptions({"--record", "run.inp", "--scale", "3"}, error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->record, "run.inp");
  EXPECT_EQ(options->scale, 3);
  EXPECT_TRUE(ParseLaunchOptions({"--help"}, error)->help);
  EXPECT_EQ(ParseLaunchOptions({}, error)->scale, 0);

  const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
      {{"--scale", "5"}, "--scale takes 1, 2, 3 or 4, not '5'"},
      {{"--scale", "0"}, "--scale takes 1, 2, 3 or 4, not '0'"},
      {{"--play"}, "--play needs a value"},
      {{"--fullscreen"}, "unknown option '--fullscreen'"},
      {{"--record", "a", "--play", "b"}, "--record and --play cannot be used together"},
  };
  for (const auto& [args, reason] : refused) {
    EXPECT_FALSE(ParseLaunchOptions(args, error));
    EXPECT_EQ(error, reason);
  }
}

}  // namespace
