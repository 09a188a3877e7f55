#include <gtest/gtest.h>

#include <vector>

#include "save/GameConfig.h"
#include "save/HiScore.h"
#include "save/SaveData.h"
#include "support/TempDir.h"

TEST(SaveData, WrittenThenReadGivesTheSameSixNumbers) {
  TempDir dir;
  const std::string path = dir / "Save.ini";
  ASSERT_TRUE(WriteSaveData(path, {12, 3, 4500, true, 1, false}));
  EXPECT_EQ(ReadBytes(path), "12 3 4500 1 1 0\r\n");
  const SaveData back = ReadSaveData(path);
  EXPECT_EQ((std::vector{back.stage, back.life, back.score, int{back.easyMode}, back.extendCount, int{back.noMiss}}),
            (std::vector{12, 3, 4500, 1, 1, 0}));

  WriteBytes(path, "7 2 100 5 0 -1 junk\n");  // any non-zero flag is true
  EXPECT_TRUE(ReadSaveData(path).easyMode);
  EXPECT_TRUE(ReadSaveData(path).noMiss);
}

TEST(SaveData, ContinueNeedsAPlayableStageAndLives) {
  TempDir dir;
  EXPECT_FALSE(CanContinue(ReadSaveData(dir / "missing.ini")));
  EXPECT_TRUE(CanContinue({1, 0, 0, false, 0, false}));
  EXPECT_TRUE(CanContinue({40, 2, 0, false, 0, false}));
  EXPECT_FALSE(CanContinue({41, 2, 0, false, 0, false}));
  EXPECT_FALSE(CanContinue({5, -1, 0, false, 0, false}));
}

TEST(HiScore, RecordTakesScoresAndStagesThatReachIt) {
  TempDir dir;
  const std::string path = dir / "HiScore.ini";
  WriteBytes(path, "5000 12\r\n");
  HiScore record = ReadHiScore(path);
  UpdateHiScore(record, 4800, 14);
  ASSERT_TRUE(WriteHiScore(path, record));
  EXPECT_EQ(ReadBytes(path), "5000 14\r\n");

  UpdateHiScore(record, 5000, 3);  // a tie is taken; a lower stage is not
  EXPECT_EQ(record.hiScore, 5000);
  EXPECT_EQ(record.bestStage, 14);
  EXPECT_EQ(ReadHiScore(dir / "missing.ini").bestStage, 0);
}

TEST(GameConfig, OptionSceneWritesTheFixedKeyLineShape) {
  TempDir dir;
  const std::string path = dir / "Config.ini";
  ASSERT_TRUE(WriteConfig(path, {0, 2, 7, 10, 1, 8}));
  EXPECT_EQ(ReadBytes(path), "0 2 2 2 8 2 2 2 8 2\r\n7 10\r\n1 8\r\n");
  const GameConfig read = ReadGameConfig(path);
  EXPECT_EQ(read.keyMap, (std::array<int, kKeyMapSize>{0, 2, 2, 2, 8, 2, 2, 2, 8, 2}));
  EXPECT_EQ(read.seVolume, 10);
  EXPECT_EQ(read.hudPanel, 8);

  // In memory, entries 4, 8 and 9 keep their values until the next start.
  GameConfig running;
  running.keyMap = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  ApplyConfigEdit(running, {3, 5, 2, 4, 2, 6});
  EXPECT_EQ(running.keyMap, (std::array<int, kKeyMapSize>{3, 5, 5, 5, 4, 5, 5, 5, 8, 9}));
  EXPECT_EQ(running.saveMode, 2);
}

TEST(GameConfig, MissingValuesReadAsZeroAndOddOnesAsTheyStand) {
  TempDir dir;
  const std::string path = dir / "Config.ini";
  WriteBytes(path, "0 1 2 3 4 5 6 7 8 9\n");
  const GameConfig keysOnly = ReadGameConfig(path);
  EXPECT_EQ(keysOnly.keyMap[9], 9);
  EXPECT_EQ(keysOnly.bgmVolume, 0);
  EXPECT_EQ(keysOnly.hudPanel, 0);
  EXPECT_EQ(ReadGameConfig(dir / "missing.ini").keyMap, (std::array<int, kKeyMapSize>{}));

  WriteBytes(path, "200 -1\n15 -3\n9 12\n");
  const GameConfig odd = ReadGameConfig(path);
  EXPECT_EQ(odd.keyMap[1], -1);
  EXPECT_EQ(odd.keyMap[2], 0);
  EXPECT_EQ(odd.bgmVolume, 15);
  EXPECT_EQ(odd.hudPanel, 12);

  const GameConfig shipped = ReadGameConfig(VEXHOP_SOURCE_DIR "/data/Data/Config.ini");
  EXPECT_EQ(shipped.keyMap[2], 2);
  EXPECT_EQ(shipped.bgmVolume, 8);
}
