#include "platform/PresentRect.h"

#include <gtest/gtest.h>

namespace {

void ExpectRect(PixelRect r, int x, int y, int w, int h) {
  EXPECT_EQ(r.x, x);
  EXPECT_EQ(r.y, y);
  EXPECT_EQ(r.width, w);
  EXPECT_EQ(r.height, h);
}

TEST(PresentRectTest, KeepsTheAspectAndCentres) {
  ExpectRect(PresentRect(800, 600, 800, 600), 0, 0, 800, 600);
  ExpectRect(PresentRect(1920, 1080, 800, 600), 240, 0, 1440, 1080);  // bars left and right
  ExpectRect(PresentRect(1280, 1024, 800, 600), 0, 32, 1280, 960);   // bars above and below
  ExpectRect(PresentRect(400, 300, 800, 600), 0, 0, 400, 300);
  ExpectRect(PresentRect(0, 600, 800, 600), 0, 0, 0, 0);
}

}  // namespace
