#pragma once
// X files read and parsed on a thread of their own, so that the game's
// models are ready by the time it loads them instead of being parsed one
// after the other on the way to the first picture.

#include <optional>
#include <string>
#include <vector>

#include "gfx/XScene.h"

// Starts reading and parsing the files, in order.
void PrefetchXFiles(const std::vector<std::string>& paths);

// The parsed file: the prefetched one, once (waited for if not ready yet; a
// file that failed throws its XFileError here), or else read now.
XScene LoadXFile(const std::string& path);
