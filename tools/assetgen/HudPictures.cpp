// The nine band pictures of the head-up display and the lives icon. Each band
// has its own material but the same layout: dark pockets where the game draws
// its numbers (time, stage, lives, score) and a surface calm enough for the
// white labels between them.

#include <cmath>
#include <functional>
#include <numbers>

#include "Noise.h"
#include "Pictures.h"
#include "Style.h"

namespace {

constexpr int kW = 800, kH = 50;

// Number pockets: x from, x to (the game draws digits from 120, 315, 530, 670).
constexpr float kPockets[][2] = {{114, 208}, {311, 362}, {524, 568}, {667, 796}};

using Material = std::function<Rgba(float x, float y)>;

Rgba Midnight(float x, float y) {
  Rgba base = Mix(Hex(0x303A7A), Hex(0x191D44), y / kH);
  float stripe = std::fmod(x + y, 14.0f) < 2 ? 0.06f : 0;
  return Shade(base, 1 + stripe);
}

Rgba Wood(float x, float y) {
  int plank = int(y / 17);
  float grain = Fbm(x / 90 + float(plank) * 7, y / 3, 11, 4);
  Rgba c = Mix(Hex(0x5E3519), Hex(0x8A5530), grain);
  float seam = std::fmod(y, 17.0f);
  if (seam < 1.5f) c = Shade(c, 0.55f);
  return c;
}

Rgba StoneSlabs(float x, float y) {
  int row = y < 25 ? 0 : 1;
  float offset = row ? 37 : 0;
  float bx = std::fmod(x + offset, 74.0f);
  float n = Fbm(x / 14, y / 14, 23, 4);
  Rgba c = Mix(Hex(0x4A4644), Hex(0x6E6862), n);
  if (bx < 2 || std::fabs(y - 25) < 1.2f) c = Hex(0x2E2A29);
  return c;
}

Rgba Bricks(float x, float y) {
  int row = int(y / 12.5f);
  float bx = std::fmod(x + (row % 2 ? 15 : 0), 30.0f), by = std::fmod(y, 12.5f);
  float n = Random01(int((x + (row % 2 ? 15 : 0)) / 30), row, 31);
  Rgba c = Mix(Hex(0x7A2F22), Hex(0x95412C), n);
  c = Shade(c, 0.9f + 0.15f * Fbm(x / 5, y / 5, 32, 2));
  if (bx < 2 || by < 1.6f) c = Hex(0x3B2420);
  return c;
}

Rgba Meadow(float x, float y) {
  float edge = 9 + 3 * std::sin(x / 23) + 2 * Fbm(x / 8, 0, 41, 2);
  if (y < edge) return Mix(Hex(0x4E9A3A), Hex(0x2F6B2F), y / edge);
  float n = Fbm(x / 12, y / 12, 42, 3);
  Rgba soil = Mix(Hex(0x4A2F1E), Hex(0x6A4429), n);
  return Random01(int(x / 3), int(y / 3), 43) > 0.93f ? Shade(soil, 1.25f) : soil;
}

Rgba Starry(float x, float y) {
  float nebula = Fbm(x / 120, y / 40, 51, 4);
  Rgba c = Mix(Hex(0x150C2E), Hex(0x3B1F63), std::clamp(nebula * 1.6f - 0.4f, 0.0f, 1.0f));
  return c;
}

Rgba Ocean(float x, float y) {
  Rgba c = Mix(Hex(0x1B6A84), Hex(0x0E3550), y / kH);
  float wave = std::sin(x / 18 + 2 * std::sin(y / 9)) * 0.5f + 0.5f;
  return Shade(c, 0.9f + 0.18f * wave);
}

Rgba Candy(float x, float y) {
  bool band = std::fmod(x + y + 1000, 28.0f) < 14;
  return Mix(band ? Hex(0x8E2E5C) : Hex(0x6A1F45), Hex(0x3A0F26), y / kH * 0.4f);
}

Rgba Circuit(float x, float y) {
  Rgba c = Mix(Hex(0x12463A), Hex(0x0B2C24), y / kH);
  return Shade(c, 0.95f + 0.1f * Fbm(x / 30, y / 30, 61, 2));
}

// Extra details drawn over a material.
void Decorate(Canvas& c, int style) {
  Rng rng(uint32_t(100 + style));
  switch (style) {
    case 0:  // gold trim
      c.Fill(Rect(0, 4, kW, 1.5f), WithAlpha(Palette::Gold, 0.8f));
      c.Fill(Rect(0, kH - 5, kW, 1.5f), WithAlpha(Palette::Gold, 0.8f));
      break;
    case 1:  // nails on the planks
      for (float x = 20; x < kW; x += 95)
        for (float y : {8.5f, 25.5f, 42.5f}) {
          c.Fill(Circle(x, y, 2.2f), Hex(0x2A1A10));
          c.Fill(Circle(x - 0.6f, y - 0.6f, 0.9f), Hex(0xB08A60));
        }
      break;
    case 4:  // grass blades along the top
      for (float x = 2; x < kW; x += rng.Range(3, 7)) {
        float h = rng.Range(6, 14);
        c.Fill(Line({x, 12}, {x + rng.Range(-3, 3), 12 - h}, 1.8f), Mix(Hex(0x7CCB4F), Hex(0x3F8A30), rng.Next()));
      }
      break;
    case 5:  // stars
      for (int i = 0; i < 90; ++i) {
        float x = rng.Range(0, kW), y = rng.Range(2, kH - 2), r = rng.Range(0.5f, 1.4f);
        c.Fill(Circle(x, y, r), WithAlpha(Palette::White, rng.Range(0.4f, 0.9f)));
      }
      break;
    case 6:  // foam crests
      for (float x = 0; x < kW; x += 46)
        c.Fill(Polyline({{x, 10}, {x + 8, 6}, {x + 16, 9}, {x + 24, 6}}, 2), WithAlpha(Hex(0xBFEFFF), 0.45f));
      break;
    case 8:  // circuit traces and pads
      for (int i = 0; i < 40; ++i) {
        float x = rng.Range(0, kW), y = float(rng.Int(1, 4)) * 10;
        float len = rng.Range(20, 60), rise = rng.Next() < 0.5f ? -8.0f : 8.0f;
        std::vector<Pt> path{{x, y}, {x + len, y}, {x + len + 8, y + rise}, {x + len + 30, y + rise}};
        c.Fill(Polyline(path, 1.6f), WithAlpha(Hex(0x3FB98C), 0.55f));
        c.Fill(Circle(x, y, 2.5f), WithAlpha(Hex(0xC9A84A), 0.8f));
      }
      break;
    default: break;
  }
}

Canvas Band(int style, const Material& material) {
  Canvas c(kW, kH, Palette::Ink);
  c.FillAll([&](float x, float y) { return material(x, y); });
  Decorate(c, style);
  // Pockets: recessed, darker glass behind the numbers.
  for (const auto& p : kPockets) {
    Mask pocket = RoundRect(p[0], 6, p[1] - p[0], 38, 8);
    c.Fill(pocket, WithAlpha(Hex(0x0A0818), 0.55f));
    c.Fill(Subtract(pocket, Shifted(pocket, 0, 3)), WithAlpha(Palette::Ink, 0.6f));
    c.Fill(Subtract(pocket, Shifted(pocket, 0, -2)), WithAlpha(Palette::White, 0.18f));
  }
  // Separation from the play field: an ink line with a light rim below it.
  c.Fill(Rect(0, 0, kW, 2.5f), Palette::Ink);
  c.Fill(Rect(0, 2.5f, kW, 1.2f), WithAlpha(Palette::White, 0.3f));
  c.Fill(Rect(0, kH - 1.5f, kW, 1.5f), WithAlpha(Palette::Ink, 0.7f));
  return c;
}

}  // namespace

Canvas GolemHead(int size) {
  // Drawn at 4x and reduced, for smooth small edges.
  const int k = 4;
  float s = float(size * k), u = s / 60;
  Canvas c(size * k, size * k);
  LabelLook look;
  look.outlineWidth = 2.5f * u;
  look.shadowOffset = int(2 * u);
  Mask head = RoundRect(9 * u, 12 * u, 42 * u, 40 * u, 11 * u);
  PaintOutlinedGradient(c, head, Hex(0xC9AE8C), Hex(0x86694D), look);
  // Chiselled brow and cheek facets.
  c.Fill(RoundRect(13 * u, 24 * u, 34 * u, 5 * u, 2 * u), WithAlpha(Hex(0x6E6255), 0.8f));
  c.Fill(Line({16 * u, 44 * u}, {44 * u, 44 * u}, 2.5f * u), WithAlpha(Hex(0x5C5147), 0.9f));
  // Moss on top.
  Mask moss = Union(Ellipse(22 * u, 13 * u, 10 * u, 5 * u), Ellipse(36 * u, 12 * u, 9 * u, 4.5f * u));
  c.Fill(moss, Hex(0x5DAA3F));
  c.Fill(Ellipse(24 * u, 11.5f * u, 5 * u, 2 * u), Hex(0x8FD36A));
  // Glowing eyes.
  for (float ex : {22.0f, 38.0f}) {
    PaintGlow(c, Circle(ex * u, 35 * u, 4 * u), WithAlpha(Hex(0x5FF2E0), 0.7f), int(3 * u));
    c.Fill(Circle(ex * u, 35 * u, 4.2f * u), Hex(0x1E6F73));
    c.Fill(Circle(ex * u, 35 * u, 3.2f * u), Hex(0x7FFFF0));
    c.Fill(Circle((ex - 1) * u, 34 * u, 1.2f * u), Palette::White);
  }
  return c.Downsample(k);
}

void WriteHudPictures(const std::string& treeDir) {
  const Material materials[9] = {Midnight, Wood, StoneSlabs, Bricks, Meadow, Starry, Ocean, Candy, Circuit};
  for (int i = 0; i < 9; ++i)
    WritePng(Band(i, materials[i]), AssetPath(treeDir, "Texture", "info" + std::to_string(i + 1) + ".png"));
  WritePng(GolemHead(60), AssetPath(treeDir, "Texture", "life.png"));
}
