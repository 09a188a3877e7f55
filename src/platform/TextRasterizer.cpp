#include "platform/TextRasterizer.h"

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

const FcChar8* Fc(const char* text) { return reinterpret_cast<const FcChar8*>(text); }

// Moves the point size from `size` to the one whose cell height (ascent
// plus descent) is `height`.
void FitCellHeight(TTF_Font* font, int size, int height) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    int cell = TTF_FontHeight(font);
    if (cell <= 0 || cell == height) return;
    size = std::max(1, static_cast<int>(std::lround(1.0 * size * height / cell)));
    TTF_SetFontSize(font, size);
  }
}

// The font file fontconfig chooses for the name; empty when none.
std::string MatchFontFile(const std::string& faceName) {
  FcPattern* pattern = FcPatternCreate();
  if (!faceName.empty()) FcPatternAddString(pattern, FC_FAMILY, Fc(faceName.c_str()));
  FcPatternAddString(pattern, FC_LANG, Fc("ja"));
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  std::string path;
  FcChar8* file = nullptr;
  if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch)
    path = reinterpret_cast<const char*>(file);
  if (match) FcPatternDestroy(match);
  FcPatternDestroy(pattern);
  return path;
}

}  // namespace

std::unique_ptr<TextRasterizer> TextRasterizer::Open(const std::string& faceName, int height,
                                                     bool italic) {
  std::string path = MatchFontFile(faceName);
  if (path.empty() || height == 0 || TTF_Init() != 0) return nullptr;
  TTF_Font* font = TTF_OpenFont(path.c_str(), std::abs(height));
  if (!font) {
    TTF_Quit();
    return nullptr;
  }
  if (height > 0) FitCellHeight(font, height, height);
  if (italic) TTF_SetFontStyle(font, TTF_STYLE_ITALIC);
  return std::unique_ptr<TextRasterizer>(new TextRasterizer(font));
}

TextRasterizer::~TextRasterizer() {
  TTF_CloseFont(font_);
  TTF_Quit();
}

int TextRasterizer::LineSkip() const { return TTF_FontLineSkip(font_); }

Image TextRasterizer::RenderLine(const std::string& utf8) const {
  if (utf8.empty()) return Image{};
  SDL_Surface* rendered = TTF_RenderUTF8_Blended(font_, utf8.c_str(), SDL_Color{255, 255, 255, 255});
  if (!rendered) return Image{};
  std::optional<Image> image = ImageFromSurface(rendered);
  SDL_FreeSurface(rendered);
  return image ? std::move(*image) : Image{};
}
