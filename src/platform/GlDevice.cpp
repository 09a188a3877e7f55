#include "platform/GlDevice.h"

#include <SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "platform/DrawReach.h"
#include "platform/FixedFunctionShader.h"
#include "platform/GlFont.h"
#include "platform/GlResources.h"
#include "platform/ImageFile.h"

namespace {

using Uniform = FixedFunctionShader::Uniform;
using Vertices = FixedFunctionShader::Vertices;
using ShaderStage = FixedFunctionShader::Stage;

void ArgbToFloats(uint32_t argb, float out[4]) {
  out[0] = static_cast<float>((argb >> 16) & 0xFF) / 255.0f;
  out[1] = static_cast<float>((argb >> 8) & 0xFF) / 255.0f;
  out[2] = static_cast<float>(argb & 0xFF) / 255.0f;
  out[3] = static_cast<float>(argb >> 24) / 255.0f;
}

GLenum BlendFactor(uint32_t blend) {
  switch (blend) {
    case Blend::Zero: return GL_ZERO;
    case Blend::One: return GL_ONE;
    case Blend::SrcColor: return GL_SRC_COLOR;
    case Blend::InvSrcColor: return GL_ONE_MINUS_SRC_COLOR;
    case Blend::SrcAlpha: return GL_SRC_ALPHA;
    case Blend::InvSrcAlpha: return GL_ONE_MINUS_SRC_ALPHA;
    // The remaining Direct3D factors, which the game never sets.
    case 7: return GL_DST_ALPHA;
    case 8: return GL_ONE_MINUS_DST_ALPHA;
    case 9: return GL_DST_COLOR;
    case 10: return GL_ONE_MINUS_DST_COLOR;
    case 11: return GL_SRC_ALPHA_SATURATE;
    default: return GL_ONE;
  }
}


// Rows of the normal matrix (inverse transpose of the upper 3 x 3), padded to
// texels. With row vectors a normal n becomes n * N, N = (M3^-1)^T.
void NormalRows(const Matrix& world, float rows[12]) {
  Matrix upper = world;
  upper.m[3][0] = upper.m[3][1] = upper.m[3][2] = 0;
  upper.m[0][3] = upper.m[1][3] = upper.m[2][3] = 0;
  upper.m[3][3] = 1;
  Matrix inverse = MatrixInverse(upper);
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) rows[4 * i + j] = inverse.m[j][i];
    rows[4 * i + 3] = 0;
  }
}

// What one operation of the texture stage (colour or alpha) takes from its
// two arguments, as the shader's per-channel selectors.
struct StageSelect {
  float arg1Texture, arg2Texture, arg1Unused, arg2Unused;
};

StageSelect ResolveOperation(uint32_t op, uint32_t arg1, uint32_t arg2) {
  float texture1 = arg1 == TextureArg::Texture ? 1.0f : 0.0f;
  float texture2 = arg2 == TextureArg::Texture ? 1.0f : 0.0f;
  switch (op) {
    case TextureOp::Disable: return {0, 0, 0, 1};  // the vertex colour
    case TextureOp::SelectArg1: return {texture1, 0, 0, 1};
    case TextureOp::SelectArg2: return {0, texture2, 1, 0};
    default: return {texture1, texture2, 0, 0};  // modulate
  }
}

// Both operations of the stage, resolved.
struct StageSelects {
  StageSelect color, alpha;
};

StageSelects ResolveStage(const StateBlock& states) {
  const uint32_t colorOp = states.Get(TextureStageState::ColorOp);
  const StageSelect color = ResolveOperation(colorOp, states.Get(TextureStageState::ColorArg1),
                                             states.Get(TextureStageState::ColorArg2));
  // A disabled colour operation disables the whole stage, alpha included.
  const StageSelect alpha = colorOp == TextureOp::Disable
                                ? color
                                : ResolveOperation(states.Get(TextureStageState::AlphaOp),
                                                   states.Get(TextureStageState::AlphaArg1),
                                                   states.Get(TextureStageState::AlphaArg2));
  return {color, alpha};
}

// Texture times vertex colour (in either order), for colour and alpha alike:
// the stage the game draws nearly everything with. Without a texture the
// texture reads white and the product is the vertex colour.
ShaderStage ShaderStageFor(const StageSelects& stage, bool textured) {
  auto modulatesTexture = [](const StageSelect& s) {
    return s.arg1Unused == 0 && s.arg2Unused == 0 && s.arg1Texture + s.arg2Texture == 1;
  };
  if (!modulatesTexture(stage.color) || !modulatesTexture(stage.alpha)) return ShaderStage::General;
  return textured ? ShaderStage::TextureTimesColor : ShaderStage::Color;
}

// Whether every fragment the stage makes has alpha 1: each argument the alpha
// operation uses is an opaque texture (or none, which reads white) or an
// opaque vertex colour.
bool StageAlphaIsOne(const StageSelect& alpha, const GlTexture* texture, bool colorOpaque) {
  auto isOne = [&](float unused, float fromTexture) {
    if (unused != 0) return true;
    if (fromTexture != 0) return !texture || texture->Opaque();
    return colorOpaque;
  };
  return isOne(alpha.arg1Unused, alpha.arg1Texture) && isOne(alpha.arg2Unused, alpha.arg2Texture);
}

// Source-over blending of a fragment with alpha 1 gives the fragment itself;
// the software rasteriser draws such layers (the background, the blocks)
// far faster with blending off.
bool BlendKeepsSourceAtFullAlpha(GLenum src, GLenum dest) {
  return (src == GL_SRC_ALPHA || src == GL_ONE) && (dest == GL_ONE_MINUS_SRC_ALPHA || dest == GL_ZERO);
}

// The alpha values (0..255) that pass the alpha test: a range, and whether
// passing means lying outside it.
struct AlphaPass {
  float low, high;
  bool outside;
};

AlphaPass ResolveAlphaTest(bool enabled, uint32_t func, uint32_t ref) {
  auto r = static_cast<float>(ref & 0xFF);
  if (!enabled) return {0, 255, false};
  switch (func) {
    case Cmp::Never: return {1, 0, false};
    case Cmp::Less: return {0, r - 1, false};
    case Cmp::Equal: return {r, r, false};
    case Cmp::LessEqual: return {0, r, false};
    case Cmp::Greater: return {r + 1, 255, false};
    case Cmp::NotEqual: return {r, r, true};
    case Cmp::GreaterEqual: return {r, 255, false};
    default: return {0, 255, false};
  }
}

// The general program's per-channel selectors for the resolved stage.
void SetStageSelectors(FixedFunctionShader& shader, const StageSelects& stage, bool textured) {
  auto perChannel = [&](float StageSelect::*field) {
    return std::array<float, 4>{stage.color.*field, stage.color.*field, stage.color.*field, stage.alpha.*field};
  };
  shader.SetVec4(Uniform::Arg1Texture, perChannel(&StageSelect::arg1Texture).data());
  shader.SetVec4(Uniform::Arg2Texture, perChannel(&StageSelect::arg2Texture).data());
  shader.SetVec4(Uniform::Arg1Unused, perChannel(&StageSelect::arg1Unused).data());
  shader.SetVec4(Uniform::Arg2Unused, perChannel(&StageSelect::arg2Unused).data());
  shader.SetFloat(Uniform::HasTexture, textured ? 1.0f : 0.0f);
}

AlphaPass AlphaPassOf(const StateBlock& states) {
  return ResolveAlphaTest(states.Get(RenderState::AlphaTestEnable) != 0, states.Get(RenderState::AlphaFunc),
                          states.Get(RenderState::AlphaRef));
}

SDL_GLContext CreateContext(SDL_Window* window) {
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GLContext context = SDL_GL_CreateContext(window);
  if (!context) return nullptr;
  if (SDL_GL_MakeCurrent(window, context) != 0 || epoxy_gl_version() < 33) {
    SDL_GL_DeleteContext(context);
    return nullptr;
  }
  return context;
}

// A matrix whose last column is (0, 0, 0, c) gives every point the same w.
bool KeepsW(const Matrix& m) { return m.m[0][3] == 0 && m.m[1][3] == 0 && m.m[2][3] == 0; }

}  // namespace

void RequestGlWindowFormat() { SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24); }

std::unique_ptr<RenderDevice> CreateGlDevice(SDL_Window* window) {
  if (!window) return nullptr;
  SDL_GLContext context = CreateContext(window);
  if (!context) {
    std::fprintf(stderr, "OpenGL 3.3 context: %s\n", SDL_GetError());
    return nullptr;
  }
  std::unique_ptr<GlDevice> device(new GlDevice(window, context));
  std::string error;
  if (!device->CreateObjects(&error)) {
    std::fprintf(stderr, "OpenGL device: %s\n", error.c_str());
    return nullptr;
  }
  device->SetVsync(true);
  return device;
}

GlDevice::GlDevice(SDL_Window* window, void* context)
    : window_(window), context_(context), life_(std::make_shared<GlContextLink>()) {
  life_->beforeTextureDeleted = [this] { FlushQuads(); };
  state_.viewport = {0, 0, kWidth, kHeight, 0, 1};
  textStates_.Set(RenderState::AlphaBlendEnable, 1);
  textStates_.Set(RenderState::SrcBlend, Blend::SrcAlpha);
  textStates_.Set(RenderState::DestBlend, Blend::InvSrcAlpha);
  textStates_.Set(RenderState::ZEnable, ZBuffer::False);
  textStates_.Set(RenderState::CullMode, Cull::None);
  textStates_.Set(RenderState::AlphaTestEnable, 1);
  textStates_.Set(RenderState::AlphaFunc, Cmp::Greater);
  textStates_.Set(RenderState::AlphaRef, 0);
  textStates_.Set(TextureStageState::ColorOp, TextureOp::Modulate);
  textStates_.Set(TextureStageState::ColorArg2, TextureArg::Diffuse);
  textStates_.Set(TextureStageState::AlphaOp, TextureOp::Modulate);
  textStates_.Set(TextureStageState::AlphaArg2, TextureArg::Diffuse);
}

GlDevice::~GlDevice() {
  life_.reset();  // resources still alive from here on skip their GL calls
  shader_.reset();
  glDeleteTextures(1, &paletteTexture_);
  glDeleteBuffers(1, &paletteBuffer_);
  glDeleteBuffers(1, &quadBuffer_);
  glDeleteBuffers(1, &quadIndices_);
  glDeleteVertexArrays(1, &quadArray_);
  glDeleteRenderbuffers(1, &depthBuffer_);
  glDeleteRenderbuffers(1, &colorBuffer_);
  glDeleteFramebuffers(1, &framebuffer_);
  SDL_GL_DeleteContext(context_);
}

bool GlDevice::SetVsync(bool on) {
  if (SDL_GL_SetSwapInterval(on ? 1 : 0) != 0) return false;
  vsync_ = on;
  return true;
}

void GlDevice::SetQuadBatching(bool on) {
  FlushQuads();
  batching_ = on;
}

bool GlDevice::CreateObjects(std::string* error) {
  shader_ = std::make_unique<FixedFunctionShader>();
  if (!shader_->Build(error)) return false;

  glGenRenderbuffers(1, &colorBuffer_);
  glBindRenderbuffer(GL_RENDERBUFFER, colorBuffer_);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, kWidth, kHeight);
  glGenRenderbuffers(1, &depthBuffer_);
  glBindRenderbuffer(GL_RENDERBUFFER, depthBuffer_);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, kWidth, kHeight);
  glGenFramebuffers(1, &framebuffer_);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colorBuffer_);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depthBuffer_);
  if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
    *error = "the 800 x 600 target cannot be created";
    return false;
  }

  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  GLint depthType = GL_NONE;
  glGetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, GL_DEPTH, GL_FRAMEBUFFER_ATTACHMENT_OBJECT_TYPE, &depthType);
  if (depthType != GL_NONE)
    glGetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, GL_DEPTH, GL_FRAMEBUFFER_ATTACHMENT_DEPTH_SIZE,
                                          &windowDepthBits_);
  direct_ = !WindowTakesPictureAsIs();  // so that the choice below binds
  ChooseTarget();

  using A = FixedFunctionShader::Attribute;
  glGenVertexArrays(1, &quadArray_);
  glBindVertexArray(quadArray_);
  glGenBuffers(1, &quadBuffer_);
  glBindBuffer(GL_ARRAY_BUFFER, quadBuffer_);
  glBufferData(GL_ARRAY_BUFFER, kQuadRing * 4 * sizeof(ScreenVertex), nullptr, GL_STREAM_DRAW);
  const auto stride = static_cast<GLsizei>(sizeof(ScreenVertex));
  auto at = [](size_t offset) { return reinterpret_cast<const void*>(offset); };
  glEnableVertexAttribArray(A::Position);
  glVertexAttribPointer(A::Position, 4, GL_FLOAT, GL_FALSE, stride, at(offsetof(ScreenVertex, x)));
  glEnableVertexAttribArray(A::Color);
  glVertexAttribPointer(A::Color, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                        at(offsetof(ScreenVertex, diffuse)));
  glEnableVertexAttribArray(A::TexCoord);
  glVertexAttribPointer(A::TexCoord, 2, GL_FLOAT, GL_FALSE, stride, at(offsetof(ScreenVertex, u)));
  // A batch draws each quad as the two triangles its strip makes, vertices in
  // the strip's order: (0, 1, 2) and (2, 1, 3).
  std::vector<uint16_t> indices;
  for (int quad = 0; quad < kQuadRing; ++quad) {
    const auto first = static_cast<uint16_t>(4 * quad);
    for (int corner : {0, 1, 2, 2, 1, 3}) indices.push_back(static_cast<uint16_t>(first + corner));
  }
  glGenBuffers(1, &quadIndices_);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, quadIndices_);
  glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size() * sizeof(uint16_t)), indices.data(),
               GL_STATIC_DRAW);

  glGenBuffers(1, &paletteBuffer_);
  glBindBuffer(GL_TEXTURE_BUFFER, paletteBuffer_);
  glBufferData(GL_TEXTURE_BUFFER,
               FixedFunctionState::kPaletteSize * FixedFunctionShader::kTexelsPerPaletteEntry * 16,
               nullptr, GL_DYNAMIC_DRAW);
  glGenTextures(1, &paletteTexture_);
  glActiveTexture(GL_TEXTURE1);
  glBindTexture(GL_TEXTURE_BUFFER, paletteTexture_);
  glTexBuffer(GL_TEXTURE_BUFFER, GL_RGBA32F, paletteBuffer_);
  glActiveTexture(GL_TEXTURE0);
  paletteDirtyLow_ = 0;
  paletteDirtyHigh_ = FixedFunctionState::kPaletteSize;

  // Fixed for the device's life: Direct3D's depth test and clockwise fronts
  // (the picture is upright in GL's window space, so screen-clockwise stays
  // clockwise).
  glDepthFunc(GL_LEQUAL);
  glFrontFace(GL_CW);
  glDisable(GL_DITHER);
  glEnable(GL_SCISSOR_TEST);
  // GL starts with the window's size; the device's viewport is the target's.
  glViewport(0, 0, kWidth, kHeight);
  if (glGetError() != GL_NO_ERROR) {
    *error = "GL reported an error while setting up";
    return false;
  }
  return true;
}

PixelRect GlDevice::ViewportRect() const {
  const Viewport& vp = state_.viewport;
  return {vp.x, vp.y, vp.width, vp.height};
}

void GlDevice::SetViewport(const Viewport& viewport) {
  // Keep the viewport inside the target, as Direct3D requires.
  Viewport vp = viewport;
  vp.x = std::clamp(vp.x, 0, kWidth);
  vp.y = std::clamp(vp.y, 0, kHeight);
  vp.width = std::clamp(vp.width, 0, kWidth - vp.x);
  vp.height = std::clamp(vp.height, 0, kHeight - vp.y);
  const Viewport& now = state_.viewport;
  if (vp.x == now.x && vp.y == now.y && vp.width == now.width && vp.height == now.height && vp.minZ == now.minZ &&
      vp.maxZ == now.maxZ)
    return;
  FlushQuads();
  state_.viewport = vp;
  glViewport(vp.x, kHeight - vp.y - vp.height, vp.width, vp.height);
  ++frame_.stateChanges;
}

void GlDevice::LimitDrawingTo(const PixelRect* rect) {
  FlushQuads();
  limited_ = rect != nullptr;
  if (rect) limit_ = *rect;
}

void GlDevice::ApplyScissor(const PixelRect& wanted) {
  const PixelRect rect = limited_ ? Intersect(wanted, limit_) : wanted;
  if (rect.x == applied_.scissorRect.x && rect.y == applied_.scissorRect.y &&
      rect.width == applied_.scissorRect.width && rect.height == applied_.scissorRect.height)
    return;
  applied_.scissorRect = rect;
  glScissor(rect.x, kHeight - rect.y - rect.height, rect.width, rect.height);
  ++frame_.stateChanges;
}

void GlDevice::Clear(uint32_t flags, uint32_t argb, float z) {
  FlushQuads();
  GLbitfield mask = 0;
  if (flags & ClearFlags::Target) {
    float c[4];
    ArgbToFloats(argb, c);
    glClearColor(c[0], c[1], c[2], c[3]);
    ++frame_.stateChanges;
    mask |= GL_COLOR_BUFFER_BIT;
  }
  if (flags & ClearFlags::ZBuffer) {
    glClearDepth(std::clamp(z, 0.0f, 1.0f));
    ++frame_.stateChanges;
    if (!applied_.depthWrite) {
      glDepthMask(GL_TRUE);
      ++frame_.stateChanges;
      applied_.depthWrite = true;
    }
    mask |= GL_DEPTH_BUFFER_BIT;
  }
  // The swap discards the back buffer, so until something is drawn in a
  // frame nothing outside the viewport is worth keeping: the first clear
  // clears the whole target, which the software rasteriser does almost for
  // free, where a clipped clear costs a pass over every pixel.
  const bool frameStart = !drewSincePresent_ && (flags & ClearFlags::Target);
  ApplyScissor(frameStart ? PixelRect{0, 0, kWidth, kHeight} : ViewportRect());
  if (mask) glClear(mask);
  drewSincePresent_ = true;
}

std::vector<uint32_t> GlDevice::ReadBackBuffer() {
  FlushQuads();
  return ReadFramebuffer(TargetFramebuffer(), kWidth, kHeight).argb;
}

void GlDevice::ForgetLastFrame() {
  repaint_ = true;
  // The window may have changed size; a frame under way keeps its target.
  if (!drewSincePresent_) ChooseTarget();
}

bool GlDevice::WindowTakesPictureAsIs() const {
  int width = 0, height = 0;
  SDL_GL_GetDrawableSize(window_, &width, &height);
  return surfaceKeepsPicture_ && width == kWidth && height == kHeight && windowDepthBits_ >= 24;
}

void GlDevice::SetSurfaceKeepsPicture(bool keeps) {
  surfaceKeepsPicture_ = keeps;
  if (!drewSincePresent_) ChooseTarget();
}

void GlDevice::ChooseTarget() {
  const bool direct = WindowTakesPictureAsIs();
  if (direct == direct_) return;
  direct_ = direct;
  glBindFramebuffer(GL_FRAMEBUFFER, TargetFramebuffer());
  repaint_ = true;  // the new target holds no picture yet
}

bool GlDevice::Present() {
  FlushQuads();
  const bool unchanged = !drewSincePresent_ && !repaint_;
  drewSincePresent_ = repaint_ = false;
  if (unchanged && !vsync_) return true;
  if (unchanged && direct_) {
    // The window's back buffer no longer holds the picture after a swap.
    WaitOutRefresh();
    return true;
  }
  lastFrame_ = frame_;
  lastFrame_.stateChanges += shader_->StateCalls() - shaderCallsAtFrameStart_;
  shaderCallsAtFrameStart_ = shader_->StateCalls();
  frame_ = {};
  if (!direct_) BlitToWindow();
  // An off-screen surface's swap does nothing, and a drawing that nothing
  // reads could wait unfinished: the presented frame is always completed.
  glFlush();
  SDL_GL_SwapWindow(window_);
  lastSwapTicks_ = SDL_GetPerformanceCounter();
  ChooseTarget();
  return true;
}

void GlDevice::WaitOutRefresh() {
  SDL_DisplayMode mode{};
  const int refresh =
      SDL_GetCurrentDisplayMode(SDL_GetWindowDisplayIndex(window_), &mode) == 0 && mode.refresh_rate > 0
          ? mode.refresh_rate
          : 60;
  const double frequency = static_cast<double>(SDL_GetPerformanceFrequency());
  const double elapsedMs = static_cast<double>(SDL_GetPerformanceCounter() - lastSwapTicks_) * 1000.0 / frequency;
  const double leftMs = 1000.0 / refresh - elapsedMs;
  if (leftMs >= 1.0) SDL_Delay(static_cast<uint32_t>(leftMs));
  lastSwapTicks_ = SDL_GetPerformanceCounter();
}

void GlDevice::BlitToWindow() {
  int width = 0, height = 0;
  SDL_GL_GetDrawableSize(window_, &width, &height);
  PixelRect to = PresentRect(width, height, kWidth, kHeight);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
  glDisable(GL_SCISSOR_TEST);
  if (to.width != width || to.height != height) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
  }
  // Whole multiples keep every pixel square and sharp; other sizes (full
  // screen on an odd desktop) are smoothed.
  const bool wholeMultiple = to.width % kWidth == 0 && to.height % kHeight == 0;
  glBlitFramebuffer(0, 0, kWidth, kHeight, to.x, to.y, to.x + to.width, to.y + to.height,
                    GL_COLOR_BUFFER_BIT, wholeMultiple ? GL_NEAREST : GL_LINEAR);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
  glEnable(GL_SCISSOR_TEST);
}

void GlDevice::SetTextureStageState(int stage, TextureStageState state, uint32_t value) {
  if (stage == 0) state_.states.Set(state, value);
}

void GlDevice::SetTextureStage(int stage, const TextureStage& settings) {
  if (stage != 0) return;
  state_.states.SetStage(settings);
}

void GlDevice::SetTransform(uint32_t slot, const Matrix& matrix) {
  if (!state_.SetTransform(slot, matrix) || slot < TransformSlot::World) return;
  int entry = static_cast<int>(slot - TransformSlot::World);
  paletteDirtyLow_ = std::min(paletteDirtyLow_, entry);
  paletteDirtyHigh_ = std::max(paletteDirtyHigh_, entry + 1);
}

void GlDevice::SetLight(int index, const Light& light) {
  if (index >= 0 && index < FixedFunctionState::kLights) state_.lights[index] = light;
}

void GlDevice::LightEnable(int index, bool enable) {
  if (index >= 0 && index < FixedFunctionState::kLights) state_.lightEnabled[index] = enable;
}

void GlDevice::SetTexture(int stage, const DeviceTexture* texture) {
  if (stage != 0) return;
  state_.texture = texture;
  texture_ = dynamic_cast<const GlTexture*>(texture);
}

std::unique_ptr<DeviceTexture> GlDevice::LoadTexture(const std::string& path) {
  if (std::optional<EncodedImage> png = ReadPngFile(path)) {
    if (!FitsTextureLimit(png->width, png->height)) return nullptr;
    return std::make_unique<GlTexture>(life_, std::move(*png));
  }
  std::optional<Image> image = LoadImageFile(path);
  if (!image) return nullptr;
  return MakeTexture(image->width, image->height, image->argb.data());
}

std::unique_ptr<DeviceTexture> GlDevice::CreateTexture(int width, int height,
                                                       const uint32_t* argbPixels) {
  if (width <= 0 || height <= 0) return nullptr;
  std::vector<uint32_t> blank;
  if (!argbPixels) {
    blank.assign(static_cast<size_t>(width) * height, 0);
    argbPixels = blank.data();
  }
  return MakeTexture(width, height, argbPixels);
}

// A picture larger than the driver's limit would come out as a black box:
// it is refused instead, so it draws nothing, like a missing picture.
bool GlDevice::FitsTextureLimit(int width, int height) const {
  GLint largest = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
  return static_cast<GLint>(TextureSideFor(static_cast<uint32_t>(width))) <= largest &&
         static_cast<GLint>(TextureSideFor(static_cast<uint32_t>(height))) <= largest;
}

std::unique_ptr<GlTexture> GlDevice::MakeTexture(int width, int height, const uint32_t* argb) {
  if (!FitsTextureLimit(width, height)) return nullptr;
  return std::make_unique<GlTexture>(life_, width, height, argb);
}

std::unique_ptr<DeviceMesh> GlDevice::CreateMesh(const std::vector<MeshVertex>& vertices,
                                                 const std::vector<uint32_t>& indices,
                                                 const MeshFormat& format) {
  return std::make_unique<GlMesh>(life_, vertices, indices, format);
}

void GlDevice::UpdateMeshVertices(DeviceMesh& mesh, const std::vector<MeshVertex>& vertices) {
  if (auto* glMesh = dynamic_cast<GlMesh*>(&mesh)) glMesh->UpdateVertices(vertices);
}

std::unique_ptr<DeviceFont> GlDevice::CreateFont(const std::string& faceName, int height,
                                                 bool italic) {
  std::unique_ptr<TextRasterizer> rasterizer = TextRasterizer::Open(faceName, height, italic);
  if (!rasterizer) return nullptr;
  return std::make_unique<GlFont>(*this, std::move(rasterizer));
}

void GlDevice::ApplyRasterState(const StateBlock& states, bool alphaIsOne) {
  GLenum src = BlendFactor(states.Get(RenderState::SrcBlend));
  GLenum dest = BlendFactor(states.Get(RenderState::DestBlend));
  bool blend = states.Get(RenderState::AlphaBlendEnable) != 0 && !(alphaIsOne && BlendKeepsSourceAtFullAlpha(src, dest));
  if (blend != applied_.blend) {
    blend ? glEnable(GL_BLEND) : glDisable(GL_BLEND);
    ++frame_.stateChanges;
    applied_.blend = blend;
  }
  if (src != applied_.srcFactor || dest != applied_.destFactor) {
    glBlendFunc(src, dest);
    ++frame_.stateChanges;
    applied_.srcFactor = src;
    applied_.destFactor = dest;
  }
  bool depthTest = states.Get(RenderState::ZEnable) != ZBuffer::False;
  if (depthTest != applied_.depthTest) {
    depthTest ? glEnable(GL_DEPTH_TEST) : glDisable(GL_DEPTH_TEST);
    ++frame_.stateChanges;
    applied_.depthTest = depthTest;
  }
  bool depthWrite = states.Get(RenderState::ZWriteEnable) != 0;
  if (depthWrite != applied_.depthWrite) {
    glDepthMask(depthWrite ? GL_TRUE : GL_FALSE);
    ++frame_.stateChanges;
    applied_.depthWrite = depthWrite;
  }
  // Fronts are clockwise: culling counter-clockwise faces culls GL's backs.
  uint32_t cullMode = states.Get(RenderState::CullMode);
  bool cull = cullMode == Cull::CW || cullMode == Cull::CCW;
  if (cull != applied_.cull) {
    cull ? glEnable(GL_CULL_FACE) : glDisable(GL_CULL_FACE);
    ++frame_.stateChanges;
    applied_.cull = cull;
  }
  GLenum face = cullMode == Cull::CW ? GL_FRONT : GL_BACK;
  if (cull && face != applied_.cullFace) {
    glCullFace(face);
    ++frame_.stateChanges;
    applied_.cullFace = face;
  }
}

// The program leaves the alpha test out where it passes every pixel drawn:
// the test is off, or every pixel has alpha 255 and 255 passes.
void GlDevice::ApplyDrawState(Vertices vertices, int lights, const StateBlock& states, const GlTexture* texture,
                              const DrawLook& look) {
  const StageSelects stage = ResolveStage(states);
  ShaderStage shaderStage = ShaderStageFor(stage, texture != nullptr);
  // Multiplying by white changes nothing, so white draws skip the colour.
  if (shaderStage == ShaderStage::TextureTimesColor && look.colorWhite) shaderStage = ShaderStage::Texture;
  const AlphaPass pass = AlphaPassOf(states);
  const bool alphaIsOne = StageAlphaIsOne(stage.alpha, texture, look.colorOpaque);
  const bool passesAll = pass.low <= 0 && pass.high >= 255 && !pass.outside;
  const bool passes255 = (pass.low <= 255 && pass.high >= 255) != pass.outside;
  shader_->Use({vertices, shaderStage, !(passesAll || (alphaIsOne && passes255)), lights, look.flat});
  ApplyRasterState(states, alphaIsOne);
  shader_->SetVec2(Uniform::AlphaPass, pass.low, pass.high);
  shader_->SetInt(Uniform::AlphaInvert, pass.outside);
  if (shaderStage == ShaderStage::General) SetStageSelectors(*shader_, stage, texture != nullptr);
  // Bound on every draw: creating or deleting a texture changes the binding.
  if (texture) {
    glBindTexture(GL_TEXTURE_2D, texture->Name());
    ++frame_.stateChanges;
  }
}

void GlDevice::DrawScreenQuad(const ScreenVertex vertices[4]) {
  DrawQuad(vertices, state_.states, texture_, ViewportRect());
}

void GlDevice::DrawTextQuad(const GlTexture& texture, const ScreenVertex vertices[4],
                            const PixelRect& clip) {
  PixelRect vp = ViewportRect();
  int left = std::max(vp.x, clip.x), top = std::max(vp.y, clip.y);
  int right = std::min(vp.x + vp.width, clip.x + clip.width);
  int bottom = std::min(vp.y + vp.height, clip.y + clip.height);
  if (right <= left || bottom <= top) return;
  DrawQuad(vertices, textStates_, &texture, {left, top, right - left, bottom - top});
}

void GlDevice::DrawQuad(const ScreenVertex vertices[4], const StateBlock& states,
                        const GlTexture* texture, const PixelRect& clip) {
  const bool joins = !batch_.vertices.empty() && batch_.states == states && batch_.texture == texture &&
                     batch_.clip.x == clip.x && batch_.clip.y == clip.y && batch_.clip.width == clip.width &&
                     batch_.clip.height == clip.height && batch_.vertices.size() < 4 * size_t{kQuadRing};
  if (!joins) {
    FlushQuads();
    batch_.states = states;
    batch_.texture = texture;
    batch_.clip = clip;
  }
  batch_.vertices.insert(batch_.vertices.end(), vertices, vertices + 4);
  if (!batching_) FlushQuads();
}

void GlDevice::FlushQuads() {
  if (batch_.vertices.empty()) return;
  const auto quads = static_cast<int>(batch_.vertices.size() / 4);
  DrawLook look;
  for (const ScreenVertex& v : batch_.vertices) {
    look.colorOpaque = look.colorOpaque && v.diffuse >> 24 == 0xFF;
    look.colorWhite = look.colorWhite && v.diffuse == 0xFFFFFFFF;
    look.flat = look.flat && v.rhw == batch_.vertices.front().rhw;
  }
  ApplyDrawState(Vertices::Screen, 0, batch_.states, batch_.texture, look);
  ApplyScissor(batch_.clip);
  const Viewport& vp = state_.viewport;
  const float viewport[4] = {static_cast<float>(vp.x), static_cast<float>(vp.y),
                             static_cast<float>(vp.width), static_cast<float>(vp.height)};
  shader_->SetVec4(Uniform::Viewport, viewport);

  glBindVertexArray(quadArray_);
  glBindBuffer(GL_ARRAY_BUFFER, quadBuffer_);
  frame_.stateChanges += 2;
  if (quadCursor_ + quads > kQuadRing) {
    // Renew the storage rather than wait for draws still reading the old one.
    glBufferData(GL_ARRAY_BUFFER, kQuadRing * 4 * sizeof(ScreenVertex), nullptr, GL_STREAM_DRAW);
    quadCursor_ = 0;
  }
  const GLintptr quadBytes = 4 * sizeof(ScreenVertex);
  glBufferSubData(GL_ARRAY_BUFFER, quadCursor_ * quadBytes, quads * quadBytes, batch_.vertices.data());
  if (quads == 1) {
    glDrawArrays(GL_TRIANGLE_STRIP, quadCursor_ * 4, 4);
  } else {
    glDrawElementsBaseVertex(GL_TRIANGLES, 6 * quads, GL_UNSIGNED_SHORT, nullptr, quadCursor_ * 4);
  }
  ++frame_.drawCalls;
  ++frame_.quadDrawCalls;
  drewSincePresent_ = true;
  quadCursor_ += quads;
  batch_.vertices.clear();
}

void GlDevice::UploadPalette() {
  if (paletteDirtyLow_ >= paletteDirtyHigh_) return;
  constexpr int kFloats = FixedFunctionShader::kTexelsPerPaletteEntry * 4;
  std::vector<float> texels(static_cast<size_t>(paletteDirtyHigh_ - paletteDirtyLow_) * kFloats, 0);
  for (int entry = paletteDirtyLow_; entry < paletteDirtyHigh_; ++entry) {
    float* out = &texels[static_cast<size_t>(entry - paletteDirtyLow_) * kFloats];
    const Matrix& world = state_.World(entry);
    std::copy(&world.m[0][0], &world.m[0][0] + 16, out);
    NormalRows(world, out + 16);
  }
  glBindBuffer(GL_TEXTURE_BUFFER, paletteBuffer_);
  ++frame_.stateChanges;
  glBufferSubData(GL_TEXTURE_BUFFER, static_cast<GLintptr>(paletteDirtyLow_) * kFloats * 4,
                  static_cast<GLsizeiptr>(texels.size() * sizeof(float)), texels.data());
  paletteDirtyLow_ = FixedFunctionState::kPaletteSize;
  paletteDirtyHigh_ = 0;
}

// One matrix at full weight, by its slot: what the palette program would
// read from entry 0, given as uniforms instead.
Vertices GlDevice::ModelVertices() const {
  const uint32_t vertexBlend = state_.states.Get(RenderState::VertexBlend);
  const bool indexed =
      vertexBlend != VertexBlendFlags::Disable && state_.states.Get(RenderState::IndexedVertexBlendEnable) != 0;
  return BlendMatrices(vertexBlend) == 1 && !indexed ? Vertices::World : Vertices::Palette;
}

void GlDevice::ApplyWorld() {
  const Matrix& world = state_.World(0);
  if (!normalMatrixKnown_ || std::memcmp(&world, &normalMatrixOf_, sizeof world) != 0) {
    normalMatrixKnown_ = true;
    normalMatrixOf_ = world;
    float rows[12];
    NormalRows(world, rows);
    for (int column = 0; column < 3; ++column)
      for (int i = 0; i < 3; ++i) normalMatrix_[3 * column + i] = rows[4 * column + i];
  }
  shader_->SetMat4(Uniform::World, &world.m[0][0]);
  shader_->SetMat3(Uniform::NormalMatrix, normalMatrix_);
}

// The enabled directional lights as the programs take them; none while
// lighting is off.
GlDevice::Lights GlDevice::ActiveLights() const {
  Lights lights;
  if (state_.states.Get(RenderState::Lighting) == 0) return lights;
  for (int i = 0; i < FixedFunctionState::kLights && lights.count < FixedFunctionShader::kMaxLights; ++i) {
    const Light& light = state_.lights[i];
    if (!state_.lightEnabled[i] || light.type != LightType::Directional) continue;
    const Vec3 to = Normalize(light.direction * -1.0f);
    std::copy(&to.x, &to.x + 3, lights.toward + 3 * lights.count);
    std::copy(&light.diffuse.r, &light.diffuse.r + 4, lights.diffuse + 4 * lights.count);
    std::copy(&light.ambient.r, &light.ambient.r + 4, lights.ambient + 4 * lights.count);
    ++lights.count;
  }
  return lights;
}

void GlDevice::ApplyTransformsAndLights(Vertices vertices, bool vertexColors, const Lights& lights) {
  if (vertices == Vertices::World) {
    ApplyWorld();
  } else {
    UploadPalette();
    const uint32_t vertexBlend = state_.states.Get(RenderState::VertexBlend);
    shader_->SetInt(Uniform::BlendMatrices, BlendMatrices(vertexBlend));
    shader_->SetInt(Uniform::IndexedBlend,
                    vertexBlend != VertexBlendFlags::Disable &&
                        state_.states.Get(RenderState::IndexedVertexBlendEnable) != 0);
  }
  Matrix viewProjection = state_.View() * state_.Projection();
  shader_->SetMat4(Uniform::ViewProjection, &viewProjection.m[0][0]);
  const Viewport& vp = state_.viewport;
  shader_->SetVec2(Uniform::DepthRange, vp.minZ, vp.maxZ);
  shader_->SetInt(Uniform::VertexColor, vertexColors);

  bool lighting = state_.states.Get(RenderState::Lighting) != 0;
  shader_->SetInt(Uniform::Lighting, lighting);
  if (!lighting) return;
  float ambient[4];
  ArgbToFloats(state_.states.Get(RenderState::Ambient), ambient);
  shader_->SetVec4(Uniform::GlobalAmbient, ambient);
  const Material& m = state_.material;
  shader_->SetVec4(Uniform::MaterialDiffuse, &m.diffuse.r);
  shader_->SetVec4(Uniform::MaterialAmbient, &m.ambient.r);
  shader_->SetVec4(Uniform::MaterialEmissive, &m.emissive.r);

  if (lights.count == 0) return;
  shader_->SetVec3Array(Uniform::LightToward, lights.toward, lights.count);
  shader_->SetVec4Array(Uniform::LightDiffuse, lights.diffuse, lights.count);
  shader_->SetVec4Array(Uniform::LightAmbient, lights.ambient, lights.count);
}

// The alpha the vertex program gives every vertex is 1.
bool GlDevice::MeshColorOpaque(const GlMesh& mesh) const {
  if (mesh.HasVertexColors()) return mesh.ColorsOpaque();
  return state_.states.Get(RenderState::Lighting) == 0 || state_.material.diffuse.a >= 1.0f;
}

// The colour the vertex program gives every vertex is opaque white: unlit
// without vertex colours, or lit with an emissive colour of at least 1 and no
// term that could take anything away before the clamp (floats added that are
// all at least 0 never fall below the first).
bool GlDevice::MeshColorWhite(const GlMesh& mesh, const Lights& lights) const {
  if (state_.states.Get(RenderState::Lighting) == 0) return !mesh.HasVertexColors();
  if (!MeshColorOpaque(mesh)) return false;
  const Material& m = state_.material;
  auto atLeast = [](const float* rgb, float floor) {
    return rgb[0] >= floor && rgb[1] >= floor && rgb[2] >= floor;
  };
  if (!atLeast(&m.emissive.r, 1) || !atLeast(&m.ambient.r, 0)) return false;
  if (!mesh.HasVertexColors() && !atLeast(&m.diffuse.r, 0)) return false;
  for (int i = 0; i < lights.count; ++i)
    if (!atLeast(lights.ambient + 4 * i, 0) || !atLeast(lights.diffuse + 4 * i, 0)) return false;
  return true;
}

// Under an orthographic camera a model through one affine world matrix has
// w the same everywhere. (Blended models are left to the general case.)
bool GlDevice::ModelIsFlat(Vertices vertices) const {
  return vertices == Vertices::World && KeepsW(state_.World(0)) && KeepsW(state_.View()) &&
         KeepsW(state_.Projection());
}

void GlDevice::DrawMesh(const DeviceMesh& mesh, uint32_t firstIndex, uint32_t triangleCount) {
  const auto* glMesh = dynamic_cast<const GlMesh*>(&mesh);
  if (!glMesh || triangleCount == 0) return;
  FlushQuads();
  const Vertices vertices = ModelVertices();
  const Lights lights = ActiveLights();
  const DrawLook look{MeshColorOpaque(*glMesh), MeshColorWhite(*glMesh, lights), ModelIsFlat(vertices)};
  ApplyDrawState(vertices, lights.count, state_.states, texture_, look);
  ApplyScissor(ViewportRect());
  ApplyTransformsAndLights(vertices, glMesh->HasVertexColors(), lights);
  glBindVertexArray(glMesh->VertexArray());
  glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(3 * triangleCount), GL_UNSIGNED_INT,
                 reinterpret_cast<const void*>(static_cast<uintptr_t>(firstIndex) * 4));
  ++frame_.stateChanges;
  ++frame_.drawCalls;
  drewSincePresent_ = true;
}
