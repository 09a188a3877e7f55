// What users and their machines hand the game: broken, odd or hostile data
// files. None of it crashes the game or loses a saved file; each gets the
// game's quiet fallback (zeros, nothing drawn or played) or, for a model
// that cannot be read, the message and exit code 1.

#include <gtest/gtest.h>

#include <random>

#include "save/SaveData.h"
#include "scenes/CEvent_Title.h"
#include "stage/LoadStage.h"
#include "support/StageScenario.h"
#include "util/FileIO.h"

namespace {

class BadInputTest : public StageScenario {
 protected:
  // A new game at stage 1 played for `steps` steps with the player walking
  // and building; the last step's trace.
  StepTrace PlayStageOne(int steps = 600) {
    Start("160 -\n60 R\n1 0\n1 1\n100 L\n1 0\n200 R\n");
    Play(steps);
    return steps_back();
  }
  StepTrace steps_back() const { return steps.back(); }
};

std::string EveryByteValue() {
  std::string text;
  for (int row = 0; row < 16; ++row) {
    for (int column = 0; column < 16; ++column) text += static_cast<char>(row * 16 + column);
    text += "\n";
  }
  return text + "300\n";
}

std::string RandomBytes(size_t size) {
  std::mt19937 random(7);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  return bytes;
}

TEST_F(BadInputTest, StageFilesOfEveryKindLoadWithoutHarm) {
  std::string crowded;  // far more of each family than its pool holds
  for (int row = 0; row < 12; ++row) crowded += row % 2 ? "WWWWWWWWWWWWWWWW\n" : "####KDI2(&$%3-1J\n";
  for (int i = 0; i < 40; ++i) crowded += "################\n";
  const std::vector<std::pair<std::string, std::string>> stages = {
      {"empty", ""},
      {"binary", RandomBytes(4096)},
      {"ten megabytes", std::string(10 * 1024 * 1024, '#')},
      {"overlong line", "W@.............W\n" + std::string(5000, '#') + "\n################\n300\n"},
      {"every byte value", EveryByteValue()},
      {"crowded", crowded + "999\n"},
      {"time past the limit", "W@.............W\nWWWWWWWWWWWWWWWW\n99999999999999999999\n"},
  };
  for (const auto& [name, bytes] : stages) {
    SCOPED_TRACE(name);
    WriteBytes(tree / "stage/stage1.dat", bytes);
    const StepTrace last = PlayStageOne();
    EXPECT_LE(last.lists[1], 200);
    EXPECT_LE(last.lists[2], 200);
    EXPECT_LE(last.lists[3], 50);
    EXPECT_LE(last.lists[5], 50);
  }
}

TEST_F(BadInputTest, NumberFilesWithLettersOrExtremeNumbersReadAsTheGameCanUse) {
  Stage(Rows({{10, "W@..N..I.......W"}, {11, kFloor}}));
  const std::vector<std::pair<std::string, std::string>> configs = {
      {"letters", "a b c\r\nx y\r\nz\r\n"},
      {"key map past the buttons", "200 -5 999999 127 128 -1 2 3 4 5\r\n-3 50\r\n7 -1\r\n"},
      {"huge numbers", "99999999999999 1 2 3 4 5 6 7 8 9\r\n99999999999 -99999999999\r\n99999999999 99999\r\n"},
      {"missing lines", "0 1\r\n"},
  };
  for (const auto& [name, text] : configs) {
    SCOPED_TRACE(name);
    WriteBytes(tree / "Data/Config.ini", text);
    WriteBytes(tree / "Data/HiScore.ini", "abc 99999999999999999\r\n");
    const StepTrace last = PlayStageOne();
    EXPECT_EQ(last.stage, 1);
  }
}

// A hand-edited save near the integer limit: continuing and scoring does not
// wrap the score round to a negative number.
TEST_F(BadInputTest, AHugeScoreInASaveIsKeptWithinReach) {
  WriteBytes(tree / "Data/Save.ini", "1 2 2147483600 0 2147483600 1\r\n");
  const SaveData save = ReadSaveData(tree / "Data/Save.ini");
  EXPECT_EQ(save.score, 999999999);
  EXPECT_EQ(save.extendCount, 100000);
  Stage(Rows({{10, "W@.N.N.N.N.....W"}, {11, kFloor}}));
  ReplayOptions options;
  options.title = true;
  Start("1 D\n1 -\n1 2\n300 -\n200 R\n", options);
  Play(600);
  EXPECT_GT(steps.back().score, 999999999);
  EXPECT_GT(Game().extendCount, 0);
}

TEST_F(BadInputTest, SavesNamingNoPlayableStageAreNotContinued) {
  for (const char* save : {"0 2 0 0 1 1", "41 2 0 0 1 1", "99 2 0 0 1 1", "-3 2 0 0 1 1", "x y z", "\x01\x02"}) {
    SCOPED_TRACE(save);
    WriteBytes(tree / "Data/Save.ini", save);
    ReplayOptions options;
    options.title = true;
    Start("1 D\n1 -\n1 2\n", options);
    Play(80);
    EXPECT_EQ(steps.back().scenes, std::vector<std::string>{"CEvent_Title"});
    EXPECT_EQ(ReadBytes(tree / "Data/Save.ini"), save);  // nothing rewritten
  }
}

// The settings files are read from the current directory, as the game
// started from its tree reads them.
TEST_F(BadInputTest, OddSettingsFilesReadAsWindowMode) {
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(tree / "");
  for (const char* settings : {"[フルスクリーン]\r\nfullscreen=abc\r\n", "[[[\r\n=\r\nfullscreen\r\n", "\xFF\xFE\x00\x01",
                               "[Vexhop]\r\nScale=-7\r\n[ウィンドウモード]\r\nFullScreen=\r\n"}) {
    WriteBytes(tree / "Data/Setting.ini", settings);
    WriteBytes(tree / "Setting.ini", settings);
    Stage(Rows({{10, "W@.............W"}, {11, kFloor}}));
    const StepTrace last = PlayStageOne(200);
    EXPECT_EQ(last.stage, 1);
    EXPECT_FALSE(Game().fullScreen);
  }
  std::filesystem::current_path(before);
}

// Pictures, sounds and music that cannot be read draw and play nothing.
TEST_F(BadInputTest, BrokenPicturesSoundsAndMusicAreSilentlySkipped) {
  WriteBytes(tree / "Texture/wall.png", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR");
  WriteBytes(tree / "Texture/title.png", RandomBytes(3000));
  WriteBytes(tree / "Sound/jump.wav", "RIFF\x10\0\0\0WAVEfmt ");
  WriteBytes(tree / "BGM/Stage1.mid", "MThd\0\0\0\x06\0\x01\0\x05");
  Stage(Rows({{9, "W...#..........W"}, {10, "W@.............W"}, {11, kFloor}}));
  const StepTrace last = PlayStageOne();
  EXPECT_EQ(last.stage, 1);
}

// The disk refuses every write (a read-only or full Data folder): play goes
// on and what was saved before stays as it was.
TEST_F(BadInputTest, AFolderThatRefusesWritesStopsNoPlayAndLosesNothing) {
  WriteBytes(tree / "Data/HiScore.ini", "5000 12\r\n");
  WriteShippedConfig(tree, 1);  // save after every stage
  Stage(Rows({{10, "W@.K.D.........W"}, {11, kFloor}}));
  Stage(Rows({{10, "W@.1...........W"}, {11, kFloor}}), "900", 2);
  SetCommitStep([](const std::string&, const std::string&) { return false; });
  ReplayOptions options;
  options.life = 0;
  Start("160 -\n100 R\n200 -\n100 R\n", options);
  const StepTrace over = PlayUntil([](const StepTrace& s) { return s.HasEffect("CEffect_GameOver"); });
  SetCommitStep({});
  EXPECT_EQ(over.stage, 2);  // cleared stage 1 (an autosave refused), then lost on stage 2
  EXPECT_EQ(ReadBytes(tree / "Data/HiScore.ini"), "5000 12\r\n");
  EXPECT_FALSE(std::filesystem::exists(tree / "Data/Save.ini"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tree / "Data"), {}), 2);  // no temporary file left
}

TEST(BadInputDeathTest, ATruncatedModelEndsTheGameWithItsMessage) {
  ScratchTree tree;
  const std::string model = ReadBytes(tree / "Model/key.x");
  WriteBytes(tree / "Model/key.x", model.substr(0, model.size() / 2));
  EXPECT_EXIT(SessionHarness{tree}, ::testing::ExitedWithCode(1), "Xファイルが読み込めません");
}

}  // namespace
