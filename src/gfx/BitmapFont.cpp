#include "gfx/BitmapFont.h"

#include <cmath>

namespace {

// Cells per atlas row. 1 / cellWidth is a whole number that float division
// can leave just below it (a 20-pixel cell of a 600-pixel atlas gives 29.999998), which would push the
// last cell of a row onto the next; round within a small tolerance instead.
int ColumnsOf(float cellWidth) {
  if (!(cellWidth > 0)) return 1;
  double columns = std::floor(1.0 / cellWidth + 1e-3);
  return columns < 1 ? 1 : static_cast<int>(std::fmin(columns, 65536.0));
}

}  // namespace

CBitmapFont::CBitmapFont(RenderDevice& device, const std::string& path,
                         std::string_view characters, float cellWidth, float cellHeight,
                         float drawWidth, float drawHeight, float shadowOffsetX,
                         float shadowOffsetY)
    : texture_(device, path),
      cellWidth_(cellWidth),
      cellHeight_(cellHeight),
      drawWidth_(drawWidth),
      drawHeight_(drawHeight),
      shadowOffsetX_(shadowOffsetX),
      shadowOffsetY_(shadowOffsetY) {
  glyphU_.fill(-1);
  glyphV_.fill(-1);
  const int columns = ColumnsOf(cellWidth);
  for (size_t i = 0; i < characters.size(); ++i) {
    auto c = static_cast<unsigned char>(characters[i]);
    glyphU_[c] = static_cast<float>(i % columns) * cellWidth;
    glyphV_[c] = static_cast<float>(i / columns) * cellHeight;
  }
}

void CBitmapFont::DrawString(std::string_view text, float x, float y, uint32_t argb) const {
  float pen = x;
  for (char ch : text) {
    auto c = static_cast<unsigned char>(ch);
    if (glyphU_[c] >= 0 && glyphV_[c] >= 0)
      texture_.Draw(pen, y, drawWidth_, drawHeight_, glyphU_[c], glyphV_[c], cellWidth_,
                    cellHeight_, argb);
    pen += drawWidth_;
  }
}

void CBitmapFont::DrawStringShadowed(std::string_view text, float x, float y, uint32_t argb,
                                     uint32_t shadowArgb) const {
  DrawString(text, x + shadowOffsetX_, y + shadowOffsetY_, shadowArgb);
  DrawString(text, x, y, argb);
}
