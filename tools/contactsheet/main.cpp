// Writes a contact sheet of the runtime tree's pictures and models: every
// texture scaled into a labelled tile, then every model drawn through the
// real GL device, CMesh and CAnimMesh with the game's states, camera, light
// and draw scale. Models stand in a cell above a block, where the game puts
// them, so floating or sunken models show at a glance.
//
//   vexhop-contactsheet TREE_DIR OUT.png

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "Canvas.h"
#include "Shapes.h"
#include "Type.h"
#include "gfx/CAnimMesh.h"
#include "gfx/BitmapFont.h"
#include "gfx/CMesh.h"
#include "gfx/GameView.h"
#include "gfx/Texture.h"
#include "platform/OffscreenGl.h"

namespace {

constexpr int kSheetWidth = 1600, kTileW = 200, kTileH = 150, kLabelH = 20;
constexpr float kRad = std::numbers::pi_v<float> / 180;

// Part of an image as a canvas; captures of the back buffer are made opaque.
Canvas ToCanvas(const Image& image, int x, int y, int w, int h, bool opaque) {
  Canvas c(w, h);
  for (int py = 0; py < h; ++py)
    for (int px = 0; px < w; ++px) {
      uint32_t p = image.At(x + px, y + py);
      c.Set(px, py, {float((p >> 16) & 0xFF) / 255, float((p >> 8) & 0xFF) / 255, float(p & 0xFF) / 255,
                     opaque ? 1 : float(p >> 24) / 255});
    }
  return c;
}

// Nearest-neighbour fit of a picture into a box, over a checkerboard so
// transparency shows.
Canvas FitPicture(const Canvas& src, int w, int h) {
  float k = std::min({float(w) / float(src.Width()), float(h) / float(src.Height()), 2.0f});
  int dw = std::max(1, int(float(src.Width()) * k)), dh = std::max(1, int(float(src.Height()) * k));
  Canvas out(w, h, Hex(0x505050));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if ((x / 8 + y / 8) % 2) out.Set(x, y, Hex(0x6A6A6A));
  int ox = (w - dw) / 2, oy = (h - dh) / 2;
  for (int y = 0; y < dh; ++y)
    for (int x = 0; x < dw; ++x)
      out.Blend(ox + x, oy + y, src.Get(int(float(x) / k), int(float(y) / k)), 1);
  return out;
}

class Sheet {
 public:
  void Add(const Canvas& tile, const std::string& label) { tiles_.push_back({tile, label}); }
  // Full screens, two to a row below the tiles.
  void AddScreen(const Canvas& screen) { screens_.push_back(screen); }
  Canvas Compose() const {
    int perRow = kSheetWidth / kTileW, rows = (int(tiles_.size()) + perRow - 1) / perRow;
    int tilesHeight = rows * (kTileH + kLabelH);
    Canvas sheet(kSheetWidth, tilesHeight + int(screens_.size() + 1) / 2 * 600, Hex(0x202028));
    for (size_t i = 0; i < screens_.size(); ++i) sheet.Draw(screens_[i], int(i % 2) * 800, tilesHeight + int(i / 2) * 600);
    const TextStyle style{Face::Condensed, 13, 1, 0};
    for (size_t i = 0; i < tiles_.size(); ++i) {
      int x = int(i % size_t(perRow)) * kTileW, y = int(i / size_t(perRow)) * (kTileH + kLabelH);
      sheet.Draw(tiles_[i].first, x, y);
      sheet.Fill(TextAt(style, tiles_[i].second, float(x + kTileW / 2), float(y + kTileH + kLabelH / 2), Align::Centre),
                 Hex(0xE8E8F0));
    }
    return sheet;
  }

 private:
  std::vector<std::pair<Canvas, std::string>> tiles_;
  std::vector<Canvas> screens_;
};

// Renders one tile: a 20 x 15 unit window of the world around a cell whose
// centre is at the origin, with a block in the cell below.
class ModelStage {
 public:
  ModelStage(OffscreenGl& gl, const std::string& tree) : gl_(gl), wall_(gl.Device(), tree + "/Texture/wall.png") {}

  Canvas Render(const std::function<void(RenderDevice&)>& draw, bool withBlock = true) {
    RenderDevice& d = gl_.Device();
    d.SetViewport({0, 0, 800, 600, 0, 1});
    d.Clear(ClearFlags::Target | ClearFlags::ZBuffer, 0xFF8080C8, 1);
    ApplyGameStates(d);
    SetWhiteLight(d, 0, LightType::Directional, {-1, -1, -1}, 1000);
    d.SetTransform(TransformSlot::View, MatrixLookAtLH({0, 0, 100}, {0, 0, 0}, {0, 1, 0}));
    d.SetTransform(TransformSlot::Projection, MatrixOrthoLH(20 * 4, 15 * 4, 1, 1000));
    // The window is 800 x 600 pixels for 80 x 60 units: 10 pixels a unit;
    // the tile is its middle 200 x 150.
    if (withBlock) wall_.Draw(350, 350, 100, 92, 0, 0, 0.5f, 1, 0xFFFFFFFF);
    draw(d);
    return ToCanvas(gl_.Capture(), 300, 225, kTileW, kTileH, true);
  }

 private:
  OffscreenGl& gl_;
  CTexture wall_;
};

// A small stage drawn in the game's order and layout, to judge the whole
// look: background, player, items, blocks, enemies, then the HUD band.
Canvas StagePreview(OffscreenGl& gl, const std::string& tree, const std::string& background, int band) {
  static const char* const kLayout[12] = {"WWWWWWWWWWWWWWWW", "W..............W", "W..I.......T...W",
                                          "W.####...#####.W", "W..............W", "W.....K....2...W",
                                          "W....#k#..####.W", "W.D............W", "W####..N.6...#.W",
                                          "W....#####.....W", "W.@..1....8..U.W", "WWWWWWWWWWWWWWWW"};
  RenderDevice& d = gl.Device();
  auto mesh = [&](const char* name) { return std::make_unique<CMesh>(&d, tree + "/Model/" + name + ".x", true); };
  d.SetViewport({0, 0, 800, 550, 0, 1});
  d.Clear(ClearFlags::Target | ClearFlags::ZBuffer, 0xFF8080C8, 1);
  ApplyGameStates(d);
  SetSideView(d);
  mesh(background.c_str())->Draw(320, 240, -10, 70, 60, 0, 0, 0, 0, 0, 1, false);
  CTexture wall(d, tree + "/Texture/wall.png"), stone(d, tree + "/Texture/stone1.png");
  CAnimMesh player(&d, tree + "/AnimModel/goremu/goremu.x");
  struct Placed {
    char code;
    const char* model;
    float dy, scale, yaw;
    int order;
  };
  const Placed kinds[] = {{'I', "CD", 0, 3, 30, 4},       {'T', "tokei", 0, 4, 40, 4},   {'K', "key", 0, 5, 50, 4},
                          {'k', "key", 0, 5, 50, 4},      {'N', "CDs", 0, 4, 20, 4},     {'U', "1up", 0, 4, 20, 4},
                          {'1', "needle2", 0, 4, 90, 4},  {'2', "needle", -5, 4, 90, 7}, {'6', "daruma", -2, 4, 120, 7},
                          {'8', "bomb", -2, 4, 90, 7}};
  for (int pass = 0; pass < 3; ++pass)
    for (int r = 0; r < 12; ++r)
      for (int c = 0; c < 16; ++c) {
        char code = kLayout[r][c];
        float x = 395 - 10 * float(c), y = 295 - 10 * float(r);
        if (pass == 0 && code == '@') {
          player.SetAnimation(0, 0);
          player.AdvanceTime(0.3);
          player.Draw(x, y, 0, 0.05f, 0.05f, 0.05f, 0, 90 * kRad, 0, 4);
        }
        if (pass == 0 && code == 'D') {
          mesh("door")->DrawColored(x, y, 0, 5, 5, 5, 0, 0, 0, 0, 1.2f, 1.2f, 1.2f, 1, false);
          mesh("door_L")->Draw(x + 5, y, 0, 5, 5, 5, 0, 60 * kRad, 0, 2, 1, false);
          mesh("door_R")->Draw(x - 5, y, 0, 5, 5, 5, 0, -60 * kRad, 0, 2, 1, false);
        }
        for (const Placed& p : kinds)
          if (p.code == code && pass == (p.order == 4 ? 0 : 2))
            mesh(p.model)->Draw(x, y + p.dy, p.order == 7 ? 10 : 0, p.scale, p.scale, p.scale, 0, p.yaw * kRad, 0,
                                p.order, 1, false);
        if (pass == 1 && (code == '#' || code == 'k')) wall.DrawPart(50 * float(c), 46 * float(r), 1, 1, code == 'k' ? 0.5f : 0, 0, 0.5f, 1, 0xFFFFFFFF);
        if (pass == 1 && code == 'W') stone.DrawImage(50 * float(c), 46 * float(r), 0xFFFFFFFF);
      }
  // The band, as the HUD draws it.
  d.SetViewport({0, 550, 800, 50, 0, 1});
  d.Clear(ClearFlags::Target | ClearFlags::ZBuffer, 0xFFC88080, 1);
  CTexture(d, tree + "/Texture/info" + std::to_string(band) + ".png").DrawImage(0, 550, 0xFFFFFFFF);
  CBitmapFont digits(d, tree + "/Font/FontNumber.png", "0123456789", 0.1f, 1, 20, 60, 2, 2);
  CBitmapFont letters(d, tree + "/Font/FontEnglish.png", "ABCDEFGHIJKLMNOPQRSTUVWXYZ!?+-", 20.0f / 600, 1, 20, 50, 2, 2);
  letters.DrawString("TIME", 30, 550, 0xFFFFFFFF);
  digits.DrawString("287", 120, 545, 0xFFFFFFFF);
  letters.DrawString("STAGE", 210, 550, 0xFFFFFFFF);
  digits.DrawString("7", 315, 545, 0xFFFFFFFF);
  letters.DrawString("LIFE", 370, 550, 0xFFFFFFFF);
  CTexture(d, tree + "/Texture/life.png").DrawImage(455, 545, 0xFFFFFFFF);
  digits.DrawString("2", 530, 545, 0xFFFFFFFF);
  letters.DrawString("SCORE", 570, 550, 0xFFFFFFFF);
  digits.DrawString("12300", 670, 545, 0xFFFFFFFF);
  return ToCanvas(gl.Capture(), 0, 0, 800, 600, true);
}

struct StaticView {
  const char* name;
  float y, scale, yaw, roll;  // draw height relative to the cell centre, as the game places it
  int order;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: vexhop-contactsheet TREE_DIR OUT.png\n");
    return 2;
  }
  std::string tree = argv[1], error;
  auto gl = OffscreenGl::Create(&error);
  if (!gl) {
    std::fprintf(stderr, "vexhop-contactsheet: %s\n", error.c_str());
    return 1;
  }
  Sheet sheet;
  // Pictures.
  for (const char* folder : {"Texture", "Font", "Model", "AnimModel/goremu"}) {
    std::vector<std::filesystem::path> files;
    for (const auto& e : std::filesystem::directory_iterator(tree + "/" + folder))
      if (e.path().extension() == ".png") files.push_back(e.path());
    std::sort(files.begin(), files.end());
    for (const auto& f : files) {
      auto image = LoadImageFile(f.string());
      if (!image) continue;
      sheet.Add(FitPicture(ToCanvas(*image, 0, 0, image->width, image->height, false), kTileW, kTileH),
                f.filename().string());
    }
  }
  // Static models, placed and turned as their kinds draw them.
  ModelStage stage(*gl, tree);
  const StaticView views[] = {
      {"key", 0, 5, 60, 0, 4},        {"tokei", 0, 4, 30, 0, 4},     {"red_tokei", 0, 4, 30, 0, 4},
      {"blue_tokei", 0, 4, 30, 0, 4}, {"CD", 0, 3, 25, 0, 4},        {"CDs", 0, 4, 20, 0, 4},
      {"1up", 0, 4, 20, 0, 4},        {"batu", 0, 5, 270, 0, 4},     {"needle2", 0, 4, 90, 0, 4},
      {"needle3", 0, 4, 90, 0, 4},    {"needle", -5, 4, 90, 0, 7},   {"jump", -1, 4, 0, 0, 7},
      {"bomb", -2, 4, 90, -30, 7},    {"ghost", 0, 4, 0, 0, 7},      {"ghost", 0, 4, 180, 90, 7},
      {"ghost_R", -2, 4, 0, 0, 7},    {"ghost_R", -2, 4, 0, 90, 7},  {"daruma", -2, 4, 90, 0, 7},
      {"daruma_R", -2, 4, 70, 0, 7},  {"doriru", -5, 5, 20, 0, 7}};
  for (const StaticView& v : views) {
    CMesh mesh(&gl->Device(), tree + "/Model/" + v.name + ".x", true);
    sheet.Add(stage.Render([&](RenderDevice&) {
      mesh.Draw(0, v.y, 0, v.scale, v.scale, v.scale, 0, v.yaw * kRad, v.roll * kRad, v.order, 1, false);
    }),
              std::string(v.name) + " yaw " + std::to_string(int(v.yaw)) + (v.roll ? " roll 90" : ""));
  }
  CMesh frame(&gl->Device(), tree + "/Model/door.x", true), left(&gl->Device(), tree + "/Model/door_L.x", true),
      right(&gl->Device(), tree + "/Model/door_R.x", true);
  for (float yaw : {0.0f, 50.0f}) {
    sheet.Add(stage.Render([&](RenderDevice&) {
      frame.DrawColored(0, 0, 0, 5, 5, 5, 0, 0, 0, 0, 1, 1, 1, 1, false);
      left.Draw(5, 0, 0, 5, 5, 5, 0, yaw * kRad, 0, 2, 1, false);
      right.Draw(-5, 0, 0, 5, 5, 5, 0, -yaw * kRad, 0, 2, 1, false);
    }),
              "door open " + std::to_string(int(yaw)));
  }
  for (const char* bg : {"BG3", "BG2", "BG1", "BG4", "BG5"}) {
    CMesh mesh(&gl->Device(), tree + "/Model/" + bg + ".x", true);
    // Scaled to fill this tile as (70, 60) fills the play area.
    sheet.Add(stage.Render([&](RenderDevice&) { mesh.Draw(0, 0, -10, 70.0f / 8, 60.0f / 8, 0, 0, 0, 0, 0, 1, false); },
                           false),
              bg);
  }
  // The player, facing screen-right as in play, in each animation set.
  CAnimMesh player(&gl->Device(), tree + "/AnimModel/goremu/goremu.x");
  const char* sets[] = {"idle", "walk", "spare", "build", "build below"};
  for (uint32_t s = 0; s < 5; ++s)
    for (float t : {0.2f, 0.5f}) {
      player.SetAnimation(0, s);
      player.SetTrackPosition(0, t);
      player.AdvanceTime(0);
      sheet.Add(stage.Render([&](RenderDevice&) { player.Draw(0, 0, 0, 0.05f, 0.05f, 0.05f, 0, 90 * kRad, 0, 4); }),
                std::string("goremu ") + sets[s] + (t < 0.3f ? " at 0.2 s" : " at 0.5 s"));
    }
  sheet.AddScreen(StagePreview(*gl, tree, "BG3", 1));
  sheet.AddScreen(StagePreview(*gl, tree, "BG1", 6));
  WritePng(sheet.Compose(), argv[2]);
  return 0;
}
