#include "platform/ScriptedInputSource.h"

#include <gtest/gtest.h>

#include <vector>

#include "input/CInput.h"

namespace {

TEST(ScriptedInputSourceTest, HoldsEachEntryForItsStepsThenNothing) {
  auto owned = std::make_unique<ScriptedInputSource>();
  ScriptedInputSource& script = *owned;
  CInput input(std::move(owned));
  PadHold jumpRight, upLeftAndButton32;
  jumpRight.right = true;
  jumpRight.buttons.set(0);
  upLeftAndButton32.up = upLeftAndButton32.left = true;
  upLeftAndButton32.buttons.set(32);
  script.Hold(2, PadHold{});
  script.Hold(0, jumpRight);  // nothing to hold
  script.Hold(1, jumpRight);
  script.Hold(1, upLeftAndButton32);
  EXPECT_EQ(script.StepsLeft(), 4);

  const PadState& pad = input.GetState(0);
  using Held = std::vector<int>;  // up, left, right, button 0, button 32
  auto held = [&] {
    input.Update();
    return Held{pad.up, pad.left, pad.right, pad.button[0], pad.button[32]};
  };
  EXPECT_EQ(held(), (Held{0, 0, 0, 0, 0}));
  EXPECT_EQ(held(), (Held{0, 0, 0, 0, 0}));
  EXPECT_EQ(held(), (Held{0, 0, 1, 1, 0}));
  EXPECT_FLOAT_EQ(pad.axisX, 1.0f);
  EXPECT_EQ(held(), (Held{1, 1, 0, 0, 1}));
  EXPECT_FLOAT_EQ(pad.axisY, -1.0f);
  EXPECT_EQ(script.StepsLeft(), 0);
  EXPECT_EQ(held(), (Held{0, 0, 0, 0, 0}));
}

}  // namespace
