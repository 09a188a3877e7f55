// Menu overlays of the title scene, the shared cursor and the Ready banner.
// Menu labels sit centred in 200 x 50 rows; the cursor is one such row with a
// see-through face, because every scene draws it over its labels.

#include <string>
#include <vector>

#include "Pictures.h"
#include "Style.h"

namespace {

const TextStyle kMenuText{Face::Bold, 22, 1.0f, 1.0f};

// Rows of 50 pixels; the first label is centred at firstCentre.
Canvas MenuRows(const std::vector<std::string>& labels, int height, float firstCentre) {
  Canvas c(200, height);
  for (size_t i = 0; i < labels.size(); ++i)
    PaintOutlinedGradient(c, TextAt(kMenuText, labels[i], 100, firstCentre + 50 * float(i), Align::Centre),
                          Palette::White, Palette::Cream);
  return c;
}

Canvas Cursor() {
  const int k = 4;
  const float w = 200 * k, h = 50 * k, u = k;
  Canvas c{int(w), int(h)};
  Mask outer = RoundRect(2 * u, 3 * u, w - 4 * u, h - 6 * u, 14 * u);
  Mask face = RoundRect(5 * u, 6 * u, w - 10 * u, h - 12 * u, 11 * u);
  c.Fill(Subtract(outer, face), WithAlpha(Palette::Ink, 0.75f));
  c.Fill(Subtract(RoundRect(3.5f * u, 4.5f * u, w - 7 * u, h - 9 * u, 12.5f * u), face), Palette::Gold);
  c.Fill(face, LinearGradient{0, 6 * u, 0, h - 6 * u, WithAlpha(Hex(0xFFE9A0), 0.55f), WithAlpha(Hex(0xFFB640), 0.4f)});
  // Pointers at both ends, inside the frame.
  for (int side = 0; side < 2; ++side) {
    float x0 = side ? w - 10 * u : 10 * u, tip = side ? w - 19 * u : 19 * u;
    Mask arrow = Polygon({{x0, h / 2 - 8 * u}, {tip, h / 2}, {x0, h / 2 + 8 * u}});
    c.Fill(Grow(arrow, 1.5f * u), Palette::Ink);
    c.Fill(arrow, Palette::Gold);
  }
  return c.Downsample(k);
}

Canvas GetReady() {
  const int k = 2;
  const float w = 400 * k, h = 150 * k, u = k;
  Canvas c{int(w), int(h)};
  // A ribbon banner with folded tails.
  Rgba ribbon = Hex(0xC23A5A), ribbonDark = Hex(0x7E1F3A);
  for (int side = 0; side < 2; ++side) {
    float s = side ? -1.0f : 1.0f, x = side ? w : 0;
    std::vector<Pt> tail = {{x + s * 8 * u, 62 * u}, {x + s * 60 * u, 62 * u}, {x + s * 60 * u, 122 * u},
                            {x + s * 8 * u, 122 * u}, {x + s * 28 * u, 92 * u}};
    PaintOutlined(c, Polygon(tail), {ribbonDark, Palette::Ink, 2.5f * u, int(3 * u), 0.5f});
  }
  Mask band = RoundRect(40 * u, 42 * u, w - 80 * u, 70 * u, 10 * u);
  PaintOutlinedGradient(c, band, ribbon, Hex(0x9A2A48), {ribbon, Palette::Ink, 3 * u, int(4 * u), 0.5f});
  c.Fill(Subtract(band, Shifted(band, 0, int(4 * u))), WithAlpha(Palette::White, 0.3f));
  // Stitching along the ribbon.
  for (float y : {50 * u, 104 * u})
    for (float x = 52 * u; x < w - 52 * u; x += 14 * u) c.Fill(Line({x, y}, {x + 7 * u, y}, 1.5f * u), WithAlpha(Palette::Cream, 0.6f));
  const TextStyle title{Face::BoldOblique, 44 * u, 1.0f, 2 * u};
  LabelLook look{Palette::Gold, Palette::Ink, 3.5f * u, int(4 * u), 0.6f};
  PaintOutlinedGradient(c, TextAt(title, "GET READY!", w / 2, 77 * u, Align::Centre), Hex(0xFFF6B0), Palette::Amber, look);
  // Sparkles.
  for (Pt p : {Pt{58 * u, 26 * u}, Pt{w - 64 * u, 24 * u}, Pt{w / 2 + 120 * u, 132 * u}})
    PaintOutlined(c, Star(p.x, p.y, 11 * u, 4 * u, 4, 0), {Palette::Cream, Palette::Ink, 1.5f * u, 0, 0});
  return c.Downsample(k);
}

}  // namespace

void WriteMenuPictures(const std::string& treeDir) {
  // The game draws title_1 at y 350 and title_2 at y 355 with the cursor rows
  // at 350, 400, 450: label centres are 25 pixels into each cursor row.
  WritePng(MenuRows({"NEW GAME", "CONTINUE", "OPTION"}, 150, 25), AssetPath(treeDir, "Texture", "title_1.png"));
  WritePng(MenuRows({"EASY", "NORMAL"}, 95, 20), AssetPath(treeDir, "Texture", "title_2.png"));
  WritePng(Cursor(), AssetPath(treeDir, "Texture", "cursor.png"));
  WritePng(GetReady(), AssetPath(treeDir, "Texture", "Getready.png"));
}
