// The block sprites and the explosion strip. Blocks are drawn edge to edge in
// a 50 x 46 raster, so each frame is a complete tile with its own bevel and
// ink rim. The breakable block is warm brick; the hard block is riveted
// steel, so the two never get confused.

#include <cmath>
#include <numbers>

#include "Noise.h"
#include "Pictures.h"
#include "Style.h"

namespace {

constexpr int kSS = 4;  // supersampling factor
constexpr float kBw = 50 * kSS, kBh = 46 * kSS;

// Light from the top left: a lighter rim along the top and left edges, a
// darker one along the bottom and right.
void Bevel(Canvas& c, float x, float y, float w, float h, float depth, float strength) {
  Mask face = Rect(x, y, w, h);
  Mask inner = Rect(x + depth, y + depth, w - 2 * depth, h - 2 * depth);
  Mask rim = Subtract(face, inner);
  c.Fill(rim, [&](float px, float py) {
    bool lit = (px - x) + (py - y) < (w + h) / 2 ? (px - x < depth || py - y < depth) : false;
    bool dark = (x + w - px < depth) || (y + h - py < depth);
    if (dark && !lit) return WithAlpha(Palette::Ink, 0.45f * strength);
    return WithAlpha(Palette::White, lit ? 0.35f * strength : 0.0f);
  });
}

}  // namespace

Canvas BrickTile(bool cracked) {
  Canvas c(int(kBw), int(kBh), Palette::Ink);
  const float u = kSS;
  // Three courses of bricks, staggered, with mortar between.
  const float course = (kBh - 4 * u) / 3;
  for (int row = 0; row < 3; ++row) {
    float y = 2 * u + course * float(row);
    float offset = row % 2 ? -12 * u : 0;
    for (float x = offset; x < kBw; x += 24 * u) {
      float x0 = std::max(2 * u, x + u), x1 = std::min(kBw - 2 * u, x + 24 * u - u);
      if (x1 - x0 < 3 * u) continue;
      float n = Random01(int(x), row, cracked ? 7 : 5) * 0.12f;
      Mask brick = RoundRect(x0, y + u, x1 - x0, course - 2 * u, 2 * u);
      c.Fill(brick, [&](float px, float py) {
        float grain = Fbm(px / (6 * u), py / (6 * u), 3, 3);
        Rgba base = Mix(Palette::BrickLight, Palette::Brick, (py - y) / course);
        return Shade(base, 0.9f + n + 0.15f * grain);
      });
      // Highlight along each brick's top edge, shadow along its bottom.
      c.Fill(Subtract(brick, Shifted(brick, 0, int(1.5f * u))), WithAlpha(Palette::White, 0.35f));
      c.Fill(Subtract(brick, Shifted(brick, 0, -int(1.5f * u))), WithAlpha(Palette::BrickDark, 0.8f));
    }
  }
  Bevel(c, 0, 0, kBw, kBh, 2.5f * u, 1.0f);
  c.Fill(Subtract(Rect(0, 0, kBw, kBh), Rect(u, u, kBw - 2 * u, kBh - 2 * u)), Palette::Ink);
  if (cracked) {
    // A strike from below: a star of cracks rising from the bottom centre.
    Pt o{kBw * 0.52f, kBh * 0.82f};
    const std::vector<std::vector<Pt>> cracks = {
        {o, {o.x - 5 * u, o.y - 9 * u}, {o.x - 4 * u, o.y - 17 * u}, {o.x - 11 * u, o.y - 26 * u}, {o.x - 12 * u, o.y - 35 * u}},
        {o, {o.x + 6 * u, o.y - 7 * u}, {o.x + 13 * u, o.y - 10 * u}, {o.x + 15 * u, o.y - 19 * u}},
        {{o.x + 13 * u, o.y - 10 * u}, {o.x + 20 * u, o.y - 8 * u}},
        {o, {o.x - 9 * u, o.y + 2 * u}, {o.x - 17 * u, o.y - 2 * u}},
        {{o.x - 4 * u, o.y - 17 * u}, {o.x + 4 * u, o.y - 24 * u}, {o.x + 5 * u, o.y - 31 * u}},
        {o, {o.x + 2 * u, o.y + 6 * u}}};
    for (const auto& crack : cracks) {
      c.Fill(Polyline(crack, 3.2f * u), Palette::Ink);
      std::vector<Pt> lit;
      for (Pt p : crack) lit.push_back({p.x + 1.2f * u, p.y + 1.2f * u});
      c.Fill(Polyline(lit, 0.9f * u), WithAlpha(Palette::BrickLight, 0.7f));
    }
    c.Fill(Circle(o.x, o.y, 3 * u), Palette::Ink);
    // Chips knocked out of the corners.
    c.Fill(Polygon({{kBw - 2 * u, kBh - 13 * u}, {kBw - 2 * u, kBh - 2 * u}, {kBw - 11 * u, kBh - 2 * u}}), Palette::Ink);
    c.Fill(Polygon({{2 * u, 9 * u}, {2 * u, 2 * u}, {8 * u, 2 * u}}), Palette::Ink);
  }
  return c.Downsample(kSS);
}

Canvas SteelTile() {
  Canvas c(int(kBw), int(kBh), Palette::Ink);
  const float u = kSS;
  Mask plate = RoundRect(u, u, kBw - 2 * u, kBh - 2 * u, 3 * u);
  c.Fill(plate, [&](float x, float y) {
    float brushed = Fbm(x / (40 * u), y / (1.2f * u), 9, 3);
    Rgba base = Mix(Palette::SteelLight, Palette::SteelDark, (x + y) / (kBw + kBh));
    return Shade(base, 0.92f + 0.16f * brushed);
  });
  Bevel(c, u, u, kBw - 2 * u, kBh - 2 * u, 4 * u, 1.2f);
  // An inset panel with an embossed cross brace.
  Mask panel = RoundRect(9 * u, 9 * u, kBw - 18 * u, kBh - 18 * u, 2 * u);
  c.Fill(panel, WithAlpha(Palette::SteelDark, 0.35f));
  c.Fill(Subtract(panel, Shifted(panel, int(1.5f * u), int(1.5f * u))), WithAlpha(Palette::Ink, 0.55f));
  c.Fill(Subtract(panel, Shifted(panel, -int(1.5f * u), -int(1.5f * u))), WithAlpha(Palette::White, 0.4f));
  Mask brace = Union(Line({12 * u, 12 * u}, {kBw - 12 * u, kBh - 12 * u}, 4 * u),
                     Line({kBw - 12 * u, 12 * u}, {12 * u, kBh - 12 * u}, 4 * u));
  c.Fill(Shifted(brace, int(u), int(u)), WithAlpha(Palette::Ink, 0.5f));
  c.Fill(brace, Palette::SteelLight);
  // Rivets in the corners.
  for (float rx : {5.5f * u, kBw - 5.5f * u})
    for (float ry : {5.5f * u, kBh - 5.5f * u}) {
      c.Fill(Circle(rx + u * 0.6f, ry + u * 0.6f, 2.4f * u), WithAlpha(Palette::Ink, 0.7f));
      c.Fill(Circle(rx, ry, 2.2f * u), RadialGradient{rx - u, ry - u, 2.6f * u, Palette::White, Palette::Steel});
    }
  c.Fill(Subtract(Rect(0, 0, kBw, kBh), RoundRect(u, u, kBw - 2 * u, kBh - 2 * u, 3 * u)), Palette::Ink);
  return c.Downsample(kSS);
}

namespace {

// One cell of the explosion: t runs from 0 (the flash) to 1 (the last wisps).
Canvas Blast(float t, uint32_t seed) {
  const int k = 2;
  const float w = 100 * k, h = 92 * k, cx = 50 * k, cy = 42 * k;
  Canvas c{int(w), int(h)};
  Rng rng(seed);
  float fire = std::clamp(1.0f - t * 1.6f, 0.0f, 1.0f);  // fades out by t = 0.62
  float radius = (20 + 22 * std::sqrt(t)) * k;
  // Smoke puffs grow and thin out.
  float smokeAlpha = std::clamp(t * 2.2f, 0.0f, 1.0f) * (1 - t * 0.8f);
  for (int i = 0; i < 9; ++i) {
    float a = rng.Range(0, 2 * std::numbers::pi_v<float>), d = rng.Range(0.2f, 0.75f) * radius;
    float px = cx + d * std::cos(a), py = cy + d * std::sin(a) * 0.8f - t * 14 * k;
    float r = radius * rng.Range(0.35f, 0.55f);
    c.Fill(Circle(px, py, r, 3.0f * k), WithAlpha(Mix(Hex(0x6B5E6E), Hex(0x3A3240), rng.Next()), 0.8f * smokeAlpha));
  }
  if (fire > 0) {
    // Fireball: white-hot core, yellow, orange and red rims, in lobes.
    Mask ball = Circle(cx, cy, radius * 0.9f, 2.0f * k);
    for (int i = 0; i < 7; ++i) {
      float a = float(i) / 7 * 2 * std::numbers::pi_v<float> + rng.Range(-0.3f, 0.3f);
      ball = Union(ball, Circle(cx + radius * 0.55f * std::cos(a), cy + radius * 0.5f * std::sin(a),
                                radius * rng.Range(0.4f, 0.55f), 2.0f * k));
    }
    c.Fill(ball, [&](float x, float y) {
      float d = std::hypot(x - cx, y - cy) / (radius * 1.2f);
      Rgba col = d < 0.3f ? Mix(Palette::White, Hex(0xFFF27A), d / 0.3f)
                          : d < 0.6f ? Mix(Hex(0xFFF27A), Hex(0xFF9A2E), (d - 0.3f) / 0.3f)
                                     : Mix(Hex(0xFF9A2E), Hex(0xD8342A), std::min(1.0f, (d - 0.6f) / 0.4f));
      return WithAlpha(col, std::min(1.0f, fire * 1.4f));
    });
    // Sparks flying out.
    for (int i = 0; i < 12; ++i) {
      float a = rng.Range(0, 2 * std::numbers::pi_v<float>), d0 = radius * 0.8f, d1 = radius * rng.Range(1.0f, 1.3f);
      c.Fill(Line({cx + d0 * std::cos(a), cy + d0 * std::sin(a)}, {cx + d1 * std::cos(a), cy + d1 * std::sin(a)},
                  2.0f * k),
             WithAlpha(Hex(0xFFE27A), fire));
    }
  }
  return c.Downsample(k);
}

Canvas ExplosionStrip() {
  Canvas strip(800, 92);
  // Cells 1..7 are the explosion in order; the game shows cell 0 last (its
  // final frame wraps round), so cell 0 holds the thinnest wisps.
  const float times[8] = {0.98f, 0.0f, 0.12f, 0.26f, 0.42f, 0.58f, 0.74f, 0.88f};
  for (int i = 0; i < 8; ++i) strip.Draw(Blast(times[i], uint32_t(i + 1)), i * 100, 0);
  return strip;
}

}  // namespace

void WriteBlockPictures(const std::string& treeDir) {
  Canvas wall(100, 46);
  wall.Draw(BrickTile(false), 0, 0);
  wall.Draw(BrickTile(true), 50, 0);
  WritePng(wall, AssetPath(treeDir, "Texture", "wall.png"));
  WritePng(SteelTile(), AssetPath(treeDir, "Texture", "stone1.png"));
  WritePng(ExplosionStrip(), AssetPath(treeDir, "Texture", "bomb.png"));
}
