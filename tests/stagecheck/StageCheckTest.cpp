#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StageCheck.h"
#include "util/TextFile.h"

namespace {

// A small sound stage: a floor, the player, a key and a door.
std::vector<std::string> SoundRows() {
  std::vector<std::string> rows(12, "W..............W");
  rows[0] = rows[11] = std::string(16, 'W');
  rows[10] = "W@.....K......DW";
  rows.push_back("90");
  return rows;
}

std::vector<std::string> Check(const std::vector<std::string>& rows) {
  std::string text;
  for (const std::string& row : rows) text += row + "\n";
  CTextFile file;
  file.SetText(text);
  return CheckStage(file);
}

// The one problem reported, or a note that there was not exactly one.
std::string OnlyProblem(const std::vector<std::string>& rows) {
  const std::vector<std::string> problems = Check(rows);
  if (problems.size() != 1) return std::to_string(problems.size()) + " problems";
  return problems.front();
}

std::vector<std::string> WithRow(std::vector<std::string> rows, int row, const std::string& text) {
  rows[static_cast<size_t>(row)] = text;
  return rows;
}

// Grid rows under the field before the time line: `count` full of one
// code, then one with `extraCells` of it.
std::vector<std::string> WithExtraRows(int count, char code, int extraCells = 0) {
  std::vector<std::string> rows = SoundRows();
  const std::string time = rows.back();
  rows.pop_back();
  for (int i = 0; i < count; ++i) rows.emplace_back(16, code);
  rows.emplace_back(static_cast<size_t>(extraCells), code);
  rows.push_back(time);
  return rows;
}

TEST(StageCheck, SoundStageHasNoProblems) {
  EXPECT_TRUE(Check(SoundRows()).empty());
  // A key hidden in a block is a key.
  EXPECT_TRUE(Check(WithRow(SoundRows(), 10, "W@.....k......DW")).empty());
}

TEST(StageCheck, ReportsAMissingPlayerDoorOrKey) {
  EXPECT_NE(OnlyProblem(WithRow(SoundRows(), 10, "W......K......DW")).find("no player"), std::string::npos);
  EXPECT_NE(OnlyProblem(WithRow(SoundRows(), 10, "W@.....K.......W")).find("no door"), std::string::npos);
  EXPECT_NE(OnlyProblem(WithRow(SoundRows(), 10, "W@............DW")).find("no key"), std::string::npos);
}

TEST(StageCheck, ReportsRowsWiderThanTheField) {
  EXPECT_EQ(OnlyProblem(WithRow(SoundRows(), 4, "W..............W..")), "row 4 is 18 cells wide; only the first 16 count");
  // Cells past the sixteenth create nothing: a door there is no door.
  EXPECT_EQ(Check(WithRow(SoundRows(), 10, "W@.....K.......WD")).size(), 2u);
}

TEST(StageCheck, CountsEachFamilyAgainstItsPool) {
  // The sound stage holds 52 hard blocks; 9 more rows of 16 make 196, 10 make 212.
  EXPECT_TRUE(Check(WithExtraRows(9, 'W')).empty());
  EXPECT_EQ(OnlyProblem(WithExtraRows(10, 'W')), "212 hard blocks, more than the 200 the game can hold");
  EXPECT_TRUE(Check(WithExtraRows(12, '#', 8)).empty());  // 200 breakable blocks fit
  EXPECT_EQ(OnlyProblem(WithExtraRows(12, '#', 9)), "201 breakable blocks, more than the 200 the game can hold");
  // A hidden disc is a block and an item: 48 + the key and the door make 50 items, then 51.
  EXPECT_TRUE(Check(WithExtraRows(3, 'i')).empty());
  EXPECT_EQ(OnlyProblem(WithExtraRows(3, 'i', 1)), "51 items, more than the 50 the game can hold");
  // The time line is a grid row too: the 3 of 300 is a spike.
  std::vector<std::string> spikeInTime = WithExtraRows(3, 'i');
  spikeInTime.back() = "300";
  EXPECT_EQ(OnlyProblem(spikeInTime), "51 items, more than the 50 the game can hold");
  EXPECT_EQ(OnlyProblem(WithExtraRows(3, '6', 3)), "51 enemies, more than the 50 the game can hold");
  // A hidden spring is a block and an enemy.
  EXPECT_EQ(Check(WithExtraRows(4, 'j')).size(), 1u);
}

TEST(StageCheck, NeedsATimeLineWithATime) {
  std::vector<std::string> noTimeLine = SoundRows();
  noTimeLine.pop_back();
  EXPECT_EQ(OnlyProblem(noTimeLine), "no time line: 12 lines, where 12 grid rows and a time line are 13");
  for (const char* time : {"0", "-20", "soon", ""}) {
    EXPECT_NE(OnlyProblem(WithRow(SoundRows(), 12, time)).find("gives no time"), std::string::npos) << time;
  }
  EXPECT_TRUE(Check(WithRow(SoundRows(), 12, "  90 units")).empty());
}

TEST(StageCheck, ReportsARisingGhostInTheTimeLine) {
  // The time line is also a grid row under the field: its 5 is a ghost that flies up into it.
  EXPECT_EQ(OnlyProblem(WithRow(SoundRows(), 12, "250")),
            "time line '250' places a rising ghost under the field ('5' or '%')");
}

}  // namespace
