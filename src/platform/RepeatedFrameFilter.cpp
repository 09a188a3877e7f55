#include "platform/RepeatedFrameFilter.h"

#include <cstring>

// Text goes through the filter too, in its place among the other calls.
class RepeatedFrameFilter::HeldFont final : public DeviceFont {
 public:
  HeldFont(RepeatedFrameFilter& filter, std::unique_ptr<DeviceFont> inner)
      : filter_(filter), inner_(std::move(inner)) {}
  void DrawText(int x, int y, uint32_t argb, const std::string& utf8) override {
    filter_.Hold(held::Text{inner_.get(), x, y, argb, utf8});
  }

 private:
  RepeatedFrameFilter& filter_;
  std::unique_ptr<DeviceFont> inner_;
};

RepeatedFrameFilter::RepeatedFrameFilter(std::unique_ptr<RenderDevice> inner) : inner_(std::move(inner)) {
  state_.viewport = inner_->GetViewport();
  frameStart_ = state_;
}

RepeatedFrameFilter::~RepeatedFrameFilter() = default;

void RepeatedFrameFilter::Hold(held::Call call) { frame_.push_back(std::move(call)); }

void RepeatedFrameFilter::Replay(const held::Call& call) {
  RenderDevice& d = *inner_;
  std::visit(
      [&d](const auto& c) {
        using C = std::decay_t<decltype(c)>;
        if constexpr (std::is_same_v<C, held::Begin>) d.BeginScene();
        else if constexpr (std::is_same_v<C, held::End>) d.EndScene();
        else if constexpr (std::is_same_v<C, held::Clear>) d.Clear(c.flags, c.argb, c.z);
        else if constexpr (std::is_same_v<C, held::SetViewport>) d.SetViewport(c.viewport);
        else if constexpr (std::is_same_v<C, held::SetRenderState>) d.SetRenderState(c.state, c.value);
        else if constexpr (std::is_same_v<C, held::SetStageState>) d.SetTextureStageState(c.stage, c.state, c.value);
        else if constexpr (std::is_same_v<C, held::SetStage>) d.SetTextureStage(c.stage, c.settings);
        else if constexpr (std::is_same_v<C, held::SetTransform>) d.SetTransform(c.slot, c.matrix);
        else if constexpr (std::is_same_v<C, held::SetLight>) d.SetLight(c.index, c.light);
        else if constexpr (std::is_same_v<C, held::LightEnable>) d.LightEnable(c.index, c.enable);
        else if constexpr (std::is_same_v<C, held::SetMaterial>) d.SetMaterial(c.material);
        else if constexpr (std::is_same_v<C, held::SetTexture>) d.SetTexture(c.stage, c.texture);
        else if constexpr (std::is_same_v<C, held::Quad>) d.DrawScreenQuad(c.vertices);
        else if constexpr (std::is_same_v<C, held::Mesh>) d.DrawMesh(*c.mesh, c.firstIndex, c.triangleCount);
        else if constexpr (std::is_same_v<C, held::MeshVertices>) d.UpdateMeshVertices(*c.mesh, c.vertices);
        else if constexpr (std::is_same_v<C, held::Text>) c.font->DrawText(c.x, c.y, c.argb, c.text);
      },
      call);
}

void RepeatedFrameFilter::PassOn() {
  for (const held::Call& call : frame_) Replay(call);
}

void RepeatedFrameFilter::PassOnWithin(std::vector<PixelRect> rects, const WalkedFrame& walked) {
  // With nothing to draw, the states still go on: the next frame starts from them.
  if (rects.empty()) rects.push_back({});
  for (size_t pass = 0; pass < rects.size(); ++pass) {
    if (pass > 0) RestoreState(state_, frameStart_);
    inner_->LimitDrawingTo(&rects[pass]);
    for (size_t i = 0; i < frame_.size(); ++i) {
      if (held::Draws(frame_[i]) && !Overlap(walked.reach[i], rects[pass])) continue;
      Replay(frame_[i]);
    }
  }
  inner_->LimitDrawingTo(nullptr);
}

void RepeatedFrameFilter::RestoreState(const FixedFunctionState& now, const FixedFunctionState& wanted) {
  RenderDevice& d = *inner_;
  auto same = [](const auto& a, const auto& b) { return held::SameBits(a, b); };
  if (!(now.states == wanted.states)) {
    for (RenderState s : StateBlock::kModelled)
      if (now.states.Get(s) != wanted.states.Get(s)) d.SetRenderState(s, wanted.states.Get(s));
    d.SetTextureStage(0, wanted.states.Stage());
  }
  if (now.texture != wanted.texture) d.SetTexture(0, wanted.texture);
  if (!same(now.viewport, wanted.viewport)) d.SetViewport(wanted.viewport);
  if (!same(now.View(), wanted.View())) d.SetTransform(TransformSlot::View, wanted.View());
  if (!same(now.Projection(), wanted.Projection())) d.SetTransform(TransformSlot::Projection, wanted.Projection());
  for (int i = 0; i < FixedFunctionState::kPaletteSize; ++i)
    if (!same(now.World(i), wanted.World(i)))
      d.SetTransform(TransformSlot::WorldMatrix(static_cast<uint32_t>(i)), wanted.World(i));
  for (size_t i = 0; i < FixedFunctionState::kLights; ++i) {
    if (!same(now.lights[i], wanted.lights[i])) d.SetLight(static_cast<int>(i), wanted.lights[i]);
    if (now.lightEnabled[i] != wanted.lightEnabled[i]) d.LightEnable(static_cast<int>(i), wanted.lightEnabled[i]);
  }
  if (!same(now.material, wanted.material)) d.SetMaterial(wanted.material);
}

bool RepeatedFrameFilter::BeginScene() {
  Hold(held::Begin{});
  return true;
}

void RepeatedFrameFilter::EndScene() { Hold(held::End{}); }

bool RepeatedFrameFilter::Present() {
  const bool known = lastKnown_ && !passedOnPart_;
  WalkedFrame walked = WalkFrame(frame_, frameStart_, meshes_, BackBufferWidth(), BackBufferHeight());
  if (known && frame_ == last_ && DrawsTheSame(last_, lastWalked_, frame_, walked)) {
    ++repeated_;
  } else {
    std::optional<std::vector<PixelRect>> damage;
    if (known && inner_->KeepsLastPicture()) damage = FrameDamage(last_, lastWalked_, frame_, walked);
    if (damage) {
      PassOnWithin(std::move(*damage), walked);
      ++drawnInPart_;
    } else {
      PassOn();
    }
    ++drawn_;
  }
  lastWalked_ = std::move(walked);
  lastKnown_ = !passedOnPart_;
  passedOnPart_ = false;
  last_.swap(frame_);
  frame_.clear();
  frameStart_ = state_;
  return inner_->Present();
}

void RepeatedFrameFilter::ForgetLastFrame() {
  lastKnown_ = false;
  inner_->ForgetLastFrame();
}

// The picture so far has to exist for reading it: what is held is passed on,
// and this frame is then passed on whatever it holds.
std::vector<uint32_t> RepeatedFrameFilter::ReadBackBuffer() {
  if (!frame_.empty()) {
    PassOn();
    frame_.clear();
    passedOnPart_ = true;
  }
  return inner_->ReadBackBuffer();
}

void RepeatedFrameFilter::Clear(uint32_t flags, uint32_t argb, float z) { Hold(held::Clear{flags, argb, z}); }

void RepeatedFrameFilter::SetViewport(const Viewport& viewport) {
  state_.viewport = viewport;
  Hold(held::SetViewport{viewport});
}

void RepeatedFrameFilter::SetRenderState(RenderState state, uint32_t value) {
  state_.states.Set(state, value);
  Hold(held::SetRenderState{state, value});
}

void RepeatedFrameFilter::SetTextureStageState(int stage, TextureStageState state, uint32_t value) {
  if (stage == 0) state_.states.Set(state, value);
  Hold(held::SetStageState{stage, state, value});
}

void RepeatedFrameFilter::SetTextureStage(int stage, const TextureStage& settings) {
  if (stage == 0) state_.states.SetStage(settings);
  Hold(held::SetStage{stage, settings});
}

void RepeatedFrameFilter::SetTransform(uint32_t slot, const Matrix& matrix) {
  state_.SetTransform(slot, matrix);
  Hold(held::SetTransform{slot, matrix});
}

void RepeatedFrameFilter::SetLight(int index, const Light& light) {
  ApplyCall(state_, held::SetLight{index, light});
  Hold(held::SetLight{index, light});
}

void RepeatedFrameFilter::LightEnable(int index, bool enable) {
  ApplyCall(state_, held::LightEnable{index, enable});
  Hold(held::LightEnable{index, enable});
}

void RepeatedFrameFilter::SetMaterial(const Material& material) {
  state_.material = material;
  Hold(held::SetMaterial{material});
}

void RepeatedFrameFilter::SetTexture(int stage, const DeviceTexture* texture) {
  if (stage == 0) state_.texture = texture;
  Hold(held::SetTexture{stage, texture});
}

std::unique_ptr<DeviceTexture> RepeatedFrameFilter::LoadTexture(const std::string& path) {
  lastKnown_ = false;
  return inner_->LoadTexture(path);
}

std::unique_ptr<DeviceTexture> RepeatedFrameFilter::CreateTexture(int width, int height,
                                                                  const uint32_t* argbPixels) {
  lastKnown_ = false;
  return inner_->CreateTexture(width, height, argbPixels);
}

std::unique_ptr<DeviceMesh> RepeatedFrameFilter::CreateMesh(const std::vector<MeshVertex>& vertices,
                                                            const std::vector<uint32_t>& indices,
                                                            const MeshFormat& format) {
  lastKnown_ = false;
  std::unique_ptr<DeviceMesh> mesh = inner_->CreateMesh(vertices, indices, format);
  if (mesh) meshes_[mesh.get()] = MeasureMesh(vertices);
  return mesh;
}

void RepeatedFrameFilter::UpdateMeshVertices(DeviceMesh& mesh, const std::vector<MeshVertex>& vertices) {
  meshes_[&mesh] = MeasureMesh(vertices);
  Hold(held::MeshVertices{&mesh, vertices});
}

std::unique_ptr<DeviceFont> RepeatedFrameFilter::CreateFont(const std::string& faceName, int height, bool italic) {
  lastKnown_ = false;
  std::unique_ptr<DeviceFont> inner = inner_->CreateFont(faceName, height, italic);
  if (!inner) return nullptr;
  return std::make_unique<HeldFont>(*this, std::move(inner));
}

void RepeatedFrameFilter::DrawScreenQuad(const ScreenVertex vertices[4]) {
  held::Quad quad;
  std::memcpy(quad.vertices, vertices, sizeof quad.vertices);
  Hold(quad);
}

void RepeatedFrameFilter::DrawMesh(const DeviceMesh& mesh, uint32_t firstIndex, uint32_t triangleCount) {
  Hold(held::Mesh{&mesh, firstIndex, triangleCount});
}
