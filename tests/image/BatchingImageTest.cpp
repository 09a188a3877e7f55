// Every scene with the real assets, drawn once with its screen quads in
// batches and once with a draw call per quad, as the original device drew
// them: the pictures must be the same to the last bit, with fewer calls.

#include <gtest/gtest.h>

#include "ReplayRun.h"
#include "game/CZelGame.h"
#include "platform/GlDevice.h"
#include "platform/RepeatedFrameFilter.h"
#include "stage/LoadStage.h"
#include "support/LinkedTree.h"
#include "support/StageScenario.h"

namespace {

class BatchingImageTest : public ::testing::Test {
 protected:
  BatchingImageTest() {
    WriteBytes(tree / "Data/HiScore.ini", "123450 27\r\n");
    WriteBusyStage(tree.Path(), 12);
  }

  // A run from the start, drawn with the GL device, batching or not from its
  // first frame: two runs with the same input then draw the same frames
  // (some objects change as they are drawn, so a frame cannot simply be drawn
  // twice).
  void Play(bool batched, const std::string& script, int steps, int stage = 0) {
    ReplayOptions options;
    options.root = tree.Path();
    options.title = stage == 0;
    options.stage = stage;
    options.life = 2;
    options.shots.push_back({steps, "unused.png"});  // draws with the GL device
    run.reset();
    run = std::make_unique<ReplayRun>(options, std::vector<InputScript>{*ParseInputScriptOrDie(script)});
    Device().SetQuadBatching(batched);
    for (int i = 0; i < steps; ++i) run->Step();
  }

  GlDevice& Device() const {
    return static_cast<GlDevice&>(static_cast<RepeatedFrameFilter*>(run->Game().GetDisplay()->GetDevice())->Inner());
  }

  // The last frame of `play` drawn both ways: the same picture with fewer calls.
  template <typename PlayTo>
  void ExpectSamePictureBothWays(const char* scene, PlayTo playTo) {
    playTo(false);
    const std::vector<uint32_t> expected = Device().ReadBackBuffer();
    const int callsOneByOne = Device().LastFrameCounts().drawCalls;
    playTo(true);
    EXPECT_TRUE(Device().ReadBackBuffer() == expected) << scene;
    EXPECT_LT(Device().LastFrameCounts().drawCalls, callsOneByOne) << scene;
  }

  LinkedTree tree;
  std::unique_ptr<ReplayRun> run;
};

TEST_F(BatchingImageTest, TitleAndOptionScenes) {
  ExpectSamePictureBothWays("title", [&](bool batched) { Play(batched, "5 -\n", 10); });
  WriteBytes(tree / "Data/Config.ini", "0 1 2 3 4 5 6 7 8 9\r\n6 9\r\n1 4\r\n");
  ExpectSamePictureBothWays("option", [&](bool batched) { Play(batched, "1 U\n1 -\n1 2\n80 -\n", 90); });
}

TEST_F(BatchingImageTest, AStageUnderItsReadyBannerAndInPlay) {
  ExpectSamePictureBothWays("ready banner", [&](bool batched) { Play(batched, "", 40, 12); });
  ExpectSamePictureBothWays("in play", [&](bool batched) { Play(batched, "160 -\n30 R\n1 0\n", 240, 12); });
}

TEST_F(BatchingImageTest, EndingsWithTheirTexts) {
  for (int stage : {31, 41}) {
    ExpectSamePictureBothWays(stage == 31 ? "ending" : "all clear", [&](bool batched) {
      Play(batched, "", 1, 12);
      run->Game().score = 40000;
      LoadStage(stage);
      for (int i = 0; i < 5; ++i) run->Step();
    });
  }
}

}  // namespace
