#pragma once
// Text in an installed typeface chosen by name (a missing face falls back to
// an installed one that has Japanese glyphs). Text is UTF-8, laid out from
// its top-left corner; each '\n' starts a new line at the same x, and text
// past the screen's right or bottom edge is clipped.

#include <cstdint>
#include <memory>
#include <string>

#include "gfx/RenderDevice.h"
#include "gfx/Sprite.h"

class CDXFont {
 public:
  CDXFont() = default;
  virtual ~CDXFont() = default;
  CDXFont(const CDXFont&) = delete;
  CDXFont& operator=(const CDXFont&) = delete;

  // Releases any earlier font first. Returns true when no font could be made
  // (the failure flag of the original interface), false on success.
  bool Create(RenderDevice& device, const std::string& faceName, int height, bool italic);
  void Release() { font_.reset(); }
  bool IsCreated() const { return font_ != nullptr; }

  // Nothing is drawn without a sprite or a font.
  void DrawText(const CSprite* sprite, int x, int y, uint32_t argb, const char* text) const;
  void DrawTextF(const CSprite* sprite, int x, int y, uint32_t argb, const char* format, ...) const
      __attribute__((format(printf, 6, 7)));

 private:
  std::unique_ptr<DeviceFont> font_;
};
