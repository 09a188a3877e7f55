#pragma once
// A small painter for generated pictures. Colours are straight-alpha floats
// 0..1; the canvas keeps them premultiplied so that layering is one
// multiply-add. Shapes and text are first turned into coverage masks (clipped
// to their bounding box) and then painted with a colour or a gradient, which
// keeps anti-aliasing and effects (outline, shadow, glow) in one place.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

struct Rgba {
  float r = 0, g = 0, b = 0, a = 1;
};

// 0xRRGGBB, opaque.
constexpr Rgba Hex(uint32_t rgb, float alpha = 1.0f) {
  return {((rgb >> 16) & 0xFF) / 255.0f, ((rgb >> 8) & 0xFF) / 255.0f, (rgb & 0xFF) / 255.0f, alpha};
}
Rgba Mix(const Rgba& a, const Rgba& b, float t);
Rgba WithAlpha(Rgba c, float alpha);
Rgba Shade(const Rgba& c, float factor);  // factor < 1 darkens, > 1 lightens towards white

// Coverage 0..1 over a rectangle of the canvas starting at (x0, y0).
struct Mask {
  int x0 = 0, y0 = 0, w = 0, h = 0;
  std::vector<float> a;

  Mask() = default;
  Mask(int x, int y, int width, int height) : x0(x), y0(y), w(width), h(height), a(size_t(width) * height, 0.0f) {}
  float At(int x, int y) const {  // canvas coordinates; 0 outside
    x -= x0, y -= y0;
    return (x < 0 || y < 0 || x >= w || y >= h) ? 0.0f : a[size_t(y) * w + x];
  }
  float& Ref(int x, int y) { return a[size_t(y - y0) * w + (x - x0)]; }
};

Mask Grow(const Mask& m, float radius);    // round dilation: an outline of `radius` pixels
Mask Blur(const Mask& m, int radius);      // three box passes, about a Gaussian
Mask Shifted(Mask m, int dx, int dy);
Mask Union(const Mask& a, const Mask& b);
Mask Subtract(const Mask& a, const Mask& b);  // a without b

class Canvas {
 public:
  Canvas(int width, int height, Rgba fill = {0, 0, 0, 0});
  int Width() const { return w_; }
  int Height() const { return h_; }

  // Straight-alpha read and write.
  Rgba Get(int x, int y) const;
  void Set(int x, int y, const Rgba& c);
  // Layers `c`, weighted by coverage, over the pixel.
  void Blend(int x, int y, const Rgba& c, float coverage);

  // Paints every covered pixel with paint(x + 0.5, y + 0.5).
  template <class Paint>
  void Fill(const Mask& m, Paint paint) {
    for (int y = std::max(0, m.y0); y < std::min(h_, m.y0 + m.h); ++y)
      for (int x = std::max(0, m.x0); x < std::min(w_, m.x0 + m.w); ++x) {
        float cov = m.a[size_t(y - m.y0) * m.w + (x - m.x0)];
        if (cov > 0) Blend(x, y, paint(x + 0.5f, y + 0.5f), cov);
      }
  }
  void Fill(const Mask& m, const Rgba& c) {
    Fill(m, [&](float, float) { return c; });
  }
  // Every pixel of the canvas.
  template <class Paint>
  void FillAll(Paint paint) {
    for (int y = 0; y < h_; ++y)
      for (int x = 0; x < w_; ++x) Blend(x, y, paint(x + 0.5f, y + 0.5f), 1.0f);
  }
  // Draws another canvas with its top-left corner at (x, y).
  void Draw(const Canvas& src, int x, int y, float opacity = 1.0f);
  // Box-filtered reduction by an integer factor (supersampled artwork).
  Canvas Downsample(int factor) const;
  // 8-bit straight RGBA rows, top to bottom.
  std::vector<uint8_t> ToRgba8() const;

 private:
  int w_, h_;
  std::vector<Rgba> px_;  // premultiplied
};

// Linear gradient between two points.
struct LinearGradient {
  float x0, y0, x1, y1;
  Rgba c0, c1;
  Rgba operator()(float x, float y) const;
};
// Gradient through several stops along the y axis of the canvas.
struct VerticalStops {
  std::vector<std::pair<float, Rgba>> stops;  // (y, colour), ascending y
  Rgba operator()(float x, float y) const;
};
struct RadialGradient {
  float cx, cy, radius;
  Rgba inner, outer;
  Rgba operator()(float x, float y) const;
};

void WritePng(const Canvas& canvas, const std::string& path);
