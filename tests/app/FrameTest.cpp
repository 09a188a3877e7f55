#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

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
  const DrawRecord& clear = device.Draws()[0];
  EXPECT_EQ(clear.kind, DrawKind::Clear);
  EXPECT_EQ(clear.color, 0xFF000000u);
  EXPECT_EQ(clear.clearFlags, ClearFlags::Target | ClearFlags::ZBuffer);
  EXPECT_EQ(clear.clearZ, 1.0f);
  EXPECT_EQ(device.PresentCount(), 1);
  EXPECT_EQ(game.GetDisplay()->GetWidth(), 800);
  EXPECT_EQ(game.GetDisplay()->GetHeight(), 600);
  EXPECT_EQ(game.GetDisplay()->GetRefreshRate(), 60);
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

class DisplayTest : public ::testing::Test {
 protected:
  TestPlatform platform;
  std::unique_ptr<Window> window = platform.CreateGameWindow("t", 800, 600, "");
  std::unique_ptr<CDXDevice> display = CDXDevice::Create(platform, *window, 800, 600);
};

TEST_F(DisplayTest, PresentFlipsParityAndResetRestoresIt) {
  EXPECT_TRUE(display->GetPresentParity());
  display->Present();
  EXPECT_FALSE(display->GetPresentParity());
  display->Present();
  EXPECT_TRUE(display->GetPresentParity());
  display->Present();
  ASSERT_TRUE(display->Reset());
  EXPECT_TRUE(display->GetPresentParity());
}

TEST_F(DisplayTest, SetLightIsAWhiteNormalisedLightThatTurnsLightingOn) {
  display->SetLight(0, LightType::Directional, -1, -200, -1, 1000);
  const RecordingDevice& device = Recorded(*display);
  const Light& light = device.GetLight(0);
  EXPECT_TRUE(device.IsLightEnabled(0));
  EXPECT_EQ(device.GetRenderState(RenderState::Lighting), 1u);

  EXPECT_EQ(light.type, LightType::Directional);
  EXPECT_FLOAT_EQ(light.diffuse.r, 1);
  EXPECT_FLOAT_EQ(light.diffuse.a, 1);
  EXPECT_FLOAT_EQ(light.position.y, -200);
  const float length = std::sqrt(1.0f + 40000.0f + 1.0f);
  EXPECT_FLOAT_EQ(light.direction.x, -1 / length);
  EXPECT_FLOAT_EQ(light.direction.y, -200 / length);
  EXPECT_FLOAT_EQ(light.range, 1000);
  EXPECT_FLOAT_EQ(light.theta, 1.57f);
  EXPECT_FLOAT_EQ(light.phi, 3.14f);
}

}  // namespace
