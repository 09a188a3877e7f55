#pragma once
// MSZIP, the compression of the "tzip" and "bzip" X-file encodings.

#include <cstdint>
#include <span>
#include <vector>

#include "gfx/XFileError.h"

// Inflates the part of a compressed X file that follows its 16-byte header:
// a 32-bit total size (inflated data + 16), then blocks of 16-bit inflated
// size, 16-bit compressed size, "CK" and a raw deflate stream. Each block
// continues the previous one: its dictionary is the output so far. Refuses
// sizes that do not match what the blocks hold.
std::vector<uint8_t> InflateMsZip(std::span<const uint8_t> data, const XSource& source);
