#pragma once
// A font whose glyphs are cells of one texture atlas, read row by row. Every
// byte of a string is one cell of advance; bytes without a glyph leave a gap.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "gfx/Texture.h"

class CBitmapFont {
 public:
  // `characters` lists the characters in the order of their cells. Cell and
  // draw sizes as in the fields below; the shadow offset is in pixels.
  CBitmapFont(RenderDevice& device, const std::string& path, std::string_view characters,
              float cellWidth, float cellHeight, float drawWidth, float drawHeight,
              float shadowOffsetX, float shadowOffsetY);

  void DrawString(std::string_view text, float x, float y, uint32_t argb) const;
  // The string in `shadowArgb` at the shadow offset, then in `argb` over it.
  void DrawStringShadowed(std::string_view text, float x, float y, uint32_t argb,
                          uint32_t shadowArgb) const;

  // Top-left texture coordinates of a character's cell; -1 when it has none.
  float GlyphU(unsigned char c) const { return glyphU_[c]; }
  float GlyphV(unsigned char c) const { return glyphV_[c]; }
  const CTexture& Texture() const { return texture_; }

 private:
  CTexture texture_;
  std::array<float, 256> glyphU_;
  std::array<float, 256> glyphV_;
  float cellWidth_, cellHeight_;    // texture coordinates
  float drawWidth_, drawHeight_;    // pixels; drawWidth is also the advance
  float shadowOffsetX_, shadowOffsetY_;
};
