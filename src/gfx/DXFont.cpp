#include "gfx/DXFont.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

bool CDXFont::Create(RenderDevice& device, const std::string& faceName, int height, bool italic) {
  Release();
  font_ = device.CreateFont(faceName, height, italic);
  return font_ == nullptr;
}

void CDXFont::DrawText(const CSprite* sprite, int x, int y, uint32_t argb, const char* text) const {
  if (!sprite || !font_ || !text) return;
  font_->DrawText(x, y, argb, text);
}

void CDXFont::DrawTextF(const CSprite* sprite, int x, int y, uint32_t argb, const char* format,
                        ...) const {
  va_list args;
  va_start(args, format);
  va_list measure;
  va_copy(measure, args);
  int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  if (length >= 0) {
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    DrawText(sprite, x, y, argb, buffer.data());
  }
  va_end(args);
}
