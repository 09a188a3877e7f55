#include "Style.h"

#include <cmath>

static void Shadow(Canvas& c, const Mask& outer, const LabelLook& look) {
  if (look.shadowAlpha <= 0) return;
  c.Fill(Blur(Shifted(outer, look.shadowOffset, look.shadowOffset), 1), WithAlpha(Palette::Ink, look.shadowAlpha));
}

void PaintOutlined(Canvas& c, const Mask& shape, const LabelLook& look) {
  Mask outer = look.outlineWidth > 0 ? Grow(shape, look.outlineWidth) : shape;
  Shadow(c, outer, look);
  if (look.outlineWidth > 0) c.Fill(outer, look.outline);
  c.Fill(shape, look.fill);
}

void PaintOutlinedGradient(Canvas& c, const Mask& shape, Rgba top, Rgba bottom, const LabelLook& look) {
  Mask outer = look.outlineWidth > 0 ? Grow(shape, look.outlineWidth) : shape;
  Shadow(c, outer, look);
  if (look.outlineWidth > 0) c.Fill(outer, look.outline);
  // The gradient spans the rows that actually hold coverage.
  int first = shape.h, last = 0;
  for (int y = 0; y < shape.h; ++y)
    for (int x = 0; x < shape.w; ++x)
      if (shape.a[size_t(y) * shape.w + x] > 0) first = std::min(first, y), last = std::max(last, y);
  float y0 = float(shape.y0 + first), y1 = float(shape.y0 + last + 1);
  c.Fill(shape, LinearGradient{0, y0, 0, y1, top, bottom});
}

void PaintPanel(Canvas& c, float x, float y, float w, float h, const PanelLook& look) {
  if (look.shadowAlpha > 0)
    c.Fill(Blur(RoundRect(x + 4, y + 6, w, h, look.radius), 4), WithAlpha(Palette::Ink, look.shadowAlpha));
  c.Fill(RoundRect(x, y, w, h, look.radius), look.border);
  float b = look.borderWidth;
  Mask face = RoundRect(x + b, y + b, w - 2 * b, h - 2 * b, std::max(1.0f, look.radius - b));
  c.Fill(face, LinearGradient{0, y, 0, y + h, look.top, look.bottom});
  if (look.highlight > 0) {
    // A light rim hugging the top edge, fading downwards.
    Mask rim = Subtract(face, Shifted(face, 0, 3));
    c.Fill(rim, WithAlpha(Palette::White, look.highlight));
  }
}

void PaintGlow(Canvas& c, const Mask& shape, Rgba colour, int radius) {
  c.Fill(Blur(Grow(shape, float(radius) / 2), radius), colour);
}
