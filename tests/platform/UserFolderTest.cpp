#include "platform/UserFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"

namespace {

class UserFolderTest : public ::testing::Test {
 protected:
  UserFolderTest() {
    std::filesystem::create_directories(dir.path() / "tree/Data");
    WriteBytes(dir / "tree/Data/Config.ini", "0 1 2 3 4 5 6 7 8 9\r\n8 8\r\n0 0\r\n");
    WriteBytes(dir / "tree/Data/Setting.ini", "[x]\r\n");
  }
  std::string Tree() const { return dir / "tree/"; }
  std::string User() const { return dir / "user/"; }

  TempDir dir;
  int asked = 0;
};

TEST_F(UserFolderTest, AWritableTreeKeepsItsOwnFilesAndTheUsersFolderIsNotEvenAskedFor) {
  EXPECT_TRUE(CanWriteInto(dir / "tree/Data"));
  EXPECT_EQ(ChooseUserFolder(Tree(), [&] { return ++asked, User(); }), Tree());
  EXPECT_EQ(asked, 0);
  EXPECT_FALSE(std::filesystem::exists(User()));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "tree/Data"), {}), 2);  // no probe left
}

TEST_F(UserFolderTest, AReadOnlyTreeHandsOverToTheUsersFolderStartingFromTheShippedDefaults) {
  const auto readOnly = [](const std::string&) { return false; };
  std::filesystem::create_directories(dir.path() / "user/Data");
  WriteBytes(dir / "user/Data/Setting.ini", "mine\r\n");
  EXPECT_EQ(ChooseUserFolder(Tree(), [&] { return User(); }, readOnly), User());
  EXPECT_EQ(ReadBytes(dir / "user/Data/Config.ini"), "0 1 2 3 4 5 6 7 8 9\r\n8 8\r\n0 0\r\n");
  EXPECT_EQ(ReadBytes(dir / "user/Data/Setting.ini"), "mine\r\n");  // what the user has stays
  // No folder of the user's to be had: the tree it is, writes failing quietly.
  EXPECT_EQ(ChooseUserFolder(Tree(), [] { return std::string(); }, readOnly), Tree());
}

}  // namespace
