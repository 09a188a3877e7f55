#include "input/InputRecorder.h"

#include <gtest/gtest.h>

#include "input/InputScript.h"
#include "support/TempDir.h"

namespace {

PadState Holding(bool right, int button = -1) {
  PadState pad;
  pad.right = right;
  if (button >= 0) pad.button[button] = 1;
  return pad;
}

TEST(InputRecorderTest, WritesRunsOfEqualStepsInTheReplayFormatAtMostASecondLong) {
  TempDir dir;
  InputRecorder recorder;
  ASSERT_TRUE(recorder.Open(dir / "run.inp", "Vexhop 1.0.0 run, started at the title"));
  for (int i = 0; i < 150; ++i) recorder.Record(PadState{});
  recorder.Record(Holding(true, 0));
  for (int i = 0; i < 20; ++i) recorder.Record(Holding(true));
  // Everything but the run still going is on disk already.
  EXPECT_EQ(ReadBytes(dir / "run.inp"), "# Vexhop 1.0.0 run, started at the title\n60 -\n60 -\n30 -\n1 R+0\n");
  recorder.Close("ended after 171 steps");
  EXPECT_EQ(recorder.Steps(), 171);
  const std::string text = ReadBytes(dir / "run.inp");
  EXPECT_EQ(text.substr(text.find("1 R+0")), "1 R+0\n20 R\n# ended after 171 steps\n");

  std::string error;
  const std::optional<InputScript> script = ReadInputScript(dir / "run.inp", error);
  ASSERT_TRUE(script) << error;
  EXPECT_EQ(script->TotalSteps(), 171);
}

TEST(InputRecorderTest, AFileThatCannotBeMadeIsRefused) {
  InputRecorder recorder;
  EXPECT_FALSE(recorder.Open("/nonexistent/folder/run.inp", "x"));
  recorder.Record(PadState{});  // harmless
  EXPECT_FALSE(recorder.IsOpen());
}

}  // namespace
