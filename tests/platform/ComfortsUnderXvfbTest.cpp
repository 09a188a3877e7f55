// What the game offers beyond the original, tried in a real window: a
// larger window, screenshots, recording a run and playing it back, and the
// command line. Each test runs its own copy of the game in a private
// runtime tree (the assets linked from the build), so what it writes stays
// there.

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/ImageFile.h"
#include "support/LinkedTree.h"
#include "support/XvfbSession.h"

namespace {

using namespace xvfb;
namespace fs = std::filesystem;

// Walking right in stage 1: a disc, then a spike. No clear menu.
class PrivateTree : public LinkedTree {
 public:
  PrivateTree() : LinkedTree(true) {
    WriteBytes(*this / "Data/Config.ini", "0 1 2 3 4 5 6 7 8 9\r\n0 0\r\n2 0\r\n");
    WriteBytes(*this / "stage/stage1.dat",
               "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nW@..I......1...W\r\nWWWWWWWWWWWWWWWW\r\n900\r\n");
  }
};

// The command's exit status and what it printed.
std::pair<int, std::string> RunCommand(const std::string& command) {
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  std::string out;
  char buffer[256];
  while (pipe && fgets(buffer, sizeof buffer, pipe)) out += buffer;
  const int status = pipe ? pclose(pipe) : -1;
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

class ComfortsUnderXvfbTest : public GameUnderXvfb {
 protected:
  ComfortsUnderXvfbTest() : GameUnderXvfb("2048x1536x24") {}
  void SetUp() override {
    if (!HasDisplay()) GTEST_SKIP() << "Xvfb could not be started";
  }
  // Waits until the title is on screen (its picture replaced the black start).
  void WaitForTitle() { ASSERT_TRUE(Poll(20s, [&] { return PixelAt(100, 100) != 0u; })); }

  PrivateTree tree;
};

TEST_F(ComfortsUnderXvfbTest, ScaleTwoOpensADoubleSizeWindowWithSharpPixels) {
  ASSERT_TRUE(Launch(tree.Path(), {"--scale", "2"}));
  const XWindowAttributes attributes = Attributes();
  EXPECT_EQ((std::vector{attributes.width, attributes.height}), (std::vector{1600, 1200}));
  WaitForTitle();
  std::this_thread::sleep_for(500ms);
  // Each picture pixel covers a 2 x 2 block of the window.
  int blocks = 0;
  for (int y = 100; y < 1100; y += 97) {
    for (int x = 100; x < 1500; x += 131) {
      const std::vector<uint32_t> block = Pixels(x & ~1, y & ~1, 2, 2);
      blocks += block.size() == 4 && block[0] == block[1] && block[0] == block[2] && block[0] == block[3];
    }
  }
  EXPECT_EQ(blocks, 11 * 11);
}

TEST_F(ComfortsUnderXvfbTest, AScaleTheDesktopCannotHoldFallsBackToTheLargestThatFits) {
  WriteBytes(tree / "Setting.ini", "[Vexhop]\r\nScale=3\r\n");  // 2400 x 1800 does not fit 2048 x 1536
  ASSERT_TRUE(Launch(tree.Path()));
  const XWindowAttributes attributes = Attributes();
  EXPECT_EQ((std::vector{attributes.width, attributes.height}), (std::vector{1600, 1200}));
}

TEST_F(ComfortsUnderXvfbTest, F12WritesThePictureTheWindowShows) {
  ASSERT_TRUE(Launch(tree.Path()));
  WaitForTitle();
  std::this_thread::sleep_for(500ms);
  SendKey(XK_F12);
  const fs::path folder = fs::path(tree.Path()) / "Screenshots";
  const auto shot = Poll(10s, [&]() -> std::optional<Image> {
    if (!fs::is_directory(folder)) return std::nullopt;
    for (const auto& entry : fs::directory_iterator(folder)) return LoadImageFile(entry.path().string());
    return std::nullopt;
  });
  ASSERT_TRUE(shot.has_value());
  const std::vector<uint32_t> window = Pixels(0, 0, 800, 600);
  ASSERT_EQ(window.size(), shot->argb.size());
  int differing = 0;
  for (size_t i = 0; i < window.size(); ++i) differing += (shot->argb[i] & 0xFFFFFF) != window[i];
  EXPECT_EQ(differing, 0);
}

// Keys typed into the real window: a new game in normal mode, then walking
// right (a disc, then a spike), a jump, and Escape. The recording's last
// line tells where the game ended; the replay must end there too.
TEST_F(ComfortsUnderXvfbTest, ARunRecordedInTheWindowPlaysBackIdenticallyInTheReplayTool) {
  const std::string recording = tree / "run.inp";
  ASSERT_TRUE(Launch(tree.Path(), {"--record", recording}));
  WaitForTitle();
  HoldKey(XK_f, 150ms);
  std::this_thread::sleep_for(300ms);
  HoldKey(XK_f, 150ms);
  std::this_thread::sleep_for(4s);  // the fade and the Ready banner
  HoldKey(XK_c, 1500ms);
  HoldKey(XK_v, 100ms);
  HoldKey(XK_c, 3000ms);
  std::this_thread::sleep_for(1s);
  SendKey(XK_Escape);
  ExpectQuitsWithExitCodeZero("Escape");

  std::ifstream file(recording);
  std::string line, last;
  while (std::getline(file, line)) last = line;
  int steps = 0, stage = 0, score = 0, lives = 0, time = 0;
  ASSERT_EQ(std::sscanf(last.c_str(), "# ended after %d steps at stage %d, score %d, lives %d, time %d", &steps, &stage,
                        &score, &lives, &time),
            5)
      << last;
  const auto [status, summary] = RunCommand(std::string(VEXHOP_TREE) + "/bin/vexhop-replay --root " + tree.Path() +
                                            " --title --input " + recording + " --steps " + std::to_string(steps) +
                                            " --summary");
  ASSERT_EQ(status, 0) << summary;
  for (const auto& [field, value] : {std::pair{"stage", stage}, {"score", score}, {"life", lives}, {"time", time}}) {
    EXPECT_NE(summary.find(std::string("\"") + field + "\":" + std::to_string(value) + ","), std::string::npos)
        << field << " in " << summary;
  }
  EXPECT_NE(score, 0) << "the run should have taken the disc";
}

TEST(CommandLineTest, HelpListsTheOptionsAndAnUnknownOneIsRefusedWithoutAWindow) {
  const std::string game = std::string(VEXHOP_TREE) + "/bin/vexhop";
  const auto [helpStatus, help] = RunCommand("env -u DISPLAY " + game + " --help");
  EXPECT_EQ(helpStatus, 0);
  for (const char* option : {"--record FILE", "--play FILE", "--scale N", "--help"}) {
    EXPECT_NE(help.find(option), std::string::npos) << option;
  }
  const auto [status, out] = RunCommand("env -u DISPLAY SDL_VIDEODRIVER=x11 " + game + " --fast");
  EXPECT_EQ(status, 2);  // refused before any window: without a display that would fail otherwise
  EXPECT_NE(out.find("vexhop: unknown option '--fast'"), std::string::npos) << out;
  EXPECT_NE(out.find("--record FILE"), std::string::npos);

  // No display at all: a message that says so, and exit code 1.
  const auto [noDisplay, message] = RunCommand("env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 " + game);
  EXPECT_EQ(noDisplay, 1);
  EXPECT_NE(message.find("ウィンドウを作成できませんでした"), std::string::npos) << message;
}

}  // namespace
