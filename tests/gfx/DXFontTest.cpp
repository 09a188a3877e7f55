#include "gfx/DXFont.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/RecordingDevice.h"

namespace {

TEST(DXFontTest, DrawsOnlyWithBothASpriteAndAFontAndFormatsAnyLength) {
  RecordingDevice device;
  CSprite sprite;
  CDXFont font;
  font.DrawText(&sprite, 0, 0, 0xFFFFFFFF, "not created");
  EXPECT_FALSE(font.Create(device, "HG教科書体", 18, false));
  font.DrawText(nullptr, 0, 0, 0xFFFFFFFF, "no sprite");
  font.DrawTextF(&sprite, 550, 180, 0xFFFFFFFF, "Version %d.%d.%d", 1, 0, 0);
  const std::string longText(5000, 'x');
  font.DrawTextF(&sprite, 0, 0, 0xFFFFFFFF, "%s!", longText.c_str());
  font.Release();
  font.DrawText(&sprite, 0, 0, 0xFFFFFFFF, "released");

  ASSERT_EQ(device.Draws().size(), 2u);
  const DrawRecord& draw = device.Draws()[0];
  EXPECT_EQ(draw.text, "Version 1.0.0");
  EXPECT_EQ(draw.x, 550);
  EXPECT_EQ(draw.y, 180);
  EXPECT_EQ(draw.fontFace, "HG教科書体");
  EXPECT_EQ(draw.fontHeight, 18);
  EXPECT_EQ(device.Draws()[1].text, longText + "!");
}

TEST(DXFontTest, CreateReportsFailureAsTrueAndDropsTheEarlierFont) {
  RecordingDevice device;
  CDXFont font;
  ASSERT_FALSE(font.Create(device, "Sans", 18, false));
  device.SetFontsAvailable(false);
  EXPECT_TRUE(font.Create(device, "Sans", 18, false));
  EXPECT_FALSE(font.IsCreated());
}

}  // namespace
