#include "Type.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <memory>
#include <stdexcept>

namespace {

const char* const kFontDir = "/usr/share/fonts/truetype/dejavu/";

const char* FileOf(Face face) {
  switch (face) {
    case Face::Bold: return "DejaVuSans-Bold.ttf";
    case Face::Condensed: return "DejaVuSansCondensed-Bold.ttf";
    case Face::BoldOblique: return "DejaVuSans-BoldOblique.ttf";
    case Face::Regular: return "DejaVuSans.ttf";
  }
  return "DejaVuSans-Bold.ttf";
}

// The FreeType library and the four faces, opened once for the whole run.
class Library {
 public:
  Library() {
    if (FT_Init_FreeType(&lib_)) throw std::runtime_error("FreeType could not start");
    for (int i = 0; i < 4; ++i) {
      std::string path = std::string(kFontDir) + FileOf(Face(i));
      if (FT_New_Face(lib_, path.c_str(), 0, &faces_[i]))
        throw std::runtime_error("cannot open " + path + " (install fonts-dejavu-core)");
    }
  }
  ~Library() {
    for (FT_Face f : faces_)
      if (f) FT_Done_Face(f);
    FT_Done_FreeType(lib_);
  }
  FT_Face Sized(const TextStyle& s) {
    FT_Face f = faces_[int(s.face)];
    FT_Set_Char_Size(f, FT_F26Dot6(std::lround(s.size * 64)), FT_F26Dot6(std::lround(s.size * s.stretch * 64)), 72, 72);
    return f;
  }

 private:
  FT_Library lib_ = nullptr;
  FT_Face faces_[4] = {};
};

Library& Lib() {
  static Library lib;
  return lib;
}

std::u32string Decode(const std::string& s) {
  std::u32string out;
  for (size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int extra = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
    char32_t cp = extra == 0 ? c : (c & (0x3F >> extra));
    for (int k = 1; k <= extra && i + k < s.size(); ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    out.push_back(cp);
    i += size_t(extra) + 1;
  }
  return out;
}

// Walks the glyphs of a line, calling emit(bitmap, left, top) at pen positions.
template <class Emit>
float Layout(const TextStyle& style, const std::string& utf8, Emit emit) {
  FT_Face f = Lib().Sized(style);
  float pen = 0;
  FT_UInt previous = 0;
  for (char32_t cp : Decode(utf8)) {
    FT_UInt index = FT_Get_Char_Index(f, cp);
    if (previous && index && FT_HAS_KERNING(f)) {
      FT_Vector k;
      FT_Get_Kerning(f, previous, index, FT_KERNING_UNFITTED, &k);
      pen += float(k.x) / 64.0f;
    }
    if (FT_Load_Glyph(f, index, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT)) continue;
    emit(f->glyph->bitmap, pen + float(f->glyph->bitmap_left), float(f->glyph->bitmap_top));
    pen += float(f->glyph->advance.x) / 64.0f + style.tracking;
    previous = index;
  }
  return pen - (utf8.empty() ? 0 : style.tracking);
}

}  // namespace

float TextWidth(const TextStyle& style, const std::string& utf8) {
  return Layout(style, utf8, [](const FT_Bitmap&, float, float) {});
}

float CapHeight(const TextStyle& style) {
  float top = 0;
  Layout(style, "H", [&](const FT_Bitmap&, float, float t) { top = t; });
  return top;
}

Mask TextMask(const TextStyle& style, const std::string& utf8, float x, float baseline, Align align) {
  float width = TextWidth(style, utf8);
  if (align == Align::Centre) x -= width / 2;
  if (align == Align::Right) x -= width;
  float em = style.size * std::max(1.0f, style.stretch);
  int ox = int(std::floor(x)) - int(em), oy = int(std::floor(baseline - em * 1.3f));
  Mask m(ox, oy, int(width + 2 * em) + 2, int(em * 2.0f) + 2);
  Layout(style, utf8, [&](const FT_Bitmap& b, float left, float top) {
    int gx = int(std::lround(x + left)), gy = int(std::lround(baseline - top));
    for (unsigned r = 0; r < b.rows; ++r)
      for (unsigned c = 0; c < b.width; ++c) {
        int px = gx + int(c), py = gy + int(r);
        if (px < m.x0 || py < m.y0 || px >= m.x0 + m.w || py >= m.y0 + m.h) continue;
        float v = b.buffer[r * unsigned(b.pitch) + c] / 255.0f;
        float& o = m.Ref(px, py);
        o = std::min(1.0f, o + v);
      }
  });
  return m;
}

Mask TextAt(const TextStyle& style, const std::string& utf8, float x, float cy, Align align) {
  return TextMask(style, utf8, x, std::round(cy + CapHeight(style) / 2), align);
}
