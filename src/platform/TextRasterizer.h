#pragma once
// Renders lines of UTF-8 text in an installed typeface found by name through
// fontconfig. A name that is not installed falls back to the face fontconfig
// prefers for Japanese text, so the game's Japanese face name still gets
// Japanese glyphs.

#include <memory>
#include <string>

#include "platform/ImageFile.h"

struct _TTF_Font;

class TextRasterizer {
 public:
  // Null when no face can be opened. `height` is the character cell height
  // in pixels (ascent plus descent); a negative height is the em size.
  static std::unique_ptr<TextRasterizer> Open(const std::string& faceName, int height,
                                              bool italic);
  ~TextRasterizer();
  TextRasterizer(const TextRasterizer&) = delete;
  TextRasterizer& operator=(const TextRasterizer&) = delete;

  // One line as white pixels whose alpha is the glyph coverage; an empty
  // image for an empty line.
  Image RenderLine(const std::string& utf8) const;
  int LineSkip() const;

 private:
  explicit TextRasterizer(_TTF_Font* font) : font_(font) {}

  _TTF_Font* font_;
};
