#include "BenchSession.h"

#include <stdexcept>

#include "MedianRuns.h"

namespace {

// Ready banner (151 steps) and a few steps of play.
constexpr int kStageSteps = 160;
constexpr int kTitleSteps = 10;
// Up to the option row, decide, then the 60-step fade.
constexpr const char* kToOption = "1 U\n1 -\n1 2\n";
constexpr int kOptionSteps = 100;

}  // namespace

std::unique_ptr<ReplayRun> OpenScene(const BenchTree& tree, Scene scene, bool withGl) {
  ReplayOptions options;
  options.root = tree.Root();
  options.title = scene != Scene::Stage;
  options.stage = 1;
  options.life = 99;  // a miss restarts the stage instead of ending the game
  if (withGl) options.shots.push_back({0, ""});  // a shot asks for the GL device
  std::vector<InputScript> scripts;
  if (scene == Scene::Option) {
    std::string error;
    std::optional<InputScript> script = ParseInputScript(kToOption, "option", error);
    if (!script) throw std::logic_error(error);
    scripts.push_back(*script);
  }
  auto run = std::make_unique<ReplayRun>(options, std::move(scripts));
  const int steps = scene == Scene::Stage ? kStageSteps : scene == Scene::Title ? kTitleSteps : kOptionSteps;
  for (int i = 0; i < steps; ++i) run->Step();
  return run;
}

const BenchStage& BusyStage() {
  static const BenchStage stage = BusiestStage(Config().tree);
  return stage;
}

const BenchStage& FullPoolsStage() {
  static const BenchStage stage = StressStage();
  return stage;
}
