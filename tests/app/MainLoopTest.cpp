#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "app/CGame.h"
#include "app/TestPlatform.h"
#include "support/CapturingDialogs.h"

namespace {

using Type = WindowEvent::Type;

// Notes when each step and each picture happened, in seconds from the end
// of construction. Each picture takes one refresh of the display, as
// presenting with vertical sync would.
class CountingGame final : public CGame {
 public:
  explicit CountingGame(TestPlatform& platform)
      : CGame(platform, "Vexhop(Q)"), platform(platform), start(platform.GetManualClock().Nanoseconds()) {
    confirmExit = false;
  }

  void At(double seconds, Type type) {
    WindowEvent event;
    event.type = type;
    platform.GameWindow()->PostAt(start * 1e-9 + seconds, event);
  }

  std::vector<double> moves, draws;
  std::vector<int> movesPerDraw;
  std::function<void()> onDraw;
  std::function<void(const WindowEvent&)> onEvent;

 protected:
  void Move() override {
    moves.push_back(Now());
    ++movesSinceDraw;
  }
  void Draw() override {
    draws.push_back(Now());
    movesPerDraw.push_back(movesSinceDraw);
    movesSinceDraw = 0;
    if (onDraw) onDraw();
    const int refreshRate = GetDisplay()->GetRefreshRate();
    if (refreshRate > 0) platform.GetManualClock().Advance(1.0 / refreshRate);
  }
  void MsgProc(const WindowEvent& event) override {
    if (onEvent) onEvent(event);
    CGame::MsgProc(event);
  }

 private:
  double Now() const { return (platform.GetManualClock().Nanoseconds() - start) * 1e-9; }
  TestPlatform& platform;
  int64_t start;
  int movesSinceDraw = 0;
};

int CountBetween(const std::vector<double>& times, double from, double to) {
  int n = 0;
  for (double t : times) n += (t > from && t < to);
  return n;
}

// Steps taken plus the fraction still owed cover all the time up to the
// last pass, when every pass draws.
void ExpectNoTimeLost(const CountingGame& game) {
  EXPECT_GE(game.GetFrameAccumulator(), 0.0);
  EXPECT_LT(game.GetFrameAccumulator(), 1.0);
  EXPECT_NEAR(static_cast<double>(game.moves.size()) + game.GetFrameAccumulator(), 60.0 * game.draws.back(), 1e-4);
}

TEST(MainLoopTest, AtSixtyHertzPresentPacesOneDrawPerRefresh) {
  TestPlatform platform(60);
  CountingGame game(platform);
  // One slow picture that takes three refreshes.
  game.onDraw = [&] {
    if (game.draws.size() == 100) platform.GetManualClock().Advance(2.0 / 60.0);
  };
  game.At(10.0, Type::Close);
  game.Run();

  // Ten seconds of display: 600 refreshes minus the two the slow picture took.
  EXPECT_NEAR(static_cast<double>(game.draws.size()), 598.0, 1.0);
  EXPECT_EQ(game.movesPerDraw.at(100), 3);  // the steps owed are caught up before the next draw
  for (int n : game.movesPerDraw) EXPECT_LE(n, 3);
  ExpectNoTimeLost(game);
}

TEST(MainLoopTest, AStallOfSecondsIsNotPlayedUnseenButASlowFrameIsCaughtUp) {
  TestPlatform platform(60);
  CountingGame game(platform);
  game.onDraw = [&] {
    if (game.draws.size() == 100) platform.GetManualClock().Advance(0.2);  // 12 steps late: caught up
    if (game.draws.size() == 200) platform.GetManualClock().Advance(3.0);  // a stall: dropped
  };
  game.At(10.0, Type::Close);
  game.Run();
  EXPECT_EQ(game.movesPerDraw.at(100), 13);
  EXPECT_EQ(game.movesPerDraw.at(200), 1);
}

TEST(MainLoopTest, AtSeventyFiveHertzAFrameRunsOnlyWhenAStepIsOwed) {
  TestPlatform platform(75);
  CountingGame game(platform);
  game.At(10.0, Type::Close);
  game.Run();

  EXPECT_NEAR(static_cast<double>(game.moves.size()), 600.0, 1.0);
  EXPECT_EQ(game.draws.size(), game.moves.size());
  for (int n : game.movesPerDraw) EXPECT_EQ(n, 1);
  // The loop sleeps until a step is due and wakes within a millisecond of it.
  for (size_t k = 0; k < game.moves.size(); ++k) {
    const double due = static_cast<double>(k + 1) / 60.0;
    EXPECT_GE(game.moves[k], due - 1e-9) << k;
    EXPECT_LT(game.moves[k], due + 0.001) << k;
  }
}

TEST(MainLoopTest, WithoutFrameSkipEveryDrawHasExactlyOneMove) {
  TestPlatform platform(60);
  CountingGame game(platform);
  game.frameSkip = false;
  game.onDraw = [&] {
    if (game.draws.size() == 100) platform.GetManualClock().Advance(0.5);
  };
  game.At(5.0, Type::Close);
  game.Run();

  EXPECT_EQ(game.moves.size(), game.draws.size());
  EXPECT_EQ(game.movesPerDraw.at(100), 1);  // half a second owed, thrown away
  EXPECT_NEAR(static_cast<double>(game.moves.size()), 4.5 * 60.0, 1.0);
  EXPECT_EQ(game.GetFrameAccumulator(), 0.0);
}

TEST(MainLoopTest, NothingRunsInTheBackgroundAndNothingIsCaughtUp) {
  TestPlatform platform(75);
  CountingGame game(platform);
  double atFocusLost = -1, atFocusGained = -1;
  game.onEvent = [&](const WindowEvent& event) {
    if (event.type == Type::FocusLost) atFocusLost = game.GetFrameAccumulator();
    if (event.type == Type::FocusGained) atFocusGained = game.GetFrameAccumulator();
  };
  game.At(1.005, Type::FocusLost);
  game.At(2.0, Type::Expose);
  game.At(4.0, Type::FocusGained);
  game.At(5.0, Type::Close);
  game.Run();

  EXPECT_EQ(CountBetween(game.moves, 1.01, 4.0), 0);
  EXPECT_EQ(CountBetween(game.draws, 1.01, 4.0), 1);  // the expose, drawn without a step
  EXPECT_NEAR(static_cast<double>(game.moves.size()), 120.0, 1.0);
  // The fraction owed when the window went away is still owed when it comes back.
  EXPECT_GT(atFocusLost, 0.0);
  EXPECT_EQ(atFocusGained, atFocusLost);
}

TEST(MainLoopTest, MillisecondTicksPaceTheLoopAcrossTheirWrapAround) {
  TestPlatform platform(0, ManualClock(0, 0xFFFFFFFFu - 500));
  CountingGame game(platform);
  game.At(2.0, Type::Close);
  game.Run();
  EXPECT_NEAR(static_cast<double>(game.moves.size()), 120.0, 1.0);
}

TEST(MainLoopTest, CloseButtonAndEscapeAskFirstOnlyWithConfirmExit) {
  CapturingDialogs dialogs;
  dialogs.answers = {false, true};  // Cancel keeps the game, OK ends it
  TestPlatform platform(60);
  CountingGame asking(platform);
  asking.confirmExit = true;
  asking.At(1.0, Type::Escape);
  asking.At(2.0, Type::Close);
  asking.Run();
  const std::string question = "終了確認: 終了してもよろしいですか？";
  EXPECT_EQ(dialogs.shown, (std::vector<std::string>{question, question}));
  EXPECT_NEAR(asking.draws.back(), 2.0, 0.02);

  dialogs.shown.clear();
  CountingGame quiet(platform);
  quiet.At(1.0, Type::Escape);
  quiet.Run();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_NEAR(quiet.draws.back(), 1.0, 0.02);
}

}  // namespace
