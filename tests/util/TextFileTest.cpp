#include <gtest/gtest.h>
#include <sys/stat.h>

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
  std::vector<std::string> temps;
  SetCommitStep([&](const std::string& tempPath, const std::string&) {
    seenInTemp = ReadBytes(tempPath);
    temps.push_back(tempPath);
    return false;  // the process dies before the rename
  });
  CTextFile file;
  file.Add("6000 14");
  EXPECT_FALSE(file.Save(path));
  EXPECT_FALSE(file.Save(path));
  EXPECT_EQ(seenInTemp, "6000 14\r\n");
  EXPECT_EQ(ReadBytes(path), "5000 12\r\n");
  // Each write has a temporary file of its own beside the target, gone after.
  ASSERT_EQ(temps.size(), 2u);
  EXPECT_NE(temps[0], temps[1]);
  EXPECT_EQ(temps[0].rfind(path + ".tmp.", 0), 0u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);

  SetCommitStep({});
  EXPECT_TRUE(file.Save(path));
  EXPECT_EQ(ReadBytes(path), "6000 14\r\n");
}

TEST(TextFileReadTest, OnlyRegularFilesAreReadAndReadingStopsAtAnOverlongLine) {
  TempDir dir;
  CTextFile file;
  ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
  EXPECT_FALSE(file.Load(dir / "pipe"));  // refused at once, not waited on
  EXPECT_FALSE(file.Load(dir.path().string()));
  EXPECT_EQ(file.Count(), 0);

  // Ten megabytes with an overlong second line: the first line is kept.
  std::string big = "12 3\r\n" + std::string(1024, 'x') + "\r\n";
  big += std::string(10 * 1024 * 1024, 'y');
  WriteBytes(dir / "big.txt", big);
  EXPECT_TRUE(file.Load(dir / "big.txt"));
  EXPECT_EQ(file.Count(), 1);
  EXPECT_EQ(file.Get(0), "12 3");

  // A line of exactly the limit still counts, even with its CR at the end
  // of one read and its LF at the start of the next (reads are 16 KiB).
  std::string edge;
  for (int i = 0; i < 5120; ++i) edge += "a\r\n";
  edge += std::string(1023, 'z') + "\r\nend";
  ASSERT_EQ(edge.find('\r', 15360), 16383u);
  WriteBytes(dir / "edge.txt", edge);
  EXPECT_TRUE(file.Load(dir / "edge.txt"));
  EXPECT_EQ(file.Count(), 5122);
  EXPECT_EQ(file.Get(5121), "end");
}
