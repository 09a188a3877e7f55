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
  PartialRedrawImageTest() { WriteBusyStage(tree.Path(), 12); }

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
  for (size_t i = 0; i < compared.size(); ++i) EXPECT_TRUE(inPart[i] == whole[i]) << "step " << compared[i];
}

}  // namespace
