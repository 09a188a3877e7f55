#pragma once
// An image loaded from a file and drawn as screen quads. Positions and sizes
// are back-buffer pixels (origin top left, y down); texture coordinates run
// 0..1 over the whole image. A texture whose file could not be loaded still
// exists: it reports zero sizes, DrawImage and DrawPart draw nothing, and
// Draw with explicit sizes draws an untextured rectangle.

#include <cstdint>
#include <memory>
#include <string>

#include "gfx/RenderDevice.h"

// One rectangle with its top-left corner at (x, y), every vertex in `argb`,
// mapping the texture rectangle (u, v, uw, vh) with whatever texture and
// stage states are set.
void DrawScreenQuad(RenderDevice& device, float x, float y, float w, float h, float u, float v,
                    float uw, float vh, uint32_t argb);

class CTexture {
 public:
  CTexture(RenderDevice& device, const std::string& path);

  void Draw(float x, float y, float w, float h, float u, float v, float uw, float vh,
            uint32_t argb) const;
  // The whole image at its own size.
  void DrawImage(float x, float y, uint32_t argb) const;
  // Part (u, v, uw, vh) of the image at its own pixel size times the scale.
  void DrawPart(float x, float y, float scaleX, float scaleY, float u, float v, float uw,
                float vh, uint32_t argb) const;

  // Texture size as created (power-of-two sides) and image size as stored.
  uint32_t TextureWidth() const { return texture_ ? texture_->width : 0; }
  uint32_t TextureHeight() const { return texture_ ? texture_->height : 0; }
  uint32_t ImageWidth() const { return texture_ ? texture_->imageWidth : 0; }
  uint32_t ImageHeight() const { return texture_ ? texture_->imageHeight : 0; }
  bool IsLoaded() const { return texture_ != nullptr; }
  const DeviceTexture* Get() const { return texture_.get(); }

 private:
  RenderDevice& device_;
  std::unique_ptr<DeviceTexture> texture_;
};
