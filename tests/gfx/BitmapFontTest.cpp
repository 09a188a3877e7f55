#include "gfx/BitmapFont.h"

#include <gtest/gtest.h>

#include "platform/RecordingDevice.h"
#include "support/ScratchImages.h"

namespace {

TEST(BitmapFontTest, GlyphTablesReadCellsRowByRow) {
  RecordingDevice device;
  const float cell = 1.0f / 16;
  CBitmapFont font(device, "missing.png", "0123456789ABCDEFGHIJ", cell, 0.5f, 8, 8, 2, 2);
  EXPECT_FLOAT_EQ(font.GlyphU('7'), 7 * cell);
  EXPECT_FLOAT_EQ(font.GlyphV('7'), 0);
  // The seventeenth character starts the second row.
  EXPECT_FLOAT_EQ(font.GlyphU('G'), 0);
  EXPECT_FLOAT_EQ(font.GlyphV('G'), 0.5f);
  EXPECT_FLOAT_EQ(font.GlyphU('J'), 3 * cell);
  EXPECT_FLOAT_EQ(font.GlyphU(' '), -1);
  EXPECT_FLOAT_EQ(font.GlyphV('z'), -1);
}

TEST(BitmapFontTest, ACharacterListedTwiceTakesItsLastCell) {
  RecordingDevice device;
  CBitmapFont font(device, "missing.png", "ABA", 0.25f, 1, 8, 8, 2, 2);
  EXPECT_FLOAT_EQ(font.GlyphU('A'), 0.5f);
  EXPECT_FLOAT_EQ(font.GlyphU('B'), 0.25f);
}

TEST(BitmapFontTest, TheGameFontsKeepEveryCellOnTheirOneRow) {
  RecordingDevice device;
  CBitmapFont letters(device, "missing.png", "ABCDEFGHIJKLMNOPQRSTUVWXYZ!?+-", 20.0f / 600.0f,
                      50.0f / 50.0f, 20, 50, 2, 2);
  EXPECT_NEAR(letters.GlyphU('-'), 29.0f / 30, 1e-6);
  EXPECT_FLOAT_EQ(letters.GlyphV('-'), 0);
  CBitmapFont digits(device, "missing.png", "0123456789", 20.0f / 200.0f, 1, 20, 60, 2, 2);
  EXPECT_NEAR(digits.GlyphU('9'), 0.9f, 1e-6);
  EXPECT_FLOAT_EQ(digits.GlyphV('9'), 0);
}

TEST(BitmapFontTest, StringsAdvanceOneCellPerByteAndSkipMissingGlyphs) {
  RecordingDevice device;
  CBitmapFont font(device, WriteScratchPng("digits.png", 200, 60), "0123456789", 0.1f, 1, 20, 60,
                   2, 2);
  font.DrawString("1 2-3", 100, 50, 0xFFC88080);

  const auto& draws = device.Draws();
  ASSERT_EQ(draws.size(), 3u);
  const float expectedX[] = {100, 140, 180};
  const float expectedU[] = {0.1f, 0.2f, 0.3f};
  for (int i = 0; i < 3; ++i) {
    EXPECT_FLOAT_EQ(draws[i].quad[0].x, expectedX[i]);
    EXPECT_FLOAT_EQ(draws[i].quad[0].y, 50);
    EXPECT_FLOAT_EQ(draws[i].quad[3].x, expectedX[i] + 20);
    EXPECT_FLOAT_EQ(draws[i].quad[3].y, 110);
    EXPECT_NEAR(draws[i].quad[0].u, expectedU[i], 1e-6);
    EXPECT_NEAR(draws[i].quad[3].u, expectedU[i] + 0.1f, 1e-6);
    EXPECT_EQ(draws[i].quad[0].diffuse, 0xFFC88080u);
    EXPECT_EQ(draws[i].texture, font.Texture().Get());
  }
}

TEST(BitmapFontTest, ShadowIsDrawnFirstAtTheOffset) {
  RecordingDevice device;
  CBitmapFont font(device, WriteScratchPng("letters.png", 600, 50), "AB", 1.0f / 30, 1, 20, 50, 2,
                   3);
  font.DrawStringShadowed("AB", 10, 20, 0xFFFFFFFF, 0xFF000000);

  const auto& draws = device.Draws();
  ASSERT_EQ(draws.size(), 4u);
  EXPECT_FLOAT_EQ(draws[0].quad[0].x, 12);
  EXPECT_FLOAT_EQ(draws[0].quad[0].y, 23);
  EXPECT_EQ(draws[1].quad[0].diffuse, 0xFF000000u);
  EXPECT_FLOAT_EQ(draws[2].quad[0].x, 10);
  EXPECT_FLOAT_EQ(draws[2].quad[0].y, 20);
  EXPECT_EQ(draws[3].quad[0].diffuse, 0xFFFFFFFFu);
}

}  // namespace
