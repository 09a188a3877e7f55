// The two bitmap-font atlases. Glyphs are tall, condensed capitals and digits,
// white with an ink outline baked in, so they stay legible on every band
// picture and screen, and tint cleanly when the game colours them. Every
// glyph keeps inside its own cell (cells are drawn edge to edge), and digits
// stay within 36 rows so lines 40 pixels apart never touch.

#include <algorithm>
#include <string>

#include "Pictures.h"
#include "Style.h"

namespace {

struct AtlasLayout {
  std::string characters;
  int cellWidth, cellHeight;
  float typicalWidth;  // body width of an H or a 0, pixels
  float inkWidth;      // widest glyph body, pixels
  float inkHeight;  // height of a capital or digit, pixels
};

float InkWidth(const TextStyle& style, const std::string& text) {
  Bounds b = CoveredBounds(TextMask(style, text, 0, 100));
  return float(b.x1 - b.x0);
}

// The size at which a typical capital is `typical` pixels wide, stretched so
// capitals are inkHeight tall; wider glyphs are squeezed to inkWidth.
TextStyle GlyphStyle(const AtlasLayout& layout, const std::string& glyph) {
  TextStyle style{Face::Bold, 30, 1, 0};
  while (style.size > 6 && InkWidth(style, "H") > layout.typicalWidth) style.size -= 0.5f;
  while (style.size > 6 && InkWidth(style, glyph) > layout.inkWidth) style.size -= 0.5f;
  style.stretch = layout.inkHeight / CapHeight(style);
  return style;
}

void WriteAtlas(const AtlasLayout& layout, const std::string& path) {
  int count = int(layout.characters.size());
  Canvas atlas(layout.cellWidth * count, layout.cellHeight);
  LabelLook look;
  look.outlineWidth = 2.0f;
  look.shadowAlpha = 0;  // a soft shadow would spill into the next cell
  float capTop = (layout.cellHeight - layout.inkHeight) / 2;
  for (int i = 0; i < count; ++i) {
    std::string ch(1, layout.characters[size_t(i)]);
    Mask glyph = TextMask(GlyphStyle(layout, ch), ch, 0, capTop + layout.inkHeight);
    Bounds b = CoveredBounds(glyph);
    // Centre the ink in the cell, leaving room for the outline and shadow.
    int dx = layout.cellWidth * i + (layout.cellWidth - 1 - (b.x1 - b.x0)) / 2 - b.x0;
    Canvas cell(layout.cellWidth, layout.cellHeight);
    PaintOutlinedGradient(cell, Shifted(glyph, dx - layout.cellWidth * i, 0), Palette::White, Hex(0xD6E2F7), look);
    atlas.Draw(cell, layout.cellWidth * i, 0);
  }
  WritePng(atlas, path);
}

}  // namespace

void WriteFontAtlases(const std::string& treeDir) {
  WriteAtlas({"0123456789", 20, 60, 12, 13, 29}, AssetPath(treeDir, "Font", "FontNumber.png"));
  WriteAtlas({"ABCDEFGHIJKLMNOPQRSTUVWXYZ!?+-", 20, 50, 12, 13, 24}, AssetPath(treeDir, "Font", "FontEnglish.png"));
}
