#include <gtest/gtest.h>

#include <filesystem>

#include "save/Profile.h"
#include "save/Settings.h"
#include "support/TempDir.h"

TEST(Profile, MissingFileSectionKeyOrValueGivesTheDefault) {
  TempDir dir;
  EXPECT_EQ(GetPrivateProfileInt("a", "k", 7, dir / "missing.ini"), 7);
  const std::string text = "[a]\nk=1\n[b]\nother=2\n";
  EXPECT_EQ(ProfileIntFromText(text, "a", "k", 7), 1);
  EXPECT_EQ(ProfileIntFromText(text, "b", "k", 7), 7);
  EXPECT_EQ(ProfileIntFromText(text, "c", "k", 7), 7);
  EXPECT_EQ(ProfileIntFromText("k=1\n", "a", "k", 7), 7);
  EXPECT_EQ(ProfileIntFromText("[a]\nk=\n", "a", "k", 7), 7);
  EXPECT_EQ(ProfileIntFromText("[a]\nk\nk=1\n", "a", "k", 7), 7);
}

TEST(Profile, NamesIgnoreCaseAndBlanksAndTheFirstMatchWins) {
  const std::string text = "\xEF\xBB\xBF  [Window]  \r\n ; comment\r\n  FULLSCREEN =  1 \r\n";
  EXPECT_EQ(ProfileIntFromText(text, "window", "FullScreen", 0), 1);
  EXPECT_EQ(ProfileIntFromText("[a]\n;k=5\n", "a", "k", 0), 0);
  EXPECT_EQ(ProfileIntFromText("[a]\nk=1\nk=2\n[a]\nk=3\n", "a", "k", 0), 1);
  EXPECT_EQ(ProfileIntFromText("[a]\n[A]\nk=3\n", "a", "k", 9), 9);
}

TEST(Profile, ValuesReadLikeTheWindowsFunction) {
  auto value = [](const std::string& v) { return ProfileIntFromText("[s]\nk=" + v + "\n", "s", "k", 99); };
  EXPECT_EQ(value("12abc"), 12);
  EXPECT_EQ(value("abc"), 0);
  EXPECT_EQ(value("-4"), -4);
  EXPECT_EQ(value("\"3\""), 3);
  EXPECT_EQ(value("4294967297"), 1);  // wraps at 32 bits
}

TEST(Settings, FullScreenSwitchesInUtf8OrShiftJisSections) {
  TempDir dir;
  std::filesystem::create_directory(dir / "Data");
  const std::string cwd = dir.path().string();
  EXPECT_FALSE(ReadWindowFullScreen(cwd));

  WriteBytes(dir / "Setting.ini", "[ウィンドウモード]\r\nFullScreen=1\r\n");
  EXPECT_TRUE(ReadWindowFullScreen(cwd));
  // "フルスクリーン" as a Windows editor stores it.
  WriteBytes(dir / "Data/Setting.ini", "[\x83\x74\x83\x8B\x83\x58\x83\x4E\x83\x8A\x81\x5B\x83\x93]\nfullscreen=2\n");
  EXPECT_TRUE(ReadGameFullScreen(cwd));

  // The shipped files name both keys and ask for a window.
  EXPECT_EQ(GetPrivateProfileInt("ウィンドウモード", "FullScreen", 5, VEXHOP_SOURCE_DIR "/data/Setting.ini"), 0);
  EXPECT_EQ(GetPrivateProfileInt("フルスクリーン", "fullscreen", 5, VEXHOP_SOURCE_DIR "/data/Data/Setting.ini"), 0);
}
