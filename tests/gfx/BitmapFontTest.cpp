#include "gfx/BitmapFont.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/RecordingDevice.h"
#include "support/ScratchImages.h"

namespace {

TEST(BitmapFontTest, GlyphTablesReadCellsRowByRowAndTheLastListingWins) {
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

  CBitmapFont twice(device, "missing.png", "ABA", 0.25f, 1, 8, 8, 2, 2);
  EXPECT_FLOAT_EQ(twice.GlyphU('A'), 0.5f);
  EXPECT_FLOAT_EQ(twice.GlyphU('B'), 0.25f);
  // The game's letters keep every cell on their one row.
  CBitmapFont letters(device, "missing.png", "ABCDEFGHIJKLMNOPQRSTUVWXYZ!?+-", 20.0f / 600.0f, 1, 20, 50, 2, 2);
  EXPECT_NEAR(letters.GlyphU('-'), 29.0f / 30, 1e-6);
  EXPECT_FLOAT_EQ(letters.GlyphV('-'), 0);
}

TEST(BitmapFontTest, StringsAdvanceOneCellPerByteSkipMissingGlyphsAndShadowFirst) {
  RecordingDevice device;
  CBitmapFont font(device, WriteScratchPng("digits.png", 200, 60), "0123456789", 0.1f, 1, 20, 60, 2, 3);
  font.DrawString("1 2-3", 100, 50, 0xFFC88080);
  const auto& draws = device.Draws();
  ASSERT_EQ(draws.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_FLOAT_EQ(draws[i].quad[0].x, 100 + 40 * i);
    EXPECT_FLOAT_EQ(draws[i].quad[0].y, 50);
    EXPECT_FLOAT_EQ(draws[i].quad[3].x, 120 + 40 * i);
    EXPECT_FLOAT_EQ(draws[i].quad[3].y, 110);
    EXPECT_NEAR(draws[i].quad[0].u, 0.1f * (i + 1), 1e-6);
    EXPECT_NEAR(draws[i].quad[3].u, 0.1f * (i + 2), 1e-6);
    EXPECT_EQ(draws[i].quad[0].diffuse, 0xFFC88080u);
    EXPECT_EQ(draws[i].texture, font.Texture().Get());
  }

  device.ClearLog();
  font.DrawStringShadowed("12", 10, 20, 0xFFFFFFFF, 0xFF000000);
  ASSERT_EQ(draws.size(), 4u);
  EXPECT_EQ((std::vector{draws[0].quad[0].x, draws[0].quad[0].y, draws[2].quad[0].x, draws[2].quad[0].y}),
            (std::vector<float>{12, 23, 10, 20}));
  EXPECT_EQ(draws[1].quad[0].diffuse, 0xFF000000u);
  EXPECT_EQ(draws[3].quad[0].diffuse, 0xFFFFFFFFu);
}

}  // namespace
