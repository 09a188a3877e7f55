#pragma once

#include <gmock/gmock.h>

#include "gfx/RenderDevice.h"

class MockRenderDevice : public RenderDevice {
 public:
  MockRenderDevice() {
    using ::testing::Return;
    ON_CALL(*this, BackBufferWidth()).WillByDefault(Return(800));
    ON_CALL(*this, BackBufferHeight()).WillByDefault(Return(600));
    ON_CALL(*this, BeginScene()).WillByDefault(Return(true));
    ON_CALL(*this, Present()).WillByDefault(Return(true));
  }

  MOCK_METHOD(int, BackBufferWidth, (), (const, override));
  MOCK_METHOD(int, BackBufferHeight, (), (const, override));
  MOCK_METHOD(int, MaxVertexBlendMatrixIndex, (), (const, override));
  MOCK_METHOD(bool, BeginScene, (), (override));
  MOCK_METHOD(void, EndScene, (), (override));
  MOCK_METHOD(bool, Present, (), (override));
  MOCK_METHOD(void, Clear, (uint32_t flags, uint32_t argb, float z), (override));
  MOCK_METHOD(void, SetViewport, (const Viewport& viewport), (override));
  MOCK_METHOD(Viewport, GetViewport, (), (const, override));
  MOCK_METHOD(std::vector<uint32_t>, ReadBackBuffer, (), (override));
  MOCK_METHOD(void, SetRenderState, (RenderState state, uint32_t value), (override));
  MOCK_METHOD(uint32_t, GetRenderState, (RenderState state), (const, override));
  MOCK_METHOD(void, SetTextureStageState, (int stage, TextureStageState state, uint32_t value), (override));
  MOCK_METHOD(void, SetTransform, (uint32_t slot, const Matrix& matrix), (override));
  MOCK_METHOD(Matrix, GetTransform, (uint32_t slot), (const, override));
  MOCK_METHOD(void, SetLight, (int index, const Light& light), (override));
  MOCK_METHOD(void, LightEnable, (int index, bool enable), (override));
  MOCK_METHOD(void, SetMaterial, (const Material& material), (override));
  MOCK_METHOD(void, SetTexture, (int stage, const DeviceTexture* texture), (override));
  MOCK_METHOD(std::unique_ptr<DeviceTexture>, LoadTexture, (const std::string& path), (override));
  MOCK_METHOD(std::unique_ptr<DeviceTexture>, CreateTexture, (int width, int height, const uint32_t* argbPixels),
              (override));
  MOCK_METHOD(std::unique_ptr<DeviceMesh>, CreateMesh,
              (const std::vector<MeshVertex>& vertices, const std::vector<uint32_t>& indices,
               const MeshFormat& format),
              (override));
  MOCK_METHOD(void, UpdateMeshVertices, (DeviceMesh & mesh, const std::vector<MeshVertex>& vertices), (override));
  MOCK_METHOD(std::unique_ptr<DeviceFont>, CreateFont, (const std::string& faceName, int height, bool italic),
              (override));
  MOCK_METHOD(void, DrawScreenQuad, (const ScreenVertex vertices[4]), (override));
  MOCK_METHOD(void, DrawMesh, (const DeviceMesh& mesh, uint32_t firstIndex, uint32_t triangleCount), (override));
};
