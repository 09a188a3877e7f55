#pragma once
// Tiny sound files made by the tests themselves, in a scratch folder that is
// removed again.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// A 16-bit mono 44.1 kHz sine tone.
void WriteToneWav(const std::string& path, double seconds, double amplitude);

// A Standard MIDI File with one organ note of half a second.
void WriteOneNoteMidi(const std::string& path);

// Square root of the summed squares: the level of everything a file holds,
// whatever silence surrounds it.
double Level(const std::vector<int16_t>& samples);

// The raw 16-bit samples of a file.
std::vector<int16_t> ReadSamples(const std::string& path);
