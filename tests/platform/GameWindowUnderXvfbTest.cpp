// Starts bin/vexhop on a private Xvfb display, finds its window, checks its
// title, size and picture, then closes it with Escape or the close button
// and checks the exit code.

#include "support/XvfbSession.h"

namespace {

using namespace xvfb;

class GameWindowUnderXvfbTest : public GameUnderXvfb {
 protected:
  void SetUp() override {
    if (!HasDisplay()) GTEST_SKIP() << "Xvfb could not be started";
    ASSERT_TRUE(Launch(VEXHOP_TREE)) << "no window titled Vexhop(Q)";
  }
};

TEST_F(GameWindowUnderXvfbTest, OpensAnEightHundredBySixHundredWindowDrawingTheGameAndEscapeQuits) {
  XWindowAttributes attributes;
  ASSERT_TRUE(XGetWindowAttributes(display, window, &attributes));
  EXPECT_EQ(attributes.width, 800);
  EXPECT_EQ(attributes.height, 600);
  EXPECT_EQ(attributes.map_state, IsViewable);

  XSizeHints hints = {};
  long supplied = 0;
  ASSERT_TRUE(XGetWMNormalHints(display, window, &hints, &supplied));
  EXPECT_TRUE((hints.flags & PMinSize) && (hints.flags & PMaxSize)) << "the window must not be resizable";
  EXPECT_EQ(hints.max_width, 800);
  EXPECT_EQ(hints.max_height, 600);

  // Once everything is loaded, the game's frames replace the black start-up frame.
  EXPECT_TRUE(Poll(20s, [&] { return PixelAt(400, 300) != 0u; }));

  SendKey(XK_Escape);
  ExpectQuitsWithExitCodeZero("Escape");
}

TEST_F(GameWindowUnderXvfbTest, CloseButtonQuitsWithExitCodeZero) {
  SendCloseRequest();
  ExpectQuitsWithExitCodeZero("the close request");
}

}  // namespace
