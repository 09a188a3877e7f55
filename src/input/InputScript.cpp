#include "input/InputScript.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace {

constexpr int kButtons = 33;

bool ParseInt(const std::string& text, int& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end;
}

// One `+`-separated token into `hold`; false when it names nothing.
bool AddKey(const std::string& token, PadHold& hold) {
  if (token == "U") return hold.up = true;
  if (token == "D") return hold.down = true;
  if (token == "L") return hold.left = true;
  if (token == "R") return hold.right = true;
  int button = -1;
  if (!ParseInt(token, button) || button < 0 || button >= kButtons) return false;
  hold.buttons.set(static_cast<size_t>(button));
  return true;
}

std::optional<PadHold> ParseKeys(const std::string& keys, std::string& problem) {
  PadHold hold;
  if (keys == "-") return hold;
  std::istringstream tokens(keys);
  std::string token;
  while (std::getline(tokens, token, '+')) {
    if (!AddKey(token, hold)) {
      problem = "unknown key '" + token + "' (use U, D, L, R, 0 to 32, joined by +, or -)";
      return std::nullopt;
    }
  }
  if (keys.empty() || keys.back() == '+') {
    problem = "empty key in '" + keys + "'";
    return std::nullopt;
  }
  return hold;
}

std::optional<ScriptEntry> ParseLine(const std::string& line, std::string& problem) {
  std::istringstream words(line);
  std::string count, keys, extra;
  words >> count >> keys >> extra;
  ScriptEntry entry{};
  if (!ParseInt(count, entry.steps) || entry.steps < 1) {
    problem = "step count '" + count + "' is not a whole number of at least 1";
    return std::nullopt;
  }
  if (keys.empty() || !extra.empty()) {
    problem = "expected COUNT KEYS";
    return std::nullopt;
  }
  const std::optional<PadHold> hold = ParseKeys(keys, problem);
  if (!hold) return std::nullopt;
  entry.hold = *hold;
  return entry;
}

}  // namespace

int InputScript::TotalSteps() const {
  int total = 0;
  for (const ScriptEntry& entry : entries) total += entry.steps;
  return total;
}

std::optional<InputScript> ParseInputScript(const std::string& text, const std::string& name, std::string& error) {
  InputScript script;
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    line = line.substr(0, line.find('#'));
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    std::string problem;
    const std::optional<ScriptEntry> entry = ParseLine(line, problem);
    if (!entry) {
      error = name + ":" + std::to_string(number) + ": " + problem;
      return std::nullopt;
    }
    script.entries.push_back(*entry);
  }
  return script;
}

std::optional<InputScript> ReadInputScript(const std::string& path, std::string& error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = path + ": cannot be read";
    return std::nullopt;
  }
  std::ostringstream text;
  text << file.rdbuf();
  return ParseInputScript(text.str(), path, error);
}

std::string KeysText(const PadHold& hold) {
  std::string text;
  const auto add = [&text](const std::string& token) { text += (text.empty() ? "" : "+") + token; };
  if (hold.up) add("U");
  if (hold.down) add("D");
  if (hold.left) add("L");
  if (hold.right) add("R");
  for (size_t b = 0; b < hold.buttons.size(); ++b) {
    if (hold.buttons[b]) add(std::to_string(b));
  }
  return text.empty() ? "-" : text;
}
