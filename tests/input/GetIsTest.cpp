#include "input/GetIs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/CapturingDialogs.h"

namespace {

constexpr KeyMap kShippedMap = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};

TEST(GetIsTest, ButtonsGoThroughTheKeyMapAndDirectionsAreTenToThirteen) {
  PadState pad;
  pad.button[2] = 1;
  EXPECT_TRUE(GetIs(pad, kShippedMap, 2));
  EXPECT_FALSE(GetIs(pad, kShippedMap, 0));
  const KeyMap jumpOnTwo = {2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_TRUE(GetIs(pad, jumpOnTwo, 0));
  EXPECT_FALSE(GetIs(pad, jumpOnTwo, 1));
  // Without a configuration file every entry is 0: all ten follow button 0.
  pad.button[0] = 1;
  for (int b = 0; b < 10; ++b) EXPECT_TRUE(GetIs(pad, KeyMap{}, b)) << b;

  pad.right = pad.down = 1;
  EXPECT_EQ((std::vector{GetIs(pad, kShippedMap, 10), GetIs(pad, kShippedMap, 11), GetIs(pad, kShippedMap, 12),
                         GetIs(pad, kShippedMap, 13)}),
            (std::vector{true, false, false, true}));  // right, left, up, down
}

TEST(GetIsTest, InvalidNumberShowsTheMessageAndIsNotHeld) {
  CapturingDialogs dialogs;
  PadState pad;
  pad.button[0] = pad.up = pad.down = pad.left = pad.right = 1;
  EXPECT_FALSE(GetIs(pad, kShippedMap, 14));
  EXPECT_FALSE(GetIs(pad, kShippedMap, -1));
  EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"関数GetIs: キーが不正です", "関数GetIs: キーが不正です"}));
}

TEST(GetIsTest, KeyMapEntryOutsideTheButtonsIsNeverHeld) {
  CapturingDialogs dialogs;
  PadState pad;
  for (auto& b : pad.button) b = 1;
  const KeyMap odd = {-1, 128, 1000, -2147483647 - 1, 127, 0, 0, 0, 0, 0};
  for (int b = 0; b < 4; ++b) EXPECT_FALSE(GetIs(pad, odd, b)) << b;
  EXPECT_TRUE(GetIs(pad, odd, 4));
  EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
