#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ImageFile.h"
#include "support/SessionHarness.h"

namespace {

using ScreenshotTest = SessionTest;

TEST_F(ScreenshotTest, F12WritesThePictureOnScreenIntoTheScreenshotsFolderWithASound) {
  h.Step();
  game.OnScreenshot();
  game.OnScreenshot();  // a second one in the same second keeps apart
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(tree / "Screenshots")) files.push_back(entry.path());
  ASSERT_EQ(files.size(), 2u);
  const std::string name = files[0].filename().string();
  EXPECT_EQ(name.rfind("vexhop-", 0), 0u) << name;
  EXPECT_EQ(name.substr(name.size() - 4), ".png");
  const std::optional<Image> picture = LoadImageFile(files[0].string());
  ASSERT_TRUE(picture);
  EXPECT_EQ((std::vector{picture->width, picture->height}), (std::vector{800, 600}));
  EXPECT_EQ(h.audio.TakeEffectsPlayed(), (std::vector<std::string>{"cursor.wav", "cursor.wav"}));
}

}  // namespace
