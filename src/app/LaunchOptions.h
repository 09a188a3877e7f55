#pragma once
// The game's command line:
//
//   vexhop [--record FILE | --play FILE] [--scale N] [--help]

#include <optional>
#include <string>
#include <vector>

struct LaunchOptions {
  std::string record;  // write every step's input here
  std::string play;    // show the run recorded here
  int scale = 0;       // window scale 1 to 4; 0 leaves it to the settings file
  bool help = false;
};

// The options, or nothing with `error` set to a one-line message.
std::optional<LaunchOptions> ParseLaunchOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const kLaunchUsage;
