#pragma once
// Independent readers for the generated audio files: they check the file
// formats as a player would read them and report what they found.

#include <cstdint>
#include <string>
#include <vector>

namespace audiocheck {

std::vector<uint8_t> ReadFile(const std::string& path);

struct Wave {
  int format = 0;  // 1 = PCM
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  std::vector<int16_t> samples;  // interleaved
};

// Throws std::runtime_error describing the first fault in the file.
Wave ParseWave(const std::vector<uint8_t>& bytes);

struct MidiSummary {
  int format = 0;
  int ticksPerQuarter = 0;
  int beatsPerBar = 4;             // from the time signature, 4 when there is none
  uint32_t endTick = 0;            // the latest end of track
  double seconds = 0;              // endTick through the tempo map
  std::vector<int> notesPerChannel = std::vector<int>(16, 0);
  std::vector<double> meanKeyPerChannel = std::vector<double>(16, 0.0);
  std::vector<int> programPerChannel = std::vector<int>(16, -1);
  std::vector<std::string> faults;  // notes left sounding, double note-ons, ...
};

// Throws std::runtime_error when the file cannot be parsed at all; playing
// faults that a parser survives are listed in `faults`.
MidiSummary ParseMidi(const std::vector<uint8_t>& bytes);

}  // namespace audiocheck
