// Blocks deciding whether they stay, how they are drawn, and the background.

#include <gtest/gtest.h>

#include "actors/ItemHazards.h"
#include "stage/CBG.h"
#include "stage/CHardWall.h"
#include "stage/CWall.h"
#include "support/StageScenario.h"

namespace {

class WallTest : public StageScenario {
 protected:
  // A stage whose play runs, with the given row 5.
  void Playing(const std::string& row5) {
    Stage(Rows({{5, row5}, {11, kFloor}}));
    Start("");
    Play(kReady);
    steps.clear();
  }
  // Builds a block into cell (column, 5) as the player would and lets the
  // blocks move once.
  void BuildAt(int column) {
    new CWall(static_cast<float>(395 - 10 * column), 245, column, 5);
    Play(1);
  }
  int Walls() const { return Game().WallList->LiveCount(); }
  const std::vector<DrawRecord>& Drawn() const {
    return static_cast<RecordingDevice&>(*Game().GetDisplay()->GetDevice()).Draws();
  }
  std::vector<DrawRecord> Drawn(DrawKind kind) const {
    std::vector<DrawRecord> found;
    for (const DrawRecord& draw : Drawn()) {
      if (draw.kind == kind) found.push_back(draw);
    }
    return found;
  }
};

TEST_F(WallTest, ABlockIsRefusedSilentlyOverAnEnemyOrAWallBlockingItem) {
  for (const char* row : {"W..2...........W", "W..3...........W", "W..-...........W"}) {
    SCOPED_TRACE(row);
    Playing(row);
    BuildAt(3);
    EXPECT_EQ(Walls(), 0);
    EXPECT_TRUE(steps.back().se.empty());
  }
  Playing("W..1...........W");  // the plain spike lets blocks over it
  BuildAt(3);
  EXPECT_EQ(Walls(), 1);
  EXPECT_EQ(steps.back().se, std::vector<std::string>{"create.wav"});
}

TEST_F(WallTest, BuildingIntoABlockRemovesBothEvenOverAWallBlockingItem) {
  Stage(Rows({{5, "W..#...........W"}, {11, kFloor}}));
  Start("");
  Play(kReady);
  new CItem_Batu(365, 245);
  BuildAt(3);
  EXPECT_EQ(Walls(), 0);
  EXPECT_EQ(steps.back().se, std::vector<std::string>{"delete.wav"});
}

TEST_F(WallTest, ABlockBuiltIntoAHardBlockStaysAndLoadingIsSilent) {
  Playing("W..W...........W");
  BuildAt(3);
  EXPECT_EQ(Walls(), 1);
  Game().playing = false;
  BuildAt(5);
  EXPECT_EQ(Walls(), 2);
  EXPECT_TRUE(steps.back().se.empty());
}

TEST_F(WallTest, BlocksDrawOnTheirCellsRasterAndAStruckBlockShowsItsSecondFrame) {
  Stage(Rows({{11, "W..............#"}}));
  Start("");
  Play(1);
  const auto wallDraws = [this] {
    std::vector<DrawRecord> found;
    for (const DrawRecord& draw : Drawn(DrawKind::Quad)) {
      if (PictureOf(draw) == "wall.png" || PictureOf(draw) == "stone1.png") found.push_back(draw);
    }
    return found;
  };
  std::vector<DrawRecord> draws = wallDraws();
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_EQ((std::vector{draws[0].quad[0].x, draws[0].quad[0].y}), (std::vector<float>{750, 506}));
  EXPECT_EQ((std::vector{draws[1].quad[0].x, draws[1].quad[0].y}), (std::vector<float>{0, 506}));
  EXPECT_FLOAT_EQ(draws[0].quad[0].u, 0);
  EXPECT_FLOAT_EQ(draws[0].quad[1].u, 0.5f);
  TasksOf<CWall>(Game().WallList.get()).at(0)->hitCount = 1;
  Play(1);
  draws = wallDraws();
  EXPECT_FLOAT_EQ(draws[0].quad[0].u, 0.5f);  // the right half of the picture
  EXPECT_FLOAT_EQ(draws[0].quad[1].u, 1);
}

TEST_F(WallTest, TheBackgroundShowsTheModelOfTheStagesGroup) {
  // The scratch models number BG1 to BG5 as 22 to 26.
  for (const auto& [stage, model] : {std::pair{5, 24.0f}, {15, 23.0f}, {25, 22.0f}, {35, 25.0f}}) {
    SCOPED_TRACE(stage);
    Stage(Rows({}), "900", stage);
    ReplayOptions options;
    options.stage = stage;
    Start("", options);
    Play(1);
    const std::vector<DrawRecord> models = Drawn(DrawKind::Mesh);
    ASSERT_EQ(models.size(), 1u);
    EXPECT_FLOAT_EQ(models[0].mesh->vertices[0].position.x, model);
  }
  Game().world = 5;  // past the last group: nothing
  Play(1);
  EXPECT_TRUE(Drawn(DrawKind::Mesh).empty());
}

}  // namespace
