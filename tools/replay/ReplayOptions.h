#pragma once
// The command line of vexhop-replay:
//
//   vexhop-replay --root DIR [--title | --stage N [--easy] [--life L] [--score S]]
//                 [--input FILE ...] [--steps N] [--until clear|miss|gameover|title]
//                 [--trace FILE] [--summary] [--shot STEP:FILE.png ...]
//
// Several input files play one after another: each next one starts with the
// first step after a new stage has been loaded.

#include <optional>
#include <string>
#include <vector>

enum class Until { Never, Clear, Miss, GameOver, Title };

struct Shot {
  int step;
  std::string file;
};

struct ReplayOptions {
  std::string root;
  bool title = false;
  int stage = 1;
  bool easy = false;
  std::optional<int> life;
  std::optional<int> score;
  std::vector<std::string> inputs;
  std::optional<int> steps;
  Until until = Until::Never;
  std::string trace;
  bool summary = false;
  std::vector<Shot> shots;
};

// The options, or nothing with `error` set to a one-line message.
std::optional<ReplayOptions> ParseReplayOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const kReplayUsage;
