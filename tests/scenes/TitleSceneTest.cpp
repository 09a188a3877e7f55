// The title: its menus, once-per-press input, and the hand-overs to a new
// game, a continued game and the option scene.

#include <gtest/gtest.h>

#include "scenes/CEvent_Title.h"
#include "support/StageScenario.h"

namespace {

class TitleSceneTest : public StageScenario {
 protected:
  TitleSceneTest() { Stage(Rows({{10, "W@.............W"}, {11, kFloor}})); }

  void StartAtTitle(const std::string& script) {
    ReplayOptions options;
    options.title = true;
    Start(script, options);
  }
  CEvent_Title* Title() const {
    const auto scenes = TasksOf<CEvent>(Game().EventList.get());
    return scenes.empty() ? nullptr : dynamic_cast<CEvent_Title*>(scenes.front());
  }
};

TEST_F(TitleSceneTest, StartsAFreshGameStateWithTheTitleMusic) {
  StartAtTitle("");
  Play(1);
  const StepTrace s = At(1);
  EXPECT_EQ((std::vector{s.life, s.score, s.time, s.timeRate, s.extendCount}), (std::vector{-1, 0, 0, 10, 1}));
  EXPECT_TRUE(s.noMiss && !s.miss && !s.optionActive && s.eventActive);
  EXPECT_EQ(s.bgm, "title.mid");
}

TEST_F(TitleSceneTest, EachPressMovesTheCursorOnceAndItWraps) {
  // Down, down (row 2), down (wraps to 0), up (wraps to 2), then up and
  // down together (no move, two sounds).
  StartAtTitle("2 -\n3 D\n1 -\n1 D\n1 -\n1 D\n1 -\n1 U\n1 -\n1 U+D\n");
  std::vector<int32_t> cursors;
  for (int i = 0; i < 13; ++i) {
    Play(1);
    cursors.push_back(Title()->cursor);
  }
  EXPECT_EQ(cursors, (std::vector<int32_t>{0, 0, 1, 1, 1, 1, 2, 2, 0, 0, 2, 2, 2}));
  EXPECT_EQ(CountSound("cursor.wav"), 6);
}

TEST_F(TitleSceneTest, DecideOpensTheDifficultyMenuOnNormalAndCancelReturnsToTheTop) {
  StartAtTitle("1 -\n1 2\n1 -\n1 0\n");
  Play(2);
  EXPECT_TRUE(Title()->inDifficulty);
  EXPECT_EQ(Title()->cursor, 1);
  EXPECT_EQ(At(2).se, std::vector<std::string>{"deside.wav"});
  Play(2);
  EXPECT_FALSE(Title()->inDifficulty);
  EXPECT_EQ(Title()->cursor, 0);
}

// The press is in step 3; the fade starts with it and the game 59 steps later.
TEST_F(TitleSceneTest, ANewGameStartsSixtyStepsAfterTheChoiceWithSixOrTwoLives) {
  for (const bool easy : {true, false}) {
    SCOPED_TRACE(easy ? "easy" : "normal");
    StartAtTitle(easy ? "1 2\n1 -\n1 U\n1 -\n100 2\n" : "1 2\n1 -\n100 2\n");
    const int press = easy ? 5 : 3;
    Play(press + 59);
    EXPECT_TRUE(At(press).HasEffect("CEffect_Fade"));
    EXPECT_EQ(At(press + 58).scenes, std::vector<std::string>{"CEvent_Title"});
    const StepTrace started = At(press + 59);
    EXPECT_TRUE(started.scenes.empty());
    EXPECT_EQ((std::vector{started.stage, started.life}), (std::vector{1, easy ? 6 : 2}));
    EXPECT_EQ(started.easyMode, easy);
    EXPECT_EQ(started.bgm, "Stage1.mid");
    // The decide button still held is not seen for the rest of that step.
    EXPECT_EQ(Game().pad->button[2], 0);
  }
}

TEST_F(TitleSceneTest, ContinueResumesTheSavedGameWithItsGroupsMusic) {
  WriteBytes(tree / "Data/Save.ini", "12 3 4500 1 1 0\r\n");
  Stage(Rows({{10, "W@.............W"}, {11, kFloor}}), "900", 12);
  StartAtTitle("1 D\n1 -\n1 2\n");
  Play(3 + 59);
  const StepTrace resumed = steps.back();
  EXPECT_EQ((std::vector{resumed.stage, resumed.life, resumed.score, resumed.extendCount}),
            (std::vector{12, 3, 4500, 1}));
  EXPECT_TRUE(resumed.easyMode);
  EXPECT_FALSE(resumed.noMiss);
  EXPECT_EQ(resumed.bgm, "Stage2.mid");
  EXPECT_EQ(resumed.time, 1800);
  EXPECT_EQ(resumed.lists[0], 1);
}

TEST_F(TitleSceneTest, ContinueWithoutAUsableSaveIsRefused) {
  for (const char* save : {"", "0 2 100 0 1 1\r\n", "41 2 100 0 1 1\r\n", "5 -1 100 0 1 1\r\n"}) {
    SCOPED_TRACE(save);
    if (*save) WriteBytes(tree / "Data/Save.ini", save);
    StartAtTitle("1 D\n1 -\n1 2\n");
    Play(80);
    EXPECT_EQ(At(3).se, std::vector<std::string>{"cursor.wav"});
    EXPECT_EQ(steps.back().scenes, std::vector<std::string>{"CEvent_Title"});
    EXPECT_FALSE(Title()->starting);
  }
}

TEST_F(TitleSceneTest, OptionOpensSixtyStepsAfterTheChoice) {
  StartAtTitle("1 U\n1 -\n1 2\n");
  Play(3 + 59);
  EXPECT_EQ(At(3 + 58).scenes, std::vector<std::string>{"CEvent_Title"});
  EXPECT_EQ(steps.back().scenes, std::vector<std::string>{"CEvent_Option"});
  EXPECT_TRUE(steps.back().optionActive);
  EXPECT_EQ(steps.back().bgm, "Option.mid");
}

// After Option the menu still answers; a start chosen then shares the
// step counter, which both hand-overs advance: whichever brings it to
// exactly 60 wins, so the outcome follows the step of the second choice.
TEST_F(TitleSceneTest, AStartChosenDuringTheOptionHandOverSharesItsCounter) {
  WriteBytes(tree / "Data/Save.ini", "1 2 0 0 1 1\r\n");
  struct Case {
    int wait;  // steps between the two choices' presses
    const char* winner;
  };
  for (const Case& c : {Case{4, "CEvent_Option"}, Case{5, ""}}) {
    SCOPED_TRACE(c.wait);
    // Option (row 2) at step 3, up to Continue, decide.
    StartAtTitle("1 U\n1 -\n1 2\n1 -\n1 U\n" + std::to_string(c.wait - 2) + " -\n1 2\n");
    PlayUntil([](const StepTrace& s) { return s.scenes.empty() || s.scenes.front() != "CEvent_Title"; }, 80);
    const StepTrace after = steps.back();
    if (*c.winner) {
      EXPECT_EQ(after.scenes, std::vector<std::string>{c.winner});
    } else {
      EXPECT_TRUE(after.scenes.empty());
      EXPECT_EQ(after.lists[0], 1);
    }
  }
}

TEST_F(TitleSceneTest, ShowsTheVersionAndTheBestRecord) {
  WriteBytes(tree / "Data/HiScore.ini", "5000 12\r\n");
  StartAtTitle("");
  Play(1);
  const auto& device = static_cast<RecordingDevice&>(*Game().GetDisplay()->GetDevice());
  bool version = false;
  std::vector<std::pair<float, float>> digits;
  for (const DrawRecord& draw : device.Draws()) {
    if (draw.kind == DrawKind::Text) version = draw.text == "Version 1.0.0" && draw.x == 550 && draw.y == 180;
    if (draw.kind == DrawKind::Quad && PictureOf(draw) == "FontNumber.png") digits.emplace_back(draw.quad[0].x, draw.quad[0].y);
  }
  EXPECT_TRUE(version);
  ASSERT_EQ(digits.size(), 6u);  // 5000 and 12
  EXPECT_EQ(digits[0], std::make_pair(650.0f, 480.0f));
  EXPECT_EQ(digits[4], std::make_pair(680.0f, 520.0f));
}

}  // namespace
