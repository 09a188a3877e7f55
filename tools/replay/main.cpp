// vexhop-replay: runs the real game headless from a runtime tree, fed by
// input scripts, and reports every step (see ReplayOptions.h for the command
// line). Exit status 0 for a completed run, 2 for bad arguments or an
// unreadable input file.

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

#include "ReplayRun.h"
#include "game/CZelGame.h"

namespace {

constexpr int kBadArguments = 2;

int Fail(const std::string& message) {
  std::cerr << "vexhop-replay: " << message << "\n";
  return kBadArguments;
}

// Output paths are taken from where the tool was started, before it moves
// into the runtime tree.
void MakeOutputsAbsolute(ReplayOptions& options) {
  if (!options.trace.empty()) options.trace = std::filesystem::absolute(options.trace).string();
  for (Shot& shot : options.shots) shot.file = std::filesystem::absolute(shot.file).string();
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  std::optional<ReplayOptions> options = ParseReplayOptions({argv + 1, argv + argc}, error);
  if (!options) {
    std::cerr << kReplayUsage;
    return Fail(error);
  }
  std::vector<InputScript> scripts;
  for (const std::string& path : options->inputs) {
    std::optional<InputScript> script = ReadInputScript(path, error);
    if (!script) return Fail(error);
    scripts.push_back(std::move(*script));
  }
  if (!std::filesystem::is_directory(std::filesystem::path(options->root) / "bin")) {
    return Fail(options->root + ": not a runtime tree (no bin folder)");
  }
  MakeOutputsAbsolute(*options);
  options->root = std::filesystem::absolute(options->root).string();
  std::ofstream trace;
  if (!options->trace.empty()) {
    trace.open(options->trace, std::ios::binary | std::ios::trunc);
    if (!trace) return Fail(options->trace + ": cannot be written");
  }
  // The game reads its two settings files from the current directory.
  if (chdir(options->root.c_str()) != 0) return Fail(options->root + ": cannot be entered");

  ReplayRun run(*options, std::move(scripts));
  while (!run.Done()) {
    const StepTrace& step = run.Step();
    if (trace.is_open()) trace << ToJson(step) << '\n';
    for (const Shot& shot : options->shots) {
      if (shot.step == step.step && !run.SaveShot(shot.file)) std::cerr << "vexhop-replay: " << shot.file << ": cannot be written\n";
    }
  }
  if (options->summary) std::cout << ToJson(run.Last()) << std::endl;
  return 0;
}
