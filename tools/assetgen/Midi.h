#pragma once
// Standard MIDI File (format 1) writer for the generated music.

#include <cstdint>
#include <string>
#include <vector>

namespace audiogen {

struct MidiNote {
  uint32_t start = 0;   // ticks
  uint32_t length = 0;  // ticks
  uint8_t key = 60;
  uint8_t velocity = 100;
};

struct MidiTrack {
  std::string name;
  uint8_t channel = 0;  // 0-based; 9 is the General MIDI drum channel
  uint8_t program = 0;  // General MIDI program, 0-based
  uint8_t volume = 100;
  uint8_t pan = 64;
  uint8_t reverb = 40;
  uint8_t chorus = 0;
  std::vector<MidiNote> notes;
};

struct MidiSong {
  std::string title;
  uint16_t ticksPerQuarter = 480;
  double bpm = 120;
  int beatsPerBar = 4;
  uint32_t length = 0;  // ticks; the file ends exactly here, on a bar line
  std::vector<MidiTrack> tracks;
};

// Notes are cut at the song's end, and a note of a key still sounding when the
// same key starts again on its channel is ended first, so every note-on has
// its own note-off and nothing sounds past the end of a track.
std::vector<uint8_t> EncodeMidi(const MidiSong& song);

}  // namespace audiogen
