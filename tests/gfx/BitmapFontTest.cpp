#include "gfx/BitmapFont.h"

#include <gtest/gtest.h>

#include "platform/RecordingDevice.h"

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

}  // namespace
