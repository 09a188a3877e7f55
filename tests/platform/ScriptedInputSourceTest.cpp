#include "platform/ScriptedInputSource.h"

#include <gtest/gtest.h>

#include "input/CInput.h"

namespace {

TEST(ScriptedInputSourceTest, HoldsEachEntryForItsStepsThenNothing) {
  auto owned = std::make_unique<ScriptedInputSource>();
  ScriptedInputSource& script = *owned;
  CInput input(std::move(owned));

  PadHold idle;
  PadHold jumpRight;
  jumpRight.right = true;
  jumpRight.buttons.set(0);
  PadHold upLeftAndButton32;
  upLeftAndButton32.up = upLeftAndButton32.left = true;
  upLeftAndButton32.buttons.set(32);
  script.Hold(2, idle);
  script.Hold(0, jumpRight);  // nothing to hold
  script.Hold(1, jumpRight);
  script.Hold(1, upLeftAndButton32);
  EXPECT_EQ(script.StepsLeft(), 4);

  const PadState& pad = input.GetState(0);
  input.Update();
  input.Update();
  EXPECT_FALSE(pad.right || pad.button[0]);

  input.Update();
  EXPECT_EQ(pad.right, 1);
  EXPECT_EQ(pad.button[0], 1);
  EXPECT_FLOAT_EQ(pad.axisX, 1.0f);

  input.Update();
  EXPECT_EQ(pad.up, 1);
  EXPECT_EQ(pad.left, 1);
  EXPECT_EQ(pad.right, 0);
  EXPECT_EQ(pad.button[32], 1);
  EXPECT_FLOAT_EQ(pad.axisY, -1.0f);
  EXPECT_EQ(script.StepsLeft(), 0);

  input.Update();
  EXPECT_FALSE(pad.up || pad.left || pad.button[32]);
}

}  // namespace
