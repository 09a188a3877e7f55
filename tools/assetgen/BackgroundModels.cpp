// The five backgrounds: each a quad carrying its own painted picture, sized
// so that the game's scale of (70, 60) covers the 160 x 120 unit view. The
// quad glows at full strength (emissive white), so the picture shows exactly
// as painted whatever the light. Themes, by stage group: BG3 meadow (1-10),
// BG2 canyon at sunset (11-20), BG1 crystal cave (21-30), BG4 night castle
// (31-40), BG5 sky islands (spare). The pictures are calm and mid-toned so
// blocks, items and enemies stand out.

#include <cmath>

#include "Models.h"
#include "Noise.h"
#include "Pictures.h"
#include "Scenery.h"
#include "Style.h"

namespace {

constexpr int kW = 800, kH = 550;  // the play area it covers, one texel per pixel

Canvas Meadow() {
  Canvas c(kW, kH);
  c.FillAll(VerticalStops{{{0, Hex(0x6FA9D8)}, {330, Hex(0xBFDCEB)}, {550, Hex(0xD7E8E0)}}});
  PaintCloud(c, 140, 90, 90, 0.55f);
  PaintCloud(c, 520, 60, 70, 0.45f);
  PaintCloud(c, 700, 170, 100, 0.4f);
  PaintHills(c, 330, 90, 220, Hex(0x9CC7A4), 51);
  PaintHills(c, 400, 70, 150, Hex(0x7DB487), 52);
  PaintHills(c, 470, 50, 110, Hex(0x5E9E6C), 53);
  // Round trees on the middle hills.
  Rng rng(54);
  for (int i = 0; i < 9; ++i) {
    float x = rng.Range(20, 780), y = rng.Range(395, 450), r = rng.Range(14, 24);
    c.Fill(Rect(x - 3, y, 6, r * 1.2f), Hex(0x5C4A3A));
    c.Fill(Circle(x, y, r), Hex(0x4F8D5C));
    c.Fill(Circle(x - r * 0.3f, y - r * 0.3f, r * 0.45f), WithAlpha(Hex(0x8FC79A), 0.6f));
  }
  return c;
}

Canvas Canyon() {
  Canvas c(kW, kH);
  c.FillAll(VerticalStops{{{0, Hex(0x5A4C8C)}, {220, Hex(0xD98A7A)}, {380, Hex(0xF2C48A)}, {550, Hex(0xE8B07A)}}});
  c.Fill(Circle(560, 300, 70, 2), WithAlpha(Hex(0xFFE2A8), 0.85f));
  PaintGlow(c, Circle(560, 300, 70), WithAlpha(Hex(0xFFD79A), 0.4f), 40);
  // Flat-topped mesas in two layers of haze.
  Rng rng(61);
  for (int layer = 0; layer < 2; ++layer) {
    Rgba col = layer ? Hex(0x9A5A4A) : Hex(0xB97C68);
    float base = layer ? 470.0f : 400.0f;
    for (float x = -60; x < kW; x += rng.Range(140, 220)) {
      float w = rng.Range(90, 170), h = rng.Range(70, 150) + float(layer) * 40;
      c.Fill(Polygon({{x, float(kH)}, {x + 18, base - h}, {x + w - 18, base - h}, {x + w, float(kH)}}), col);
      c.Fill(Rect(x + 18, base - h, w - 36, 5), WithAlpha(Shade(col, 1.25f), 0.8f));
    }
  }
  c.Fill(Rect(0, 500, kW, 50), Hex(0x8A4E40));
  return c;
}

Canvas Cave() {
  Canvas c(kW, kH);
  c.FillAll([](float x, float y) {
    float n = Fbm(x / 140, y / 140, 71, 4);
    return Mix(Hex(0x1E2A45), Hex(0x3A3468), n);
  });
  Rng rng(72);
  // Stalactites from the ceiling and stalagmites from the floor.
  for (float x = 0; x < kW; x += rng.Range(40, 80)) {
    float w = rng.Range(20, 40), h = rng.Range(40, 120);
    c.Fill(Polygon({{x, 0}, {x + w, 0}, {x + w / 2, h}}), Hex(0x182036));
    float hb = rng.Range(30, 100);
    c.Fill(Polygon({{x + 10, float(kH)}, {x + 10 + w, float(kH)}, {x + 10 + w / 2, float(kH) - hb}}), Hex(0x161C30));
  }
  // Glowing crystals.
  const Rgba glow[] = {Hex(0x5FF2E0), Hex(0xB38CFF), Hex(0x7FB8FF)};
  for (int i = 0; i < 14; ++i) {
    float x = rng.Range(20, 780), y = rng.Range(120, 520), s = rng.Range(12, 26);
    Rgba col = glow[i % 3];
    Mask crystal = Polygon({{x, y - s * 1.6f}, {x + s * 0.5f, y - s * 0.4f}, {x + s * 0.3f, y + s * 0.5f},
                            {x - s * 0.3f, y + s * 0.5f}, {x - s * 0.5f, y - s * 0.4f}});
    PaintGlow(c, crystal, WithAlpha(col, 0.35f), int(s));
    c.Fill(crystal, WithAlpha(Mix(col, Hex(0x1E2A45), 0.3f), 0.9f));
    c.Fill(Polygon({{x, y - s * 1.6f}, {x + s * 0.5f, y - s * 0.4f}, {x, y + s * 0.5f}}), WithAlpha(Palette::White, 0.25f));
  }
  return c;
}

Canvas NightCastle() {
  Canvas c(kW, kH);
  c.FillAll(VerticalStops{{{0, Hex(0x0E1230)}, {400, Hex(0x2A2F66)}, {550, Hex(0x3A3A70)}}});
  PaintStars(c, 500, 160, 81);
  // Aurora ribbons.
  for (int i = 0; i < 3; ++i) {
    std::vector<Pt> ribbon;
    for (float x = -20; x <= kW + 20; x += 20) ribbon.push_back({x, 120 + 40 * float(i) + 30 * std::sin(x / 120 + float(i))});
    c.Fill(Blur(Polyline(ribbon, 18), 10), WithAlpha(i == 1 ? Hex(0x8A6FE8) : Hex(0x4FD8B0), 0.35f));
  }
  c.Fill(Subtract(Circle(650, 110, 38), Circle(666, 100, 34)), Hex(0xF2EFD8));
  PaintHills(c, 470, 40, 160, Hex(0x1A1C40), 82);
  // A castle silhouette with lit windows.
  const Rgba wall = Hex(0x141634);
  c.Fill(Rect(240, 330, 320, 220), wall);
  for (float x : {220.0f, 380.0f, 540.0f}) {
    float h = x == 380 ? 150.0f : 110.0f;
    c.Fill(Rect(x, 440 - h - 60, 40, h + 170), wall);
    c.Fill(Polygon({{x - 8, 440 - h - 60}, {x + 48, 440 - h - 60}, {x + 20, 440 - h - 110}}), wall);
  }
  for (float x = 244; x < 556; x += 24) c.Fill(Rect(x, 318, 14, 14), wall);
  Rng rng(83);
  for (int i = 0; i < 12; ++i)
    c.Fill(RoundRect(rng.Range(250, 540), rng.Range(350, 500), 8, 12, 3), WithAlpha(Hex(0xFFD27A), 0.8f));
  return c;
}

Canvas SkyIslands() {
  Canvas c(kW, kH);
  c.FillAll(VerticalStops{{{0, Hex(0x9A8CD8)}, {300, Hex(0xE2C8E8)}, {550, Hex(0xF4E2E6)}}});
  Rng rng(91);
  for (int i = 0; i < 7; ++i) PaintCloud(c, rng.Range(0, 800), rng.Range(60, 500), rng.Range(60, 120), 0.5f);
  for (int i = 0; i < 4; ++i) {
    float x = rng.Range(80, 720), y = rng.Range(150, 420), w = rng.Range(90, 150);
    c.Fill(Polygon({{x - w / 2, y}, {x + w / 2, y}, {x + w * 0.1f, y + w * 0.6f}}), Hex(0x9A7FA0));
    c.Fill(Ellipse(x, y, w / 2, 10), Hex(0x8FC79A));
  }
  return c;
}

StaticModel Background(const std::string& name) {
  MeshBuilder m(name);
  ModelMaterial mat = Colour(0xFFFFFF, 0, 1);
  mat.emissive[0] = mat.emissive[1] = mat.emissive[2] = 1;
  mat.texture = name + ".png";
  m.Use(m.AddMaterial(mat));
  // World x grows to the left of the screen, so the picture's left edge
  // (u = 0) sits at +x. Scaled by (70, 60) this spans 160 x 120 units.
  const float hx = 160.0f / 2 / 70, hy = 120.0f / 2 / 60;
  m.Quad({hx, hy, 0}, {-hx, hy, 0}, {-hx, -hy, 0}, {hx, -hy, 0}, {0, 0}, {1, 1});
  return {name, m.Finish()};
}

}  // namespace

std::vector<StaticModel> BackgroundModels() {
  return {Background("BG1"), Background("BG2"), Background("BG3"), Background("BG4"), Background("BG5")};
}

void WriteBackgroundPictures(const std::string& treeDir) {
  auto write = [&](const char* name, const Canvas& c) { WritePng(c, AssetPath(treeDir, "Model", std::string(name) + ".png")); };
  write("BG3", Meadow());
  write("BG2", Canyon());
  write("BG1", Cave());
  write("BG4", NightCastle());
  write("BG5", SkyIslands());
}
