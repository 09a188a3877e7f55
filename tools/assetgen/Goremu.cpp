// The player's model: a small stone golem skinned to eleven bones. It stands
// about 200 units tall with its feet at y = -100 and faces -z (the game turns
// it 90 degrees to face screen-right). Its stone blocks move rigidly with
// their bones, as a golem should. Animation sets, in file order: 0 idle,
// 1 walk, 2 spare (a cheer), 3 build ahead, 4 build ahead and below. Every set
// starts and ends in the same pose so it loops cleanly; keys are whole local
// matrices sampled every two ticks at 60 ticks per second.

#include <cmath>
#include <map>
#include <numbers>

#include "Models.h"
#include "Noise.h"
#include "Pictures.h"
#include "Style.h"

namespace {

struct Bone {
  const char* name;
  int parent;     // index into kBones, -1 for the root
  Vec3 joint;     // model-space position of the joint in the bind pose
};

enum { Hips, Spine, Head, ArmL, ForearmL, ArmR, ForearmR, LegL, ShinL, LegR, ShinR, kBoneCount };

// The golem's left is +x: it faces -z.
const Bone kBones[kBoneCount] = {
    {"Hips", -1, {0, -40, 0}},        {"Spine", Hips, {0, -28, 0}},     {"Head", Spine, {0, 24, 0}},
    {"ArmL", Spine, {40, 16, 0}},     {"ForearmL", ArmL, {40, -16, 0}}, {"ArmR", Spine, {-40, 16, 0}},
    {"ForearmR", ArmR, {-40, -16, 0}}, {"LegL", Hips, {18, -44, 0}},     {"ShinL", LegL, {18, -72, 0}},
    {"LegR", Hips, {-18, -44, 0}},    {"ShinR", LegR, {-18, -72, 0}},
};

Vec3 LocalOffset(int b) {
  Vec3 parent = kBones[b].parent < 0 ? Vec3{} : kBones[kBones[b].parent].joint;
  return kBones[b].joint - parent;
}

// ---------------------------------------------------------------- body

Canvas StoneTexture() {
  Canvas c(128, 128);
  c.FillAll([](float x, float y) {
    float n = Fbm(x / 24, y / 24, 201, 5);
    float speck = Random01(int(x), int(y), 202) > 0.9f ? 0.08f : 0;
    Rgba base = Mix(Hex(0xC9AE8C), Hex(0x86694D), n);
    return Shade(base, 0.95f + speck);
  });
  // Chisel lines and a crack.
  c.Fill(Polyline({{10, 30}, {40, 36}, {62, 28}}, 2), WithAlpha(Hex(0x6E6255), 0.5f));
  c.Fill(Polyline({{80, 90}, {96, 104}, {92, 118}, {110, 126}}, 1.6f), WithAlpha(Hex(0x5C5147), 0.7f));
  c.Fill(Polyline({{20, 100}, {50, 96}}, 1.5f), WithAlpha(Hex(0x6E6255), 0.45f));
  // Edges darken a little, so each box face reads as a chiselled block.
  Mask rim = Subtract(Rect(0, 0, 128, 128), RoundRect(6, 6, 116, 116, 10));
  c.Fill(Blur(rim, 3), WithAlpha(Hex(0x4A3F38), 0.35f));
  return c;
}

ModelMesh Body() {
  MeshBuilder m("GoremuBody");
  ModelMaterial stone = Colour(0xFFFFFF, 0.1f, 8);
  stone.r = stone.g = stone.b = 0.85f;
  stone.texture = "goremu_stone.png";
  int stoneMat = m.AddMaterial(stone);
  int darkMat = m.AddMaterial(Colour(0x6E6255, 0.1f, 8));
  int mossMat = m.AddMaterial(Colour(0x5DAA3F, 0.1f, 8));
  int eyeMat = m.AddMaterial(Glow(0x5FF2E0, 0.9f));
  int gemMat = m.AddMaterial(Glow(0xFFC83D, 0.5f));
  int scarfMat = m.AddMaterial(Colour(0xD8344E, 0.2f, 10));
  auto part = [&](int bone, int material, Vec3 lo, Vec3 hi) {
    m.SetBone(bone);
    m.Use(material);
    m.Box(lo, hi);
  };
  // Deep blocks, so the golem stays sturdy in profile, which is how play
  // shows it.
  part(Hips, darkMat, {-30, -54, -26}, {30, -30, 26});
  part(Spine, stoneMat, {-36, -30, -34}, {36, 22, 32});
  part(Spine, stoneMat, {-26, -22, 32}, {26, 14, 44});            // boulder on the back
  part(Spine, mossMat, {-20, 10, 30}, {22, 18, 46});
  // A red scarf, so the hero stands out against every background.
  part(Spine, scarfMat, {-32, 12, -38}, {32, 24, 36});
  part(Spine, scarfMat, {8, -14, 34}, {22, 14, 40});              // its loose end
  part(Spine, gemMat, {-7, -10, -38}, {7, 4, -33});               // chest gem
  part(Head, stoneMat, {-28, 26, -32}, {28, 84, 30});
  part(Head, darkMat, {-24, 58, -36}, {24, 64, -31});             // brow
  part(Head, eyeMat, {-17, 44, -34}, {-6, 54, -31});
  part(Head, eyeMat, {6, 44, -34}, {17, 54, -31});
  part(Head, darkMat, {-10, 32, -33.5f}, {10, 35, -31});          // mouth
  part(Head, mossMat, {-24, 84, -26}, {20, 92, 24});
  part(Head, mossMat, {-10, 90, -14}, {14, 96, 12});
  for (int side : {1, -1}) {
    float s = float(side);
    auto box = [&](int bone, int mat, float x0, float x1, Vec3 lo, Vec3 hi) {
      part(bone, mat, {std::min(s * x0, s * x1), lo.y, lo.z}, {std::max(s * x0, s * x1), hi.y, hi.z});
    };
    int arm = side > 0 ? ArmL : ArmR, forearm = side > 0 ? ForearmL : ForearmR;
    int leg = side > 0 ? LegL : LegR, shin = side > 0 ? ShinL : ShinR;
    box(arm, darkMat, 36, 52, {0, 6, -20}, {0, 26, 20});          // shoulder
    box(arm, stoneMat, 32, 48, {0, -16, -15}, {0, 8, 15});
    box(forearm, stoneMat, 30, 52, {0, -50, -18}, {0, -16, 18});  // forearm and fist
    box(leg, stoneMat, 8, 30, {0, -72, -17}, {0, -40, 17});
    box(shin, stoneMat, 6, 32, {0, -92, -19}, {0, -72, 17});
    box(shin, darkMat, 5, 33, {0, -100, -30}, {0, -92, 18});      // foot, toes forward
  }
  std::vector<std::string> names;
  std::vector<Matrix> offsets;
  for (const Bone& b : kBones) {
    names.push_back(b.name);
    offsets.push_back(MatrixTranslation(-b.joint.x, -b.joint.y, -b.joint.z));
  }
  m.SetBones(names, offsets);
  return m.Finish();
}

ModelFrame Skeleton(int b) {
  Vec3 o = LocalOffset(b);
  ModelFrame f{kBones[b].name, MatrixTranslation(o.x, o.y, o.z), {}, {}};
  for (int c = 0; c < kBoneCount; ++c)
    if (kBones[c].parent == b) f.children.push_back(Skeleton(c));
  return f;
}

// ---------------------------------------------------------------- motion

// Rotation of each bone in degrees about x, y, z, and a shift of the hips.
struct Pose {
  Vec3 turn[kBoneCount];
  Vec3 hipShift;
};

struct KeyPose {
  float time;  // seconds
  Pose pose;
};

Pose Lerp(const Pose& a, const Pose& b, float t) {
  t = t * t * (3 - 2 * t);  // ease in and out
  Pose p;
  for (int i = 0; i < kBoneCount; ++i) p.turn[i] = a.turn[i] + (b.turn[i] - a.turn[i]) * t;
  p.hipShift = a.hipShift + (b.hipShift - a.hipShift) * t;
  return p;
}

Pose Sample(const std::vector<KeyPose>& keys, float t) {
  for (size_t i = 1; i < keys.size(); ++i)
    if (t <= keys[i].time) return Lerp(keys[i - 1].pose, keys[i].pose, (t - keys[i - 1].time) / (keys[i].time - keys[i - 1].time));
  return keys.back().pose;
}

Matrix LocalMatrix(const Pose& p, int b) {
  constexpr float r = std::numbers::pi_v<float> / 180;
  Vec3 o = LocalOffset(b);
  if (b == Hips) o = o + p.hipShift;
  const Vec3& t = p.turn[b];
  return MatrixRotationX(t.x * r) * MatrixRotationY(t.y * r) * MatrixRotationZ(t.z * r) * MatrixTranslation(o.x, o.y, o.z);
}

constexpr uint32_t kTicks = 60;

ModelAnimationSet Bake(const char* name, const std::vector<KeyPose>& keys) {
  ModelAnimationSet set{name, {}};
  uint32_t last = uint32_t(std::lround(keys.back().time * kTicks));
  for (int b = 0; b < kBoneCount; ++b) {
    ModelTrack a{kBones[b].name, {}};
    for (uint32_t tick = 0; tick <= last; tick += 2) {
      uint32_t at = std::min(tick, last);
      a.keys.push_back({at, LocalMatrix(Sample(keys, float(at) / kTicks), b)});
      if (tick < last && tick + 2 > last) a.keys.push_back({last, LocalMatrix(keys.back().pose, b)});
    }
    set.animations.push_back(a);
  }
  return set;
}

Pose Rest() { return Pose{}; }

std::vector<KeyPose> Idle() {
  Pose breathe = Rest();
  breathe.hipShift = {0, -1.5f, 0};
  breathe.turn[Spine] = {2, 0, 0};
  breathe.turn[Head] = {-3, 0, 2};
  breathe.turn[ArmL] = {0, 0, 4};
  breathe.turn[ArmR] = {0, 0, -4};
  Pose glance = breathe;
  glance.turn[Head] = {0, 12, -2};
  return {{0, Rest()}, {0.5f, breathe}, {1.0f, Rest()}, {1.5f, glance}, {2.0f, Rest()}};
}

std::vector<KeyPose> Walk() {
  // One stride per leg in 2/3 s: the golem covers about one cell per step.
  auto stride = [](float s) {
    Pose p = Rest();
    p.turn[LegL] = {28 * s, 0, 0};
    p.turn[LegR] = {-28 * s, 0, 0};
    p.turn[ShinL] = {s < 0 ? -20.0f : 0.0f, 0, 0};
    p.turn[ShinR] = {s > 0 ? -20.0f : 0.0f, 0, 0};
    p.turn[ArmL] = {-22 * s, 0, 3};
    p.turn[ArmR] = {22 * s, 0, -3};
    p.turn[ForearmL] = {12, 0, 0};
    p.turn[ForearmR] = {12, 0, 0};
    p.turn[Spine] = {4, 5 * s, 0};
    return p;
  };
  auto passing = [](float s) {
    Pose p = Rest();
    p.hipShift = {0, 3, 0};
    p.turn[s > 0 ? ShinR : ShinL] = {-35, 0, 0};
    p.turn[s > 0 ? LegR : LegL] = {15, 0, 0};
    p.turn[Spine] = {4, 0, 0};
    p.turn[ForearmL] = {12, 0, 0};
    p.turn[ForearmR] = {12, 0, 0};
    return p;
  };
  return {{0, stride(1)}, {1 / 6.0f, passing(1)}, {2 / 6.0f, stride(-1)}, {3 / 6.0f, passing(-1)}, {4 / 6.0f, stride(1)}};
}

std::vector<KeyPose> Cheer() {
  Pose up = Rest();
  up.turn[ArmL] = {0, 0, 150};
  up.turn[ArmR] = {0, 0, -150};
  up.turn[Head] = {-10, 0, 0};
  up.hipShift = {0, 4, 0};
  Pose low = up;
  low.turn[ArmL] = {0, 0, 120};
  low.turn[ArmR] = {0, 0, -120};
  low.hipShift = {0, -2, 0};
  low.turn[LegL] = {20, 0, 0};
  low.turn[LegR] = {20, 0, 0};
  low.turn[ShinL] = {-35, 0, 0};
  low.turn[ShinR] = {-35, 0, 0};
  return {{0, Rest()}, {0.25f, up}, {0.5f, low}, {0.75f, up}, {1.0f, Rest()}};
}

// A build lasts 25 drawn frames at double speed (about 0.83 s of animation);
// the block appears at frame 15, half a second in, where the push lands.
std::vector<KeyPose> Build(bool below) {
  Pose windUp = Rest();
  windUp.turn[Spine] = {-8, 0, 0};
  windUp.turn[ArmL] = {-40, 0, 10};
  windUp.turn[ArmR] = {-40, 0, -10};
  windUp.turn[ForearmL] = {30, 0, 0};
  windUp.turn[ForearmR] = {30, 0, 0};
  Pose push = Rest();
  push.turn[Spine] = {below ? 24.0f : 12.0f, 0, 0};
  push.turn[ArmL] = {below ? 58.0f : 88.0f, 0, -6};
  push.turn[ArmR] = {below ? 58.0f : 88.0f, 0, 6};
  push.turn[Head] = {below ? 10.0f : 0.0f, 0, 0};
  if (below) {
    push.hipShift = {0, -8, 0};
    push.turn[LegL] = push.turn[LegR] = {30, 0, 0};
    push.turn[ShinL] = push.turn[ShinR] = {-50, 0, 0};
    push.turn[Hips] = {4, 0, 0};
  }
  return {{0, Rest()}, {0.2f, windUp}, {0.5f, push}, {0.65f, push}, {0.8f, Rest()}};
}

}  // namespace

AnimatedModel Goremu() {
  ModelFrame root{"goremu", Matrix{}, {Body()}, {Skeleton(Hips)}};
  return {root,
          {Bake("Idle", Idle()), Bake("Walk", Walk()), Bake("Cheer", Cheer()), Bake("Build", Build(false)),
           Bake("BuildBelow", Build(true))},
          kTicks};
}

void WriteGoremu(const std::string& treeDir) {
  const std::string dir = "AnimModel/goremu";
  WritePng(StoneTexture(), AssetPath(treeDir, dir, "goremu_stone.png"));
  AnimatedModel model = Goremu();
  WriteXFile(AssetPath(treeDir, dir, "goremu.x"), {model.root}, model.sets, model.ticksPerSecond);
}
