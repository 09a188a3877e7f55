#include "platform/GlFont.h"

#include "platform/GlDevice.h"

GlFont::GlFont(GlDevice& device, std::unique_ptr<TextRasterizer> rasterizer)
    : device_(device), rasterizer_(std::move(rasterizer)) {}

const GlTexture* GlFont::LineTexture(const std::string& line) {
  auto found = lines_.find(line);
  if (found != lines_.end()) return found->second.get();
  // Text that changes every frame would grow the cache without end.
  if (lines_.size() >= kCachedLines) lines_.clear();
  Image image = rasterizer_->RenderLine(line);
  std::unique_ptr<GlTexture> texture;
  if (image.width > 0 && image.height > 0)
    texture = device_.MakeTexture(image.width, image.height, image.argb.data());
  return lines_.emplace(line, std::move(texture)).first->second.get();
}

void GlFont::DrawText(int x, int y, uint32_t argb, const std::string& utf8) {
  // The layout rectangle ends at the screen's right and bottom edges.
  const PixelRect clip{x, y, device_.BackBufferWidth() - x, device_.BackBufferHeight() - y};
  if (clip.width <= 0 || clip.height <= 0) return;
  int top = y;
  size_t start = 0;
  while (start <= utf8.size() && top < device_.BackBufferHeight()) {
    size_t end = std::min(utf8.find('\n', start), utf8.size());
    std::string line = utf8.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (const GlTexture* texture = LineTexture(line)) {
      auto left = static_cast<float>(x), right = left + static_cast<float>(texture->imageWidth);
      auto upper = static_cast<float>(top), lower = upper + static_cast<float>(texture->imageHeight);
      const ScreenVertex quad[4] = {{left, upper, 0, 1, argb, 0, 0},
                                    {right, upper, 0, 1, argb, 1, 0},
                                    {left, lower, 0, 1, argb, 0, 1},
                                    {right, lower, 0, 1, argb, 1, 1}};
      device_.DrawTextQuad(*texture, quad, clip);
    }
    top += rasterizer_->LineSkip();
    start = end + 1;
  }
}
