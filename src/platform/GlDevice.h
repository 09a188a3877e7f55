#pragma once
// OpenGL 3.3 core implementation of RenderDevice. It draws into an 800 x 600
// off-screen target that Present() copies into the drawable, scaled with the
// aspect kept (letterbox) when the sizes differ, then swaps buffers (one
// vertical blank per swap when vsync is on). The target keeps each picture,
// so the next frame need only be drawn where it changed; a window's back
// buffer holds nothing certain after a swap. A surface that keeps what is
// drawn into it (a single-buffered off-screen one) of exactly 800 x 600 is
// drawn into directly, saving the copy.
//
// Screen quads are drawn in batches: a quad waits while the quads after it
// share its render states, texture and clip, and the run is drawn with one
// call when anything else comes (another state, a mesh, a clear, a new
// viewport, a read of the picture, the end of the frame). Within one draw
// call GL draws primitives in order, so the picture is the one that one call
// per quad makes.

#include <memory>
#include <vector>

#include "gfx/RenderDevice.h"
#include "platform/FixedFunctionShader.h"
#include "platform/FixedFunctionState.h"
#include "platform/GlResources.h"
#include "platform/PresentRect.h"

struct SDL_Window;

class GlDevice;

// Creates a GL 3.3 core context on the window (which must have been created
// with SDL_WINDOW_OPENGL) and the device drawing through it. Null when the
// context or the device cannot be created.
std::unique_ptr<RenderDevice> CreateGlDevice(SDL_Window* window);
// Asks for the window format the device can draw into directly (a 24-bit
// depth buffer, as its own target has). Call before creating the window.
void RequestGlWindowFormat();

class GlTexture;

class GlDevice final : public RenderDevice {
 public:
  ~GlDevice() override;
  GlDevice(const GlDevice&) = delete;
  GlDevice& operator=(const GlDevice&) = delete;

  // With vsync on (the default) every Present waits for one vertical blank;
  // off, frames go out as fast as they are drawn, for measuring. False when
  // the driver refuses the change.
  bool SetVsync(bool on);
  // Off draws each screen quad with a call of its own, as the fixed-function
  // device did: for comparing pictures and costs.
  void SetQuadBatching(bool on);
  // Says that the window's surface keeps what was drawn into it across a
  // swap, as a single-buffered off-screen surface does.
  void SetSurfaceKeepsPicture(bool keeps);

  // GL calls of one frame: draws, and calls that change GL state (enables,
  // blend and depth functions, scissor, viewport, uniforms, bindings).
  struct FrameCounts {
    int drawCalls = 0;
    int quadDrawCalls = 0;  // of drawCalls, those that drew screen quads
    int stateChanges = 0;
  };
  // Whether frames go straight into the window's surface.
  bool DrawsIntoWindow() const { return direct_; }
  // The counts of the last presented frame.
  FrameCounts LastFrameCounts() const { return lastFrame_; }

  // For system-font text: a textured quad drawn alpha blended, without depth
  // or culling, clipped to `clip` within the viewport, leaving every device
  // state as it was.
  void DrawTextQuad(const GlTexture& texture, const ScreenVertex vertices[4], const PixelRect& clip);
  // Textures of this device, as LoadTexture and CreateTexture make them.
  std::unique_ptr<GlTexture> MakeTexture(int width, int height, const uint32_t* argb);
  // Whether a picture of this size fits the driver's largest texture.
  bool FitsTextureLimit(int width, int height) const;

  int BackBufferWidth() const override { return kWidth; }
  int BackBufferHeight() const override { return kHeight; }
  int MaxVertexBlendMatrixIndex() const override { return FixedFunctionState::kPaletteSize - 1; }

  bool BeginScene() override { return true; }
  void EndScene() override {}
  // Presents only what was drawn: a frame with nothing drawn since the last
  // one leaves the window as it is, since it still shows that picture. With
  // vsync on it keeps the display's pace: shown again from the off-screen
  // target, or, drawing straight into the window, by waiting out one refresh.
  bool Present() override;
  void ForgetLastFrame() override;
  bool KeepsLastPicture() const override { return !repaint_; }
  void LimitDrawingTo(const PixelRect* rect) override;
  void Clear(uint32_t flags, uint32_t argb, float z) override;
  void SetViewport(const Viewport& viewport) override;
  Viewport GetViewport() const override { return state_.viewport; }
  std::vector<uint32_t> ReadBackBuffer() override;

  void SetRenderState(RenderState state, uint32_t value) override { state_.states.Set(state, value); }
  uint32_t GetRenderState(RenderState state) const override { return state_.states.Get(state); }
  void SetTextureStageState(int stage, TextureStageState state, uint32_t value) override;
  void SetTextureStage(int stage, const TextureStage& settings) override;
  void SetTransform(uint32_t slot, const Matrix& matrix) override;
  Matrix GetTransform(uint32_t slot) const override { return state_.GetTransform(slot); }
  void SetLight(int index, const Light& light) override;
  void LightEnable(int index, bool enable) override;
  void SetMaterial(const Material& material) override { state_.material = material; }
  void SetTexture(int stage, const DeviceTexture* texture) override;

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
  friend std::unique_ptr<RenderDevice> CreateGlDevice(SDL_Window* window);
  static constexpr int kWidth = 800, kHeight = 600;
  static constexpr int kQuadRing = 4096;  // quads streamed before the buffer is renewed

  // Screen quads waiting to be drawn, and what they are drawn with.
  struct QuadBatch {
    StateBlock states;
    const GlTexture* texture = nullptr;
    PixelRect clip;
    std::vector<ScreenVertex> vertices;  // four per quad, strip order
  };

  // What was last handed to GL, so unchanged state costs no call.
  struct Applied {
    bool blend = false, depthTest = false, depthWrite = true, cull = false;
    unsigned srcFactor = 0, destFactor = 0, cullFace = 0;
    PixelRect scissorRect{-1, -1, -1, -1};  // matches no real rectangle
  };

  GlDevice(SDL_Window* window, void* context);
  bool CreateObjects(std::string* error);
  // What the vertices of one draw let its program leave out.
  struct DrawLook {
    bool colorOpaque = true;  // every vertex colour has full alpha
    bool colorWhite = true;   // every one is opaque white
    bool flat = true;         // every vertex has the same w: no perspective to correct
  };
  // The program, raster states, alpha test and texture stage for one draw.
  void ApplyDrawState(FixedFunctionShader::Vertices vertices, int lights, const StateBlock& states,
                      const GlTexture* texture, const DrawLook& look);
  // The raster states, leaving blending off where it cannot change the
  // picture: `alphaIsOne` says every pixel drawn has full alpha.
  void ApplyRasterState(const StateBlock& states, bool alphaIsOne);
  bool MeshColorOpaque(const GlMesh& mesh) const;
  void ApplyScissor(const PixelRect& rect);
  FixedFunctionShader::Vertices ModelVertices() const;
  void ApplyWorld();
  // The enabled directional lights, as the programs' light uniforms.
  struct Lights {
    int count = 0;
    float toward[3 * FixedFunctionShader::kMaxLights] = {};
    float diffuse[4 * FixedFunctionShader::kMaxLights] = {};
    float ambient[4 * FixedFunctionShader::kMaxLights] = {};
  };
  Lights ActiveLights() const;
  bool MeshColorWhite(const GlMesh& mesh, const Lights& lights) const;
  bool ModelIsFlat(FixedFunctionShader::Vertices vertices) const;
  void ApplyTransformsAndLights(FixedFunctionShader::Vertices vertices, bool vertexColors, const Lights& lights);
  void UploadPalette();
  void DrawQuad(const ScreenVertex vertices[4], const StateBlock& states, const GlTexture* texture,
                const PixelRect& clip);
  // Draws the waiting quads, if any.
  void FlushQuads();
  PixelRect ViewportRect() const;
  // Draws the next frame into the window or into the off-screen target, by
  // the drawable's size now and whether its surface keeps the picture.
  void ChooseTarget();
  bool WindowTakesPictureAsIs() const;
  unsigned TargetFramebuffer() const { return direct_ ? 0 : framebuffer_; }
  void BlitToWindow();
  void WaitOutRefresh();

  SDL_Window* window_;
  void* context_;
  GlContextLife life_;
  std::unique_ptr<FixedFunctionShader> shader_;
  FixedFunctionState state_;
  const GlTexture* texture_ = nullptr;
  Applied applied_;
  unsigned framebuffer_ = 0, colorBuffer_ = 0, depthBuffer_ = 0;
  unsigned quadArray_ = 0, quadBuffer_ = 0, quadIndices_ = 0;
  int quadCursor_ = 0;
  bool batching_ = true;
  bool vsync_ = false;
  bool drewSincePresent_ = false;
  bool repaint_ = true;
  bool direct_ = false;         // drawing straight into the window
  bool surfaceKeepsPicture_ = false;
  bool limited_ = false;        // drawing only inside limit_
  PixelRect limit_;
  int windowDepthBits_ = 0;     // of the window's own depth buffer
  uint64_t lastSwapTicks_ = 0;  // SDL performance counter at the last swap
  QuadBatch batch_;
  FrameCounts frame_, lastFrame_;
  int shaderCallsAtFrameStart_ = 0;
  // The normal matrix of the world matrix given last, kept while the subsets
  // of one model come with the same world.
  bool normalMatrixKnown_ = false;
  Matrix normalMatrixOf_;
  float normalMatrix_[9] = {};
  unsigned paletteBuffer_ = 0, paletteTexture_ = 0;
  int paletteDirtyLow_ = 0, paletteDirtyHigh_ = 1;  // entries [low, high) to upload
  StateBlock textStates_;
};
