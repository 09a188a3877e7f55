// The session hands freed memory back at its pauses: once after the first
// picture, and whenever a stage's play begins after the Ready banner.

#include <gtest/gtest.h>

#include "actors/CEffect_Ready.h"
#include "support/SessionHarness.h"

namespace {

class CountingPlatform final : public HeadlessPlatform {
 public:
  void ReturnFreedMemory() override { ++returns; }
  int returns = 0;
};

class FreedMemoryTest : public ::testing::Test {
 protected:
  ScratchTree tree;
  SessionHarness h{tree, std::make_unique<CountingPlatform>()};
  CZelGame& game = *h.game;
  int Returns() const { return static_cast<CountingPlatform&>(h.platform).returns; }
};

TEST_F(FreedMemoryTest, OnlyTheFirstPictureOfTheSessionReturnsMemory) {
  EXPECT_EQ(Returns(), 0);
  h.Step();
  EXPECT_EQ(Returns(), 1);
  h.Step(120);
  EXPECT_EQ(Returns(), 1);
}

TEST_F(FreedMemoryTest, EachStagesPlayBeginningReturnsMemoryOnce) {
  h.Step();
  for (int stage = 1; stage <= 2; ++stage) {
    new CEffect_Ready;
    h.Step(150);  // the banner's 150 frames
    EXPECT_EQ(Returns(), stage);
    h.Step();
    EXPECT_TRUE(game.playing);
    EXPECT_EQ(Returns(), stage + 1);
    h.Step(60);
    EXPECT_EQ(Returns(), stage + 1);
  }
}

}  // namespace
