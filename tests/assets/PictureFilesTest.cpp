// The generated pictures as the game loads them: every catalogue texture is
// there, at the size its drawing code assumes, opaque where it covers the
// screen and see-through where it is laid over other pictures.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/ImageFile.h"
#include "support/TempDir.h"

namespace {

const std::string kTree = VEXHOP_TREE;

// The picture as the game's loader reads it; an empty one when it cannot.
Image Load(const std::string& path) {
  std::optional<Image> image = LoadImageFile(path);
  EXPECT_TRUE(image) << "cannot read " << path;
  return image.value_or(Image{});
}

int CountAlpha(const Image& p, int x0, int y0, int x1, int y1, bool (*test)(uint8_t)) {
  int n = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) n += test(static_cast<uint8_t>(p.At(x, y) >> 24));
  return n;
}
bool Opaque(uint8_t a) { return a == 255; }
bool Clear(uint8_t a) { return a == 0; }
bool Inked(uint8_t a) { return a > 0; }

struct Expected {
  const char* file;
  int width, height;
  bool opaque;  // covers what is under it completely
};

TEST(PictureFiles, EveryCatalogueTextureHasItsSizeFormatAndTransparency) {
  const std::vector<Expected> textures = {
      {"Getready.png", 400, 150, false}, {"black.png", 800, 600, true},     {"stone1.png", 50, 46, true},
      {"wall.png", 100, 46, true},       {"bomb.png", 800, 92, false},      {"life.png", 60, 60, false},
      {"title.png", 800, 600, true},     {"title_1.png", 200, 150, false},  {"title_2.png", 200, 95, false},
      {"option.png", 800, 600, false},   {"cursor.png", 200, 50, false},    {"gameover.png", 800, 600, true},
      {"clear.png", 800, 600, true},     {"back.png", 800, 600, true},      {"congratulations.png", 800, 600, true},
      {"allclear.png", 800, 600, true}};
  std::vector<Expected> all = textures;
  for (int i = 1; i <= 9; ++i) all.push_back({nullptr, 800, 50, true});
  for (size_t i = 0; i < all.size(); ++i) {
    std::string name = all[i].file ? all[i].file : "info" + std::to_string(i - textures.size() + 1) + ".png";
    SCOPED_TRACE(name);
    // 8-bit RGBA PNG: the colour type and depth of its header.
    EXPECT_EQ(ReadBytes(kTree + "/Texture/" + name).substr(24, 2), std::string("\x08\x06", 2));
    Image p = Load(kTree + "/Texture/" + name);
    ASSERT_EQ(p.width, all[i].width);
    ASSERT_EQ(p.height, all[i].height);
    int opaque = CountAlpha(p, 0, 0, p.width, p.height, Opaque);
    if (all[i].opaque)
      EXPECT_EQ(opaque, p.width * p.height);
    else
      EXPECT_GT(CountAlpha(p, 0, 0, p.width, p.height, Clear), 0) << "an overlay must let the picture below show";
  }
  Image black = Load(kTree + "/Texture/black.png");
  for (uint32_t pixel : black.argb) ASSERT_EQ(pixel & 0xFFFFFF, 0u);
}

TEST(PictureFiles, OverlaysLeaveTheirSurroundingsClear) {
  // The cursor is drawn over menu labels: its middle must be see-through,
  // never a solid bar that hides the text.
  Image cursor = Load(kTree + "/Texture/cursor.png");
  for (int x = 40; x < 160; x += 10) {
    EXPECT_LT(cursor.At(x, 25) >> 24, 200u) << "cursor middle at x " << x;
    EXPECT_GT(cursor.At(x, 25) >> 24, 0u) << "the cursor face should still tint the row";
  }
  // The option labels live above the band preview, which the scene clips at
  // y 550: nothing may be drawn below it.
  Image option = Load(kTree + "/Texture/option.png");
  EXPECT_EQ(CountAlpha(option, 0, 550, 800, 600, Inked), 0);
  // Menu rows: one label per 50-pixel row, none in the gaps between rows.
  Image menu = Load(kTree + "/Texture/title_1.png");
  for (int row = 0; row < 3; ++row) {
    EXPECT_GT(CountAlpha(menu, 0, 50 * row + 12, 200, 50 * row + 38, Inked), 200) << "row " << row;
    EXPECT_EQ(CountAlpha(menu, 0, 50 * row, 200, 50 * row + 2, Inked), 0) << "gap above row " << row;
  }
}

int FirstInkedRow(const Image& p, int from, int step) {
  for (int y = from; y >= 0 && y < p.height; y += step)
    if (CountAlpha(p, 0, y, p.width, y + 1, Inked)) return y;
  return -1;
}

TEST(PictureFiles, FontGlyphsStayInTheirCells) {
  struct Font {
    const char* file;
    int cells, cellWidth, cellHeight;
  };
  for (Font f : {Font{"FontNumber.png", 10, 20, 60}, Font{"FontEnglish.png", 30, 20, 50}}) {
    SCOPED_TRACE(f.file);
    Image p = Load(kTree + "/Font/" + f.file);
    ASSERT_EQ(p.width, f.cells * f.cellWidth);
    ASSERT_EQ(p.height, f.cellHeight);
    for (int c = 0; c < f.cells; ++c) {
      int x0 = c * f.cellWidth, x1 = x0 + f.cellWidth;
      EXPECT_GT(CountAlpha(p, x0, 0, x1, f.cellHeight, Opaque), 40) << "glyph " << c << " is missing";
      EXPECT_EQ(CountAlpha(p, x1 - 1, 0, x1, f.cellHeight, Inked), 0) << "glyph " << c << " touches its neighbour";
    }
  }
  // The endings print numbers 40 pixels apart, and the band shows digit
  // cells drawn 5 rows above it only from their sixth row on.
  Image digits = Load(kTree + "/Font/FontNumber.png");
  int top = FirstInkedRow(digits, 0, 1), bottom = FirstInkedRow(digits, digits.height - 1, -1);
  EXPECT_LE(bottom - top + 1, 40);
  EXPECT_GE(top, 5);
  EXPECT_LT(bottom, 55);
}

TEST(PictureFiles, IconHoldsSquare32BitImages) {
  std::ifstream in(kTree + "/bin/game.ico", std::ios::binary);
  std::vector<uint8_t> ico((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GE(ico.size(), 6u);
  auto u16 = [&](size_t at) { return uint32_t(ico[at] | ico[at + 1] << 8); };
  auto u32 = [&](size_t at) { return u16(at) | u16(at + 2) << 16; };
  EXPECT_EQ(u16(0), 0u);
  EXPECT_EQ(u16(2), 1u);  // icon, not cursor
  uint32_t count = u16(4);
  ASSERT_GE(count, 2u);
  for (uint32_t i = 0; i < count; ++i) {
    size_t entry = 6 + 16 * i;
    uint32_t size = ico[entry], bytes = u32(entry + 8), offset = u32(entry + 12);
    SCOPED_TRACE(size);
    ASSERT_LE(size_t(offset) + bytes, ico.size());
    EXPECT_EQ(u32(offset), 40u);                // BITMAPINFOHEADER
    EXPECT_EQ(u32(offset + 4), size);            // width
    EXPECT_EQ(u32(offset + 8), 2 * size);        // colour and mask rows
    EXPECT_EQ(u16(offset + 14), 32u);            // bits per pixel
    EXPECT_EQ(bytes, 40 + size * size * 4 + ((size + 31) / 32) * 4 * size);
  }
}

}  // namespace
