// Process figures, taken from the game running in a real window on a
// private Xvfb display (no vsync there), with its music playing to a silent
// output device in real time:
// - start-up: from the moment bin/vexhop is started to the first picture of
//   the title in its window;
// - resident memory of bin/vexhop at the title, and CPU it uses showing the
//   still title for 10 s, as a share of one core;
// - resident memory after ten stages: this program, copied into a runtime
//   tree, plays the same session through ten stages in a window (see
//   PlayTenStages.cpp).

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "BenchSession.h"
#include "GameProcess.h"
#include "Groups.h"

namespace {

using namespace std::chrono_literals;

constexpr int kLaunches = 5;
constexpr int kIdleRuns = 3;
constexpr int kTenStageRuns = 3;
constexpr auto kIdleTime = 10s;
constexpr auto kSettle = 2s;  // after the title appears, before counting

struct Launch {
  double startupMs = NAN, residentMb = NAN, idleShare = NAN;
};

Launch LaunchGame(const XvfbServer& xvfb, bool idle) {
  WindowGone(xvfb.Name(), "Vexhop(Q)", 10s);  // the last run's
  const std::string tree = Config().tree;
  Child game(tree + "/bin/vexhop", {}, tree, xvfb.Name());
  Launch launch;
  const auto shown = FirstPictureShown(xvfb.Name(), "Vexhop(Q)", 30s);
  if (!shown) return launch;
  launch.startupMs = std::chrono::duration<double, std::milli>(*shown - game.Started()).count();
  std::this_thread::sleep_for(kSettle);
  launch.residentMb = game.ResidentMb();
  if (idle) {
    const double before = game.CpuSeconds();
    std::this_thread::sleep_for(kIdleTime);
    launch.idleShare = 100 * (game.CpuSeconds() - before) / std::chrono::duration<double>(kIdleTime).count();
  }
  return launch;
}

// Only the first launches sit idle for the count; the others say nothing of it.
void LogLaunch(int number, const Launch& launch) {
  if (std::isnan(launch.startupMs)) {
    std::fprintf(stderr, "game launch %d: no title shown\n", number);
    return;
  }
  std::fprintf(stderr, "game launch %d: title after %.0f ms, %.1f MB resident", number, launch.startupMs,
               launch.residentMb);
  if (!std::isnan(launch.idleShare)) std::fprintf(stderr, ", %.1f %% of a core idle", launch.idleShare);
  std::fprintf(stderr, "\n");
}

// The stages played: the shipped stages 1 to 10, or the busy stage in each
// of their places when none ship.
double ResidentAfterTenStages(const XvfbServer& xvfb) {
  namespace fs = std::filesystem;
  BenchTree tree(Config().tree);
  tree.CopyShippedStages(Config().tree);
  for (int n = 1; n <= 10; ++n) {
    if (!fs::exists(tree.Root() + "/stage/stage" + std::to_string(n) + ".dat")) tree.SetStage(n, BusyStage().text);
  }
  const std::string program = tree.Root() + "/bin/vexhop-bench";
  fs::copy_file(fs::read_symlink("/proc/self/exe"), program);
  Child player(program, {"--play-ten-stages"}, tree.Root(), xvfb.Name());
  const std::string output = player.WaitForOutput();
  return output.empty() ? NAN : std::stod(output);
}

}  // namespace

std::vector<Figure> ProcessFigures() {
  std::vector<Figure> figures = {
      {"start-up to the title", NAN, "ms", Budget::AtMost(500)},
      {"resident memory at the title", NAN, "MB", Budget::AtMost(150)},
      {"resident memory after ten stages", NAN, "MB", Budget::AtMost(150)},
      {"idle CPU, still title, 10 s", NAN, "% of a core", Budget::AtMost(15)},
  };
  XvfbServer xvfb;
  if (xvfb.Name().empty()) {
    for (Figure& f : figures) f.note = "no Xvfb";
    return figures;
  }
  std::vector<double> startup, resident, idle;
  for (int i = 0; i < kLaunches; ++i) {
    const Launch launch = LaunchGame(xvfb, i < kIdleRuns);
    LogLaunch(i + 1, launch);
    startup.push_back(launch.startupMs);
    resident.push_back(launch.residentMb);
    if (i < kIdleRuns) idle.push_back(launch.idleShare);
  }
  figures[0].value = Median(startup);
  figures[1].value = Median(resident);
  std::vector<double> afterTenStages;
  for (int i = 0; i < kTenStageRuns; ++i) {
    afterTenStages.push_back(ResidentAfterTenStages(xvfb));
    std::fprintf(stderr, "ten stages %d: %.1f MB resident\n", i + 1, afterTenStages.back());
  }
  figures[2].value = Median(afterTenStages);
  figures[3].value = Median(idle);
  for (Figure& f : figures)
    if (std::isnan(f.value)) f.note = "the game did not show its title";
  return figures;
}
