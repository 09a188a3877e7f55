// vexhop-bench: measures the game against its budgets and prints one table
// (figure, median, unit, budget, ok/over) on standard output; progress goes
// to standard error.
//
//   vexhop-bench [--tree DIR] [--repetitions N] [--only GROUP,...] [--benchmark_...]
//
// GROUPs: logic, drawing, process, assets, music (all by default). DIR is a
// built runtime tree (the folder above bin/), the build's own by default.
// Options starting with --benchmark_ go to Google Benchmark (for instance
// --benchmark_filter=logic/stress to run one figure).

#include <benchmark/benchmark.h>

#include <cstring>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Groups.h"

namespace {

const std::set<std::string> kGroups = {"logic", "drawing", "process", "assets", "music"};

int Usage() {
  std::cerr << "usage: vexhop-bench [--tree DIR] [--repetitions N] [--only GROUP,...]\n"
               "groups: logic, drawing, process, assets, music\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--play-ten-stages") return PlayTenStages();
  std::set<std::string> groups = kGroups;
  std::vector<char*> benchmarkArgs{argv[0]};
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind("--benchmark_", 0) == 0) {  // passed on to Google Benchmark
      benchmarkArgs.push_back(argv[i]);
      continue;
    }
    if (i + 1 >= argc) return Usage();
    const std::string value = argv[++i];
    if (arg == "--tree") {
      Config().tree = value;
    } else if (arg == "--repetitions") {
      Config().repetitions = std::max(1, std::atoi(value.c_str()));
    } else if (arg == "--only") {
      groups.clear();
      std::istringstream list(value);
      for (std::string group; std::getline(list, group, ',');) {
        if (!kGroups.count(group)) return Usage();
        groups.insert(group);
      }
    } else {
      return Usage();
    }
  }

  if (groups.count("logic")) RegisterLogic();
  if (groups.count("drawing")) RegisterDrawing();
  if (groups.count("assets")) RegisterAssets();
  if (groups.count("music")) RegisterMusic();
  MedianRuns runs;
  int benchmarkArgc = static_cast<int>(benchmarkArgs.size());
  benchmark::Initialize(&benchmarkArgc, benchmarkArgs.data());
  if (groups.count("logic") || groups.count("drawing") || groups.count("assets") || groups.count("music"))
    benchmark::RunSpecifiedBenchmarks(&runs);

  std::vector<Figure> figures;
  auto add = [&figures](std::vector<Figure> more) { figures.insert(figures.end(), more.begin(), more.end()); };
  if (groups.count("logic")) add(LogicFigures(runs));
  if (groups.count("drawing")) add(DrawingFigures(runs));
  if (groups.count("assets")) add(AssetFigures(runs));
  if (groups.count("music")) add(MusicFigures(runs));
  if (groups.count("process")) add(ProcessFigures());
  PrintTable(std::cout, figures);
  benchmark::Shutdown();
  return 0;
}
