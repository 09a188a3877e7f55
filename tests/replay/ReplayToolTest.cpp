// The replay tool's contracts: its command line, the input format, the
// trace's shape and the tool's exit status.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "input/InputScript.h"
#include "ReplayOptions.h"
#include "StepTrace.h"
#include "platform/ImageFile.h"
#include "support/StageScenario.h"

namespace {

std::optional<ReplayOptions> Parse(const std::vector<std::string>& args, std::string& error) {
  return ParseReplayOptions(args, error);
}

TEST(ReplayOptionsTest, ReadsEveryOption) {
  std::string error;
  const auto options = Parse({"--root", "T", "--stage", "12", "--easy", "--life", "4", "--score", "900", "--input",
                              "a.inp", "b.inp", "--steps", "30", "--until", "miss", "--trace", "t.jsonl", "--summary",
                              "--shot", "5:a.png", "7:b.png"},
                             error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->root, "T");
  EXPECT_EQ(options->stage, 12);
  EXPECT_TRUE(options->easy);
  EXPECT_EQ(options->life, 4);
  EXPECT_EQ(options->score, 900);
  EXPECT_EQ(options->inputs, (std::vector<std::string>{"a.inp", "b.inp"}));
  EXPECT_EQ(options->steps, 30);
  EXPECT_EQ(options->until, Until::Miss);
  EXPECT_EQ(options->trace, "t.jsonl");
  EXPECT_TRUE(options->summary);
  ASSERT_EQ(options->shots.size(), 2u);
  EXPECT_EQ(options->shots[1].step, 7);
  EXPECT_EQ(options->shots[1].file, "b.png");
}

TEST(ReplayOptionsTest, RefusesWhatItCannotUseWithAOneLineReason) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--stage", "3"}, "--root DIR is required"},
      {{"--root", "T", "--stage", "x"}, "--stage needs a whole number, not 'x'"},
      {{"--root", "T", "--until", "later"}, "--until takes clear, miss, gameover or title, not 'later'"},
      {{"--root", "T", "--shot", "0:a.png"}, "--shot takes STEP:FILE.png with STEP from 1, not '0:a.png'"},
      {{"--root", "T", "--title", "--stage", "2"}, "--title cannot be combined with --stage, --easy, --life or --score"},
      {{"--root", "T", "--fast"}, "unknown option '--fast'"},
      {{"--root"}, "--root needs a value"},
  };
  for (const auto& [args, message] : cases) {
    std::string error;
    EXPECT_FALSE(Parse(args, error));
    EXPECT_EQ(error, message);
  }
}

TEST(InputScriptTest, ReadsCountsAndKeysSkippingCommentsAndBlankLines) {
  std::string error;
  const auto script = ParseInputScript("# warm-up\n150 -\n\n1 R+0   # jump right\n20 L+U+D+32\n", "s.inp", error);
  ASSERT_TRUE(script) << error;
  ASSERT_EQ(script->entries.size(), 3u);
  EXPECT_EQ(script->TotalSteps(), 171);
  const PadHold& jump = script->entries[1].hold;
  EXPECT_TRUE(jump.right && jump.buttons[0] && !jump.left);
  EXPECT_EQ(KeysText(script->entries[2].hold), "U+D+L+32");
  EXPECT_EQ(KeysText(script->entries[0].hold), "-");
}

TEST(InputScriptTest, NamesTheFileAndLineOfAMistake) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"10 -\n0 R\n", "s.inp:2: step count '0' is not a whole number of at least 1"},
      {"10 -\n\n5 R+X\n", "s.inp:3: unknown key 'X' (use U, D, L, R, 0 to 32, joined by +, or -)"},
      {"5 33\n", "s.inp:1: unknown key '33' (use U, D, L, R, 0 to 32, joined by +, or -)"},
      {"5\n", "s.inp:1: expected COUNT KEYS"},
      {"5 R L\n", "s.inp:1: expected COUNT KEYS"},
      {"5 R+\n", "s.inp:1: empty key in 'R+'"},
  };
  for (const auto& [text, message] : cases) {
    std::string error;
    EXPECT_FALSE(ParseInputScript(text, "s.inp", error));
    EXPECT_EQ(error, message);
  }
  std::string error;
  EXPECT_FALSE(ReadInputScript("/nonexistent/run.inp", error));
  EXPECT_EQ(error, "/nonexistent/run.inp: cannot be read");
}

TEST(StepTraceTest, WritesTheFieldsInTheirOrderWithRoundTrippingFloats) {
  StepTrace t;
  t.step = 1;
  t.stage = 1;
  t.time = 300;
  t.timeRate = 10;
  t.life = 2;
  t.extendCount = 1;
  t.readyShowing = t.noMiss = true;
  t.player = PlayerTrace{375, 262.1f, false, 0};
  const int lists[8] = {1, 40, 30, 3, 1, 2, 0, 1};
  std::copy(std::begin(lists), std::end(lists), t.lists);
  t.effects = {"CEffect_Ready"};
  t.se = {"jump.wav", "閉める.wav"};
  t.bgm = "Stage1.mid";
  t.bgmPlaying = true;
  EXPECT_EQ(ToJson(t),
            "{\"step\":1,\"stage\":1,\"world\":0,\"time\":300,\"timeRate\":10,\"score\":0,\"hiScore\":0,"
            "\"bestStage\":0,\"life\":2,\"extendCount\":1,\"miss\":false,\"stageClear\":false,\"teardown\":false,"
            "\"keyTaken\":false,\"playing\":false,\"readyShowing\":true,\"eventActive\":false,"
            "\"optionActive\":false,\"easyMode\":false,\"noMiss\":true,"
            "\"player\":{\"x\":375.0,\"y\":262.1,\"onGround\":false,\"animState\":0},"
            "\"lists\":{\"player\":1,\"wall\":40,\"hardWall\":30,\"item\":3,\"effect\":1,\"enemy\":2,\"event\":0,"
            "\"background\":1},\"scenes\":[],\"effects\":[\"CEffect_Ready\"],\"se\":[\"jump.wav\",\"閉める.wav\"],"
            "\"bgm\":\"Stage1.mid\",\"bgmPlaying\":true}");
  t.player.reset();
  t.bgm.reset();
  const std::string json = ToJson(t);
  EXPECT_NE(json.find("\"player\":null"), std::string::npos);
  EXPECT_NE(json.find("\"bgm\":null"), std::string::npos);
}

// The tool itself, run as a user runs it.
class ReplayCommandTest : public ::testing::Test {
 protected:
  ReplayCommandTest() {
    WriteShippedConfig(tree);
    WriteStage(tree / "", 1, Rows({{10, "W@.K.D.........W"}, {11, kFloor}}), "300");
  }
  // Exit status; standard output and error land in `out`.
  int Replay(const std::string& args) {
    const std::string outFile = dir / "out.txt";
    const int status = std::system((std::string(VEXHOP_REPLAY) + " " + args + " >" + outFile + " 2>&1").c_str());
    out = ReadBytes(outFile);
    return WEXITSTATUS(status);
  }
  std::string Root() const { return "--root " + tree / ""; }

  ScratchTree tree;
  TempDir dir;
  std::string out;
};

TEST_F(ReplayCommandTest, ClearsAStageAndSummarisesTheLastStep) {
  const std::string input = dir.Write("walk.inp", "160 -\n100 R\n");
  EXPECT_EQ(Replay(Root() + " --stage 1 --input " + input + " --until clear --summary --trace " + (dir / "t.jsonl")), 0);
  EXPECT_NE(out.find("\"stageClear\":true"), std::string::npos) << out;
  EXPECT_NE(out.find("\"keyTaken\":true"), std::string::npos);
  const std::string trace = ReadBytes(dir / "t.jsonl");
  EXPECT_EQ(trace.substr(0, 10), "{\"step\":1,");
  EXPECT_EQ(trace.back(), '\n');
  EXPECT_EQ(trace.substr(trace.rfind('\n', trace.size() - 2) + 1), out);  // the summary is the last line
}

TEST_F(ReplayCommandTest, WithoutStepsOrConditionItRunsSixHundredStepsPastTheInput) {
  const std::string input = dir.Write("wait.inp", "20 -\n");
  EXPECT_EQ(Replay(Root() + " --input " + input + " --summary"), 0);
  EXPECT_NE(out.find("{\"step\":620,"), std::string::npos) << out;
  // A second input waits for a next stage that never comes: the run still ends.
  EXPECT_EQ(Replay(Root() + " --title --input " + input + " --input " + input + " --until clear --summary"), 0);
  EXPECT_NE(out.find("{\"step\":620,"), std::string::npos) << out;
  EXPECT_EQ(Replay(Root() + " --title --steps 3 --summary"), 0);
  EXPECT_NE(out.find("{\"step\":3,"), std::string::npos) << out;
  EXPECT_NE(out.find("\"scenes\":[\"CEvent_Title\"]"), std::string::npos) << out;
}

TEST_F(ReplayCommandTest, BadArgumentsAndBadInputEndWithStatusTwoAndAOneLineMessage) {
  EXPECT_EQ(Replay(Root() + " --until soon"), 2);
  EXPECT_NE(out.find("vexhop-replay: --until takes clear, miss, gameover or title, not 'soon'\n"), std::string::npos);
  const std::string input = dir.Write("bad.inp", "150 -\n3 jump\n");
  EXPECT_EQ(Replay(Root() + " --input " + input), 2);
  EXPECT_NE(out.find(input + ":2: unknown key 'jump'"), std::string::npos) << out;
  EXPECT_EQ(Replay(Root() + " --input " + (dir / "missing.inp")), 2);
  EXPECT_NE(out.find("missing.inp: cannot be read"), std::string::npos) << out;
  EXPECT_EQ(Replay("--root " + (dir / "nowhere") + " --steps 1"), 2);
}

TEST_F(ReplayCommandTest, AStageOfEveryCellCodePlaysAndIsDrawn) {
  WriteStage(tree / "", 2,
             Rows({{0, kFloor}, {1, "W#@KkDTtFfSsIiNW"}, {3, "WnUuJj-12345%6&W"}, {5, "W78(..........DW"},
                   {7, "W..###...WWW...W"}, {10, "W..............W"}, {11, kFloor}}),
             "600");
  const std::string input = dir.Write("play.inp", "160 -\n40 R\n1 0\n30 L\n1 1\n200 R\n");
  const std::string shot = dir / "every-code.png";
  EXPECT_EQ(Replay(Root() + " --stage 2 --input " + input + " --steps 320 --shot 300:" + shot + " --summary"), 0)
      << out;
  EXPECT_NE(out.find("{\"step\":320,"), std::string::npos) << out;
  const std::optional<Image> image = LoadImageFile(shot);
  ASSERT_TRUE(image);
  EXPECT_EQ((std::vector{image->width, image->height}), (std::vector{800, 600}));
}

TEST_F(ReplayCommandTest, AShotIsThePictureOfThatStep) {
  const std::string shot = dir / "ready.png";
  EXPECT_EQ(Replay(Root() + " --steps 60 --shot 60:" + shot), 0) << out;
  const std::optional<Image> image = LoadImageFile(shot);
  ASSERT_TRUE(image);
  EXPECT_EQ((std::vector{image->width, image->height}), (std::vector{800, 600}));
  EXPECT_EQ(image->At(400, 150) & 0xFFFFFF, 0xFFFFFFu);  // the white Ready picture of the scratch tree
  EXPECT_EQ(image->At(100, 300) & 0xFFFFFF, 0x8080C8u);  // the sky behind the stage
  EXPECT_EQ(image->At(10, 580) & 0xFFFFFF, 0xFFFFFFu);   // the white band picture
}

}  // namespace
