// `cmake --install` into a staging folder (DESTDIR), then the installed game
// started as its menu entry says, under Xvfb. Run as a user who may not
// write to the installed tree, it keeps its files in that user's folder.

#include <pwd.h>

#include <filesystem>
#include <fstream>

#include "support/TempDir.h"
#include "support/XvfbSession.h"

namespace {

using namespace xvfb;
namespace fs = std::filesystem;

std::string ExecLine(const fs::path& desktopFile) {
  std::ifstream in(desktopFile);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("Exec=", 0) == 0) return line.substr(5);
  }
  return "";
}

class InstallUnderXvfbTest : public GameUnderXvfb {
 protected:
  void SetUp() override {
    if (!HasDisplay()) GTEST_SKIP() << "Xvfb could not be started";
    fs::permissions(dir.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
    const std::string command = "DESTDIR=" + (dir / "stage") + " cmake --install " + VEXHOP_BUILD_DIR +
                                " --prefix /usr >" + (dir / "install.log") + " 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << ReadBytes(dir / "install.log");
  }
  fs::path Staged(const std::string& path) const { return fs::path(dir / "stage") / path; }

  TempDir dir;
};

TEST_F(InstallUnderXvfbTest, TheInstalledGameStartsFromItsMenuEntryAndKeepsItsFilesInTheUsersFolder) {
  EXPECT_EQ(fs::read_symlink(Staged("usr/bin/vexhop")), "../share/vexhop/bin/vexhop");
  for (const char* file : {"usr/share/vexhop/bin/vexhop", "usr/share/vexhop/Model/key.x", "usr/share/vexhop/Data/Config.ini",
                           "usr/share/applications/vexhop.desktop", "usr/share/icons/hicolor/48x48/apps/vexhop.png"}) {
    EXPECT_TRUE(fs::exists(Staged(file))) << file;
  }
  const std::string exec = ExecLine(Staged("usr/share/applications/vexhop.desktop"));
  ASSERT_EQ(exec, "vexhop");

  // A user who may not write to the installed tree, as after a real install.
  const passwd* nobody = getpwnam("nobody");
  const bool asNobody = getuid() == 0 && nobody;
  fs::create_directories(dir.path() / "home");
  if (asNobody) fs::permissions(dir.path() / "home", fs::perms::all);
  const std::string home = dir / "home";
  const std::string path = Staged("usr/bin").string() + ":/usr/bin:/bin";
  ASSERT_TRUE(LaunchCommand(home, {"env", "HOME=" + home, "PATH=" + path, exec}, asNobody ? nobody->pw_uid : 0));
  ASSERT_TRUE(Poll(20s, [&] { return PixelAt(100, 100) != 0u; }));
  if (asNobody) {
    const fs::path own = fs::path(home) / ".local/share/Vexhop/Vexhop/Data/Config.ini";
    EXPECT_TRUE(Poll(5s, [&] { return fs::exists(own); })) << "the shipped defaults were not copied";
    SendKey(XK_F12);
    EXPECT_TRUE(Poll(10s, [&] { return fs::exists(fs::path(home) / ".local/share/Vexhop/Vexhop/Screenshots"); }));
    EXPECT_FALSE(fs::exists(Staged("usr/share/vexhop/Screenshots")));
  }
  SendKey(XK_Escape);
  ExpectQuitsWithExitCodeZero("Escape");
}

}  // namespace
