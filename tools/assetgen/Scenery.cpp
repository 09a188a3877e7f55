#include "Scenery.h"

#include <cmath>
#include <numbers>
#include <string>

#include "Noise.h"
#include "Pictures.h"
#include "Style.h"

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

Pt Rotate(Pt p, Pt origin, float angle) {
  float s = std::sin(angle), c = std::cos(angle), dx = p.x - origin.x, dy = p.y - origin.y;
  return {origin.x + dx * c - dy * s, origin.y + dx * s + dy * c};
}

const Rgba kStoneLight = Hex(0xC9AE8C), kStoneDark = Hex(0x86694D);
const Rgba kMoss = Hex(0x5DAA3F), kMossLight = Hex(0x8FD36A), kEye = Hex(0x7FFFF0);

LabelLook Outline(float width) { return {Palette::White, Palette::Ink, width, int(width * 1.2f), 0.45f}; }

}  // namespace

void PaintStars(Canvas& c, float horizonY, int count, uint32_t seed) {
  Rng rng(seed);
  for (int i = 0; i < count; ++i) {
    float x = rng.Range(0, float(c.Width())), y = rng.Range(0, horizonY * 0.75f);
    float fade = 1 - y / (horizonY * 0.75f);
    float r = rng.Range(0.6f, 1.6f);
    c.Fill(Circle(x, y, r), WithAlpha(Palette::White, rng.Range(0.35f, 0.95f) * fade));
    if (r > 1.45f) PaintSparkle(c, x, y, r * 4);
  }
}

void PaintHills(Canvas& c, float baseY, float amplitude, float wavelength, Rgba colour, uint32_t seed) {
  Mask hills(0, int(baseY - amplitude) - 2, c.Width(), c.Height() - int(baseY - amplitude) + 2);
  for (int x = 0; x < c.Width(); ++x) {
    float crest = baseY - amplitude * Fbm(float(x) / wavelength, 0.5f, seed, 3);
    for (int y = hills.y0; y < hills.y0 + hills.h; ++y) hills.Ref(x, y) = std::clamp(float(y) + 0.5f - crest, 0.0f, 1.0f);
  }
  c.Fill(hills, colour);
}

void PaintCloud(Canvas& c, float cx, float cy, float size, float alpha) {
  Mask cloud = Union(Union(Ellipse(cx, cy, size, size * 0.42f), Circle(cx - size * 0.35f, cy - size * 0.2f, size * 0.38f)),
                     Circle(cx + size * 0.25f, cy - size * 0.28f, size * 0.45f));
  c.Fill(cloud, WithAlpha(Palette::White, alpha));
  c.Fill(Shifted(Ellipse(cx, cy + size * 0.22f, size * 0.9f, size * 0.18f), 0, 0), WithAlpha(Hex(0xB9B3E0), alpha * 0.6f));
}

void PaintTiles(Canvas& c, int x, int y, const char* pattern) {
  static const Canvas brick = BrickTile(false), steel = SteelTile();
  for (int i = 0; pattern[i]; ++i) {
    if (pattern[i] == '#') c.Draw(brick, x + 50 * i, y);
    if (pattern[i] == 'W') c.Draw(steel, x + 50 * i, y);
  }
}

void PaintGolem(Canvas& c, float cx, float feetY, float height, GolemPose pose) {
  const float u = height / 100;
  const float w = 2.5f * u;
  auto stone = [&](const Mask& m) { PaintOutlinedGradient(c, m, kStoneLight, kStoneDark, Outline(w)); };
  // Legs and feet.
  for (float s : {-1.0f, 1.0f}) {
    stone(RoundRect(cx + s * 17 * u - 9 * u, feetY - 24 * u, 18 * u, 20 * u, 4 * u));
    stone(RoundRect(cx + s * 18 * u - 12 * u, feetY - 9 * u, 24 * u, 9 * u, 4 * u));
  }
  // Arms go behind the body when raised, in front otherwise.
  Pt shoulder[2] = {{cx - 30 * u, feetY - 54 * u}, {cx + 30 * u, feetY - 54 * u}};
  Pt hand[2];
  for (int i = 0; i < 2; ++i) {
    float s = i ? 1.0f : -1.0f;
    hand[i] = pose == GolemPose::Cheer ? Pt{cx + s * 44 * u, feetY - 92 * u}
              : pose == GolemPose::Sad ? Pt{cx + s * 31 * u, feetY - 20 * u}
                                       : Pt{cx + s * 38 * u, feetY - 28 * u};
  }
  auto arms = [&] {
    for (int i = 0; i < 2; ++i) {
      stone(Line(shoulder[i], hand[i], 15 * u));
      stone(Circle(hand[i].x, hand[i].y, 9.5f * u));
    }
  };
  if (pose == GolemPose::Cheer) arms();
  // Body with a gold gem.
  Mask body = RoundRect(cx - 29 * u, feetY - 62 * u, 58 * u, 42 * u, 10 * u);
  stone(body);
  c.Fill(Line({cx - 20 * u, feetY - 36 * u}, {cx - 8 * u, feetY - 31 * u}, 2 * u), WithAlpha(Hex(0x5C5147), 0.8f));
  Mask gem = Polygon({{cx, feetY - 52 * u}, {cx + 7 * u, feetY - 44 * u}, {cx, feetY - 36 * u}, {cx - 7 * u, feetY - 44 * u}});
  PaintGlow(c, gem, WithAlpha(Palette::Gold, 0.6f), int(4 * u));
  PaintOutlinedGradient(c, gem, Hex(0xFFF1A8), Palette::Amber, Outline(1.5f * u));
  // The red scarf.
  PaintOutlinedGradient(c, RoundRect(cx - 27 * u, feetY - 66 * u, 54 * u, 10 * u, 4 * u), Hex(0xF05A6E), Hex(0xB82A44),
                        Outline(w));
  if (pose != GolemPose::Cheer) arms();
  // Head.
  float headY = pose == GolemPose::Sad ? feetY - 74 * u : feetY - 80 * u;
  Mask head = RoundRect(cx - 23 * u, headY - 19 * u, 46 * u, 38 * u, 10 * u);
  stone(head);
  c.Fill(RoundRect(cx - 18 * u, headY - 7 * u, 36 * u, 4 * u, 2 * u), WithAlpha(Hex(0x6E6255), 0.8f));
  Mask moss = Union(Ellipse(cx - 8 * u, headY - 19 * u, 12 * u, 5.5f * u), Ellipse(cx + 9 * u, headY - 20 * u, 10 * u, 5 * u));
  c.Fill(moss, kMoss);
  c.Fill(Ellipse(cx - 6 * u, headY - 21 * u, 6 * u, 2.2f * u), kMossLight);
  for (float s : {-1.0f, 1.0f}) {
    Pt e{cx + s * 9 * u, headY + 4 * u};
    if (pose == GolemPose::Sad) {
      c.Fill(Line({e.x - 4 * u, e.y + 1 * u}, {e.x + 4 * u, e.y + 1 * u}, 2.5f * u), Hex(0x2E6F73));
      continue;
    }
    PaintGlow(c, Circle(e.x, e.y, 4 * u), WithAlpha(Hex(0x5FF2E0), 0.7f), int(3 * u));
    c.Fill(Circle(e.x, e.y, 4.6f * u), Hex(0x1E6F73));
    c.Fill(Circle(e.x, e.y, 3.5f * u), kEye);
    c.Fill(Circle(e.x - 1.2f * u, e.y - 1.2f * u, 1.3f * u), Palette::White);
  }
  if (pose == GolemPose::Cheer)
    c.Fill(Ellipse(cx, headY + 12 * u, 5 * u, 3 * u), Hex(0x4A3F38));
}

void PaintKey(Canvas& c, float cx, float cy, float length, float angle) {
  const float u = length / 100;
  Pt o{cx, cy};
  auto at = [&](float x, float y) { return Rotate({cx + x * u, cy + y * u}, o, angle); };
  Pt bow = at(-30, 0), tip = at(45, 0);
  Mask shape = Union(Ring(bow.x, bow.y, 14 * u, 9 * u), Line(at(-16, 0), tip, 9 * u));
  shape = Union(shape, Line(at(30, 0), at(30, 13), 8 * u));
  shape = Union(shape, Line(at(42, 0), at(42, 11), 8 * u));
  PaintGlow(c, shape, WithAlpha(Palette::Gold, 0.35f), int(6 * u));
  PaintOutlinedGradient(c, shape, Hex(0xFFF1A8), Palette::Amber, Outline(2.5f * u));
  Pt shine = at(-34, -6);
  c.Fill(Circle(shine.x, shine.y, 2.5f * u), WithAlpha(Palette::White, 0.8f));
}

void PaintDoor(Canvas& c, float x, float y, float w, float h, bool open) {
  const float u = w / 100, r = w / 2;
  auto arch = [&](float inset) {
    return Union(Circle(x + r, y + r, r - inset), Rect(x + inset, y + r, w - 2 * inset, h - r - inset * 0.2f));
  };
  PaintOutlinedGradient(c, arch(0), Hex(0xA9A3B8), Hex(0x6B6580), Outline(3 * u));
  Mask opening = arch(12 * u);
  if (open) {
    c.Fill(opening, RadialGradient{x + r, y + h * 0.6f, h * 0.7f, Hex(0xFFF6C8), Hex(0xFFB347)});
    PaintGlow(c, opening, WithAlpha(Hex(0xFFE9A0), 0.5f), int(10 * u));
    return;
  }
  c.Fill(opening, LinearGradient{x, 0, x + w, 0, Hex(0xA0632F), Hex(0x6E3F1D)});
  for (float px = x + 12 * u + 19 * u; px < x + w - 12 * u; px += 19 * u)
    c.Fill(Line({px, y + 14 * u}, {px, y + h}, 2 * u), WithAlpha(Palette::Ink, 0.5f));
  c.Fill(Circle(x + w * 0.72f, y + h * 0.62f, 5 * u), Palette::Gold);
}

void PaintFirework(Canvas& c, float cx, float cy, float radius, Rgba colour, uint32_t seed) {
  Rng rng(seed);
  const int rays = 18;
  for (int i = 0; i < rays; ++i) {
    float a = 2 * kPi * float(i) / rays + rng.Range(-0.08f, 0.08f);
    float r0 = radius * 0.25f, r1 = radius * rng.Range(0.8f, 1.0f);
    Pt p0{cx + r0 * std::cos(a), cy + r0 * std::sin(a)}, p1{cx + r1 * std::cos(a), cy + r1 * std::sin(a)};
    c.Fill(Line(p0, p1, 2.5f), WithAlpha(colour, 0.85f));
    c.Fill(Circle(p1.x, p1.y, 3), WithAlpha(Mix(colour, Palette::White, 0.6f), 0.95f));
  }
  PaintGlow(c, Circle(cx, cy, radius * 0.2f), WithAlpha(colour, 0.35f), int(radius * 0.3f));
}

void PaintSparkle(Canvas& c, float cx, float cy, float size) {
  c.Fill(Star(cx, cy, size, size * 0.22f, 4, 0), WithAlpha(Palette::White, 0.85f));
}
