#pragma once
// A piece is written as sections (chords per bar plus melody lines) and a
// band of parts. Melodies are played as written; the harmony, arpeggio and
// bass parts follow one-bar step patterns over each section's chords; drums
// follow per-instrument step patterns. Arrange() turns it into a MIDI song.
//
// Step patterns: one character per step, the bar divided evenly among them.
//   chords, arpeggio: 'X' 'x' 'o' 'g' strike (loud to ghost), '-' hold, '.' rest
//   bass: '1' '3' '5' '7' '8' chord degree, 'a' approach the next chord's
//         bass by a semitone, '-' hold, '.' rest
//   drums: "KEY:steps KEY:steps ..." with 'X' 'x' 'o' 'g' hits and '.' rests

#include <string>
#include <vector>

#include "Midi.h"

namespace audiogen {

enum class Role { Lead, Chords, Arpeggio, Bass, Drums };

struct Part {
  Role role = Role::Lead;
  std::string name;
  int program = 0;  // General MIDI, 0-based
  int volume = 100;
  int pan = 64;
  int reverb = 40;
  int chorus = 0;
  int line = 0;       // lead: which melody line of the sections it plays
  int transpose = 0;  // lead: semitones
  double gate = 0.92;  // lead: sounding fraction of each written note
  int low = 55;        // chords, arpeggio, bass: lowest key of the voicing
  bool power = false;  // chords: root, fifth and octave only (distorted guitar)
  int strum = 0;       // chords: ticks between successive tones, low to high
  int velocity = 96;   // lead, bass: base velocity
  std::vector<std::string> grooves = {};  // one pattern per groove; "" is silent
  std::vector<std::string> fills = {};    // drums: the last bar of a section, per groove
};

struct Section {
  std::string name;
  std::string chords = {};         // bars split by '|', chords in a bar by spaces
  std::vector<std::string> lines = {};  // melody lines; "" or missing is silent
  int groove = 0;
  bool crash = false;  // a crash cymbal marks the section's first beat
};

struct Piece {
  std::string file;
  std::string title;
  double bpm = 120;
  int beatsPerBar = 4;
  std::vector<Part> parts;
  std::vector<Section> sections;
  std::vector<std::string> form;  // section names in playing order
};

// Throws std::runtime_error naming the piece and section of a writing fault.
MidiSong Arrange(const Piece& piece);

}  // namespace audiogen
