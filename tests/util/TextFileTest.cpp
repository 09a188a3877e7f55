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
  EXPECT_EQ(file.Get(1), "two");
  EXPECT_EQ(file.Get(2), "");
  EXPECT_EQ(file.Get(3), "last");
  EXPECT_EQ(file.Get(-1), "");
  EXPECT_EQ(file.Get(4), "");

  file.SetText("a\r\nb\r\n");  // no entry after the last terminator
  EXPECT_EQ(file.Count(), 2);
  file.SetText("a\rb");  // a lone CR is no terminator
  EXPECT_EQ(file.Get(0), "a\rb");
}

TEST(CTextFile, ReadingStopsAtTheFirstLineTooLong) {
  const std::string fits(CTextFile::kMaxLineLength, 'x');
  CTextFile file;
  file.SetText("a\n" + fits + "\r\n" + fits + "y\nb\n");
  ASSERT_EQ(file.Count(), 2);
  EXPECT_EQ(file.Get(1), fits);
}

TEST(CTextFile, FailuresLeaveAnEmptyListAndReportFalse) {
  TempDir dir;
  CTextFile file;
  file.Add("stale");
  EXPECT_FALSE(file.Load(dir / "missing.txt"));
  EXPECT_EQ(file.Count(), 0);
  EXPECT_FALSE(file.Load(dir.path().string()));  // a folder is no file
  file.Add("x");
  EXPECT_FALSE(file.Save(dir / "no/such/file.txt"));
}

TEST(CTextFile, SaveWritesCrLfAfterEveryLineThroughBackslashPaths) {
  TempDir dir;
  std::filesystem::create_directories(dir / "\xE3\x83\x86/Data");
  const std::string path = dir.path().string() + "\\\xE3\x83\x86\\Data\\out.txt";
  CTextFile file;
  file.Add("a");
  file.Add("b");
  ASSERT_TRUE(file.Save(path));
  EXPECT_EQ(ReadBytes(dir / "\xE3\x83\x86/Data/out.txt"), "a\r\nb\r\n");

  CTextFile back;
  ASSERT_TRUE(back.Load(path));
  EXPECT_EQ(back.Count(), 2);
  EXPECT_EQ(back.Get(1), "b");
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
