// Play depends on nothing but the pad record of each step: not on how many
// pictures are drawn between steps (a slow machine catching up draws one
// picture for several steps, a fast one may draw more), nor on the clock or
// the random generator.

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/StageScenario.h"

namespace {

// A busy stage: spawners, walkers, a drill, pick-ups, blocks to strike and
// to build on.
const std::vector<std::string> kBusyStage = Rows({
    {1, "W..$.......%...W"},
    {3, "W...###..N..#..W"},
    {5, "W.........6....W"},
    {7, "W..i....WW..I..W"},
    {9, "W.&...7....(...W"},
    {10, "W@...K....J...DW"},
    {11, kFloor},
});
const char* const kScript =
    "160 -\n30 R\n1 R+0\n40 R\n1 1\n30 -\n1 1+D\n40 L\n1 0\n20 L\n1 0\n60 R\n1 1\n200 R\n1 0\n100 L\n";

// What a step leaves in the game, without the sounds (which a picture drawn
// between steps does not take).
std::string LogicOf(StepTrace trace) {
  trace.se.clear();
  return ToJson(trace);
}

class DeterminismTest : public StageScenario {
 protected:
  // Runs the script with `moves` logic steps between pictures (0: two
  // pictures per step) and returns the logic of each step.
  std::vector<std::string> Run(int moves, unsigned seed) {
    Stage(kBusyStage);
    Start(kScript);
    std::srand(seed);
    std::vector<std::string> logic;
    CZelGame& game = Game();
    for (int step = 1; step <= 1200;) {
      for (int i = 0; i < std::max(moves, 1); ++i, ++step) {
        game.Move();
        logic.push_back(LogicOf(TakeStepTrace(step, game, run->Audio())));
      }
      game.RenderFrame();
      if (moves == 0) game.RenderFrame();
    }
    return logic;
  }
};

TEST_F(DeterminismTest, TheSameInputPlaysTheSameHoweverOftenPicturesAreDrawn) {
  const std::vector<std::string> reference = Run(1, 1);
  for (const auto& [moves, seed] : {std::pair{2, 1u}, {3, 77u}, {0, 12345u}}) {
    SCOPED_TRACE(::testing::Message() << moves << " steps per picture, seed " << seed);
    const std::vector<std::string> logic = Run(moves, seed);
    ASSERT_EQ(logic.size(), reference.size());
    for (size_t i = 0; i < logic.size(); ++i) ASSERT_EQ(logic[i], reference[i]) << "step " << i + 1;
  }
  // The script did something worth comparing.
  EXPECT_NE(reference[kReady], reference.back());
}

}  // namespace
