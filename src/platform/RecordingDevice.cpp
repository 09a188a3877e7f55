#include "platform/RecordingDevice.h"

#include <algorithm>

#include "platform/ImageFile.h"

RecordedFont::RecordedFont(RecordingDevice& device, std::string faceName, int height, bool italic)
    : faceName(std::move(faceName)), height(height), italic(italic), device_(device) {}

void RecordedFont::DrawText(int x, int y, uint32_t argb, const std::string& utf8) {
  DrawRecord& draw = device_.Record(DrawKind::Text);
  draw.fontFace = faceName;
  draw.fontHeight = height;
  draw.x = x;
  draw.y = y;
  draw.color = argb;
  draw.text = utf8;
}

RecordingDevice::RecordingDevice(int maxVertexBlendMatrixIndex)
    : maxBlendIndex_(maxVertexBlendMatrixIndex) {
  state_.viewport = {0, 0, BackBufferWidth(), BackBufferHeight(), 0, 1};
}

void RecordingDevice::ClearLog() {
  draws_.clear();
  changes_.clear();
}

bool RecordingDevice::BeginScene() {
  ClearLog();
  return true;
}

bool RecordingDevice::Present() {
  ++presents_;
  return true;
}

void RecordingDevice::Clear(uint32_t flags, uint32_t argb, float z) {
  DrawRecord& draw = Record(DrawKind::Clear);
  draw.clearFlags = flags;
  draw.color = argb;
  draw.clearZ = z;
}

void RecordingDevice::SetViewport(const Viewport& viewport) {
  state_.viewport = viewport;
  Log(StateChange::Kind::Viewport, 0);
}

std::vector<uint32_t> RecordingDevice::ReadBackBuffer() {
  return std::vector<uint32_t>(static_cast<size_t>(BackBufferWidth()) * BackBufferHeight(), 0);
}

void RecordingDevice::SetRenderState(RenderState state, uint32_t value) {
  state_.states.Set(state, value);
  Log(StateChange::Kind::RenderState, static_cast<uint32_t>(state), value);
}

void RecordingDevice::SetTextureStageState(int stage, TextureStageState state, uint32_t value) {
  if (stage == 0) state_.states.Set(state, value);
  Log(StateChange::Kind::TextureStage, static_cast<uint32_t>(state), value);
}

void RecordingDevice::SetTransform(uint32_t slot, const Matrix& matrix) {
  if (!state_.SetTransform(slot, matrix)) return;
  if (slot >= TransformSlot::World)
    paletteSlotsSet_ = std::max(paletteSlotsSet_, static_cast<int>(slot - TransformSlot::World) + 1);
  Log(StateChange::Kind::Transform, slot);
}

void RecordingDevice::SetLight(int index, const Light& light) {
  if (index < 0 || index >= FixedFunctionState::kLights) return;
  state_.lights[index] = light;
  Log(StateChange::Kind::Light, static_cast<uint32_t>(index));
}

void RecordingDevice::LightEnable(int index, bool enable) {
  if (index < 0 || index >= FixedFunctionState::kLights) return;
  state_.lightEnabled[index] = enable;
  Log(StateChange::Kind::LightEnable, static_cast<uint32_t>(index), enable);
}

void RecordingDevice::SetMaterial(const Material& material) {
  state_.material = material;
  Log(StateChange::Kind::Material, 0);
}

void RecordingDevice::SetTexture(int stage, const DeviceTexture* texture) {
  if (stage == 0) state_.texture = texture;
  Log(StateChange::Kind::Texture, static_cast<uint32_t>(stage));
}

std::unique_ptr<DeviceTexture> RecordingDevice::LoadTexture(const std::string& path) {
  std::optional<Image> image = LoadImageFile(path);
  if (!image) return nullptr;
  auto texture = std::make_unique<RecordedTexture>();
  texture->path = path;
  texture->imageWidth = static_cast<uint32_t>(image->width);
  texture->imageHeight = static_cast<uint32_t>(image->height);
  texture->width = TextureSideFor(texture->imageWidth);
  texture->height = TextureSideFor(texture->imageHeight);
  return texture;
}

std::unique_ptr<DeviceTexture> RecordingDevice::CreateTexture(int width, int height,
                                                              const uint32_t* /*argbPixels*/) {
  if (width <= 0 || height <= 0) return nullptr;
  auto texture = std::make_unique<RecordedTexture>();
  texture->imageWidth = static_cast<uint32_t>(width);
  texture->imageHeight = static_cast<uint32_t>(height);
  texture->width = TextureSideFor(texture->imageWidth);
  texture->height = TextureSideFor(texture->imageHeight);
  return texture;
}

std::unique_ptr<DeviceMesh> RecordingDevice::CreateMesh(const std::vector<MeshVertex>& vertices,
                                                        const std::vector<uint32_t>& indices,
                                                        const MeshFormat& format) {
  auto mesh = std::make_unique<RecordedMesh>();
  mesh->vertices = vertices;
  mesh->indices = indices;
  mesh->format = format;
  return mesh;
}

void RecordingDevice::UpdateMeshVertices(DeviceMesh& mesh, const std::vector<MeshVertex>& vertices) {
  if (auto* recorded = dynamic_cast<RecordedMesh*>(&mesh)) recorded->vertices = vertices;
}

std::unique_ptr<DeviceFont> RecordingDevice::CreateFont(const std::string& faceName, int height,
                                                        bool italic) {
  if (!fontsAvailable_) return nullptr;
  return std::make_unique<RecordedFont>(*this, faceName, height, italic);
}

void RecordingDevice::DrawScreenQuad(const ScreenVertex vertices[4]) {
  DrawRecord& draw = Record(DrawKind::Quad);
  std::copy(vertices, vertices + 4, draw.quad.begin());
}

void RecordingDevice::DrawMesh(const DeviceMesh& mesh, uint32_t firstIndex, uint32_t triangleCount) {
  DrawRecord& draw = Record(DrawKind::Mesh);
  draw.mesh = dynamic_cast<const RecordedMesh*>(&mesh);
  draw.firstIndex = firstIndex;
  draw.triangleCount = triangleCount;
  draw.material = state_.material;
  draw.view = state_.View();
  draw.projection = state_.Projection();
  bool blending = state_.states.Get(RenderState::VertexBlend) != VertexBlendFlags::Disable;
  int worlds = blending ? paletteSlotsSet_ : 1;
  for (int i = 0; i < worlds; ++i) draw.worlds.push_back(state_.World(i));
}

DrawRecord& RecordingDevice::Record(DrawKind kind) {
  DrawRecord& draw = draws_.emplace_back();
  draw.kind = kind;
  draw.viewport = state_.viewport;
  draw.states = state_.states;
  draw.texture = dynamic_cast<const RecordedTexture*>(state_.texture);
  return draw;
}

void RecordingDevice::Log(StateChange::Kind kind, uint32_t key, uint32_t value) {
  changes_.push_back({kind, key, value});
}
