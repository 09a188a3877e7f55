#include "app/LaunchOptions.h"

const char* const kLaunchUsage =
    "usage: vexhop [--record FILE | --play FILE] [--scale N] [--help]\n"
    "  --record FILE  play as usual and write the input of every step to FILE\n"
    "  --play FILE    show a recorded run (any key ends it)\n"
    "  --scale N      a window N times 800 x 600, N from 1 to 4\n"
    "  --help         show this list\n";

namespace {

constexpr int kLargestScale = 4;

}  // namespace

std::optional<LaunchOptions> ParseLaunchOptions(const std::vector<std::string>& args, std::string& error) {
  LaunchOptions options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    const bool takesValue = option == "--record" || option == "--play" || option == "--scale";
    if (takesValue && i + 1 >= args.size()) {
      error = option + " needs a value";
      return std::nullopt;
    }
    if (option == "--record") {
      options.record = args[++i];
    } else if (option == "--play") {
      options.play = args[++i];
    } else if (option == "--scale") {
      const std::string& value = args[++i];
      if (value.size() != 1 || value[0] < '1' || value[0] > '0' + kLargestScale) {
        error = "--scale takes 1, 2, 3 or 4, not '" + value + "'";
        return std::nullopt;
      }
      options.scale = value[0] - '0';
    } else if (option == "--help") {
      options.help = true;
    } else {
      error = "unknown option '" + option + "'";
      return std::nullopt;
    }
  }
  if (!options.record.empty() && !options.play.empty()) {
    error = "--record and --play cannot be used together";
    return std::nullopt;
  }
  return options;
}
