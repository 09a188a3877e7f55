#pragma once
// The number-line files (configuration, high score, save): lines of decimal
// integers separated by single blanks. Anything missing reads as 0; files are
// rewritten whole.

#include <initializer_list>
#include <string>
#include <vector>

#include "util/TextFile.h"

// The first `count` numbers of line `line`; missing ones are 0.
std::vector<int> ReadNumberLine(const CTextFile& file, int line, int count);

// Rewrites the file at `path` with one line per list of numbers.
bool WriteNumberLines(const std::string& path, std::initializer_list<std::vector<int>> lines);
