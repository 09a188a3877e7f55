#pragma once
// A RenderDevice without GL for tests and headless runs. It keeps the state
// the game sets, as a real device would, and logs every clear and draw with
// the state it was made in, plus every state change in order. Images are
// still decoded so that textures report their real sizes and quad geometry
// is the one the game would draw. Nothing is rasterised.
//
// The logs hold what happened since the last BeginScene (or ClearLog), so a
// long headless run keeps only its current frame.

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

  const std::vector<DrawRecord>& Draws() const { return draws_; }
  const std::vector<StateChange>& StateChanges() const { return changes_; }
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
  void SetTransform(uint32_t slot, const Matrix& matrix) override;
  Matrix GetTransform(uint32_t slot) const override { return state_.GetTransform(slot); }
  void SetLight(int index, const Light& light) override;
  void LightEnable(int index, bool enable) override;
  void SetMaterial(const Material& material) override;
  void SetTexture(int stage, const DeviceTexture* texture) override;

  // The light and enable flag the device holds; index 0 .. 7.
  const Light& GetLight(int index) const { return state_.lights[index]; }
  bool IsLightEnabled(int index) const { return state_.lightEnabled[index]; }
  const Material& GetMaterial() const { return state_.material; }

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

 private:
  friend class RecordedFont;
  DrawRecord& Record(DrawKind kind);
  void Log(StateChange::Kind kind, uint32_t key, uint32_t value = 0);

  FixedFunctionState state_;
  int maxBlendIndex_;
  int paletteSlotsSet_ = 1;
  int presents_ = 0;
  bool fontsAvailable_ = true;
  std::vector<DrawRecord> draws_;
  std::vector<StateChange> changes_;
};
