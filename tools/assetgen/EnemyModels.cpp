// Enemy models. Each rests on the block below where the game lets it stand:
// the resting height and draw offset of each kind put the top of that block
// at y = 0 (needle, drill), y = -0.75 (bomb, walker, spawners, drawn 3 units
// up at scale 4) or y = -1 (spring, drawn 3 units up at scale 4 from a
// resting height one unit lower). Most enemies spin about y; the ones that
// travel face +x, the direction of travel at yaw 0.

#include <cmath>
#include <numbers>

#include "Models.h"

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

ModelMaterial Steel() { return Colour(0xB8C2D6, 0.8f, 50); }
ModelMaterial Ink() { return Colour(0x1A1424, 0.6f, 40); }

// A pair of cartoon eyes on the side of the model facing `facing` (+1 = +z),
// looking towards `look` along x.
void Eyes(MeshBuilder& m, int white, int pupil, Vec3 centre, float spacing, float size, float facing, float look) {
  for (float s : {-1.0f, 1.0f}) {
    Vec3 e{centre.x + s * spacing, centre.y, centre.z * facing};
    m.Use(white);
    m.SetTransform(Matrix{});
    m.Sphere(e, {size, size * 1.25f, size * 0.6f}, 12, 8);
    m.Use(pupil);
    m.Sphere({e.x + look * size * 0.35f, e.y, e.z + facing * size * 0.45f}, {size * 0.5f, size * 0.65f, size * 0.3f},
             10, 6);
  }
}

StaticModel Needle() {
  MeshBuilder m("Needle");
  const Matrix grow = MatrixScaling(1.2f, 1.2f, 1.2f);
  m.SetTransform(grow);
  int red = m.AddMaterial(Colour(0xD8342A, 0.5f, 30)), white = m.AddMaterial(Colour(0xF4EEDD, 0.4f, 20));
  // A spinning top in red and white bands, its point on the ground.
  const std::vector<Pt2> bands[] = {{{0, 0}, {0.3f, 0.18f}, {0.5f, 0.36f}},
                                    {{0.5f, 0.36f}, {0.56f, 0.48f}, {0.52f, 0.6f}},
                                    {{0.52f, 0.6f}, {0.36f, 0.78f}, {0.12f, 0.88f}, {0, 0.9f}}};
  for (int i = 0; i < 3; ++i) {
    m.Use(i == 1 ? white : red);
    m.Lathe(bands[i], 24, false);
  }
  m.Use(m.AddMaterial(Steel()));
  for (int i = 0; i < 6; ++i) {
    m.SetTransform(TurnZ(-90) * Move(0.45f, 0.48f, 0) * TurnY(float(i) * 60) * grow);
    m.Lathe({{0.1f, 0}, {0.02f, 0.38f}, {0, 0.42f}}, 10);
  }
  m.SetTransform(Move(0, 0.88f, 0) * grow);
  m.Lathe({{0.06f, 0}, {0.06f, 0.12f}, {0, 0.16f}}, 10);
  return {"needle", m.Finish()};
}

StaticModel Spring() {
  MeshBuilder m("Spring");
  const float floor = -1.0f;
  m.Use(m.AddMaterial(Colour(0x4A536B, 0.4f, 20)));
  m.SetTransform(Move(0, floor, 0));
  m.Lathe({{0, 0}, {0.75f, 0}, {0.72f, 0.12f}, {0, 0.12f}}, 24, true, false);
  m.Use(m.AddMaterial(Steel()));
  for (int i = 0; i < 4; ++i) {
    m.SetTransform(TurnX(90) * TurnZ(float(i % 2) * 6 - 3) * Move(0, floor + 0.25f + 0.2f * float(i), 0));
    m.Torus(0.42f, 0.07f, 24, 8);
  }
  m.Use(m.AddMaterial(Colour(0xE8456B, 0.5f, 30)));
  m.SetTransform(Move(0, floor + 1.0f, 0));
  m.Lathe({{0, 0}, {0.7f, 0}, {0.72f, 0.1f}, {0.6f, 0.2f}, {0, 0.22f}}, 24);
  m.Use(m.AddMaterial(Colour(0xFFF4DC, 0.3f, 20)));
  m.SetTransform(Move(0, floor + 1.22f, 0));
  m.Lathe({{0.22f, -0.005f}, {0.34f, -0.005f}, {0.34f, 0.02f}, {0.22f, 0.02f}, {0.22f, -0.005f}}, 24, false, false);
  return {"jump", m.Finish()};
}

StaticModel Bomb() {
  MeshBuilder m("Bomb");
  // Drawn at yaw 90: the model's -x side faces the camera, so the face goes there.
  // Slate blue rather than black, so it shows on the dark cave and night backgrounds.
  m.Use(m.AddMaterial(Colour(0x4A4F80, 0.9f, 50)));
  m.Sphere({0, 0, 0}, {0.7f, 0.7f, 0.7f}, 24, 16);
  m.Use(m.AddMaterial(Colour(0xD8342A, 0.6f, 30)));
  m.SetTransform(Move(0, 0.62f, 0));
  m.Lathe({{0, 0}, {0.2f, 0}, {0.2f, 0.16f}, {0, 0.16f}}, 16);
  m.Use(m.AddMaterial(Colour(0xB08A60, 0.1f, 10)));
  m.SetTransform(TurnZ(-25) * Move(0.03f, 0.76f, 0));
  m.Lathe({{0.035f, 0}, {0.035f, 0.22f}, {0, 0.23f}}, 8);
  m.Use(m.AddMaterial(Glow(0xFFC83D, 1.0f)));
  m.SetTransform(Move(0.12f, 0.98f, 0));
  m.Sphere({0, 0, 0}, {0.09f, 0.09f, 0.09f}, 10, 6);
  int white = m.AddMaterial(Colour(0xFFFFFF, 0.3f, 20)), pupil = m.AddMaterial(Ink());
  // Eyes on the -x side, looking along -z... which is where the bomb rolls
  // at yaw 90.
  m.SetTransform(TurnY(-90));
  for (float s : {-1.0f, 1.0f}) {
    Vec3 e{s * 0.2f, 0.12f, 0.6f};
    m.Use(white);
    m.Sphere(e, {0.13f, 0.17f, 0.1f}, 12, 8);
    m.Use(pupil);
    m.Sphere({e.x, e.y - 0.03f, e.z + 0.07f}, {0.07f, 0.09f, 0.05f}, 10, 6);
  }
  m.SetTransform(Matrix{});
  return {"bomb", m.Finish()};
}

StaticModel Ghost() {
  MeshBuilder m("Ghost");
  int body = m.AddMaterial(Glow(0xD9D4FF, 0.3f));
  m.Use(body);
  m.Sphere({0, 0.05f, 0}, {0.6f, 0.58f, 0.55f}, 24, 14);
  // A wispy tail trailing behind (towards -x).
  m.SetTransform(TurnZ(90) * Move(-0.35f, -0.1f, 0));
  m.Lathe({{0.42f, 0}, {0.3f, 0.35f}, {0.14f, 0.6f}, {0, 0.75f}}, 16);
  // Faces on both sides so a ghost turned round still looks where it goes.
  int white = m.AddMaterial(Colour(0xFFFFFF, 0.3f, 20)), pupil = m.AddMaterial(Ink());
  for (float facing : {1.0f, -1.0f}) {
    Eyes(m, white, pupil, {0.18f, 0.15f, 0.48f}, 0.17f, 0.11f, facing, 1.0f);
    m.Use(pupil);
    m.Sphere({0.2f, -0.15f, 0.52f * facing}, {0.08f, 0.05f, 0.04f}, 10, 6);
  }
  return {"ghost", m.Finish()};
}

// The ghosts' spawner: a portal ring facing the camera. It looks the same
// when the game rolls it, and rests on the ground in any roll.
StaticModel GhostPortal() {
  MeshBuilder m("Portal");
  m.Use(m.AddMaterial(Colour(0x7B5CD6, 0.6f, 40)));
  m.Torus(0.56f, 0.14f, 32, 10);
  m.Use(m.AddMaterial(Glow(0xB38CFF, 0.6f)));
  Matrix flat = TurnX(90);
  m.SetTransform(flat);
  m.Lathe({{0, -0.04f}, {0.46f, -0.04f}, {0.46f, 0.04f}, {0, 0.04f}}, 32, true, false);
  m.Use(m.AddMaterial(Glow(0x5FF2E0, 0.5f)));
  for (int i = 0; i < 8; ++i) {
    float a = 2 * kPi * float(i) / 8;
    m.SetTransform(Matrix{});
    m.Sphere({0.56f * std::cos(a), 0.56f * std::sin(a), 0}, {0.08f, 0.08f, 0.16f}, 10, 6);
  }
  return {"ghost_R", m.Finish()};
}

StaticModel Walker() {
  MeshBuilder m("Walker");
  const float floor = -0.75f;
  int red = m.AddMaterial(Colour(0xD8342A, 0.6f, 30));
  m.Use(m.AddMaterial(Colour(0x2A2233, 0.3f, 20)));
  for (float s : {-1.0f, 1.0f}) m.Sphere({0, floor + 0.1f, s * 0.28f}, {0.2f, 0.1f, 0.14f}, 12, 6);
  m.Use(red);
  m.Sphere({0, floor + 0.62f, 0}, {0.62f, 0.55f, 0.62f}, 24, 14);
  m.Sphere({0, floor + 1.25f, 0}, {0.42f, 0.4f, 0.42f}, 20, 12);
  // A cream face with a gold trim, on the -x side (towards the camera at yaw 90).
  m.Use(m.AddMaterial(Colour(0xF4EEDD, 0.2f, 10)));
  m.Sphere({-0.3f, floor + 1.25f, 0}, {0.14f, 0.28f, 0.3f}, 14, 8);
  m.Use(m.AddMaterial(Colour(0xD9A21E, 0.7f, 40)));
  m.SetTransform(TurnZ(90) * Move(-0.58f, floor + 0.62f, 0));
  m.Lathe({{0.3f, -0.02f}, {0.36f, -0.02f}, {0.36f, 0.02f}, {0.3f, 0.02f}, {0.3f, -0.02f}}, 20, false, false);
  int white = m.AddMaterial(Colour(0xFFFFFF, 0.3f, 20)), pupil = m.AddMaterial(Ink());
  m.SetTransform(TurnY(-90));
  for (float s : {-1.0f, 1.0f}) {
    Vec3 e{s * 0.12f, floor + 1.3f, 0.42f};
    m.Use(white);
    m.Sphere(e, {0.07f, 0.09f, 0.04f}, 10, 6);
    m.Use(pupil);
    m.Sphere({e.x, e.y, e.z + 0.03f}, {0.035f, 0.055f, 0.03f}, 8, 6);
  }
  m.SetTransform(Matrix{});
  return {"daruma", m.Finish()};
}

// The walkers' spawner: a little red-roofed hut.
StaticModel Hut() {
  MeshBuilder m("Hut");
  const float floor = -0.75f;
  m.Use(m.AddMaterial(Colour(0xC9B08A, 0.2f, 10)));
  m.Box({-0.62f, floor, -0.55f}, {0.62f, floor + 0.85f, 0.55f});
  m.Use(m.AddMaterial(Colour(0x2A1A22, 0.1f, 10)));
  m.Box({-0.2f, floor, 0.5f}, {0.2f, floor + 0.55f, 0.57f});
  m.Box({-0.2f, floor, -0.57f}, {0.2f, floor + 0.55f, -0.5f});
  m.Use(m.AddMaterial(Colour(0xD8342A, 0.5f, 30)));
  m.SetTransform(TurnY(45) * Move(0, floor + 0.82f, 0));
  m.Lathe({{0.95f, 0}, {0.6f, 0.3f}, {0.1f, 0.72f}, {0, 0.78f}}, 4, true, false);
  m.Use(m.AddMaterial(Colour(0xD9A21E, 0.7f, 40)));
  m.SetTransform(Move(0, floor + 1.6f, 0));
  m.Sphere({0, 0, 0}, {0.08f, 0.08f, 0.08f}, 10, 6);
  return {"daruma_R", m.Finish()};
}

StaticModel Drill() {
  MeshBuilder m("Drill");
  m.Use(m.AddMaterial(Colour(0x2A2233, 0.3f, 20)));
  m.Lathe({{0, 0}, {0.46f, 0}, {0.48f, 0.1f}, {0, 0.1f}}, 20, true, false);
  int yellow = m.AddMaterial(Colour(0xF2B731, 0.5f, 30)), black = m.AddMaterial(Colour(0x2A2233, 0.5f, 30));
  for (int i = 0; i < 4; ++i) {
    m.Use(i % 2 ? black : yellow);
    float y0 = 0.1f + 0.11f * float(i);
    m.Lathe({{0.42f, y0}, {0.42f, y0 + 0.11f}}, 20, false);
  }
  m.Use(yellow);
  m.Lathe({{0.42f, 0.54f}, {0.3f, 0.6f}, {0, 0.6f}}, 20, false);
  // A threaded bit: a zigzag profile narrowing to the point.
  m.Use(m.AddMaterial(Colour(0xC3CEE0, 0.9f, 60)));
  std::vector<Pt2> bit;
  for (int i = 0; i <= 8; ++i) {
    float y = 0.58f + 0.09f * float(i), r = 0.3f * (1 - float(i) / 9);
    bit.push_back({r, y});
    bit.push_back({r * 0.72f, y + 0.045f});
  }
  bit.push_back({0, 1.38f});
  m.Lathe(bit, 16, false, false);
  return {"doriru", m.Finish()};
}

}  // namespace

std::vector<StaticModel> EnemyModels() {
  return {Needle(), Spring(), Bomb(), Ghost(), GhostPortal(), Walker(), Hut(), Drill()};
}
