#pragma once
// Byte-level writers for the audio assets: WAV files for the effects and the
// file output shared by both audio generators.

#include <cstdint>
#include <string>
#include <vector>

namespace audiogen {

// 16-bit PCM, mono, little-endian RIFF.
std::vector<uint8_t> EncodeWav(const std::vector<int16_t>& samples, int sampleRate);

// Writes the file, creating its folder; throws with the path on failure.
void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace audiogen
