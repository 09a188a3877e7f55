#include "Canvas.h"

#include <png.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <stdexcept>

Rgba Mix(const Rgba& a, const Rgba& b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Rgba WithAlpha(Rgba c, float alpha) {
  c.a = alpha;
  return c;
}

Rgba Shade(const Rgba& c, float factor) {
  if (factor <= 1) return {c.r * factor, c.g * factor, c.b * factor, c.a};
  return Mix(c, Rgba{1, 1, 1, c.a}, std::min(1.0f, factor - 1));
}

// ---------------------------------------------------------------- masks

// Squared distance along one line to the nearest marked sample (the lower
// envelope of parabolas, Felzenszwalb & Huttenlocher).
static void DistanceLine(const std::vector<float>& f, std::vector<float>& d, std::vector<int>& v, std::vector<float>& z) {
  int n = int(f.size()), k = 0;
  v[0] = 0;
  z[0] = -1e20f;
  z[1] = 1e20f;
  for (int q = 1; q < n; ++q) {
    float s;
    while (true) {
      int p = v[size_t(k)];
      s = ((f[size_t(q)] + float(q * q)) - (f[size_t(p)] + float(p * p))) / float(2 * q - 2 * p);
      if (s > z[size_t(k)] || k == 0) break;
      --k;
    }
    if (s <= z[size_t(k)]) s = z[size_t(k)];
    ++k;
    v[size_t(k)] = q;
    z[size_t(k)] = s;
    z[size_t(k) + 1] = 1e20f;
  }
  k = 0;
  for (int q = 0; q < n; ++q) {
    while (z[size_t(k) + 1] < float(q)) ++k;
    int p = v[size_t(k)];
    d[size_t(q)] = float((q - p) * (q - p)) + f[size_t(p)];
  }
}

Mask Grow(const Mask& m, float radius) {
  int r = int(std::ceil(radius)) + 2;
  Mask out(m.x0 - r, m.y0 - r, m.w + 2 * r, m.h + 2 * r);
  // Distance from every pixel to the nearest pixel at least half covered.
  const float far = 1e20f;
  std::vector<float> dist(out.a.size(), far);
  for (int y = 0; y < m.h; ++y)
    for (int x = 0; x < m.w; ++x)
      if (m.a[size_t(y) * m.w + x] >= 0.5f) dist[size_t(y + r) * out.w + (x + r)] = 0;
  size_t longest = size_t(std::max(out.w, out.h));
  std::vector<float> f(longest), d(longest), z(longest + 1);
  std::vector<int> v(longest);
  for (int x = 0; x < out.w; ++x) {
    f.resize(size_t(out.h));
    d.resize(size_t(out.h));
    for (int y = 0; y < out.h; ++y) f[size_t(y)] = dist[size_t(y) * out.w + x];
    DistanceLine(f, d, v, z);
    for (int y = 0; y < out.h; ++y) dist[size_t(y) * out.w + x] = d[size_t(y)];
  }
  for (int y = 0; y < out.h; ++y) {
    f.resize(size_t(out.w));
    d.resize(size_t(out.w));
    for (int x = 0; x < out.w; ++x) f[size_t(x)] = dist[size_t(y) * out.w + x];
    DistanceLine(f, d, v, z);
    for (int x = 0; x < out.w; ++x) dist[size_t(y) * out.w + x] = d[size_t(x)];
  }
  for (int y = 0; y < out.h; ++y)
    for (int x = 0; x < out.w; ++x) {
      size_t i = size_t(y) * out.w + x;
      float grown = std::clamp(radius + 0.5f - std::sqrt(dist[i]), 0.0f, 1.0f);
      out.a[i] = std::max(grown, m.At(out.x0 + x, out.y0 + y));
    }
  return out;
}

static void BoxPass(std::vector<float>& v, int w, int h, int radius, bool horizontal) {
  std::vector<float> line(size_t(std::max(w, h)));
  int n = horizontal ? w : h, lines = horizontal ? h : w;
  for (int l = 0; l < lines; ++l) {
    auto at = [&](int i) -> float& { return horizontal ? v[size_t(l) * w + i] : v[size_t(i) * w + l]; };
    float sum = 0;
    for (int i = -radius; i <= radius; ++i) sum += (i >= 0 && i < n) ? at(i) : 0;
    for (int i = 0; i < n; ++i) {
      line[i] = sum / float(2 * radius + 1);
      int add = i + radius + 1, sub = i - radius;
      if (add < n) sum += at(add);
      if (sub >= 0) sum -= at(sub);
    }
    for (int i = 0; i < n; ++i) at(i) = line[i];
  }
}

Mask Blur(const Mask& m, int radius) {
  if (radius <= 0) return m;
  int pad = radius * 3;
  Mask out(m.x0 - pad, m.y0 - pad, m.w + 2 * pad, m.h + 2 * pad);
  for (int y = 0; y < m.h; ++y)
    for (int x = 0; x < m.w; ++x) out.a[size_t(y + pad) * out.w + x + pad] = m.a[size_t(y) * m.w + x];
  for (int pass = 0; pass < 3; ++pass) {
    BoxPass(out.a, out.w, out.h, radius, true);
    BoxPass(out.a, out.w, out.h, radius, false);
  }
  return out;
}

Mask Shifted(Mask m, int dx, int dy) {
  m.x0 += dx;
  m.y0 += dy;
  return m;
}

static Mask Combine(const Mask& a, const Mask& b, bool subtract) {
  int x0 = subtract ? a.x0 : std::min(a.x0, b.x0), y0 = subtract ? a.y0 : std::min(a.y0, b.y0);
  int x1 = subtract ? a.x0 + a.w : std::max(a.x0 + a.w, b.x0 + b.w);
  int y1 = subtract ? a.y0 + a.h : std::max(a.y0 + a.h, b.y0 + b.h);
  Mask out(x0, y0, x1 - x0, y1 - y0);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x)
      out.Ref(x, y) = subtract ? a.At(x, y) * (1 - b.At(x, y)) : std::max(a.At(x, y), b.At(x, y));
  return out;
}

Mask Union(const Mask& a, const Mask& b) { return Combine(a, b, false); }
Mask Subtract(const Mask& a, const Mask& b) { return Combine(a, b, true); }

// ---------------------------------------------------------------- canvas

Canvas::Canvas(int width, int height, Rgba fill) : w_(width), h_(height) {
  Rgba p{fill.r * fill.a, fill.g * fill.a, fill.b * fill.a, fill.a};
  px_.assign(size_t(width) * height, p);
}

Rgba Canvas::Get(int x, int y) const {
  const Rgba& p = px_[size_t(y) * w_ + x];
  if (p.a <= 0) return {0, 0, 0, 0};
  return {p.r / p.a, p.g / p.a, p.b / p.a, p.a};
}

void Canvas::Set(int x, int y, const Rgba& c) { px_[size_t(y) * w_ + x] = {c.r * c.a, c.g * c.a, c.b * c.a, c.a}; }

void Canvas::Blend(int x, int y, const Rgba& c, float coverage) {
  if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
  float a = std::clamp(c.a * coverage, 0.0f, 1.0f);
  Rgba& d = px_[size_t(y) * w_ + x];
  d.r = c.r * a + d.r * (1 - a);
  d.g = c.g * a + d.g * (1 - a);
  d.b = c.b * a + d.b * (1 - a);
  d.a = a + d.a * (1 - a);
}

void Canvas::Draw(const Canvas& src, int x, int y, float opacity) {
  for (int sy = 0; sy < src.h_; ++sy)
    for (int sx = 0; sx < src.w_; ++sx) Blend(x + sx, y + sy, src.Get(sx, sy), opacity);
}

Canvas Canvas::Downsample(int f) const {
  Canvas out(w_ / f, h_ / f);
  float n = float(f * f);
  for (int y = 0; y < out.h_; ++y)
    for (int x = 0; x < out.w_; ++x) {
      Rgba s{0, 0, 0, 0};
      for (int dy = 0; dy < f; ++dy)
        for (int dx = 0; dx < f; ++dx) {
          const Rgba& p = px_[size_t(y * f + dy) * w_ + (x * f + dx)];
          s.r += p.r, s.g += p.g, s.b += p.b, s.a += p.a;
        }
      out.px_[size_t(y) * out.w_ + x] = {s.r / n, s.g / n, s.b / n, s.a / n};
    }
  return out;
}

std::vector<uint8_t> Canvas::ToRgba8() const {
  std::vector<uint8_t> out(size_t(w_) * h_ * 4);
  auto byte = [](float v) { return uint8_t(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); };
  for (size_t i = 0; i < px_.size(); ++i) {
    uint8_t a = byte(px_[i].a);
    Rgba c = a ? Get(int(i % w_), int(i / w_)) : Rgba{0, 0, 0, 0};
    out[i * 4 + 0] = a ? byte(c.r) : 0;
    out[i * 4 + 1] = a ? byte(c.g) : 0;
    out[i * 4 + 2] = a ? byte(c.b) : 0;
    out[i * 4 + 3] = a;
  }
  return out;
}

// ---------------------------------------------------------------- paints

static float Clamp01(float t) { return std::clamp(t, 0.0f, 1.0f); }

Rgba LinearGradient::operator()(float x, float y) const {
  float dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
  float t = len2 > 0 ? ((x - x0) * dx + (y - y0) * dy) / len2 : 0;
  return Mix(c0, c1, Clamp01(t));
}

Rgba VerticalStops::operator()(float, float y) const {
  if (y <= stops.front().first) return stops.front().second;
  for (size_t i = 1; i < stops.size(); ++i)
    if (y <= stops[i].first) {
      float t = (y - stops[i - 1].first) / (stops[i].first - stops[i - 1].first);
      return Mix(stops[i - 1].second, stops[i].second, t);
    }
  return stops.back().second;
}

Rgba RadialGradient::operator()(float x, float y) const {
  float d = std::hypot(x - cx, y - cy) / radius;
  return Mix(inner, outer, Clamp01(d));
}

// ---------------------------------------------------------------- PNG

void WritePng(const Canvas& canvas, const std::string& path) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
  if (!file) throw std::runtime_error("cannot write " + path);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    throw std::runtime_error("libpng could not start for " + path);
  }
  std::vector<uint8_t> rgba = canvas.ToRgba8();
  std::vector<png_bytep> rows(size_t(canvas.Height()));
  for (int y = 0; y < canvas.Height(); ++y) rows[y] = rgba.data() + size_t(y) * canvas.Width() * 4;
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw std::runtime_error("libpng failed on " + path);
  }
  png_init_io(png, file.get());
  png_set_compression_level(png, 6);
  png_set_IHDR(png, info, png_uint_32(canvas.Width()), png_uint_32(canvas.Height()), 8, PNG_COLOR_TYPE_RGBA,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_rows(png, info, rows.data());
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
}
