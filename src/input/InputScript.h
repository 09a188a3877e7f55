#pragma once
// Replay input files: one instruction per line, `COUNT KEYS` holding KEYS on
// pad 0 for COUNT logic steps. KEYS is `-` for nothing, or `+`-joined tokens:
// U, D, L (screen-left), R (screen-right) and physical buttons 0 to 32. `#`
// starts a comment; blank lines are ignored.

#include <optional>
#include <string>
#include <vector>

#include "input/PadHold.h"

struct ScriptEntry {
  int steps;
  PadHold hold;
};

struct InputScript {
  std::vector<ScriptEntry> entries;
  int TotalSteps() const;
};

// The script, or nothing with `error` set to "FILE:LINE: what is wrong" (or
// "FILE: cannot be read").
std::optional<InputScript> ReadInputScript(const std::string& path, std::string& error);
std::optional<InputScript> ParseInputScript(const std::string& text, const std::string& name, std::string& error);

// The keys of one hold in the file's notation.
std::string KeysText(const PadHold& hold);
