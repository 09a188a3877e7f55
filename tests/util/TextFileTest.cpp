#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/TempDir.h"
#include "util/FileIO.h"
#include "util/TextFile.h"

TEST(CTextFile, LoadSplitsLinesAsTextModeDoes) {
  TempDir dir;
  WriteBytes(dir / "f.txt", "one\r\ntwo\n\nlast");
  CTextFile file;
  ASSERT_TRUE(file.Load(dir / "f.txt"));
  ASSERT_EQ(file.Count(), 4);
  EXPECT_EQ(file.Get(0), "one");
  EXPECT_EQ(file.Get(1), "two");
  EXPECT_EQ(file.Get(2), "");
  EXPECT_EQ(file.Get(3), "last");

  // No entry for the final terminator; a lone CR is not a terminator.
  file.SetText("a\r\nb\r\n");
  EXPECT_EQ(file.Count(), 2);
  file.SetText("a\rb");
  ASSERT_EQ(file.Count(), 1);
  EXPECT_EQ(file.Get(0), "a\rb");
  file.SetText(std::string("n\0ul", 4));
  EXPECT_EQ(file.Get(0).size(), 4u);
}

TEST(CTextFile, GetOutOfRangeIsEmpty) {
  CTextFile file;
  file.Add("x");
  EXPECT_EQ(file.Get(-1), "");
  EXPECT_EQ(file.Get(1), "");
  EXPECT_EQ(file.Get(0), "x");
}

TEST(CTextFile, FailedLoadLeavesAnEmptyList) {
  TempDir dir;
  CTextFile file;
  file.Add("stale");
  EXPECT_FALSE(file.Load(dir / "missing.txt"));
  EXPECT_EQ(file.Count(), 0);
  file.Add("stale");
  EXPECT_FALSE(file.Load(dir.path().string()));  // a folder is no file
  EXPECT_EQ(file.Count(), 0);
}

TEST(CTextFile, ReadingStopsAtTheFirstLineTooLong) {
  const std::string fits(CTextFile::kMaxLineLength, 'x');
  CTextFile file;
  file.SetText("a\n" + fits + "\r\n" + fits + "y\nb\n");
  ASSERT_EQ(file.Count(), 2);
  EXPECT_EQ(file.Get(1), fits);
}

TEST(CTextFile, SaveWritesCrLfAfterEveryLine) {
  TempDir dir;
  CTextFile file;
  file.Add("a");
  file.Add("b");
  ASSERT_TRUE(file.Save(dir / "out.txt"));
  EXPECT_EQ(ReadBytes(dir / "out.txt"), "a\r\nb\r\n");

  CTextFile back;
  ASSERT_TRUE(back.Load(dir / "out.txt"));
  EXPECT_EQ(back.Count(), 2);
  EXPECT_EQ(back.Get(1), "b");

  CTextFile empty;
  ASSERT_TRUE(empty.Save(dir / "out.txt"));
  EXPECT_EQ(ReadBytes(dir / "out.txt"), "");
}

TEST(CTextFile, PathsWithBackslashesAndJapaneseFolders) {
  TempDir dir;
  std::filesystem::create_directories(dir / "\xE3\x83\x86/Data");
  const std::string path = dir.path().string() + "\\\xE3\x83\x86\\Data\\Save.ini";
  CTextFile file;
  file.Add("12 3 4500 1 1 0");
  ASSERT_TRUE(file.Save(path));
  EXPECT_EQ(ReadBytes(dir / "\xE3\x83\x86/Data/Save.ini"), "12 3 4500 1 1 0\r\n");
  ASSERT_TRUE(file.Load(path));
  EXPECT_EQ(file.Get(0), "12 3 4500 1 1 0");
}

TEST(CTextFile, SaveIntoAMissingFolderFails) {
  TempDir dir;
  CTextFile file;
  file.Add("x");
  EXPECT_FALSE(file.Save(dir / "no/such/file.txt"));
}

class InterruptedWrite : public ::testing::Test {
 protected:
  void TearDown() override { SetCommitStep({}); }
};

TEST_F(InterruptedWrite, LeavesTheOldFileIntact) {
  TempDir dir;
  const std::string path = dir / "HiScore.ini";
  WriteBytes(path, "5000 12\r\n");

  std::string seenInTemp;
  SetCommitStep([&](const std::string& tempPath, const std::string&) {
    seenInTemp = ReadBytes(tempPath);
    return false;  // the process dies before the rename
  });
  CTextFile file;
  file.Add("6000 14");
  EXPECT_FALSE(file.Save(path));
  EXPECT_EQ(seenInTemp, "6000 14\r\n");
  EXPECT_EQ(ReadBytes(path), "5000 12\r\n");
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));

  SetCommitStep({});
  EXPECT_TRUE(file.Save(path));
  EXPECT_EQ(ReadBytes(path), "6000 14\r\n");
}

TEST(WriteFileAtomically, KeepsThePermissionsOfTheOldFile) {
  TempDir dir;
  const std::string path = dir / "Config.ini";
  WriteBytes(path, "old");
  std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  ASSERT_TRUE(WriteFileAtomically(path, "new"));
  EXPECT_EQ(ReadBytes(path), "new");
  EXPECT_EQ(std::filesystem::status(path).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}
