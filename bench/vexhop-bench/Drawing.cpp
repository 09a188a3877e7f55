// Drawing: frames drawn with the real GL device off screen (Mesa's llvmpipe
// where there is no GPU) for the title, the busiest stage in play with its
// HUD band, and the option scene. The time is the CPU time of the whole
// process per frame, the driver's rasterising threads included, presenting
// included (each presented frame is finished); the stage is also timed on
// the clock. GL draw calls and state changes are counted per frame. The stage
// is drawn once more with one draw call per screen quad, as the original
// device drew them, for the batching figures.

#include "BenchSession.h"
#include "Groups.h"
#include "game/CZelGame.h"
#include "platform/OffscreenGl.h"

namespace {

constexpr int kFrames = 60;

struct Drawn {
  const char* name;
  Scene scene;
  bool batched;
};

constexpr Drawn kDrawn[] = {
    {"draw/title", Scene::Title, true},
    {"draw/stage", Scene::Stage, true},
    {"draw/option", Scene::Option, true},
    {"draw/stage-quad-by-quad", Scene::Stage, false},
};

// Without GL 3.3 off screen the session could not even start.
std::string GlMissing() {
  static const std::string why = [] {
    std::string error;
    return OffscreenGl::Create(&error) ? std::string() : error;
  }();
  return why;
}

// The timed frames, kept out of line: bench/count_instructions.sh counts
// what runs inside this function and nothing else.
[[gnu::noinline]] void RenderFrames(benchmark::State& state, CZelGame& game) {
  for (auto _ : state) game.RenderFrame();
}

void DrawFrames(benchmark::State& state, const Drawn& drawn) {
  if (!GlMissing().empty()) {
    state.SkipWithError(GlMissing().c_str());
    return;
  }
  BenchTree tree(Config().tree);
  tree.SetStage(1, BusyStage().text);
  const std::unique_ptr<ReplayRun> run = OpenScene(tree, drawn.scene, true);
  CZelGame& game = run->Game();
  auto& device = static_cast<GlDevice&>(*game.GetDisplay()->GetDevice());
  device.SetVsync(false);
  device.SetQuadBatching(drawn.batched);
  game.RenderFrame();  // the driver builds its shader variants on first use
  RenderFrames(state, game);
  state.counters["drawCalls"] = device.LastFrameCounts().drawCalls;
  state.counters["quadDrawCalls"] = device.LastFrameCounts().quadDrawCalls;
  state.counters["stateChanges"] = device.LastFrameCounts().stateChanges;
}

double Ratio(double a, double b) { return a / b; }

}  // namespace

void RegisterDrawing() {
  for (const Drawn& drawn : kDrawn) {
    Repeated(benchmark::RegisterBenchmark(drawn.name, [&drawn](benchmark::State& state) { DrawFrames(state, drawn); }))
        ->Iterations(kFrames)
        ->MeasureProcessCPUTime()
        ->Unit(benchmark::kMillisecond);
  }
}

std::vector<Figure> DrawingFigures(const MedianRuns& runs) {
  const std::string stage = BusyStage().label;
  std::vector<Figure> figures = {
      {"drawing, title", runs.CpuTime("draw/title"), "ms/frame", {}, runs.Failure("draw/title")},
      {"drawing, stage with HUD (" + stage + ")", runs.CpuTime("draw/stage"), "ms/frame", Budget::AtMost(4),
       runs.Failure("draw/stage")},
      {"drawing, option scene", runs.CpuTime("draw/option"), "ms/frame", {}, runs.Failure("draw/option")},
      // The same stage frames on the clock: the driver rasterises on several threads.
      {"drawing, stage with HUD, wall clock", runs.RealTime("draw/stage"), "ms/frame", {},
       runs.Failure("draw/stage")},
  };
  const std::pair<const char*, std::string> counts[] = {{"drawCalls", "GL draw calls"},
                                                        {"stateChanges", "GL state changes"}};
  for (const auto& [counter, what] : counts) {
    figures.push_back({what + ", title", runs.Counter("draw/title", counter), "per frame"});
    figures.push_back({what + ", stage", runs.Counter("draw/stage", counter), "per frame"});
    figures.push_back({what + ", option scene", runs.Counter("draw/option", counter), "per frame"});
  }
  const double callsByQuad = runs.Counter("draw/stage-quad-by-quad", "drawCalls");
  figures.push_back({"draw calls, stage, one per quad", callsByQuad, "per frame"});
  figures.push_back({"draw calls, one per quad / batched", Ratio(callsByQuad, runs.Counter("draw/stage", "drawCalls")),
                     "ratio"});
  // The models are drawn one call per part either way; the batching is in the quads.
  figures.push_back({"quad draw calls, one per quad / batched",
                     Ratio(runs.Counter("draw/stage-quad-by-quad", "quadDrawCalls"),
                           runs.Counter("draw/stage", "quadDrawCalls")),
                     "ratio", Budget::AtLeast(5)});
  figures.push_back({"frame time, one per quad / batched",
                     Ratio(runs.CpuTime("draw/stage-quad-by-quad"), runs.CpuTime("draw/stage")), "ratio"});
  return figures;
}
