#pragma once
// Anti-aliased shapes as coverage masks. Each shape is a signed distance in
// pixels (negative inside); coverage is 0.5 - distance, clamped, which gives a
// one-pixel soft edge at any size.

#include <cmath>
#include <vector>

#include "Canvas.h"

struct Pt {
  float x = 0, y = 0;
};

// Rasterises distance(x, y) over the box [x0, x1) x [y0, y1) (pixel centres
// at +0.5); `soft` widens the edge for glows.
template <class Distance>
Mask ShapeMask(float x0, float y0, float x1, float y1, Distance distance, float soft = 1.0f) {
  int ix0 = int(std::floor(x0 - soft)) - 1, iy0 = int(std::floor(y0 - soft)) - 1;
  int ix1 = int(std::ceil(x1 + soft)) + 1, iy1 = int(std::ceil(y1 + soft)) + 1;
  Mask m(ix0, iy0, ix1 - ix0, iy1 - iy0);
  for (int y = iy0; y < iy1; ++y)
    for (int x = ix0; x < ix1; ++x) {
      float d = distance(x + 0.5f, y + 0.5f);
      float c = 0.5f - d / soft;
      m.Ref(x, y) = c <= 0 ? 0 : (c >= 1 ? 1 : c);
    }
  return m;
}

inline float SegmentDistance(float px, float py, Pt a, Pt b) {
  float dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
  float t = len2 > 0 ? ((px - a.x) * dx + (py - a.y) * dy) / len2 : 0;
  t = t < 0 ? 0 : (t > 1 ? 1 : t);
  return std::hypot(px - (a.x + t * dx), py - (a.y + t * dy));
}

Mask Circle(float cx, float cy, float r, float soft = 1.0f);
Mask Ellipse(float cx, float cy, float rx, float ry);
Mask Ring(float cx, float cy, float r, float thickness);
Mask RoundRect(float x, float y, float w, float h, float radius, float soft = 1.0f);
Mask Rect(float x, float y, float w, float h);
Mask Line(Pt a, Pt b, float width);               // round caps
Mask Polyline(const std::vector<Pt>& pts, float width);
Mask Polygon(const std::vector<Pt>& pts);         // even-odd fill
Mask Star(float cx, float cy, float outer, float inner, int points, float rotation);
