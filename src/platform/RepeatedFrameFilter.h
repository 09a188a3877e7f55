#pragma once
// A RenderDevice in front of another that holds back each frame until
// Present and passes it on only when it differs from the frame before. A
// still title or menu then costs a comparison instead of a frame: the device
// behind keeps the last picture, and its Present shows it again as cheaply
// as it can (not at all when nothing waits on it).
//
// Where the device behind still holds the last picture, a frame that
// differs is drawn only within the few rectangles where it can differ (see
// FrameDamage): in play that is the moving figures and the HUD's numbers,
// not the background and the blocks, and the picture is the same to the
// last bit as drawing it whole.
//
// A frame is every call from one Present to the next, compared call by call
// with its arguments. Making a texture, mesh or font, or ForgetLastFrame,
// has the next frame passed on whatever it holds: a new object may sit where
// an old one was.

#include <memory>
#include <string>
#include <vector>

#include "gfx/RenderDevice.h"
#include "platform/FixedFunctionState.h"
#include "platform/FrameDamage.h"
#include "platform/HeldCalls.h"

class RepeatedFrameFilter final : public RenderDevice {
 public:
  explicit RepeatedFrameFilter(std::unique_ptr<RenderDevice> inner);
  ~RepeatedFrameFilter() override;

  RenderDevice& Inner() const { return *inner_; }
  // Frames passed on and frames held back as repeats, since the start.
  int FramesDrawn() const { return drawn_; }
  int FramesRepeated() const { return repeated_; }
  // Of the frames passed on, those drawn only where they changed.
  int FramesDrawnInPart() const { return drawnInPart_; }

  int BackBufferWidth() const override { return inner_->BackBufferWidth(); }
  int BackBufferHeight() const override { return inner_->BackBufferHeight(); }
  int MaxVertexBlendMatrixIndex() const override { return inner_->MaxVertexBlendMatrixIndex(); }

  bool BeginScene() override;
  void EndScene() override;
  bool Present() override;
  void ForgetLastFrame() override;
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

  std::unique_ptr<DeviceTexture> LoadTexture(const std::string& path) override;
  std::unique_ptr<DeviceTexture> CreateTexture(int width, int height, const uint32_t* argbPixels) override;
  std::unique_ptr<DeviceMesh> CreateMesh(const std::vector<MeshVertex>& vertices, const std::vector<uint32_t>& indices,
                                         const MeshFormat& format) override;
  void UpdateMeshVertices(DeviceMesh& mesh, const std::vector<MeshVertex>& vertices) override;
  std::unique_ptr<DeviceFont> CreateFont(const std::string& faceName, int height, bool italic) override;

  void DrawScreenQuad(const ScreenVertex vertices[4]) override;
  void DrawMesh(const DeviceMesh& mesh, uint32_t firstIndex, uint32_t triangleCount) override;

 private:
  class HeldFont;

  void Hold(held::Call call);
  // Hands the calls held so far to the device behind.
  void PassOn();
  // Hands the frame on once for each rectangle, limited to it, leaving out
  // the draws that cannot reach it.
  void PassOnWithin(std::vector<PixelRect> rects, const WalkedFrame& walked);
  void Replay(const held::Call& call);
  // Sets on the device behind each state in which `now` differs from `wanted`.
  void RestoreState(const FixedFunctionState& now, const FixedFunctionState& wanted);

  std::unique_ptr<RenderDevice> inner_;
  FixedFunctionState state_;       // as the game has set it
  FixedFunctionState frameStart_;  // as it was when this frame began
  held::Frame frame_;              // this frame's calls not yet passed on
  held::Frame last_;               // the frame before, as it was passed on or held back
  WalkedFrame lastWalked_;
  MeshExtents meshes_;
  bool lastKnown_ = false;    // false: the next frame is passed on whatever it holds
  bool passedOnPart_ = false;  // a read of the picture passed part of this frame on
  int drawn_ = 0, repeated_ = 0, drawnInPart_ = 0;
};
