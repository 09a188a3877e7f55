#include "ReplayOptions.h"

#include <charconv>

const char* const kReplayUsage =
    "usage: vexhop-replay --root DIR [--title | --stage N [--easy] [--life L] [--score S]]\n"
    "                     [--input FILE ...] [--steps N] [--until clear|miss|gameover|title]\n"
    "                     [--trace FILE] [--summary] [--shot STEP:FILE.png ...]\n";

namespace {

bool ParseInt(const std::string& text, int& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return !text.empty() && ec == std::errc() && ptr == end;
}

std::optional<Until> ParseUntil(const std::string& text) {
  if (text == "clear") return Until::Clear;
  if (text == "miss") return Until::Miss;
  if (text == "gameover") return Until::GameOver;
  if (text == "title") return Until::Title;
  return std::nullopt;
}

std::optional<Shot> ParseShot(const std::string& text) {
  const size_t colon = text.find(':');
  Shot shot{0, colon == std::string::npos ? "" : text.substr(colon + 1)};
  if (colon == std::string::npos || !ParseInt(text.substr(0, colon), shot.step) || shot.step < 1 ||
      shot.file.empty()) {
    return std::nullopt;
  }
  return shot;
}

// Walks the arguments; each option takes what follows it.
class Parser {
 public:
  explicit Parser(const std::vector<std::string>& args) : args_(args) {}

  std::optional<ReplayOptions> Run(std::string& error) {
    bool stageGiven = false;
    while (i_ < args_.size() && error_.empty()) {
      const std::string option = args_[i_++];
      if (option == "--root") {
        options_.root = Value(option);
      } else if (option == "--title") {
        options_.title = true;
      } else if (option == "--stage") {
        options_.stage = Number(option);
        stageGiven = true;
      } else if (option == "--easy") {
        options_.easy = true;
      } else if (option == "--life") {
        options_.life = Number(option);
      } else if (option == "--score") {
        options_.score = Number(option);
      } else if (option == "--input") {
        do options_.inputs.push_back(Value(option));
        while (MoreValues());
      } else if (option == "--steps") {
        options_.steps = Number(option);
        if (error_.empty() && *options_.steps < 0) error_ = "--steps needs a count of 0 or more";
      } else if (option == "--until") {
        TakeUntil();
      } else if (option == "--trace") {
        options_.trace = Value(option);
      } else if (option == "--summary") {
        options_.summary = true;
      } else if (option == "--shot") {
        do TakeShot();
        while (MoreValues() && error_.empty());
      } else {
        error_ = "unknown option '" + option + "'";
      }
    }
    if (error_.empty() && options_.root.empty()) error_ = "--root DIR is required";
    if (error_.empty() && options_.title && (stageGiven || options_.easy || options_.life || options_.score)) {
      error_ = "--title cannot be combined with --stage, --easy, --life or --score";
    }
    error = error_;
    return error_.empty() ? std::optional(options_) : std::nullopt;
  }

 private:
  bool MoreValues() const { return i_ < args_.size() && args_[i_].rfind("--", 0) != 0; }

  std::string Value(const std::string& option) {
    if (i_ < args_.size()) return args_[i_++];
    if (error_.empty()) error_ = option + " needs a value";
    return {};
  }

  int Number(const std::string& option) {
    const std::string text = Value(option);
    int value = 0;
    if (error_.empty() && !ParseInt(text, value)) error_ = option + " needs a whole number, not '" + text + "'";
    return value;
  }

  void TakeUntil() {
    const std::string text = Value("--until");
    const std::optional<Until> until = ParseUntil(text);
    if (until) {
      options_.until = *until;
    } else if (error_.empty()) {
      error_ = "--until takes clear, miss, gameover or title, not '" + text + "'";
    }
  }

  void TakeShot() {
    const std::string text = Value("--shot");
    const std::optional<Shot> shot = ParseShot(text);
    if (shot) {
      options_.shots.push_back(*shot);
    } else if (error_.empty()) {
      error_ = "--shot takes STEP:FILE.png with STEP from 1, not '" + text + "'";
    }
  }

  const std::vector<std::string>& args_;
  size_t i_ = 0;
  ReplayOptions options_;
  std::string error_;
};

}  // namespace

std::optional<ReplayOptions> ParseReplayOptions(const std::vector<std::string>& args, std::string& error) {
  return Parser(args).Run(error);
}
