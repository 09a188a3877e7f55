#pragma once
// The drawing device every graphics object talks to. It keeps the model of the
// fixed-function pipeline the game was designed for (render states, one
// texture stage, lights, materials, world/view/projection transforms, a
// bone-matrix palette, pre-transformed screen quads) so that drawing code reads
// like the state tables it follows. Two implementations live in platform/:
// GlDevice (OpenGL 3.3 core) and RecordingDevice (no GL; logs every call for
// tests and headless runs).
//
// The whole picture is drawn into one off-screen back buffer of
// BackBufferWidth() x BackBufferHeight() pixels (800 x 600); Present() copies
// it to the window. Enumeration values are Direct3D 9's so that numbers in
// tables and logs match the values the game sets.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gfx/Math3D.h"

enum class RenderState : uint32_t {
  ZEnable = 7,  // ZBuffer value
  ZWriteEnable = 14,
  AlphaTestEnable = 15,
  SrcBlend = 19,   // Blend value
  DestBlend = 20,  // Blend value
  CullMode = 22,   // Cull value
  AlphaRef = 24,   // 0..255
  AlphaFunc = 25,  // Cmp value
  DitherEnable = 26,
  AlphaBlendEnable = 27,
  SpecularEnable = 29,
  Lighting = 137,
  Ambient = 139,                   // ARGB
  VertexBlend = 151,               // VertexBlendFlags value
  IndexedVertexBlendEnable = 167,
};

namespace ZBuffer { enum : uint32_t { False = 0, True = 1 }; }
namespace Blend { enum : uint32_t { Zero = 1, One = 2, SrcColor = 3, InvSrcColor = 4, SrcAlpha = 5, InvSrcAlpha = 6 }; }
namespace Cull { enum : uint32_t { None = 1, CW = 2, CCW = 3 }; }
namespace Cmp {
enum : uint32_t { Never = 1, Less = 2, Equal = 3, LessEqual = 4, Greater = 5, NotEqual = 6, GreaterEqual = 7, Always = 8 };
}
namespace VertexBlendFlags { enum : uint32_t { Disable = 0, Weights1 = 1, Weights2 = 2, Weights3 = 3, Weights0 = 256 }; }

enum class TextureStageState : uint32_t {
  ColorOp = 1, ColorArg1 = 2, ColorArg2 = 3, AlphaOp = 4, AlphaArg1 = 5, AlphaArg2 = 6,
};
// All six settings of one texture stage, applied by SetTextureStage in one
// call, as a Direct3D state block applies many states at once.
struct TextureStage {
  uint32_t colorOp, colorArg1, colorArg2, alphaOp, alphaArg1, alphaArg2;
  bool operator==(const TextureStage&) const = default;
};

namespace TextureOp { enum : uint32_t { Disable = 1, SelectArg1 = 2, SelectArg2 = 3, Modulate = 4 }; }
namespace TextureArg { enum : uint32_t { Diffuse = 0, Current = 1, Texture = 2 }; }

// Transform slots: View, Projection, World, and World + n for palette entry n.
namespace TransformSlot {
enum : uint32_t { View = 2, Projection = 3, World = 256 };
constexpr uint32_t WorldMatrix(uint32_t n) { return World + n; }
}

namespace ClearFlags { enum : uint32_t { Target = 1, ZBuffer = 2 }; }

struct Color4 {
  float r = 0, g = 0, b = 0, a = 0;
};

struct Material {
  Color4 diffuse, ambient, specular, emissive;
  float power = 0;
};

enum class LightType : uint32_t { Point = 1, Spot = 2, Directional = 3 };

// Only directional lights are rendered; the other fields are kept so the
// light record matches what the game fills in.
struct Light {
  LightType type = LightType::Directional;
  Color4 diffuse, specular, ambient;
  Vec3 position, direction;
  float range = 0, falloff = 0, attenuation0 = 0, attenuation1 = 0, attenuation2 = 0;
  float theta = 0, phi = 0;
};

// Pixel rectangle of the back buffer; draws and clears touch nothing outside it.
struct Viewport {
  int x = 0, y = 0, width = 0, height = 0;
  float minZ = 0, maxZ = 1;
};

// Pre-transformed vertex: x, y in back-buffer pixels (origin top left, y
// down), z 0..1, rhw, ARGB colour, texture coordinates. 28 bytes.
// Whole pixels of the back buffer, from the top-left corner.
struct PixelRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const PixelRect&) const = default;
};

struct ScreenVertex {
  float x, y, z, rhw;
  uint32_t diffuse;
  float u, v;
};
static_assert(sizeof(ScreenVertex) == 28);

// The usual screen quad: upright, one colour, at depth 0, with the texture
// rectangle (u0, v0) .. (u1, v1) stretched from its top-left corner to its
// bottom-right one.
struct ScreenRect {
  float left, top, right, bottom;
  float u0, v0, u1, v1;
  uint32_t argb;
};

// Its four vertices in DrawScreenQuad's strip order.
inline std::array<ScreenVertex, 4> QuadOf(const ScreenRect& r) {
  return {{{r.left, r.top, 0, 1, r.argb, r.u0, r.v0},
           {r.right, r.top, 0, 1, r.argb, r.u1, r.v0},
           {r.left, r.bottom, 0, 1, r.argb, r.u0, r.v1},
           {r.right, r.bottom, 0, 1, r.argb, r.u1, r.v1}}};
}

// Model-space vertex. `bones` index palette slots (TransformSlot::WorldMatrix)
// and `weights` sum to 1 when the mesh is drawn with indexed vertex blending;
// `diffuse` is used instead of the material's diffuse colour only when the
// mesh was created with hasVertexColors.
struct MeshVertex {
  Vec3 position;
  Vec3 normal;
  float u = 0, v = 0;
  uint32_t diffuse = 0xFFFFFFFF;
  float weights[4] = {1, 0, 0, 0};
  uint8_t bones[4] = {0, 0, 0, 0};
};

struct MeshFormat {
  bool hasVertexColors = false;
  bool dynamic = false;  // vertices are rewritten often (software skinning)
};

// Device-side objects are owned by whoever created them and must be released
// before the device.
class DeviceTexture {
 public:
  virtual ~DeviceTexture() = default;
  // Size of the texture as created (each side rounded up to a power of two).
  uint32_t width = 0, height = 0;
  // Size of the image as stored in its file.
  uint32_t imageWidth = 0, imageHeight = 0;
};

class DeviceMesh {
 public:
  virtual ~DeviceMesh() = default;
};

// Text drawn with an installed typeface. DrawText lays out UTF-8 text from its
// top-left corner (x, y), starts each line after '\n' at x again and clips at
// the back buffer's right and bottom edges.
class DeviceFont {
 public:
  virtual ~DeviceFont() = default;
  virtual void DrawText(int x, int y, uint32_t argb, const std::string& utf8) = 0;
};

class RenderDevice {
 public:
  virtual ~RenderDevice() = default;

  virtual int BackBufferWidth() const = 0;
  virtual int BackBufferHeight() const = 0;
  // Largest palette index usable for indexed vertex blending.
  virtual int MaxVertexBlendMatrixIndex() const = 0;

  // Frame.
  virtual bool BeginScene() = 0;
  virtual void EndScene() = 0;
  virtual bool Present() = 0;
  // The window lost its picture (it was exposed, resized or switched to full
  // screen): the next Present must show its frame even where a device would
  // otherwise skip showing a picture that has not changed.
  virtual void ForgetLastFrame() {}
  // Whether the back buffer still holds the picture last presented, so that
  // a frame can be drawn again only where it changed.
  virtual bool KeepsLastPicture() const { return false; }
  // Until called with null, clears and draws change no pixel outside `rect`.
  virtual void LimitDrawingTo(const PixelRect* /*rect*/) {}
  virtual void Clear(uint32_t flags, uint32_t argb, float z) = 0;
  virtual void SetViewport(const Viewport& viewport) = 0;
  virtual Viewport GetViewport() const = 0;
  // The back buffer as ARGB pixels, row by row from the top.
  virtual std::vector<uint32_t> ReadBackBuffer() = 0;

  // Fixed-function state.
  virtual void SetRenderState(RenderState state, uint32_t value) = 0;
  virtual uint32_t GetRenderState(RenderState state) const = 0;
  virtual void SetTextureStageState(int stage, TextureStageState state, uint32_t value) = 0;
  // The same as setting each of the six in TextureStageState order; every
  // textured quad sets its stage, so devices may do it more cheaply.
  virtual void SetTextureStage(int stage, const TextureStage& settings) {
    SetTextureStageState(stage, TextureStageState::ColorOp, settings.colorOp);
    SetTextureStageState(stage, TextureStageState::ColorArg1, settings.colorArg1);
    SetTextureStageState(stage, TextureStageState::ColorArg2, settings.colorArg2);
    SetTextureStageState(stage, TextureStageState::AlphaOp, settings.alphaOp);
    SetTextureStageState(stage, TextureStageState::AlphaArg1, settings.alphaArg1);
    SetTextureStageState(stage, TextureStageState::AlphaArg2, settings.alphaArg2);
  }
  virtual void SetTransform(uint32_t slot, const Matrix& matrix) = 0;
  virtual Matrix GetTransform(uint32_t slot) const = 0;
  virtual void SetLight(int index, const Light& light) = 0;
  virtual void LightEnable(int index, bool enable) = 0;
  virtual void SetMaterial(const Material& material) = 0;
  // Null unbinds: the stage then reads opaque white.
  virtual void SetTexture(int stage, const DeviceTexture* texture) = 0;

  // Resources. Paths may use '\' or '/' as separators.
  virtual std::unique_ptr<DeviceTexture> LoadTexture(const std::string& path) = 0;  // null on failure
  virtual std::unique_ptr<DeviceTexture> CreateTexture(int width, int height,
                                                       const uint32_t* argbPixels) = 0;
  virtual std::unique_ptr<DeviceMesh> CreateMesh(const std::vector<MeshVertex>& vertices,
                                                 const std::vector<uint32_t>& indices,
                                                 const MeshFormat& format) = 0;
  virtual void UpdateMeshVertices(DeviceMesh& mesh, const std::vector<MeshVertex>& vertices) = 0;
  // Null when no face could be found at all.
  virtual std::unique_ptr<DeviceFont> CreateFont(const std::string& faceName, int height,
                                                 bool italic) = 0;

  // Drawing.
  // Four vertices as a triangle strip: top-left, top-right, bottom-left, bottom-right.
  virtual void DrawScreenQuad(const ScreenVertex vertices[4]) = 0;
  // The same as SetTextureStage(0, stage), SetTexture(0, texture) and
  // DrawScreenQuad(QuadOf(rect)) in turn. Every image the game draws comes
  // this way, hundreds a frame, so devices may do it more cheaply.
  virtual void DrawTexturedRect(const TextureStage& stage, const DeviceTexture* texture, const ScreenRect& rect) {
    SetTextureStage(0, stage);
    SetTexture(0, texture);
    DrawScreenQuad(QuadOf(rect).data());
  }
  // Triangles indices[firstIndex .. firstIndex + 3 * triangleCount) of the mesh,
  // with the current world transform (or palette), material, light and texture.
  virtual void DrawMesh(const DeviceMesh& mesh, uint32_t firstIndex, uint32_t triangleCount) = 0;
};
