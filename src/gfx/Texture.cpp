#include "gfx/Texture.h"

#include "gfx/GameView.h"

void DrawScreenQuad(RenderDevice& device, float x, float y, float w, float h, float u, float v,
                    float uw, float vh, uint32_t argb) {
  // Strip order top-left, top-right, bottom-left, bottom-right; no half-pixel
  // offset, so a quad covers exactly the pixels of its rectangle.
  device.DrawScreenQuad(QuadOf({x, y, x + w, y + h, u, v, u + uw, v + vh, argb}).data());
}

CTexture::CTexture(RenderDevice& device, const std::string& path)
    : device_(device), texture_(device.LoadTexture(path)) {}

void CTexture::Draw(float x, float y, float w, float h, float u, float v, float uw, float vh,
                    uint32_t argb) const {
  // The vertex colour tints the image and its alpha scales the image's alpha.
  device_.DrawTexturedRect(kModulateStage, texture_.get(), {x, y, x + w, y + h, u, v, u + uw, v + vh, argb});
}

void CTexture::DrawImage(float x, float y, uint32_t argb) const {
  Draw(x, y, static_cast<float>(ImageWidth()), static_cast<float>(ImageHeight()), 0, 0, 1, 1, argb);
}

void CTexture::DrawPart(float x, float y, float scaleX, float scaleY, float u, float v, float uw,
                        float vh, uint32_t argb) const {
  float w = static_cast<float>(ImageWidth()) * uw * scaleX;
  float h = static_cast<float>(ImageHeight()) * vh * scaleY;
  Draw(x, y, w, h, u, v, uw, vh, argb);
}
