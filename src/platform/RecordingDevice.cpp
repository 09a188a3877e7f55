#include "platform/RecordingDevice.h"

#include <algorithm>
#include <typeinfo>

#include "platform/ImageFile.h"

namespace {

// The device's own kinds, or null; cheaper than dynamic_cast, which every
// change of texture would pay.
template <typename Recorded, typename Base>
const Recorded* AsRecorded(const Base* object) {
  return object && typeid(*object) == typeid(Recorded) ? static_cast<const Recorded*>(object) : nullptr;
}

}  // namespace

RecordedFont::RecordedFont(RecordingDevice& device, std::string faceName, int height, bool italic)
    : faceName(std::move(faceName)), height(height), italic(italic), device_(device) {}

void RecordedFont::DrawText(int x, int y, uint32_t argb, const std::string& utf8) {
  device_.texts_.push_back({faceName, height, x, y, argb, utf8});
  device_.Log(RecordingDevice::Event::Text, 0, device_.texts_.size() - 1);
}

RecordingDevice::RecordingDevice(int maxVertexBlendMatrixIndex)
    : maxBlendIndex_(maxVertexBlendMatrixIndex) {
  state_.viewport = {0, 0, BackBufferWidth(), BackBufferHeight(), 0, 1};
  frameStart_ = state_;
}

// Clearing keeps the vectors' room, so a long run stops allocating. The
// state is kept field by field: of the 256 palette matrices only the ones
// ever set can differ from identity.
void RecordingDevice::ClearLog() {
  frameStart_.states = state_.states;
  frameStart_.lights = state_.lights;
  frameStart_.lightEnabled = state_.lightEnabled;
  frameStart_.material = GetMaterial();
  frameStart_.texture = state_.texture;
  frameStart_.viewport = state_.viewport;
  frameStart_.SetTransform(TransformSlot::View, state_.View());
  frameStart_.SetTransform(TransformSlot::Projection, state_.Projection());
  for (int i = 0; i < paletteSlotsSet_; ++i) frameStart_.SetTransform(TransformSlot::WorldMatrix(i), state_.World(i));
  frameStartTexture_ = texture_;
  frameStartSlots_ = paletteSlotsSet_;
  log_.clear();
  matrices_.clear();
  lights_.clear();
  materials_.clear();
  textures_.clear();
  viewports_.clear();
  quads_.clear();
  rects_.clear();
  meshes_.clear();
  texts_.clear();
  clears_.clear();
  spelledUpTo_ = 0;
  draws_.clear();
  changes_.clear();
}

const std::vector<DrawRecord>& RecordingDevice::Draws() const {
  Spell();
  return draws_;
}

const std::vector<StateChange>& RecordingDevice::StateChanges() const {
  Spell();
  return changes_;
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
  clears_.push_back({flags, argb, z});
  Log(Event::Clear, 0, clears_.size() - 1);
}

void RecordingDevice::SetViewport(const Viewport& viewport) {
  const Viewport& now = state_.viewport;
  if (now.x == viewport.x && now.y == viewport.y && now.width == viewport.width && now.height == viewport.height &&
      now.minZ == viewport.minZ && now.maxZ == viewport.maxZ)
    return;
  state_.viewport = viewport;
  viewports_.push_back(viewport);
  Log(Event::Viewport, 0, viewports_.size() - 1);
}

std::vector<uint32_t> RecordingDevice::ReadBackBuffer() {
  return std::vector<uint32_t>(static_cast<size_t>(BackBufferWidth()) * BackBufferHeight(), 0);
}

// States the device does not model (other stages, unknown states) keep no
// value: they read as 0, and setting them is no change.
void RecordingDevice::SetRenderState(RenderState state, uint32_t value) {
  if (StateBlock::Index(state) < 0 || state_.states.Get(state) == value) return;
  state_.states.Set(state, value);
  Log(Event::RenderState, static_cast<uint32_t>(state), value);
}

void RecordingDevice::SetTextureStageState(int stage, TextureStageState state, uint32_t value) {
  if (stage != 0 || StateBlock::Index(state) < 0 || state_.states.Get(state) == value) return;
  state_.states.Set(state, value);
  Log(Event::TextureStage, static_cast<uint32_t>(state), value);
}

// Logged as six separate sets would be; the common case, a stage already set
// so, is one comparison.
void RecordingDevice::SetTextureStage(int stage, const TextureStage& settings) {
  if (stage == 0 && state_.states.Stage() == settings) return;
  RenderDevice::SetTextureStage(stage, settings);
}

// Transforms, lights and materials nearly always change when set: they are
// logged each time rather than compared first.
void RecordingDevice::SetTransform(uint32_t slot, const Matrix& matrix) {
  if (!state_.SetTransform(slot, matrix)) return;
  if (slot >= TransformSlot::World)
    paletteSlotsSet_ = std::max(paletteSlotsSet_, static_cast<int>(slot - TransformSlot::World) + 1);
  matrices_.push_back(matrix);
  Log(Event::Transform, slot, matrices_.size() - 1);
}

void RecordingDevice::SetLight(int index, const Light& light) {
  if (index < 0 || index >= FixedFunctionState::kLights) return;
  state_.lights[index] = light;
  lights_.push_back(light);
  Log(Event::Light, static_cast<uint32_t>(index), lights_.size() - 1);
}

void RecordingDevice::LightEnable(int index, bool enable) {
  if (index < 0 || index >= FixedFunctionState::kLights) return;
  state_.lightEnabled[index] = enable;
  Log(Event::LightEnable, static_cast<uint32_t>(index), enable);
}

// The current material is the last one logged (or the frame's first).
void RecordingDevice::SetMaterial(const Material& material) {
  materials_.push_back(material);
  Log(Event::Material, 0, materials_.size() - 1);
}

void RecordingDevice::SetTexture(int stage, const DeviceTexture* texture) {
  if (stage != 0 || state_.texture == texture) return;
  state_.texture = texture;
  texture_ = AsRecorded<RecordedTexture>(texture);
  textures_.push_back(texture_);
  Log(Event::Texture, 0, textures_.size() - 1);
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
  quads_.push_back({vertices[0], vertices[1], vertices[2], vertices[3]});
  Log(Event::Quad, 0, quads_.size() - 1);
}

// Stage and texture are nearly always the ones already set.
void RecordingDevice::DrawTexturedRect(const TextureStage& stage, const DeviceTexture* texture,
                                       const ScreenRect& rect) {
  if (!(state_.states.Stage() == stage)) [[unlikely]] SetTextureStage(0, stage);
  if (state_.texture != texture) [[unlikely]] SetTexture(0, texture);
  rects_.push_back(rect);
  Log(Event::Rect, 0, rects_.size() - 1);
}

void RecordingDevice::DrawMesh(const DeviceMesh& mesh, uint32_t firstIndex, uint32_t triangleCount) {
  meshes_.push_back({AsRecorded<RecordedMesh>(&mesh), firstIndex, triangleCount});
  Log(Event::Mesh, 0, meshes_.size() - 1);
}

void RecordingDevice::Log(Event event, uint32_t key, size_t value) {
  log_.push_back({event, key, static_cast<uint32_t>(value)});
}

void RecordingDevice::Spell() const {
  if (spelledUpTo_ == 0) {
    spelled_ = frameStart_;
    spelledTexture_ = frameStartTexture_;
    spelledSlots_ = frameStartSlots_;
  }
  for (; spelledUpTo_ < log_.size(); ++spelledUpTo_) {
    const Logged& logged = log_[spelledUpTo_];
    const uint32_t key = logged.key, value = logged.value;
    using Kind = StateChange::Kind;
    switch (logged.event) {
      case Event::RenderState:
        spelled_.states.Set(static_cast<RenderState>(key), value);
        changes_.push_back({Kind::RenderState, key, value});
        break;
      case Event::TextureStage:
        spelled_.states.Set(static_cast<TextureStageState>(key), value);
        changes_.push_back({Kind::TextureStage, key, value});
        break;
      case Event::Transform:
        spelled_.SetTransform(key, matrices_[value]);
        if (key >= TransformSlot::World)
          spelledSlots_ = std::max(spelledSlots_, static_cast<int>(key - TransformSlot::World) + 1);
        changes_.push_back({Kind::Transform, key});
        break;
      case Event::Light:
        spelled_.lights[key] = lights_[value];
        changes_.push_back({Kind::Light, key});
        break;
      case Event::LightEnable:
        spelled_.lightEnabled[key] = value != 0;
        changes_.push_back({Kind::LightEnable, key, value});
        break;
      case Event::Material:
        spelled_.material = materials_[value];
        changes_.push_back({Kind::Material, 0});
        break;
      case Event::Texture:
        spelledTexture_ = textures_[value];
        changes_.push_back({Kind::Texture, 0});
        break;
      case Event::Viewport:
        spelled_.viewport = viewports_[value];
        changes_.push_back({Kind::Viewport, 0});
        break;
      default: SpellDraw(logged); break;
    }
  }
}

void RecordingDevice::SpellDraw(const Logged& logged) const {
  DrawRecord& draw = draws_.emplace_back();
  draw.viewport = spelled_.viewport;
  draw.states = spelled_.states;
  draw.texture = spelledTexture_;
  switch (logged.event) {
    case Event::Clear: {
      const ClearDraw& clear = clears_[logged.value];
      draw.kind = DrawKind::Clear;
      draw.clearFlags = clear.flags;
      draw.color = clear.color;
      draw.clearZ = clear.z;
      break;
    }
    case Event::Quad:
      draw.kind = DrawKind::Quad;
      draw.quad = quads_[logged.value];
      break;
    case Event::Rect:
      draw.kind = DrawKind::Quad;
      draw.quad = QuadOf(rects_[logged.value]);
      break;
    case Event::Mesh: {
      const MeshDraw& mesh = meshes_[logged.value];
      draw.kind = DrawKind::Mesh;
      draw.mesh = mesh.mesh;
      draw.firstIndex = mesh.firstIndex;
      draw.triangleCount = mesh.triangleCount;
      draw.material = spelled_.material;
      draw.view = spelled_.View();
      draw.projection = spelled_.Projection();
      const bool blending = spelled_.states.Get(RenderState::VertexBlend) != VertexBlendFlags::Disable;
      for (int i = 0; i < (blending ? spelledSlots_ : 1); ++i) draw.worlds.push_back(spelled_.World(i));
      break;
    }
    case Event::Text: {
      const TextDraw& text = texts_[logged.value];
      draw.kind = DrawKind::Text;
      draw.fontFace = text.fontFace;
      draw.fontHeight = text.fontHeight;
      draw.x = text.x;
      draw.y = text.y;
      draw.color = text.color;
      draw.text = text.text;
      break;
    }
    default: break;
  }
}
