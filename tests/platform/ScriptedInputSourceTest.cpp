#include "platform/ScriptedInputSource.h"

#include <gtest/gtest.h>

#include <vector>

#include "input/CInput.h"

namespace {

TEST(ScriptedInputSourceTest, HoldsEachEntryForItsStepsThenNothing) {
  auto owned = std::make_unique<ScriptedInputSource>();
  ScriptedInputSource& script = *owned;
  CInput input(std::move(owned));
  PadHold jumpRight, upLeftAndButton32, opposites;
  jumpRight.right = true;
  jumpRight.buttons.set(0);
  upLeftAndButton32.up = upLeftAndButton32.left = true;
  upLeftAndButton32.buttons.set(32);
  script.Hold(2, PadHold{});
  script.Hold(0, jumpRight);  // nothing to hold
  script.Hold(1, jumpRight);
  script.Hold(1, upLeftAndButton32);
  opposites.up = opposites.down = opposites.left = opposites.right = true;
  script.Hold(1, opposites);
  EXPECT_EQ(script.StepsLeft(), 5);

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
  held();  // as on a keyboard, opposite directions are held together
  EXPECT_EQ((Held{pad.up, pad.down, pad.left, pad.right}), (Held{1, 1, 1, 1}));
  EXPECT_EQ(script.StepsLeft(), 0);
  EXPECT_EQ(held(), (Held{0, 0, 0, 0, 0}));
}

}  // namespace
