#include "Shapes.h"

#include <algorithm>
#include <numbers>

Mask Circle(float cx, float cy, float r, float soft) {
  return ShapeMask(cx - r, cy - r, cx + r, cy + r, [&](float x, float y) { return std::hypot(x - cx, y - cy) - r; },
                   soft);
}

Mask Ellipse(float cx, float cy, float rx, float ry) {
  // Scaled-circle distance, corrected by the gradient length: exact enough
  // for the edge band that anti-aliasing looks at.
  return ShapeMask(cx - rx, cy - ry, cx + rx, cy + ry, [&](float x, float y) {
    float nx = (x - cx) / rx, ny = (y - cy) / ry;
    float k = std::hypot(nx, ny);
    float g = std::hypot(nx / rx, ny / ry);
    return g > 0 ? (k - 1) * k / g : -std::min(rx, ry);
  });
}

Mask Ring(float cx, float cy, float r, float thickness) {
  return ShapeMask(cx - r - thickness, cy - r - thickness, cx + r + thickness, cy + r + thickness,
                   [&](float x, float y) { return std::fabs(std::hypot(x - cx, y - cy) - r) - thickness / 2; });
}

Mask RoundRect(float x, float y, float w, float h, float radius, float soft) {
  float cx = x + w / 2, cy = y + h / 2, hx = w / 2 - radius, hy = h / 2 - radius;
  return ShapeMask(
      x, y, x + w, y + h,
      [&](float px, float py) {
        float qx = std::fabs(px - cx) - hx, qy = std::fabs(py - cy) - hy;
        float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
        return outside + std::min(std::max(qx, qy), 0.0f) - radius;
      },
      soft);
}

Mask Rect(float x, float y, float w, float h) { return RoundRect(x, y, w, h, 0); }

Mask Line(Pt a, Pt b, float width) {
  float r = width / 2;
  return ShapeMask(std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r, std::max(a.y, b.y) + r,
                   [&](float x, float y) { return SegmentDistance(x, y, a, b) - r; });
}

Mask Polyline(const std::vector<Pt>& pts, float width) {
  float r = width / 2, x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
  for (const Pt& p : pts) x0 = std::min(x0, p.x), y0 = std::min(y0, p.y), x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
  return ShapeMask(x0 - r, y0 - r, x1 + r, y1 + r, [&](float x, float y) {
    float d = 1e9f;
    for (size_t i = 1; i < pts.size(); ++i) d = std::min(d, SegmentDistance(x, y, pts[i - 1], pts[i]));
    return d - r;
  });
}

Mask Polygon(const std::vector<Pt>& pts) {
  float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
  for (const Pt& p : pts) x0 = std::min(x0, p.x), y0 = std::min(y0, p.y), x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
  return ShapeMask(x0, y0, x1, y1, [&](float x, float y) {
    float d = 1e9f;
    bool inside = false;
    for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
      const Pt &a = pts[i], &b = pts[j];
      d = std::min(d, SegmentDistance(x, y, a, b));
      if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside ? -d : d;
  });
}

Mask Star(float cx, float cy, float outer, float inner, int points, float rotation) {
  std::vector<Pt> pts;
  for (int i = 0; i < points * 2; ++i) {
    float r = (i % 2) ? inner : outer;
    float t = rotation + std::numbers::pi_v<float> * float(i) / float(points);
    pts.push_back({cx + r * std::sin(t), cy - r * std::cos(t)});
  }
  return Polygon(pts);
}
