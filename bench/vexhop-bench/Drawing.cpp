// Drawing: frames drawn through the game's device chain with the real GL
// device off screen (Mesa's llvmpipe where there is no GPU) for the title,
// the busiest stage with its HUD band and the option scene. The time is the
// CPU time of the whole process per frame, the driver's rasterising threads
// included, presenting included (each presented frame is finished).
//
// The stage is measured in play, one logic step and its frame at a time, as
// the game draws it: each frame only where it changed. It is also drawn
// whole every frame, as a frame costs when everything changes (a new stage,
// or a window whose picture is not kept), and timed on the clock. The still
// scenes are drawn whole every frame, or they would cost nothing. GL draw
// calls and state changes are counted per whole frame. The stage is drawn
// once more with one draw call per screen quad, as the original device drew
// them, for the batching figures.

#include "BenchSession.h"
#include "Groups.h"
#include "game/CZelGame.h"
#include "platform/OffscreenGl.h"
#include "platform/RepeatedFrameFilter.h"

namespace {

constexpr int kFrames = 60;

struct Drawn {
  const char* name;
  Scene scene;
  bool batched;
  bool inPlay;  // one logic step per frame, the frame drawn where it changed
};

constexpr Drawn kDrawn[] = {
    {"draw/title", Scene::Title, true, false},
    {"draw/stage", Scene::Stage, true, true},
    {"draw/stage-whole", Scene::Stage, true, false},
    {"draw/option", Scene::Option, true, false},
    {"draw/stage-quad-by-quad", Scene::Stage, false, false},
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
[[gnu::noinline]] void RenderFrames(benchmark::State& state, ReplayRun& run, RepeatedFrameFilter& filter,
                                    bool inPlay) {
  for (auto _ : state) {
    if (inPlay) {
      run.Step();
    } else {
      filter.ForgetLastFrame();
      run.Game().RenderFrame();
    }
  }
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
  auto& filter = static_cast<RepeatedFrameFilter&>(*game.GetDisplay()->GetDevice());
  auto& device = static_cast<GlDevice&>(filter.Inner());
  device.SetVsync(false);
  device.SetQuadBatching(drawn.batched);
  filter.ForgetLastFrame();
  game.RenderFrame();  // the driver builds its shader variants on first use
  const int inPartBefore = filter.FramesDrawnInPart();
  RenderFrames(state, *run, filter, drawn.inPlay);
  state.counters["inPart"] = filter.FramesDrawnInPart() - inPartBefore;
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
      {"drawing, stage with HUD (" + stage + "), in play", runs.CpuTime("draw/stage"), "ms/frame",
       Budget::AtMost(4), runs.Failure("draw/stage")},
      {"frames of it drawn where they changed", runs.Counter("draw/stage", "inPart"), "of 60"},
      {"drawing, stage with HUD, whole frame", runs.CpuTime("draw/stage-whole"), "ms/frame", {},
       runs.Failure("draw/stage-whole")},
      // On the clock: the driver rasterises on several threads.
      {"drawing, stage with HUD, whole frame, wall clock", runs.RealTime("draw/stage-whole"), "ms/frame", {},
       runs.Failure("draw/stage-whole")},
      {"drawing, option scene", runs.CpuTime("draw/option"), "ms/frame", {}, runs.Failure("draw/option")},
  };
  const std::pair<const char*, std::string> counts[] = {{"drawCalls", "GL draw calls"},
                                                        {"stateChanges", "GL state changes"}};
  for (const auto& [counter, what] : counts) {
    figures.push_back({what + ", title", runs.Counter("draw/title", counter), "per frame"});
    figures.push_back({what + ", stage", runs.Counter("draw/stage-whole", counter), "per frame"});
    figures.push_back({what + ", option scene", runs.Counter("draw/option", counter), "per frame"});
  }
  const double callsByQuad = runs.Counter("draw/stage-quad-by-quad", "drawCalls");
  figures.push_back({"draw calls, stage, one per quad", callsByQuad, "per frame"});
  figures.push_back({"draw calls, one per quad / batched",
                     Ratio(callsByQuad, runs.Counter("draw/stage-whole", "drawCalls")), "ratio"});
  // The models are drawn one call per part either way; the batching is in the quads.
  figures.push_back({"quad draw calls, one per quad / batched",
                     Ratio(runs.Counter("draw/stage-quad-by-quad", "quadDrawCalls"),
                           runs.Counter("draw/stage-whole", "quadDrawCalls")),
                     "ratio", Budget::AtLeast(5)});
  figures.push_back({"frame time, one per quad / batched",
                     Ratio(runs.CpuTime("draw/stage-quad-by-quad"), runs.CpuTime("draw/stage-whole")), "ratio"});
  return figures;
}
