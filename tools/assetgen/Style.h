#pragma once
// The house look shared by every picture: one palette, dark ink outlines,
// soft drop shadows and bevelled panels, so screens, HUD and blocks read as
// one game.

#include "Canvas.h"
#include "Shapes.h"
#include "Type.h"

namespace Palette {
constexpr Rgba Ink = Hex(0x241A33);        // outlines and shadows
constexpr Rgba Night = Hex(0x1B1F3B);      // deep background
constexpr Rgba Dusk = Hex(0x3A3F75);
constexpr Rgba Cream = Hex(0xFFF4DC);
constexpr Rgba White = Hex(0xFFFFFF);
constexpr Rgba Gold = Hex(0xFFC83D);
constexpr Rgba Amber = Hex(0xE8901A);
constexpr Rgba Brick = Hex(0xD9733B);
constexpr Rgba BrickLight = Hex(0xF2A25C);
constexpr Rgba BrickDark = Hex(0x9C4424);
constexpr Rgba Steel = Hex(0x7C8AA5);
constexpr Rgba SteelLight = Hex(0xC3CEE0);
constexpr Rgba SteelDark = Hex(0x4A536B);
constexpr Rgba Teal = Hex(0x3BB8A8);
constexpr Rgba Berry = Hex(0xE8456B);
constexpr Rgba Violet = Hex(0x7B5CD6);
}  // namespace Palette

// Text or shape with an ink outline and a soft shadow below right.
struct LabelLook {
  Rgba fill = Palette::White;
  Rgba outline = Palette::Ink;
  float outlineWidth = 2.5f;
  int shadowOffset = 3;
  float shadowAlpha = 0.55f;
};
void PaintOutlined(Canvas& c, const Mask& shape, const LabelLook& look = {});
// Same, with a vertical gradient fill from `top` to `bottom` over the shape.
void PaintOutlinedGradient(Canvas& c, const Mask& shape, Rgba top, Rgba bottom, const LabelLook& look = {});

// A rounded, bevelled panel with a gradient face and an ink border.
struct PanelLook {
  Rgba top = Palette::Dusk;
  Rgba bottom = Palette::Night;
  Rgba border = Palette::Ink;
  float radius = 12;
  float borderWidth = 3;
  float highlight = 0.25f;  // strength of the light rim along the top edge
  float shadowAlpha = 0.45f;
};
void PaintPanel(Canvas& c, float x, float y, float w, float h, const PanelLook& look = {});

// Soft coloured halo around a shape.
void PaintGlow(Canvas& c, const Mask& shape, Rgba colour, int radius);
