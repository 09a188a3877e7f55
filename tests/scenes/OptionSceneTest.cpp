// The option scene: rows and limits, live volumes and band picture, the
// two buttons, and the configuration written on leaving.

#include <gtest/gtest.h>

#include "audio/Attenuation.h"
#include "scenes/CEvent_Option.h"
#include "support/StageScenario.h"

namespace {

class OptionSceneTest : public StageScenario {
 protected:
  // The title, then Option (row 2), then the option scene from step 62.
  void OpenOptions(const std::string& configLines, const std::string& script) {
    WriteBytes(tree / "Data/Config.ini", configLines);
    ReplayOptions options;
    options.title = true;
    Start("1 U\n1 -\n1 2\n60 -\n" + script, options);
    Play(62);
    ASSERT_NE(Option(), nullptr);
  }
  CEvent_Option* Option() const {
    const auto scenes = TasksOf<CEvent>(Game().EventList.get());
    return scenes.empty() ? nullptr : dynamic_cast<CEvent_Option*>(scenes.front());
  }
  // Glyphs of the capitals font in the last frame.
  int LetterGlyphs() const {
    int count = 0;
    for (const DrawRecord& draw : static_cast<RecordingDevice&>(*Game().GetDisplay()->GetDevice()).Draws()) {
      count += draw.kind == DrawKind::Quad && PictureOf(draw) == "FontEnglish.png";
    }
    return count;
  }
};

TEST_F(OptionSceneTest, VolumesStopAtTheirLimitsAndChangeTheOutputAtOnce) {
  OpenOptions("0 1 2 3 4 5 6 7 8 9\r\n0 10\r\n0 0\r\n", "1 R\n1 -\n1 D\n1 -\n1 L\n1 -\n1 R\n");
  Play(2);  // right at 10: no sound, still 10
  EXPECT_EQ(Option()->seValue, 10);
  EXPECT_EQ(CountSound("cursor.wav", 63), 0);
  Play(4);  // down to music, left at 0: nothing
  EXPECT_EQ(Option()->bgmValue, 0);
  EXPECT_EQ(CountSound("cursor.wav", 63), 1);
  Play(2);
  EXPECT_EQ(Option()->bgmValue, 1);
  EXPECT_FLOAT_EQ(run->Audio().MusicGain(), AttenuationGain(MusicAttenuation(0.1f)));
}

TEST_F(OptionSceneTest, TheBandPictureChangesAtOnceAndTheSaveModeIsShownByName) {
  OpenOptions("0 1 2 3 4 5 6 7 8 9\r\n8 8\r\n5 0\r\n", "1 D\n1 -\n1 D\n1 -\n1 R\n1 -\n1 D\n1 -\n1 L\n");
  EXPECT_EQ(LetterGlyphs(), 4);  // save mode 5 shows as "NULL"
  Play(6);
  EXPECT_EQ(Game().hudPanel, 1);
  EXPECT_TRUE(steps.back().optionActive);
  Play(4);
  EXPECT_EQ(Option()->saveModeValue, 4);  // only left brings it back towards the range
  Option()->saveModeValue = 1;
  Play(1);
  EXPECT_EQ(LetterGlyphs(), 8);  // "AUTOSAVE"
}

TEST_F(OptionSceneTest, TheButtonRowsTakeTheHighestHeldButtonEveryStep) {
  OpenOptions("0 1 2 3 4 5 6 7 8 9\r\n8 8\r\n0 0\r\n", "1 U\n1 U\n1 -\n1 U\n1 -\n1 1+3\n1 2\n1 -\n");
  Play(3);  // up twice without release: once, to the exit row
  EXPECT_EQ(Option()->cursor, 6);
  Play(2);
  EXPECT_EQ(Option()->cursor, 5);
  Play(2);
  EXPECT_EQ(Option()->jumpButton, 3);
  Play(1);  // the decide button is just a button here
  EXPECT_EQ(Option()->jumpButton, 2);
  Play(1);
  EXPECT_EQ(Option()->jumpButton, 2);
}

TEST_F(OptionSceneTest, LeavingWritesTheConfigurationAndReturnsToANewTitle) {
  // Action button 2 (row 4), jump button 0 (row 5), then exit.
  OpenOptions("0 1 2 3 4 5 6 7 8 9\r\n8 8\r\n0 3\r\n",
              "1 D\n1 -\n1 D\n1 -\n1 D\n1 -\n1 D\n1 -\n1 2\n1 D\n1 -\n1 D\n1 -\n1 2\n");
  PlayUntil([](const StepTrace& s) { return s.HasScene("CEvent_Title"); }, 200);
  EXPECT_EQ(ReadBytes(tree / "Data/Config.ini"), "0 2 2 2 8 2 2 2 8 2\r\n8 8\r\n0 3\r\n");
  EXPECT_EQ(Game().keyMap, (KeyMap{0, 2, 2, 2, 4, 2, 2, 2, 8, 9}));
  EXPECT_FALSE(steps.back().optionActive);
  EXPECT_EQ(steps.back().bgm, "title.mid");
}

}  // namespace
