#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"
#include "util/NativePath.h"
#include "util/Path.h"

TEST(DirectoryOf, KeepsThePathUpToTheLastSeparator) {
  EXPECT_EQ(DirectoryOf("file.x"), "");
  EXPECT_EQ(DirectoryOf("C:\\dir\\file.x"), "C:\\dir\\");
  EXPECT_EQ(DirectoryOf("a/b\\c"), "a/b\\");
  // "表" (95 5C) in the file name is not the last backslash.
  EXPECT_EQ(DirectoryOf("C:\\a\\\x95\x5C.x", CodePage::ShiftJis), "C:\\a\\");
  // A folder named "テ" keeps the separator after it.
  EXPECT_EQ(DirectoryOf("/home/\xE3\x83\x86/bin/vexhop"), "/home/\xE3\x83\x86/bin/");
  EXPECT_EQ(DirectoryOf("\xE3\x83\x86\\file"), "\xE3\x83\x86\\");
}

TEST(GetModuleDirectory, IsTheFolderOfThisProgramWithItsSeparator) {
  const std::string folder = GetModuleDirectory();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  EXPECT_EQ(std::filesystem::path(folder + "x").parent_path(),
            std::filesystem::canonical("/proc/self/exe").parent_path());
  EXPECT_EQ(NativePath(folder + "..\\Data\\Save.ini"), folder + "../Data/Save.ini");
}

TEST(FileExists, FindsFilesFoldersAndWildcardMatches) {
  TempDir dir;
  WriteBytes(dir / "stage1.dat", "300\n");
  WriteBytes(dir / "a[1].png", "");
  std::filesystem::create_directory(dir / "\xE3\x83\x86");

  EXPECT_TRUE(FileExists(dir.path().string() + "\\stage1.dat"));
  EXPECT_TRUE(FileExists(dir / "\xE3\x83\x86"));
  EXPECT_TRUE(FileExists(dir / "stage?.*"));
  EXPECT_TRUE(FileExists(dir / "a[1].png"));
  EXPECT_TRUE(FileExists(dir / "a[1]*"));
  EXPECT_FALSE(FileExists(dir / "stage2.dat"));
  EXPECT_FALSE(FileExists(dir / "*.x"));
  EXPECT_FALSE(FileExists(""));
}
