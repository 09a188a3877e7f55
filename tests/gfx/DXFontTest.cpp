#include "gfx/DXFont.h"

#include <gtest/gtest.h>

#include "platform/RecordingDevice.h"

namespace {

TEST(DXFontTest, DrawsOnlyWithBothASpriteAndAFont) {
  RecordingDevice device;
  CSprite sprite;
  CDXFont font;
  font.DrawText(&sprite, 0, 0, 0xFFFFFFFF, "not created");
  EXPECT_FALSE(font.Create(device, "HG教科書体", 18, false));
  font.DrawText(nullptr, 0, 0, 0xFFFFFFFF, "no sprite");
  font.DrawText(&sprite, 550, 180, 0xFFFFFFFF, "shown");
  font.Release();
  font.DrawText(&sprite, 0, 0, 0xFFFFFFFF, "released");

  ASSERT_EQ(device.Draws().size(), 1u);
  const DrawRecord& draw = device.Draws()[0];
  EXPECT_EQ(draw.text, "shown");
  EXPECT_EQ(draw.fontFace, "HG教科書体");
  EXPECT_EQ(draw.fontHeight, 18);
}

TEST(DXFontTest, CreateReportsFailureAsTrueAndDropsTheEarlierFont) {
  RecordingDevice device;
  CDXFont font;
  ASSERT_FALSE(font.Create(device, "Sans", 18, false));
  device.SetFontsAvailable(false);
  EXPECT_TRUE(font.Create(device, "Sans", 18, false));
  EXPECT_FALSE(font.IsCreated());
}

TEST(DXFontTest, DrawTextFFormatsLikePrintf) {
  RecordingDevice device;
  CSprite sprite;
  CDXFont font;
  font.Create(device, "HG教科書体", 18, false);
  font.DrawTextF(&sprite, 550, 180, 0xFFFFFFFF, "Version %d.%d.%d", 1, 0, 0);
  std::string longText(5000, 'x');
  font.DrawTextF(&sprite, 0, 0, 0xFFFFFFFF, "%s!", longText.c_str());

  ASSERT_EQ(device.Draws().size(), 2u);
  EXPECT_EQ(device.Draws()[0].text, "Version 1.0.0");
  EXPECT_EQ(device.Draws()[0].x, 550);
  EXPECT_EQ(device.Draws()[0].y, 180);
  EXPECT_EQ(device.Draws()[1].text, longText + "!");
}

}  // namespace
