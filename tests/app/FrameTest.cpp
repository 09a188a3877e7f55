#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "app/CGame.h"
#include "app/TestPlatform.h"
#include "support/TempDir.h"

namespace {

WindowEvent Event(WindowEvent::Type type) {
  WindowEvent event;
  event.type = type;
  return event;
}

class ResetCountingGame final : public CGame {
 public:
  explicit ResetCountingGame(TestPlatform& platform) : CGame(platform, "Vexhop(Q)") { confirmExit = false; }
  int lost = 0, reset = 0;
  using CGame::MsgProc;

 protected:
  void OnLostDevice() override { ++lost; }
  void OnResetDevice() override { ++reset; }
};

TEST(FrameTest, WindowShowsBlackBeforeTheLoopStarts) {
  TestPlatform platform;
  CGame game(platform, "Vexhop(Q)");
  const RecordingDevice& device = Recorded(*game.GetDisplay());
  ASSERT_EQ(device.Draws().size(), 1u);
  EXPECT_EQ(device.Draws()[0].kind, DrawKind::Clear);
  EXPECT_EQ(device.Draws()[0].color, 0xFF000000u);
  EXPECT_EQ(device.PresentCount(), 1);
  const CDXDevice& display = *game.GetDisplay();
  EXPECT_EQ((std::vector{display.GetWidth(), display.GetHeight(), display.GetRefreshRate()}),
            (std::vector{800, 600, 60}));
}

TEST(FrameTest, SettingsComeFromTheWorkingDirectoryAndTheIconFromBesideTheExecutable) {
  TempDir folder;
  WriteBytes(folder / "Setting.ini", "[ウィンドウモード]\r\nFullScreen=1\r\n");
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(folder.path());
  TestPlatform platform;
  CGame game(platform, "Vexhop(Q)");
  std::filesystem::current_path(before);

  EXPECT_TRUE(game.fullScreen);
  EXPECT_TRUE(platform.GameWindow()->IsFullScreen());
  EXPECT_FALSE(platform.GameWindow()->IsCursorShown());
  EXPECT_EQ(std::filesystem::path(game.GetExeFolder()), std::filesystem::path(VEXHOP_TREE).parent_path() / "tests/");
  EXPECT_EQ(platform.iconFile, game.GetExeFolder() + "game.ico");
}

TEST(FrameTest, NoDeviceShowsTheOpenGlMessageAndExitsWithOne) {
  TestPlatform platform;
  platform.noDevice = true;
  EXPECT_EXIT(CGame(platform, "Vexhop(Q)"), ::testing::ExitedWithCode(1), "OpenGL 3\\.3");
}

TEST(FrameTest, AltEnterSwitchesFullScreenForTheSessionAndBack) {
  TestPlatform platform;
  ResetCountingGame game(platform);
  game.GetDisplay()->Present();
  game.MsgProc(Event(WindowEvent::Type::ToggleFullScreen));
  EXPECT_TRUE(game.fullScreen);
  EXPECT_TRUE(platform.GameWindow()->IsFullScreen());
  EXPECT_FALSE(platform.GameWindow()->IsCursorShown());
  EXPECT_TRUE(game.GetDisplay()->GetPresentParity());
  EXPECT_EQ(game.lost, 1);
  EXPECT_EQ(game.reset, 1);

  game.MsgProc(Event(WindowEvent::Type::ToggleFullScreen));
  EXPECT_FALSE(game.fullScreen);
  EXPECT_FALSE(platform.GameWindow()->IsFullScreen());
  EXPECT_TRUE(platform.GameWindow()->IsCursorShown());
  EXPECT_EQ(game.reset, 2);
}

}  // namespace
