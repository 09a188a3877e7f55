#pragma once
// System-font text on the GL device. Each distinct line is rendered once by
// the rasterizer into a texture and then drawn as one quad tinted with the
// text colour, so text drawn every frame costs one quad per line.

#include <memory>
#include <string>
#include <unordered_map>

#include "gfx/RenderDevice.h"
#include "platform/GlResources.h"
#include "platform/TextRasterizer.h"

class GlDevice;

class GlFont final : public DeviceFont {
 public:
  GlFont(GlDevice& device, std::unique_ptr<TextRasterizer> rasterizer);
  void DrawText(int x, int y, uint32_t argb, const std::string& utf8) override;

 private:
  static constexpr size_t kCachedLines = 256;

  const GlTexture* LineTexture(const std::string& line);

  GlDevice& device_;
  std::unique_ptr<TextRasterizer> rasterizer_;
  std::unordered_map<std::string, std::unique_ptr<GlTexture>> lines_;
};
