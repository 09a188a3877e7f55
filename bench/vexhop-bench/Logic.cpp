// Logic: one logic step (Move, then the frame drawn on the recording
// device) on the busiest shipped stage and on the stress stage.

#include "BenchSession.h"
#include "Groups.h"
#include "game/CZelGame.h"

namespace {

constexpr int kSteps = 3000;  // 50 seconds of play

int LiveTasks(CZelGame& game) {
  int live = 0;
  for (CTaskList* list : {game.PlayerList.get(), game.WallList.get(), game.HardWallList.get(), game.ItemList.get(),
                          game.EffectList.get(), game.EnemyList.get(), game.EventList.get(),
                          game.BackgroundList.get()})
    live += list->LiveCount();
  return live;
}

void LogicStep(benchmark::State& state, const BenchStage& stage) {
  BenchTree tree(Config().tree);
  tree.SetStage(1, stage.text);
  const std::unique_ptr<ReplayRun> run = OpenScene(tree, Scene::Stage, false);
  CZelGame& game = run->Game();
  const int tasksAtStart = LiveTasks(game);
  for (auto _ : state) {
    game.Move();
    game.RenderFrame();
  }
  state.counters["tasks"] = tasksAtStart;
}

}  // namespace

void RegisterLogic() {
  for (const auto& [name, stage] : {std::pair{"logic/busiest", &BusyStage()}, {"logic/stress", &FullPoolsStage()}}) {
    Repeated(benchmark::RegisterBenchmark(name, [stage = stage](benchmark::State& state) { LogicStep(state, *stage); }))
        ->Iterations(kSteps)
        ->Unit(benchmark::kMicrosecond);
  }
}

std::vector<Figure> LogicFigures(const MedianRuns& runs) {
  return {
      {"logic step, busiest stage (" + BusyStage().label + ")", runs.CpuTime("logic/busiest"), "µs/step", {},
       runs.Failure("logic/busiest")},
      {"logic step, stress stage", runs.CpuTime("logic/stress"), "µs/step", Budget::AtMost(20),
       runs.Failure("logic/stress")},
  };
}
