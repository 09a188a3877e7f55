// The full-screen pictures. Every label that the game leaves to a picture is
// placed where the scene draws its cursor or numbers:
//   title     menu rows from y 350 (x 300..500), high score at (650, 480),
//             best stage at (680, 520), "Version 1.0.0" text at (550, 180);
//   option    cursor rows at y 135 + 57 n (x 120..480), values at x 530;
//   clear     cursor rows at y 275 + 50 n (x 200..600);
//   gameover  score at (650, 370), high score at (650, 420);
//   endings   numbers at x 530: 236/276/376/416 and 336/376/476/516.
// Number glyphs are 60 rows tall with their digits in the middle 36, so a
// label for a number drawn at y is centred on y + 30.

#include <string>
#include <vector>

#include "Noise.h"
#include "Pictures.h"
#include "Scenery.h"
#include "Style.h"

namespace {

const TextStyle kLabel{Face::Bold, 20, 1.0f, 1.0f};
const TextStyle kSmall{Face::Bold, 13, 1.0f, 0.5f};
const LabelLook kGoldLabel{Palette::Gold, Palette::Ink, 2.5f, 2, 0.5f};

void Heading(Canvas& c, const std::string& text, float cx, float cy, float size, Rgba top, Rgba bottom) {
  TextStyle style{Face::BoldOblique, size, 1.0f, size * 0.04f};
  Mask m = TextAt(style, text, cx, cy, Align::Centre);
  // A deep extrusion below right, then the outlined, graded face.
  Mask rim = Grow(m, size * 0.06f);
  for (int i = int(size * 0.09f); i > 0; --i) c.Fill(Shifted(rim, i, i), Hex(0x3B1F4F));
  PaintOutlinedGradient(c, m, top, bottom, {top, Palette::Ink, size * 0.06f, int(size * 0.12f), 0.45f});
  c.Fill(Subtract(m, Shifted(m, 0, int(size * 0.08f))), WithAlpha(Palette::White, 0.45f));
}

void Label(Canvas& c, const std::string& text, float x, float cy, Align align, const LabelLook& look = {}) {
  PaintOutlined(c, TextAt(kLabel, text, x, cy, align), look);
}

void Note(Canvas& c, const std::string& text, float x, float cy, Align align = Align::Centre) {
  PaintOutlined(c, TextAt(kSmall, text, x, cy, align), {Palette::Cream, Palette::Ink, 2.0f, 1, 0.4f});
}

// A recessed slot behind a number drawn at (x, y) with room for `digits`.
void NumberSlot(Canvas& c, float x, float y, int digits) {
  Mask slot = RoundRect(x - 9, y + 11, 20 * float(digits) + 18, 38, 9);
  c.Fill(slot, WithAlpha(Hex(0x0A0818), 0.6f));
  c.Fill(Subtract(slot, Shifted(slot, 0, 3)), WithAlpha(Palette::Ink, 0.7f));
  c.Fill(Subtract(slot, Shifted(slot, 0, -2)), WithAlpha(Palette::White, 0.2f));
}

PanelLook Glass(float alpha = 0.82f) {
  PanelLook p;
  p.top = WithAlpha(Hex(0x2F3675), alpha);
  p.bottom = WithAlpha(Hex(0x191C44), alpha);
  return p;
}

// A key drawn as a keyboard key; returns its width.
float Keycap(Canvas& c, float x, float y, const std::string& key) {
  float w = std::max(24.0f, TextWidth(kSmall, key) + 12);
  PaintPanel(c, x, y, w, 22, {Hex(0xF4EEE2), Hex(0xCFC6B4), Palette::Ink, 5, 2, 0.5f, 0.35f});
  c.Fill(TextAt(kSmall, key, x + w / 2, y + 11, Align::Centre), Palette::Ink);
  return w;
}

void ControlsPanel(Canvas& c, float x, float y) {
  PaintPanel(c, x, y, 268, 160, Glass());
  PaintOutlined(c, TextAt(kSmall, "CONTROLS", x + 134, y + 18, Align::Centre), kGoldLabel);
  // S above X, with Z and C either side: the same shape as arrow keys.
  float kx = x + 14, ky = y + 44;
  Keycap(c, kx + 28, ky, "S");
  Keycap(c, kx, ky + 28, "Z");
  Keycap(c, kx + 28, ky + 28, "X");
  Keycap(c, kx + 56, ky + 28, "C");
  Note(c, "MOVE", kx + 40, ky + 70);
  struct Row {
    std::vector<std::string> keys;
    std::string action;
  };
  const Row rows[] = {{{"V"}, "JUMP / CANCEL"}, {{"D", "ENTER"}, "BLOCK"}, {{"F"}, "DECIDE"}, {{"ESC"}, "QUIT"}};
  float ry = y + 36;
  for (const Row& row : rows) {
    float rx = x + 104;
    for (const std::string& key : row.keys) rx += Keycap(c, rx, ry, key) + 4;
    Note(c, row.action, rx + 4, ry + 11, Align::Left);
    ry += 29;
  }
}

void Twilight(Canvas& c, float horizon) {
  c.FillAll(VerticalStops{{{0, Hex(0x161A42)}, {horizon * 0.55f, Hex(0x3B3580)}, {horizon, Hex(0xE8907C)}}});
  PaintStars(c, horizon, 140, 7);
}

Canvas Title() {
  Canvas c(800, 600);
  Twilight(c, 440);
  PaintCloud(c, 120, 215, 70, 0.18f);
  PaintCloud(c, 700, 300, 90, 0.15f);
  PaintHills(c, 430, 70, 160, Hex(0x4B3A78), 3);
  PaintHills(c, 490, 45, 110, Hex(0x2E2552), 4);
  PaintTiles(c, 0, 554, "################");
  // The hero on a little tower, the key above it, the door across the way.
  PaintTiles(c, 60, 374, "###");
  PaintTiles(c, 60, 328, " W ");
  PaintGolem(c, 135, 330, 120, GolemPose::Cheer);
  PaintKey(c, 240, 250, 70, -0.6f);
  PaintTiles(c, 590, 416, "#W#");
  PaintDoor(c, 625, 300, 80, 116, true);
  Heading(c, "Vexhop", 400, 95, 120, Hex(0xFFF1A8), Hex(0xFF8A3D));
  PaintSparkle(c, 180, 60, 14);
  PaintSparkle(c, 640, 135, 10);
  // Menu backdrop for title_1 / title_2 (drawn at x 300, y 350).
  PaintPanel(c, 286, 338, 226, 168, Glass());
  ControlsPanel(c, 8, 430);
  // High score and best stage.
  PaintPanel(c, 520, 462, 276, 130, Glass());
  PaintOutlined(c, TextAt(kSmall, "RECORDS", 658, 478, Align::Centre), kGoldLabel);
  NumberSlot(c, 650, 480, 6);
  NumberSlot(c, 680, 520, 2);
  const TextStyle record{Face::Bold, 17, 1.0f, 0.8f};
  PaintOutlined(c, TextAt(record, "HI-SCORE", 634, 510, Align::Right), kGoldLabel);
  PaintOutlined(c, TextAt(record, "BEST STAGE", 664, 550, Align::Right), kGoldLabel);
  return c;
}

Canvas Back() {
  Canvas c(800, 600);
  c.FillAll(VerticalStops{{{0, Hex(0x262D63)}, {600, Hex(0x12142E)}}});
  // Faint block silhouettes on a diagonal lattice.
  for (int gy = -1; gy < 14; ++gy)
    for (int gx = -1; gx < 18; ++gx) {
      float x = float(gx) * 56 + float(gy % 2) * 28, y = float(gy) * 50;
      float a = 0.04f + 0.05f * Random01(gx, gy, 77);
      c.Fill(RoundRect(x, y, 44, 40, 6), WithAlpha(Palette::White, a));
    }
  c.Fill(Blur(Ring(400, 300, 520, 260), 40), WithAlpha(Hex(0x05060F), 0.5f));
  return c;
}

// Drawn only above the band, which the option scene keeps for its preview.
Canvas Option() {
  Canvas c(800, 550);
  Heading(c, "OPTION", 400, 52, 56, Hex(0xFFF1A8), Hex(0xFF8A3D));
  Note(c, "UP / DOWN: ROW     LEFT / RIGHT: CHANGE     BUTTON ROWS: HOLD A BUTTON", 400, 104);
  PaintPanel(c, 108, 124, 610, 422, Glass(0.7f));
  const char* labels[] = {"SOUND EFFECTS", "MUSIC", "BAND PICTURE", "SAVE MODE", "ACTION BUTTON", "JUMP BUTTON"};
  const char* ranges[] = {"0 - 10", "0 - 10", "1 - 9", "", "0 - 9", "0 - 9"};
  // Value y of each row as the scene draws it.
  const float valueY[] = {136, 190, 245, 305, 362, 415};
  for (int row = 0; row < 6; ++row) {
    float cy = 135 + 57 * float(row) + 30;
    if (row) c.Fill(Rect(130, cy - 28.5f, 566, 1.2f), WithAlpha(Palette::White, 0.12f));
    Label(c, labels[row], 168, cy, Align::Left);
    bool letters = row == 3;
    // Save mode is written with the 50-pixel letter font, the rest in digits.
    if (letters)
      c.Fill(RoundRect(521, valueY[row] + 5, 178, 40, 9), WithAlpha(Hex(0x0A0818), 0.6f));
    else
      NumberSlot(c, 530, valueY[row] - 1, 2);
    Note(c, ranges[row], 700, cy, Align::Right);
  }
  Label(c, "EXIT", 300, 526, Align::Centre, kGoldLabel);
  Canvas full(800, 600);
  full.Draw(c, 0, 0);
  return full;
}

Canvas Clear() {
  Canvas c(800, 600);
  c.FillAll(VerticalStops{{{0, Hex(0x2A6FB8)}, {380, Hex(0x8ED3F0)}, {600, Hex(0xC9EEF5)}}});
  PaintCloud(c, 130, 190, 80, 0.7f);
  PaintCloud(c, 690, 150, 100, 0.6f);
  PaintHills(c, 470, 60, 170, Hex(0x6CC24A), 12);
  PaintHills(c, 520, 40, 120, Hex(0x3F8A30), 13);
  PaintTiles(c, 0, 554, "################");
  PaintGolem(c, 95, 554, 130, GolemPose::Cheer);
  PaintDoor(c, 650, 404, 100, 150, true);
  Heading(c, "STAGE CLEAR!", 400, 100, 72, Hex(0xFFF1A8), Hex(0xFF8A3D));
  PaintSparkle(c, 120, 80, 16);
  PaintSparkle(c, 690, 60, 12);
  PaintPanel(c, 186, 258, 428, 220, Glass());
  const char* rows[] = {"NEXT STAGE", "SAVE, THEN NEXT STAGE", "SAVE, THEN TITLE", "TITLE"};
  for (int row = 0; row < 4; ++row) Label(c, rows[row], 400, 275 + 50 * float(row) + 25, Align::Centre);
  Note(c, "UP / DOWN: CHOOSE     F: DECIDE", 400, 500);
  return c;
}

Canvas GameOver() {
  Canvas c(800, 600);
  c.FillAll(VerticalStops{{{0, Hex(0x1A0E24)}, {600, Hex(0x3E1630)}}});
  PaintStars(c, 500, 60, 21);
  PaintHills(c, 520, 40, 140, Hex(0x24102A), 22);
  PaintTiles(c, 100, 508, "###");
  PaintGolem(c, 175, 508, 110, GolemPose::Sad);
  Heading(c, "GAME OVER", 400, 200, 90, Hex(0xFFB1C4), Hex(0xC21F4A));
  PaintPanel(c, 380, 352, 416, 136, Glass());
  NumberSlot(c, 650, 370, 6);
  NumberSlot(c, 650, 420, 6);
  Label(c, "SCORE", 630, 400, Align::Right, kGoldLabel);
  Label(c, "HIGH SCORE", 630, 450, Align::Right, kGoldLabel);
  Note(c, "PRESS V OR F TO RETURN TO THE TITLE", 400, 560);
  return c;
}

// The two endings: a heading, a line of text and the four score rows.
struct EndingLayout {
  std::string heading, message;
  std::vector<std::string> hint;
  float headingSize, headingY, messageY, firstNumberY;  // clear bonus at firstNumberY
  Rgba skyTop, skyBottom;
};

Canvas Ending(const EndingLayout& e) {
  Canvas c(800, 600);
  c.FillAll(VerticalStops{{{0, e.skyTop}, {600, e.skyBottom}}});
  PaintStars(c, 560, 90, 31);
  const Rgba colours[] = {Palette::Gold, Palette::Berry, Palette::Teal, Palette::Violet, Hex(0x8FD36A)};
  Rng rng(uint32_t(e.firstNumberY));
  // Fireworks to either side, clear of the text in the middle.
  for (int i = 0; i < 6; ++i) {
    float x = i % 2 ? rng.Range(580, 750) : rng.Range(50, 220);
    PaintFirework(c, x, rng.Range(40, e.firstNumberY - 50), rng.Range(40, 65), colours[i % 5], uint32_t(i + 40));
  }
  PaintHills(c, 585, 30, 120, Hex(0x24204A), 33);
  PaintGolem(c, 100, 598, 110, GolemPose::Cheer);
  Heading(c, e.heading, 400, e.headingY, e.headingSize, Hex(0xFFF1A8), Hex(0xFF8A3D));
  Note(c, e.message, 400, e.messageY);
  float y0 = e.firstNumberY;
  PaintPanel(c, 236, y0 - 12, 484, 250, Glass());
  const char* labels[] = {"CLEAR BONUS", "BONUS", "SCORE", "HIGH SCORE"};
  const float offsets[] = {0, 40, 140, 180};
  for (int i = 0; i < 4; ++i) {
    NumberSlot(c, 530, y0 + offsets[i], 8);
    Label(c, labels[i], 510, y0 + offsets[i] + 30, Align::Right, kGoldLabel);
  }
  Note(c, "(LIVES LEFT + NO MISS)", 510, y0 + 94, Align::Right);
  c.Fill(Rect(256, y0 + 114, 444, 2), WithAlpha(Palette::Gold, 0.6f));
  for (size_t i = 0; i < e.hint.size(); ++i) Note(c, e.hint[i], 400, y0 + 262 + 20 * float(i));
  return c;
}

}  // namespace

void WriteScreens(const std::string& treeDir) {
  auto write = [&](const Canvas& c, const char* name) { WritePng(c, AssetPath(treeDir, "Texture", name)); };
  write(Title(), "title.png");
  write(Back(), "back.png");
  write(Option(), "option.png");
  write(Clear(), "clear.png");
  write(GameOver(), "gameover.png");
  write(Ending({"CONGRATULATIONS!", "YOU HAVE CLEARED STAGE 30!",
                {"REACH STAGE 30 IN NORMAL MODE WITH 50000 POINTS", "TO OPEN THE LAST TEN STAGES"}, 54, 78, 150, 236,
                Hex(0x1D2A6B),
                Hex(0xB0577A)}),
        "congratulations.png");
  write(Ending({"ALL CLEAR!", "ALL 40 STAGES CONQUERED. THANK YOU FOR PLAYING!", {}, 72, 120, 210, 336,
                Hex(0x120B30),
                Hex(0x6A2B6E)}),
        "allclear.png");
  write(Canvas(800, 600, {0, 0, 0, 1}), "black.png");
}
