#pragma once
// A Standard MIDI File read for playback: the channel and system-exclusive
// events of all tracks merged into one list in time order, with times in
// seconds (tempo changes applied), and the piece's end: the time of the last
// event of any track, which is normally its end-of-track mark. Music loops
// there, however long the last notes ring on.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct MidiEvent {
  double seconds = 0;
  uint8_t status = 0;  // a channel message (0x80-0xEF), or 0xF0 for system exclusive
  uint8_t data1 = 0;
  uint8_t data2 = 0;
  std::vector<uint8_t> sysex;  // the message between F0 and its closing F7

  bool IsNote() const { return (status & 0xE0) == 0x80; }  // note off or on
};

struct MidiPiece {
  std::vector<MidiEvent> events;  // by time; at one time, in track and file order
  double endSeconds = 0;
};

// Null when the bytes do not start with a MIDI header. A track cut short ends
// where its data ends.
std::optional<MidiPiece> ParseMidi(std::span<const uint8_t> bytes);
// Null as well when the file cannot be read.
std::optional<MidiPiece> ReadMidiFile(const std::string& path);
