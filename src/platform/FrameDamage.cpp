#include "platform/FrameDamage.h"

#include <algorithm>
#include <set>

namespace {

constexpr int kStageStates = 6;

// What a state-setting call sets, as keys. Keys below kModelOnly are read
// by every draw that fills triangles; the rest only by meshes. Clears and
// text read the viewport alone.
constexpr uint32_t kRenderState = 0x100;  // + the state's index in StateBlock
constexpr uint32_t kStageState = 0x200;   // + the stage state's index
constexpr uint32_t kTexture = 0x300;
constexpr uint32_t kViewport = 0x400;
constexpr uint32_t kModelOnly = 0x1000;  // from here on, keys only meshes read
constexpr uint32_t kLight = 0x1000;      // + index
constexpr uint32_t kLightOn = 0x1100;    // + index
constexpr uint32_t kMaterial = 0x1200;
constexpr uint32_t kTransform = 0x10000;  // + slot

class Divergence {
 public:
  void Note(uint32_t key, bool same) {
    if (same)
      keys_.erase(key);
    else
      keys_.insert(key);
  }
  bool AnyBelow(uint32_t limit) const { return !keys_.empty() && *keys_.begin() < limit; }
  bool AnyIn(uint32_t low, uint32_t high) const {
    const auto it = keys_.lower_bound(low);
    return it != keys_.end() && *it < high;
  }
  bool Has(uint32_t key) const { return keys_.count(key) != 0; }

 private:
  std::set<uint32_t> keys_;
};

using held::SameBits;

// The keys on which two frames began differently.
Divergence StartDivergence(const FixedFunctionState& a, const FixedFunctionState& b) {
  Divergence d;
  for (RenderState s : StateBlock::kModelled)
    d.Note(kRenderState + static_cast<uint32_t>(StateBlock::Index(s)), a.states.Get(s) == b.states.Get(s));
  for (int i = 0; i < kStageStates; ++i) {
    const auto s = static_cast<TextureStageState>(i + 1);
    d.Note(kStageState + static_cast<uint32_t>(i), a.states.Get(s) == b.states.Get(s));
  }
  d.Note(kTexture, a.texture == b.texture);
  d.Note(kViewport, SameBits(a.viewport, b.viewport));
  d.Note(kTransform + TransformSlot::View, SameBits(a.View(), b.View()));
  d.Note(kTransform + TransformSlot::Projection, SameBits(a.Projection(), b.Projection()));
  for (int i = 0; i < FixedFunctionState::kPaletteSize; ++i)
    d.Note(kTransform + TransformSlot::WorldMatrix(static_cast<uint32_t>(i)), SameBits(a.World(i), b.World(i)));
  for (int i = 0; i < FixedFunctionState::kLights; ++i) {
    d.Note(kLight + static_cast<uint32_t>(i),
           SameBits(a.lights[static_cast<size_t>(i)], b.lights[static_cast<size_t>(i)]));
    d.Note(kLightOn + static_cast<uint32_t>(i),
           a.lightEnabled[static_cast<size_t>(i)] == b.lightEnabled[static_cast<size_t>(i)]);
  }
  d.Note(kMaterial, SameBits(a.material, b.material));
  return d;
}

// Notes what a state-setting call sets: whether it is the same as the
// other frame's at its place.
void NoteKeys(Divergence& d, const held::Call& call, bool same) {
  std::visit(
      [&](const auto& c) {
        using C = std::decay_t<decltype(c)>;
        if constexpr (std::is_same_v<C, held::SetRenderState>) {
          const int index = StateBlock::Index(c.state);
          // A state the device does not model changes nothing drawn.
          if (index >= 0) d.Note(kRenderState + static_cast<uint32_t>(index), same);
        } else if constexpr (std::is_same_v<C, held::SetStageState>) {
          const int index = StateBlock::Index(c.state);
          if (c.stage == 0 && index >= 0) d.Note(kStageState + static_cast<uint32_t>(index), same);
        } else if constexpr (std::is_same_v<C, held::SetStage>) {
          if (c.stage == 0)
            for (uint32_t i = 0; i < kStageStates; ++i) d.Note(kStageState + i, same);
        } else if constexpr (std::is_same_v<C, held::SetTexture>) {
          if (c.stage == 0) d.Note(kTexture, same);
        } else if constexpr (std::is_same_v<C, held::SetViewport>) {
          d.Note(kViewport, same);
        } else if constexpr (std::is_same_v<C, held::SetTransform>) {
          d.Note(kTransform + c.slot, same);
        } else if constexpr (std::is_same_v<C, held::SetLight>) {
          d.Note(kLight + static_cast<uint32_t>(c.index), same);
        } else if constexpr (std::is_same_v<C, held::LightEnable>) {
          d.Note(kLightOn + static_cast<uint32_t>(c.index), same);
        } else if constexpr (std::is_same_v<C, held::SetMaterial>) {
          d.Note(kMaterial, same);
        }
      },
      call);
}

// Calls at the same place set the same key unless they differ: then both
// keys now differ (a transform of one slot against one of another).
void NoteSet(Divergence& d, const held::Call& before, const held::Call& now) {
  const bool same = before == now;
  if (!same) NoteKeys(d, before, false);
  NoteKeys(d, now, same);
}

// Whether a draw at the same place in both frames may come out differently.
// A mesh reads every state but the world matrices it is not blended with.
bool DrawDiffers(const Divergence& d, const held::Call& before, const held::Call& now, int worldsRead) {
  if (!(before == now)) return true;
  if (std::holds_alternative<held::Mesh>(now)) {
    const uint32_t firstWorld = kTransform + TransformSlot::World;
    return d.AnyBelow(firstWorld) || d.AnyIn(firstWorld, firstWorld + static_cast<uint32_t>(worldsRead));
  }
  if (std::holds_alternative<held::Quad>(now)) return d.AnyBelow(kModelOnly);
  return d.Has(kViewport);  // a clear or a text
}

// Whether the rectangles together cover the whole target: every cell of the
// grid their edges make lies in one of them.
bool Covers(const std::vector<PixelRect>& rects, int width, int height) {
  std::vector<int> xs{0, width}, ys{0, height};
  for (const PixelRect& r : rects) {
    xs.insert(xs.end(), {std::clamp(r.x, 0, width), std::clamp(r.x + r.width, 0, width)});
    ys.insert(ys.end(), {std::clamp(r.y, 0, height), std::clamp(r.y + r.height, 0, height)});
  }
  std::sort(xs.begin(), xs.end());
  std::sort(ys.begin(), ys.end());
  for (size_t i = 0; i + 1 < xs.size(); ++i) {
    for (size_t j = 0; j + 1 < ys.size(); ++j) {
      if (xs[i] == xs[i + 1] || ys[j] == ys[j + 1]) continue;
      const PixelRect cell{xs[i], ys[j], 1, 1};
      const bool covered =
          std::any_of(rects.begin(), rects.end(), [&](const PixelRect& r) { return Overlap(r, cell); });
      if (!covered) return false;
    }
  }
  return true;
}

long long Area(const PixelRect& r) { return IsEmpty(r) ? 0 : static_cast<long long>(r.width) * r.height; }

}  // namespace

void ApplyCall(FixedFunctionState& state, const held::Call& call) {
  std::visit(
      [&state](const auto& c) {
        using C = std::decay_t<decltype(c)>;
        if constexpr (std::is_same_v<C, held::SetRenderState>) {
          state.states.Set(c.state, c.value);
        } else if constexpr (std::is_same_v<C, held::SetStageState>) {
          if (c.stage == 0) state.states.Set(c.state, c.value);
        } else if constexpr (std::is_same_v<C, held::SetStage>) {
          if (c.stage == 0) state.states.SetStage(c.settings);
        } else if constexpr (std::is_same_v<C, held::SetTexture>) {
          if (c.stage == 0) state.texture = c.texture;
        } else if constexpr (std::is_same_v<C, held::SetViewport>) {
          state.viewport = c.viewport;
        } else if constexpr (std::is_same_v<C, held::SetTransform>) {
          state.SetTransform(c.slot, c.matrix);
        } else if constexpr (std::is_same_v<C, held::SetLight>) {
          if (c.index >= 0 && c.index < FixedFunctionState::kLights)
            state.lights[static_cast<size_t>(c.index)] = c.light;
        } else if constexpr (std::is_same_v<C, held::LightEnable>) {
          if (c.index >= 0 && c.index < FixedFunctionState::kLights)
            state.lightEnabled[static_cast<size_t>(c.index)] = c.enable;
        } else if constexpr (std::is_same_v<C, held::SetMaterial>) {
          state.material = c.material;
        }
      },
      call);
}

WalkedFrame WalkFrame(const held::Frame& frame, const FixedFunctionState& start, const MeshExtents& meshes,
                      int targetWidth, int targetHeight) {
  WalkedFrame walked;
  walked.start = start;
  walked.reach.resize(frame.size());
  walked.worldsRead.resize(frame.size());
  FixedFunctionState state = start;
  std::vector<PixelRect> cleared;
  for (size_t i = 0; i < frame.size(); ++i) {
    const held::Call& call = frame[i];
    ApplyCall(state, call);
    const PixelRect viewport = ViewportArea(state.viewport, targetWidth, targetHeight);
    if (const auto* quad = std::get_if<held::Quad>(&call)) {
      walked.reach[i] = QuadReach(quad->vertices, viewport);
    } else if (const auto* mesh = std::get_if<held::Mesh>(&call)) {
      const auto extent = meshes.find(mesh->mesh);
      walked.reach[i] = extent == meshes.end() ? viewport : ModelReach(extent->second, state, viewport);
      walked.worldsRead[i] =
          extent == meshes.end() ? FixedFunctionState::kPaletteSize : WorldsRead(extent->second, state);
    } else if (const auto* clear = std::get_if<held::Clear>(&call)) {
      walked.reach[i] = viewport;
      const uint32_t both = ClearFlags::Target | ClearFlags::ZBuffer;
      if ((clear->flags & both) == both) cleared.push_back(viewport);
    } else if (std::holds_alternative<held::Text>(call)) {
      walked.reach[i] = viewport;
    } else if (std::holds_alternative<held::MeshVertices>(call)) {
      walked.rewritesMeshes = true;
    }
  }
  walked.clearsEveryPixel = cleared.size() <= 16 && Covers(cleared, targetWidth, targetHeight);
  return walked;
}

namespace {

// Walks two frames side by side, calling `differs(i)` for each draw that may
// come out differently. False when they do not line up call for call.
template <typename Differs>
bool CompareDraws(const held::Frame& before, const WalkedFrame& walkedBefore, const held::Frame& now,
                  const WalkedFrame& walkedNow, Differs differs) {
  if (before.size() != now.size()) return false;
  Divergence divergence = StartDivergence(walkedBefore.start, walkedNow.start);
  for (size_t i = 0; i < now.size(); ++i) {
    if (before[i].index() != now[i].index()) return false;
    if (!held::Draws(now[i])) {
      NoteSet(divergence, before[i], now[i]);
    } else if (DrawDiffers(divergence, before[i], now[i],
                           std::max(walkedBefore.worldsRead[i], walkedNow.worldsRead[i]))) {
      differs(i);
    }
  }
  return true;
}

}  // namespace

bool DrawsTheSame(const held::Frame& before, const WalkedFrame& walkedBefore, const held::Frame& now,
                  const WalkedFrame& walkedNow) {
  bool same = true;
  return CompareDraws(before, walkedBefore, now, walkedNow, [&same](size_t) { same = false; }) && same;
}

std::optional<std::vector<PixelRect>> FrameDamage(const held::Frame& before, const WalkedFrame& walkedBefore,
                                                  const held::Frame& now, const WalkedFrame& walkedNow) {
  if (!walkedNow.clearsEveryPixel || walkedNow.rewritesMeshes || walkedBefore.rewritesMeshes) return std::nullopt;
  std::vector<PixelRect> damage;
  const bool linedUp = CompareDraws(before, walkedBefore, now, walkedNow, [&](size_t i) {
    damage.push_back(walkedBefore.reach[i]);
    damage.push_back(walkedNow.reach[i]);
  });
  if (!linedUp) return std::nullopt;
  return JoinRects(std::move(damage), 6);
}

std::vector<PixelRect> JoinRects(std::vector<PixelRect> rects, size_t most) {
  rects.erase(std::remove_if(rects.begin(), rects.end(), IsEmpty), rects.end());
  // Past a few dozen, one rectangle around them all is as good and far quicker.
  if (rects.size() > 64) {
    PixelRect all{};
    for (const PixelRect& r : rects) all = Union(all, r);
    return {all};
  }
  for (size_t i = 0; i < rects.size();) {
    bool joined = false;
    for (size_t j = i + 1; j < rects.size(); ++j) {
      if (!Overlap(rects[i], rects[j])) continue;
      rects[i] = Union(rects[i], rects[j]);
      rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(j));
      joined = true;
      break;
    }
    if (!joined)
      ++i;
    else
      i = 0;  // the grown rectangle may now meet one already passed
  }
  while (rects.size() > most) {
    size_t bestI = 0, bestJ = 1;
    long long bestGrowth = -1;
    for (size_t i = 0; i < rects.size(); ++i) {
      for (size_t j = i + 1; j < rects.size(); ++j) {
        const long long growth = Area(Union(rects[i], rects[j])) - Area(rects[i]) - Area(rects[j]);
        if (bestGrowth < 0 || growth < bestGrowth) {
          bestGrowth = growth;
          bestI = i;
          bestJ = j;
        }
      }
    }
    rects[bestI] = Union(rects[bestI], rects[bestJ]);
    rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(bestJ));
  }
  return rects;
}
