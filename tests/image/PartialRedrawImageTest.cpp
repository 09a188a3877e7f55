// A stage in play, drawn once as the game draws it (each frame only where it
// changed, over the picture before) and once whole every frame: the pictures
// must be the same to the last bit at every step compared.

#include <gtest/gtest.h>

#include "ReplayRun.h"
#include "game/CZelGame.h"
#include "platform/RepeatedFrameFilter.h"
#include "support/LinkedTree.h"
#include "support/StageScenario.h"

namespace {

class PartialRedrawImageTest : public ::testing::Test {
 protected:
  PartialRedrawImageTest() {
    WriteStage(tree.Path(), 12,
               Rows({{0, "WWWWWWWWWWWWWWWW"}, {1, "W..i##n##t##..KW"}, {2, "W.####.##.####.W"},
                     {3, "W..4....5....6.W"}, {4, "W#i###.##.###n#W"}, {5, "W...2..T..3..I.W"},
                     {6, "W.WWWW#WW#WWWW.W"}, {7, "W.N..8....7..f.W"}, {8, "W##s###..###u##W"},
                     {9, "W......-.....(.W"}, {10, "W@..1.......3.DW"}, {11, kFloor}}),
               "400");
  }

  // The pictures at the steps in `compared`, every frame drawn in part or whole.
  std::vector<std::vector<uint32_t>> Play(bool whole, const std::vector<int>& compared) {
    ReplayOptions options;
    options.root = tree.Path();
    options.stage = 12;
    options.life = 2;
    options.shots.push_back({compared.back(), "unused.png"});  // draws with the GL device
    // Waits out the banner, walks, jumps, builds and breaks a block, walks back.
    ReplayRun run(options, {*ParseInputScriptOrDie("150 -\n20 R\n1 R+0\n15 R\n1 1\n10 -\n1 0\n30 L\n20 -\n")});
    auto& filter = *static_cast<RepeatedFrameFilter*>(run.Game().GetDisplay()->GetDevice());
    std::vector<std::vector<uint32_t>> pictures;
    for (int step = 1; step <= compared.back(); ++step) {
      if (whole) filter.ForgetLastFrame();
      run.Step();
      if (std::find(compared.begin(), compared.end(), step) != compared.end())
        pictures.push_back(filter.Inner().ReadBackBuffer());
    }
    partFrames = filter.FramesDrawnInPart();
    return pictures;
  }

  LinkedTree tree;
  int partFrames = 0;
};

TEST_F(PartialRedrawImageTest, FramesDrawnWhereTheyChangedMatchFramesDrawnWhole) {
  const std::vector<int> compared = {40, 151, 160, 171, 180, 190, 200, 215, 230, 248};
  const auto whole = Play(true, compared);
  EXPECT_EQ(partFrames, 0);
  const auto inPart = Play(false, compared);
  EXPECT_GT(partFrames, 200);
  for (size_t i = 0; i < compared.size(); ++i)
    EXPECT_TRUE(inPart[i] == whole[i]) << "step " << compared[i];
}

}  // namespace
