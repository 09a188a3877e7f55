// The frame on the real SDL bundle and GL device (run it under a display or
// Xvfb, or with SDL_VIDEODRIVER=offscreen):
// - BM_BlackFrame: frames per second of one black frame (begin, clear, end,
//   present) with vertical sync off;
// - BM_IdleLoop: the main loop with nothing to do but present at 60 steps
//   per second for two seconds; "cpu" is the share of one core it used.

#include <SDL.h>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>

#include "app/CGame.h"
#include "platform/GlDevice.h"
#include "platform/RepeatedFrameFilter.h"
#include "platform/SdlPlatform.h"

namespace {

// The bare frame: every picture is the black it was cleared to at start.
std::unique_ptr<CGame> MakeFrame(Platform& platform) {
  auto game = std::make_unique<CGame>(platform, "Vexhop(Q)");
  game->confirmExit = false;
  return game;
}

double CpuSeconds() {
  rusage usage = {};
  getrusage(RUSAGE_SELF, &usage);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec * 1e-6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

Uint32 PushQuit(Uint32, void*) {
  SDL_Event quit = {};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  return 0;
}

// Straight to the GL device: through the session's device a repeated frame
// would not be drawn at all.
void BM_BlackFrame(benchmark::State& state) {
  SdlPlatform platform;
  std::unique_ptr<CGame> game = MakeFrame(platform);
  auto& gl = static_cast<GlDevice&>(static_cast<RepeatedFrameFilter*>(game->GetDisplay()->GetDevice())->Inner());
  gl.SetVsync(false);
  for (auto _ : state) {
    gl.BeginScene();
    gl.Clear(ClearFlags::Target | ClearFlags::ZBuffer, 0xFF000000, 1);
    gl.EndScene();
    gl.Present();
  }
  state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BlackFrame)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_IdleLoop(benchmark::State& state) {
  SdlPlatform platform;
  std::unique_ptr<CGame> game = MakeFrame(platform);
  SDL_InitSubSystem(SDL_INIT_TIMER);
  for (auto _ : state) {
    const double cpuBefore = CpuSeconds();
    const auto wallBefore = std::chrono::steady_clock::now();
    SDL_AddTimer(2000, PushQuit, nullptr);
    game->Run();
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - wallBefore;
    state.counters["cpu"] = (CpuSeconds() - cpuBefore) / wall.count();
    state.counters["refreshHz"] = game->GetDisplay()->GetRefreshRate();
  }
}
BENCHMARK(BM_IdleLoop)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
