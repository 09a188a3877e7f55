#include "platform/RepeatedFrameFilter.h"

#include <cstring>

namespace {

// Arguments compared bit for bit: a call repeated with the same bits draws
// the same pixels.
template <typename T>
bool SameBits(const T& a, const T& b) {
  return std::memcmp(&a, &b, sizeof(T)) == 0;
}

struct Begin {};
struct End {};
struct ClearCall {
  uint32_t flags, argb;
  float z;
};
struct ViewportCall {
  Viewport viewport;
};
struct RenderStateCall {
  RenderState state;
  uint32_t value;
};
struct StageStateCall {
  int stage;
  TextureStageState state;
  uint32_t value;
};
struct StageCall {
  int stage;
  TextureStage settings;
};
struct TransformCall {
  uint32_t slot;
  Matrix matrix;
};
struct LightCall {
  int index;
  Light light;
};
struct LightEnableCall {
  int index;
  bool enable;
};
struct MaterialCall {
  Material material;
};
struct TextureCall {
  int stage;
  const DeviceTexture* texture;
};
struct QuadCall {
  ScreenVertex vertices[4];
};
struct MeshCall {
  const DeviceMesh* mesh;
  uint32_t firstIndex, triangleCount;
};
struct MeshVerticesCall {
  DeviceMesh* mesh;
  std::vector<MeshVertex> vertices;
};
struct TextCall {
  DeviceFont* font;
  int x, y;
  uint32_t argb;
  std::string text;
};

bool operator==(const Begin&, const Begin&) { return true; }
bool operator==(const End&, const End&) { return true; }
bool operator==(const ClearCall& a, const ClearCall& b) { return SameBits(a, b); }
bool operator==(const ViewportCall& a, const ViewportCall& b) { return SameBits(a, b); }
bool operator==(const RenderStateCall& a, const RenderStateCall& b) { return SameBits(a, b); }
bool operator==(const StageStateCall& a, const StageStateCall& b) { return SameBits(a, b); }
bool operator==(const StageCall& a, const StageCall& b) { return SameBits(a, b); }
bool operator==(const TransformCall& a, const TransformCall& b) { return SameBits(a, b); }
bool operator==(const LightCall& a, const LightCall& b) { return SameBits(a, b); }
bool operator==(const LightEnableCall& a, const LightEnableCall& b) { return a.index == b.index && a.enable == b.enable; }
bool operator==(const MaterialCall& a, const MaterialCall& b) { return SameBits(a, b); }
bool operator==(const TextureCall& a, const TextureCall& b) { return a.stage == b.stage && a.texture == b.texture; }
bool operator==(const QuadCall& a, const QuadCall& b) { return SameBits(a, b); }
bool operator==(const MeshCall& a, const MeshCall& b) { return SameBits(a, b); }
bool operator==(const MeshVerticesCall& a, const MeshVerticesCall& b) {
  return a.mesh == b.mesh && a.vertices.size() == b.vertices.size() &&
         std::memcmp(a.vertices.data(), b.vertices.data(), a.vertices.size() * sizeof(MeshVertex)) == 0;
}
bool operator==(const TextCall& a, const TextCall& b) {
  return a.font == b.font && a.x == b.x && a.y == b.y && a.argb == b.argb && a.text == b.text;
}

}  // namespace

struct RepeatedFrameFilter::Call {
  std::variant<Begin, End, ClearCall, ViewportCall, RenderStateCall, StageStateCall, StageCall, TransformCall,
               LightCall, LightEnableCall, MaterialCall, TextureCall, QuadCall, MeshCall, MeshVerticesCall, TextCall>
      what;
  bool operator==(const Call& other) const { return what == other.what; }
};

// Text goes through the filter too, in its place among the other calls.
class RepeatedFrameFilter::HeldFont final : public DeviceFont {
 public:
  HeldFont(RepeatedFrameFilter& filter, std::unique_ptr<DeviceFont> inner)
      : filter_(filter), inner_(std::move(inner)) {}
  void DrawText(int x, int y, uint32_t argb, const std::string& utf8) override {
    filter_.Hold({TextCall{inner_.get(), x, y, argb, utf8}});
  }

 private:
  RepeatedFrameFilter& filter_;
  std::unique_ptr<DeviceFont> inner_;
};

RepeatedFrameFilter::RepeatedFrameFilter(std::unique_ptr<RenderDevice> inner) : inner_(std::move(inner)) {
  state_.viewport = inner_->GetViewport();
}

RepeatedFrameFilter::~RepeatedFrameFilter() = default;

void RepeatedFrameFilter::Hold(Call call) { frame_.push_back(std::move(call)); }

void RepeatedFrameFilter::PassOn() {
  RenderDevice& d = *inner_;
  for (const Call& call : frame_) {
    std::visit(
        [&d](const auto& c) {
          using C = std::decay_t<decltype(c)>;
          if constexpr (std::is_same_v<C, Begin>) d.BeginScene();
          else if constexpr (std::is_same_v<C, End>) d.EndScene();
          else if constexpr (std::is_same_v<C, ClearCall>) d.Clear(c.flags, c.argb, c.z);
          else if constexpr (std::is_same_v<C, ViewportCall>) d.SetViewport(c.viewport);
          else if constexpr (std::is_same_v<C, RenderStateCall>) d.SetRenderState(c.state, c.value);
          else if constexpr (std::is_same_v<C, StageStateCall>) d.SetTextureStageState(c.stage, c.state, c.value);
          else if constexpr (std::is_same_v<C, StageCall>) d.SetTextureStage(c.stage, c.settings);
          else if constexpr (std::is_same_v<C, TransformCall>) d.SetTransform(c.slot, c.matrix);
          else if constexpr (std::is_same_v<C, LightCall>) d.SetLight(c.index, c.light);
          else if constexpr (std::is_same_v<C, LightEnableCall>) d.LightEnable(c.index, c.enable);
          else if constexpr (std::is_same_v<C, MaterialCall>) d.SetMaterial(c.material);
          else if constexpr (std::is_same_v<C, TextureCall>) d.SetTexture(c.stage, c.texture);
          else if constexpr (std::is_same_v<C, QuadCall>) d.DrawScreenQuad(c.vertices);
          else if constexpr (std::is_same_v<C, MeshCall>) d.DrawMesh(*c.mesh, c.firstIndex, c.triangleCount);
          else if constexpr (std::is_same_v<C, MeshVerticesCall>) d.UpdateMeshVertices(*c.mesh, c.vertices);
          else if constexpr (std::is_same_v<C, TextCall>) c.font->DrawText(c.x, c.y, c.argb, c.text);
        },
        call.what);
  }
}

bool RepeatedFrameFilter::BeginScene() {
  Hold({Begin{}});
  return true;
}

void RepeatedFrameFilter::EndScene() { Hold({End{}}); }

bool RepeatedFrameFilter::Present() {
  const bool repeat = lastKnown_ && !passedOnPart_ && frame_ == last_;
  if (repeat) {
    ++repeated_;
  } else {
    PassOn();
    ++drawn_;
  }
  lastKnown_ = !passedOnPart_;
  passedOnPart_ = false;
  last_.swap(frame_);
  frame_.clear();
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

void RepeatedFrameFilter::Clear(uint32_t flags, uint32_t argb, float z) { Hold({ClearCall{flags, argb, z}}); }

void RepeatedFrameFilter::SetViewport(const Viewport& viewport) {
  state_.viewport = viewport;
  Hold({ViewportCall{viewport}});
}

void RepeatedFrameFilter::SetRenderState(RenderState state, uint32_t value) {
  state_.states.Set(state, value);
  Hold({RenderStateCall{state, value}});
}

void RepeatedFrameFilter::SetTextureStageState(int stage, TextureStageState state, uint32_t value) {
  if (stage == 0) state_.states.Set(state, value);
  Hold({StageStateCall{stage, state, value}});
}

void RepeatedFrameFilter::SetTextureStage(int stage, const TextureStage& settings) {
  if (stage == 0) state_.states.SetStage(settings);
  Hold({StageCall{stage, settings}});
}

void RepeatedFrameFilter::SetTransform(uint32_t slot, const Matrix& matrix) {
  state_.SetTransform(slot, matrix);
  Hold({TransformCall{slot, matrix}});
}

void RepeatedFrameFilter::SetLight(int index, const Light& light) { Hold({LightCall{index, light}}); }

void RepeatedFrameFilter::LightEnable(int index, bool enable) { Hold({LightEnableCall{index, enable}}); }

void RepeatedFrameFilter::SetMaterial(const Material& material) { Hold({MaterialCall{material}}); }

void RepeatedFrameFilter::SetTexture(int stage, const DeviceTexture* texture) {
  Hold({TextureCall{stage, texture}});
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
  return inner_->CreateMesh(vertices, indices, format);
}

void RepeatedFrameFilter::UpdateMeshVertices(DeviceMesh& mesh, const std::vector<MeshVertex>& vertices) {
  Hold({MeshVerticesCall{&mesh, vertices}});
}

std::unique_ptr<DeviceFont> RepeatedFrameFilter::CreateFont(const std::string& faceName, int height, bool italic) {
  lastKnown_ = false;
  std::unique_ptr<DeviceFont> inner = inner_->CreateFont(faceName, height, italic);
  if (!inner) return nullptr;
  return std::make_unique<HeldFont>(*this, std::move(inner));
}

void RepeatedFrameFilter::DrawScreenQuad(const ScreenVertex vertices[4]) {
  QuadCall quad;
  std::memcpy(quad.vertices, vertices, sizeof quad.vertices);
  Hold({quad});
}

void RepeatedFrameFilter::DrawMesh(const DeviceMesh& mesh, uint32_t firstIndex, uint32_t triangleCount) {
  Hold({MeshCall{&mesh, firstIndex, triangleCount}});
}
