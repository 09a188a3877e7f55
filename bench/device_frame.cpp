// How fast the devices take a frame shaped like a play frame: two viewports
// with their clears, a full grid of block quads, a row of HUD glyphs, a
// dozen lit models and one line of system-font text. The GL device runs off
// screen (Mesa's llvmpipe where there is no GPU), with no vsync to wait for.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "gfx/DXFont.h"
#include "gfx/Texture.h"
#include "platform/OffscreenGl.h"
#include "platform/RecordingDevice.h"

namespace {

struct FrameAssets {
  explicit FrameAssets(RenderDevice& device);

  std::unique_ptr<DeviceTexture> blocks, glyphs;
  std::unique_ptr<DeviceMesh> model;
  CDXFont font;
  CSprite sprite;
};

std::vector<MeshVertex> Octahedron() {
  const Vec3 points[6] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
  std::vector<MeshVertex> vertices;
  for (const Vec3& p : points) {
    MeshVertex v;
    v.position = p;
    v.normal = p;
    vertices.push_back(v);
  }
  return vertices;
}

const std::vector<uint32_t> kOctahedronFaces = {0, 2, 4, 2, 1, 4, 1, 3, 4, 3, 0, 4,
                                                2, 0, 5, 1, 2, 5, 3, 1, 5, 0, 3, 5};

FrameAssets::FrameAssets(RenderDevice& device) {
  std::vector<uint32_t> pixels(128 * 64, 0xFFC08040);
  blocks = device.CreateTexture(100, 46, pixels.data());
  glyphs = device.CreateTexture(128, 64, pixels.data());
  model = device.CreateMesh(Octahedron(), kOctahedronFaces, {});
  font.Create(device, "HG教科書体", 18, false);
}

void DrawPlayFrame(RenderDevice& device, FrameAssets& assets) {
  device.BeginScene();
  device.SetViewport({0, 0, 800, 550, 0, 1});
  device.Clear(ClearFlags::Target | ClearFlags::ZBuffer, 0xFF8080C8, 1);
  device.SetTransform(TransformSlot::View, MatrixLookAtLH({320, 240, 100}, {320, 240, 0}, {0, 1, 0}));
  device.SetTransform(TransformSlot::Projection, MatrixOrthoLH(160, 120, 1, 1000));
  Material material;
  material.diffuse = material.ambient = {0.8f, 0.5f, 0.3f, 1};
  device.SetMaterial(material);
  device.SetTexture(0, nullptr);
  for (int i = 0; i < 12; ++i) {
    device.SetTransform(TransformSlot::World,
                        MatrixScaling(4, 4, 4) * MatrixTranslation(250.0f + 12 * i, 240, 0));
    device.DrawMesh(*assets.model, 0, 8);
  }
  device.SetTexture(0, assets.blocks.get());
  for (int row = 0; row < 12; ++row)
    for (int column = 0; column < 16; ++column)
      DrawScreenQuad(device, column * 50.0f, row * 46.0f, 50, 46, 0, 0, 0.5f, 1, 0xFFFFFFFF);
  device.SetViewport({0, 550, 800, 50, 0, 1});
  device.Clear(ClearFlags::Target | ClearFlags::ZBuffer, 0xFFC88080, 1);
  device.SetTexture(0, assets.glyphs.get());
  for (int i = 0; i < 24; ++i)
    DrawScreenQuad(device, 30.0f + 20 * i, 550, 20, 50, 0.1f * (i % 10), 0, 0.1f, 1, 0xFFFFFFFF);
  device.SetViewport({0, 0, 800, 600, 0, 1});
  assets.font.DrawText(&assets.sprite, 550, 180, 0xFFFFFFFF, "Version 1.0.0");
  device.EndScene();
  device.Present();
}

void BM_GlPlayFrame(benchmark::State& state) {
  std::string error;
  auto gl = OffscreenGl::Create(&error);
  if (!gl) {
    state.SkipWithError(error.c_str());
    return;
  }
  gl->Device().SetVsync(false);
  FrameAssets assets(gl->Device());
  // The first frame compiles the driver's shader variants.
  DrawPlayFrame(gl->Device(), assets);
  for (auto _ : state) DrawPlayFrame(gl->Device(), assets);
  // Wait for the queued frames so their cost is counted.
  benchmark::DoNotOptimize(gl->Device().ReadBackBuffer());
  state.SetItemsProcessed(state.iterations());
  state.counters["frames/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                  benchmark::Counter::kIsRate);
}
// Process CPU time counts the driver's rasterising threads as well.
BENCHMARK(BM_GlPlayFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();

void BM_RecordingPlayFrame(benchmark::State& state) {
  RecordingDevice device;
  FrameAssets assets(device);
  for (auto _ : state) DrawPlayFrame(device, assets);
  state.counters["frames/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                  benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RecordingPlayFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
