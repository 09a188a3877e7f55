// A game recorded through the real input path (the pad record the game
// reads each step) plays back step for step through the replay runner.

#include <gtest/gtest.h>

#include "support/StageScenario.h"

namespace {

using RecordedRunTest = StageScenario;

TEST_F(RecordedRunTest, ARecordedGamePlaysBackStepForStep) {
  WriteShippedConfig(tree, 2);  // no clear menu: straight on to stage 2, with its spike
  Stage(Rows({{8, "W....#..n......W"}, {10, "W@...K.....N..DW"}, {11, kFloor}}));
  WriteStage(tree / "", 2, Rows({{10, "W@...1.........W"}, {11, kFloor}}));
  // Down to normal, a new game, then play: jump, build, walk to the door.
  const std::string played =
      "5 -\n1 2\n3 -\n1 2\n200 -\n30 R\n1 R+0\n20 R\n1 1\n40 -\n1 0\n60 R\n1 0+R\n200 R\n300 -\n200 R\n";
  TempDir dir;
  InputRecorder recorder;
  ASSERT_TRUE(recorder.Open(dir / "run.inp", "test run"));
  ReplayOptions options;
  options.title = true;
  Start(played, options);
  Game().GetInput()->SetRecorder(&recorder);
  Play(1400);
  recorder.Close("end");
  const std::vector<StepTrace> original = steps;
  ASSERT_EQ(original.back().stage, 2);  // the run got somewhere
  ASSERT_FALSE(original.back().noMiss);

  std::string error;
  const std::optional<InputScript> recording = ReadInputScript(dir / "run.inp", error);
  ASSERT_TRUE(recording) << error;
  run.reset();
  options.root = tree / "";
  run = std::make_unique<ReplayRun>(options, std::vector<InputScript>{*recording});
  steps.clear();
  Play(1400);
  for (size_t i = 0; i < original.size(); ++i) ASSERT_EQ(ToJson(steps[i]), ToJson(original[i])) << "step " << i + 1;
}

}  // namespace
