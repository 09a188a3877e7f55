#pragma once
// A RenderDevice without GL for tests and headless runs. It keeps the state
// the game sets, as a real device would, and logs every clear and draw with
// the state it was made in, plus every change of state in order (render and
// stage states, the texture and the viewport are logged when set to a new
// value; transforms, lights and materials whenever they are set). Images are
// still decoded so that textures report their real sizes and quad geometry
// is the one the game would draw. Nothing is rasterised.
//
// The logs hold what happened since the last BeginScene (or ClearLog), so a
// long headless run keeps only its current frame. A headless run draws every
// logic step, so while a frame is drawn the device only notes each call's
// arguments; the draws with their states are spelled out when asked for.

#include <array>
#include <string>
#include <vector>

#include "gfx/RenderDevice.h"
#include "platform/FixedFunctionState.h"

class RecordedTexture final : public DeviceTexture {
 public:
  std::string path;  // as given to LoadTexture; empty for CreateTexture
};

class RecordedMesh final : public DeviceMesh {
 public:
  std::vector<MeshVertex> vertices;
  std::vector<uint32_t> indices;
  MeshFormat format;
};

class RecordingDevice;

class RecordedFont final : public DeviceFont {
 public:
  RecordedFont(RecordingDevice& device, std::string faceName, int height, bool italic);
  void DrawText(int x, int y, uint32_t argb, const std::string& utf8) override;

  const std::string faceName;
  const int height;
  const bool italic;

 private:
  RecordingDevice& device_;
};

enum class DrawKind { Clear, Quad, Mesh, Text };

struct DrawRecord {
  DrawKind kind = DrawKind::Quad;
  Viewport viewport;
  StateBlock states;
  const RecordedTexture* texture = nullptr;  // bound to stage 0; null for none

  std::array<ScreenVertex, 4> quad{};  // Quad: top-left, top-right, bottom-left, bottom-right

  const RecordedMesh* mesh = nullptr;  // Mesh
  uint32_t firstIndex = 0, triangleCount = 0;
  Material material;
  Matrix view, projection;
  // World(0) for a plain draw; World(0 .. highest slot set) while vertex blending.
  std::vector<Matrix> worlds;

  std::string fontFace;  // Text, with the font's height
  int fontHeight = 0;
  std::string text;
  int x = 0, y = 0;

  uint32_t color = 0;  // Clear and Text
  uint32_t clearFlags = 0;
  float clearZ = 0;
};

struct StateChange {
  enum class Kind { RenderState, TextureStage, Transform, Light, LightEnable, Material, Texture, Viewport };
  Kind kind;
  uint32_t key = 0;    // the state, stage state, transform slot or light index
  uint32_t value = 0;  // the value set (render and stage states, light enable)
};

class RecordingDevice final : public RenderDevice {
 public:
  // The blend-matrix limit can be lowered to exercise software skinning.
  explicit RecordingDevice(int maxVertexBlendMatrixIndex = 255);

  // The draws of the frame so far, in order.
  const std::vector<DrawRecord>& Draws() const;
  const std::vector<StateChange>& StateChanges() const;
  void ClearLog();
  int PresentCount() const { return presents_; }
  // Lets a test see how callers cope with a system font that cannot be made.
  void SetFontsAvailable(bool available) { fontsAvailable_ = available; }

  int BackBufferWidth() const override { return 800; }
  int BackBufferHeight() const override { return 600; }
  int MaxVertexBlendMatrixIndex() const override { return maxBlendIndex_; }

  bool BeginScene() override;
  void EndScene() override {}
  bool Present() override;
  void Clear(uint32_t flags, uint32_t argb, float z) override;
  void SetViewport(const Viewport& viewport) override;
  Viewport GetViewport() const override { return state_.viewport; }
  std::vector<uint32_t> ReadBackBuffer() override;

  void SetRenderState(RenderState state, uint32_t value) override;
  uint32_t GetRenderState(RenderState state) const override { return state_.states.Get(state); }
  void SetTextureStageState(int stage, TextureStageState state, uint32_t value) override;
  void SetTextureStage(int stage, const TextureStage& settings) override;
  void SetTransform(uint32_t slot, const Matrix& matrix) override;
  Matrix GetTransform(uint32_t slot) const override { return state_.GetTransform(slot); }
  void SetLight(int index, const Light& light) override;
  void LightEnable(int index, bool enable) override;
  void SetMaterial(const Material& material) override;
  void SetTexture(int stage, const DeviceTexture* texture) override;

  // The light and enable flag the device holds; index 0 .. 7.
  const Light& GetLight(int index) const { return state_.lights[index]; }
  bool IsLightEnabled(int index) const { return state_.lightEnabled[index]; }
  const Material& GetMaterial() const { return materials_.empty() ? frameStart_.material : materials_.back(); }

  std::unique_ptr<DeviceTexture> LoadTexture(const std::string& path) override;
  std::unique_ptr<DeviceTexture> CreateTexture(int width, int height,
                                               const uint32_t* argbPixels) override;
  std::unique_ptr<DeviceMesh> CreateMesh(const std::vector<MeshVertex>& vertices,
                                         const std::vector<uint32_t>& indices,
                                         const MeshFormat& format) override;
  void UpdateMeshVertices(DeviceMesh& mesh, const std::vector<MeshVertex>& vertices) override;
  std::unique_ptr<DeviceFont> CreateFont(const std::string& faceName, int height,
                                         bool italic) override;

  void DrawScreenQuad(const ScreenVertex vertices[4]) override;
  void DrawMesh(const DeviceMesh& mesh, uint32_t firstIndex, uint32_t triangleCount) override;
  void DrawTexturedRect(const TextureStage& stage, const DeviceTexture* texture, const ScreenRect& rect) override;

 private:
  friend class RecordedFont;

  // The log: everything that happened since the frame began, in order. Each
  // entry has a key (the state, transform slot or light) and a value: the
  // value set, or where the arguments are kept in the vector for its kind.
  enum class Event : uint8_t {
    RenderState, TextureStage, Transform, Light, LightEnable, Material, Texture, Viewport,  // changes
    Clear, Quad, Rect, Mesh, Text,                                                           // draws
  };
  struct Logged {
    Event event;
    uint32_t key;
    uint32_t value;
  };
  struct MeshDraw {
    const RecordedMesh* mesh;
    uint32_t firstIndex, triangleCount;
  };
  struct TextDraw {
    std::string fontFace;
    int fontHeight;
    int x, y;
    uint32_t color;
    std::string text;
  };
  struct ClearDraw {
    uint32_t flags, color;
    float z;
  };

  void Log(Event event, uint32_t key, size_t value);
  // Replays the log not yet spelled out onto the state the frame began with,
  // adding its draws and changes to draws_ and changes_.
  void Spell() const;
  void SpellDraw(const Logged& logged) const;

  FixedFunctionState state_;  // as it stands
  const RecordedTexture* texture_ = nullptr;
  int maxBlendIndex_;
  int paletteSlotsSet_ = 1;
  int presents_ = 0;
  bool fontsAvailable_ = true;

  FixedFunctionState frameStart_;  // as it stood when the log began
  const RecordedTexture* frameStartTexture_ = nullptr;
  int frameStartSlots_ = 1;
  std::vector<Logged> log_;
  std::vector<Matrix> matrices_;
  std::vector<Light> lights_;
  std::vector<Material> materials_;
  std::vector<const RecordedTexture*> textures_;
  std::vector<Viewport> viewports_;
  std::vector<std::array<ScreenVertex, 4>> quads_;
  std::vector<ScreenRect> rects_;  // quads drawn as rectangles, a quarter of the size
  std::vector<MeshDraw> meshes_;
  std::vector<TextDraw> texts_;
  std::vector<ClearDraw> clears_;

  // The log spelled out, as far as anyone asked.
  mutable size_t spelledUpTo_ = 0;
  mutable FixedFunctionState spelled_;
  mutable const RecordedTexture* spelledTexture_ = nullptr;
  mutable int spelledSlots_ = 1;
  mutable std::vector<DrawRecord> draws_;
  mutable std::vector<StateChange> changes_;
};
