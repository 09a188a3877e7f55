// Item models. Sizes are in model units; the game draws items at scale 3 to
// 5 around their cell centre, where a cell is 10 world units and the top of
// the block below shows 5 units under the centre. Items that stand on the
// ground (spikes, the door) put their base exactly there: -5 / scale.

#include <cmath>
#include <numbers>

#include "Models.h"

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

ModelMaterial Gold() { return Colour(0xD9A21E, 0.7f, 40); }
ModelMaterial Steel() { return Colour(0xB8C2D6, 0.8f, 50); }

// A disc facing +z and -z (its axis is the model's z axis).
void Disc(MeshBuilder& m, const Matrix& place, float radius, float thickness, float hole = 0) {
  m.SetTransform(TurnX(90) * place);
  if (hole > 0)
    m.Lathe({{hole, -thickness / 2}, {radius, -thickness / 2}, {radius, thickness / 2}, {hole, thickness / 2},
             {hole, -thickness / 2}},
            32, false, false);
  else
    m.Lathe({{0, -thickness / 2}, {radius, -thickness / 2}, {radius, thickness / 2}, {0, thickness / 2}}, 32, true,
            false);
}

StaticModel Key() {
  MeshBuilder m("Key");
  m.Use(m.AddMaterial(Gold()));
  m.SetTransform(Move(0, 0.36f, 0));
  m.Torus(0.3f, 0.11f, 28, 10);
  m.SetTransform(Matrix{});
  m.Lathe({{0, -0.66f}, {0.1f, -0.66f}, {0.1f, 0.1f}, {0, 0.1f}}, 12);
  m.Box({0, -0.64f, -0.07f}, {0.3f, -0.5f, 0.07f});
  m.Box({0, -0.42f, -0.07f}, {0.22f, -0.3f, 0.07f});
  m.SetTransform(Move(0, 0.36f, 0));
  m.Use(m.AddMaterial(Glow(0xE0305A, 0.35f)));
  m.Sphere({0, 0, 0}, {0.15f, 0.15f, 0.15f}, 12, 8);
  return {"key", m.Finish()};
}

// An alarm clock with a face on both sides and two bells.
StaticModel Clock(const std::string& name, uint32_t body) {
  MeshBuilder m(name);
  const Matrix grow = MatrixScaling(1.25f, 1.25f, 1.25f);
  int bodyMat = m.AddMaterial(Colour(body, 0.5f, 30));
  int faceMat = m.AddMaterial(Colour(0xF4EEDD, 0.1f, 8));
  int inkMat = m.AddMaterial(Colour(0x2A2233, 0.1f, 8));
  int bellMat = m.AddMaterial(Gold());
  m.Use(bodyMat);
  Disc(m, grow, 0.55f, 0.34f);
  for (float side : {1.0f, -1.0f}) {
    m.Use(faceMat);
    Disc(m, Move(0, 0, side * 0.18f) * grow, 0.45f, 0.03f);
    m.Use(inkMat);
    for (int h = 0; h < 12; ++h) {
      float len = h % 3 ? 0.05f : 0.09f;
      m.SetTransform(TurnZ(-float(h) * 30) * Move(0, 0, side * 0.2f) * grow);
      m.Box({-0.018f, 0.36f - len, -0.01f}, {0.018f, 0.38f, 0.01f});
    }
    m.SetTransform(TurnZ(-60) * Move(0, 0, side * 0.21f) * grow);
    m.Box({-0.025f, -0.02f, -0.01f}, {0.025f, 0.2f, 0.01f});
    m.SetTransform(TurnZ(75) * Move(0, 0, side * 0.21f) * grow);
    m.Box({-0.02f, -0.02f, -0.01f}, {0.02f, 0.3f, 0.01f});
  }
  m.Use(bellMat);
  for (float s : {-1.0f, 1.0f}) {
    m.SetTransform(TurnZ(s * -35) * Move(s * 0.34f, 0.5f, 0) * grow);
    m.Lathe({{0.2f, -0.04f}, {0.2f, 0.02f}, {0.16f, 0.12f}, {0.08f, 0.17f}, {0, 0.18f}}, 16);
    m.SetTransform(Move(s * 0.32f, -0.58f, 0) * grow);
    m.Sphere({0, 0, 0}, {0.09f, 0.07f, 0.09f}, 10, 6);
  }
  m.SetTransform(Move(0, 0.6f, 0) * grow);
  m.Sphere({0, 0, 0}, {0.06f, 0.06f, 0.06f}, 10, 6);
  return {name, m.Finish()};
}

StaticModel SingleDisc() {
  MeshBuilder m("Disc");
  m.Use(m.AddMaterial(Colour(0x6FA8F5, 0.9f, 60)));
  Disc(m, Matrix{}, 1.0f, 0.08f, 0.16f);
  m.Use(m.AddMaterial(Gold()));
  Disc(m, Matrix{}, 0.4f, 0.1f, 0.16f);
  return {"CD", m.Finish()};
}

StaticModel DiscStack() {
  MeshBuilder m("Discs");
  int silver = m.AddMaterial(Colour(0x6FA8F5, 0.9f, 60));
  int gold = m.AddMaterial(Gold());
  // Three discs cascading towards the viewer, each peeking out from behind
  // the next.
  const Vec3 spots[3] = {{0.4f, 0.3f, -0.16f}, {0, 0.02f, 0}, {-0.4f, -0.26f, 0.16f}};
  for (const Vec3& p : spots) {
    Matrix place = Move(p.x, p.y, p.z);
    m.Use(silver);
    Disc(m, place, 0.62f, 0.07f, 0.1f);
    m.Use(gold);
    Disc(m, place, 0.26f, 0.09f, 0.1f);
  }
  return {"CDs", m.Finish()};
}

StaticModel Heart() {
  MeshBuilder m("Heart");
  std::vector<Pt2> outline;
  for (int i = 0; i < 48; ++i) {
    float t = 2 * kPi * float(i) / 48;
    float x = 16 * std::pow(std::sin(t), 3.0f);
    float y = 13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t);
    outline.push_back({x * 0.045f, y * 0.045f + 0.1f});
  }
  m.Use(m.AddMaterial(Colour(0xE8456B, 0.6f, 30)));
  m.Extrude(outline, -0.16f, 0.16f);
  m.Use(m.AddMaterial(Glow(0xFFFFFF, 0.5f)));
  m.SetTransform(Move(-0.35f, 0.4f, 0));
  m.Sphere({0, 0, 0}, {0.12f, 0.08f, 0.19f}, 10, 6);
  return {"1up", m.Finish()};
}

StaticModel Cross() {
  MeshBuilder m("Cross");
  // Built facing +z, then turned so it faces the camera at the game's fixed
  // yaw of 270 degrees.
  m.Use(m.AddMaterial(Colour(0xD8342A, 0.4f, 20)));
  for (float a : {45.0f, -45.0f}) {
    m.SetTransform(TurnZ(a) * TurnY(90));
    m.Box({-0.78f, -0.15f, -0.1f}, {0.78f, 0.15f, 0.1f});
  }
  m.Use(m.AddMaterial(Colour(0xFFF4DC, 0.2f, 10)));
  m.SetTransform(TurnY(90));
  m.Sphere({0, 0, 0}, {0.16f, 0.16f, 0.16f}, 12, 8);
  return {"batu", m.Finish()};
}

// Floor spikes: a plate on the ground with a cluster of cones.
StaticModel FloorSpikes() {
  MeshBuilder m("Spikes");
  const float floor = -5.0f / 4;
  m.Use(m.AddMaterial(Colour(0x4A536B, 0.3f, 20)));
  m.SetTransform(Move(0, floor, 0));
  m.Lathe({{0, 0}, {0.85f, 0}, {0.8f, 0.12f}, {0, 0.12f}}, 24, true, false);
  m.Use(m.AddMaterial(Steel()));
  const float spots[5][3] = {{0, 0, 1.05f}, {0.5f, 0, 0.75f}, {-0.5f, 0, 0.75f}, {0, 0.5f, 0.7f}, {0, -0.5f, 0.7f}};
  for (const auto& s : spots) {
    m.SetTransform(Move(s[0], floor + 0.1f, s[1]));
    m.Lathe({{0.2f, 0}, {0.02f, s[2] - 0.04f}, {0, s[2]}}, 12);
  }
  return {"needle2", m.Finish()};
}

// A floating spiked ball.
StaticModel SpikeBall() {
  MeshBuilder m("SpikeBall");
  m.Use(m.AddMaterial(Colour(0x5B4A7A, 0.5f, 30)));
  m.Sphere({0, 0, 0}, {0.45f, 0.45f, 0.45f}, 20, 12);
  m.Use(m.AddMaterial(Steel()));
  const Vec3 dirs[] = {{1, 0, 0},  {-1, 0, 0}, {0, 1, 0},   {0, -1, 0},  {0, 0, 1},   {0, 0, -1},  {1, 1, 1},
                       {-1, 1, 1}, {1, -1, 1}, {-1, -1, 1}, {1, 1, -1},  {-1, 1, -1}, {1, -1, -1}, {-1, -1, -1}};
  for (Vec3 d : dirs) {
    d = Normalize(d);
    // Turn the local y axis onto d: tilt about x, then swing about y.
    float tilt = std::acos(d.y) * 180 / kPi, swing = std::atan2(d.x, d.z) * 180 / kPi;
    m.SetTransform(TurnX(tilt) * TurnY(swing));
    m.Lathe({{0.14f, 0.35f}, {0.02f, 0.86f}, {0, 0.9f}}, 10);
  }
  return {"needle3", m.Finish()};
}

// The door frame with a glowing way through behind the leaves; the leaves
// hinge at x = +-1 (5 world units either side of the door's centre).
StaticModel DoorFrame() {
  MeshBuilder m("DoorFrame");
  const float floor = -1.0f, top = 0.92f;
  m.Use(m.AddMaterial(Colour(0x8E8AA0, 0.3f, 20)));
  for (float s : {-1.0f, 1.0f}) m.Box({s > 0 ? 1.0f : -1.16f, floor, -0.16f}, {s > 0 ? 1.16f : -1.0f, top, 0.16f});
  m.Box({-1.22f, top, -0.18f}, {1.22f, top + 0.16f, 0.18f});
  m.Box({-0.16f, top + 0.16f, -0.14f}, {0.16f, top + 0.3f, 0.14f});
  m.Use(m.AddMaterial(Glow(0xFFD27A, 0.45f)));
  m.Box({-1.0f, floor, -0.2f}, {1.0f, top, -0.14f});
  m.Use(m.AddMaterial(Glow(0x5FF2E0, 0.5f)));
  m.SetTransform(Move(0, top + 0.23f, 0.15f));
  m.Sphere({0, 0, 0}, {0.07f, 0.07f, 0.03f}, 10, 6);
  return {"door", m.Finish()};
}

// One leaf: hinge at x = 0, reaching `side` (-1 or +1) to the centre.
StaticModel DoorLeaf(const std::string& name, float side) {
  MeshBuilder m(name);
  auto span = [&](float a, float b, float y0, float y1, float z0, float z1) {
    m.Box({std::min(a * side, b * side), y0, z0}, {std::max(a * side, b * side), y1, z1});
  };
  m.Use(m.AddMaterial(Colour(0x9A5A2C, 0.15f, 10)));
  span(0.02f, 0.99f, -0.98f, 0.9f, -0.05f, 0.05f);
  m.Use(m.AddMaterial(Colour(0x4A3A3A, 0.4f, 20)));
  for (float y : {-0.62f, 0.5f}) span(0.0f, 0.95f, y, y + 0.1f, -0.07f, 0.07f);
  for (float x : {0.34f, 0.66f}) span(x, x + 0.025f, -0.96f, 0.88f, -0.06f, 0.06f);
  m.Use(m.AddMaterial(Gold()));
  m.SetTransform(Move(side * 0.82f, -0.05f, 0));
  m.Sphere({0, 0, 0}, {0.07f, 0.07f, 0.11f}, 10, 6);
  return {name, m.Finish()};
}

}  // namespace

std::vector<StaticModel> ItemModels() {
  return {Key(),         Clock("tokei", 0x4CB050), Clock("red_tokei", 0xD8342A), Clock("blue_tokei", 0x3A6FD8),
          SingleDisc(),  DiscStack(),              Heart(),                    Cross(),
          FloorSpikes(), SpikeBall(),              DoorFrame(),                DoorLeaf("door_L", -1),
          DoorLeaf("door_R", 1)};
}
