#include "Midi.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cmath>
#include <tuple>

namespace audiogen {
namespace {

struct Event {
  uint32_t tick;
  int order;  // at one tick: set-up first, then note-offs, then note-ons
  std::vector<uint8_t> bytes;
};

void PutBe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void PutVarLen(std::vector<uint8_t>& out, uint32_t value) {
  uint8_t groups[5];
  int count = 0;
  do {
    groups[count++] = value & 0x7F;
    value >>= 7;
  } while (value > 0);
  while (count > 1) out.push_back(static_cast<uint8_t>(groups[--count] | 0x80));
  out.push_back(groups[0]);
}

std::vector<uint8_t> MetaText(uint8_t type, const std::string& text) {
  std::vector<uint8_t> bytes{0xFF, type};
  PutVarLen(bytes, static_cast<uint32_t>(text.size()));
  bytes.insert(bytes.end(), text.begin(), text.end());
  return bytes;
}

std::vector<uint8_t> Chunk(const char* tag, const std::vector<uint8_t>& body) {
  std::vector<uint8_t> out;
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(tag[i]));
  PutBe(out, static_cast<uint32_t>(body.size()), 4);
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

// Sorts the events, writes them with delta times and closes the track with
// its end-of-track event at `end`.
std::vector<uint8_t> TrackChunk(std::vector<Event> events, uint32_t end) {
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return std::tie(a.tick, a.order) < std::tie(b.tick, b.order);
  });
  std::vector<uint8_t> body;
  uint32_t now = 0;
  for (const Event& e : events) {
    PutVarLen(body, e.tick - now);
    now = e.tick;
    body.insert(body.end(), e.bytes.begin(), e.bytes.end());
  }
  PutVarLen(body, end - now);
  body.insert(body.end(), {0xFF, 0x2F, 0x00});
  return Chunk("MTrk", body);
}

std::vector<Event> ConductorEvents(const MidiSong& song) {
  const uint32_t microsPerQuarter = static_cast<uint32_t>(std::lround(60'000'000.0 / song.bpm));
  std::vector<uint8_t> tempo{0xFF, 0x51, 0x03};
  PutBe(tempo, microsPerQuarter, 3);
  const uint8_t beats = static_cast<uint8_t>(song.beatsPerBar);
  return {{0, 0, MetaText(0x03, song.title)},
          {0, 0, {0xFF, 0x58, 0x04, beats, 2, 24, 8}},
          {0, 0, tempo}};
}

// Every note of the track, cut so that none overlaps the next of its key or
// runs past the end.
std::vector<MidiNote> PlayableNotes(std::vector<MidiNote> notes, uint32_t end) {
  std::stable_sort(notes.begin(), notes.end(),
                   [](const MidiNote& a, const MidiNote& b) { return a.start < b.start; });
  std::vector<MidiNote> kept;
  std::array<size_t, 128> latest;  // index in `kept` of each key's latest note
  latest.fill(SIZE_MAX);
  for (MidiNote note : notes) {
    if (note.start >= end || note.length == 0 || note.key > 127) continue;
    note.length = std::min(note.length, end - note.start);
    if (latest[note.key] != SIZE_MAX) {
      MidiNote& earlier = kept[latest[note.key]];
      earlier.length = std::min(earlier.length, note.start - earlier.start);
    }
    latest[note.key] = kept.size();
    kept.push_back(note);
  }
  std::erase_if(kept, [](const MidiNote& n) { return n.length == 0; });
  return kept;
}

std::vector<Event> InstrumentEvents(const MidiTrack& track, uint32_t end) {
  const uint8_t ch = track.channel;
  const auto control = [ch](uint8_t number, uint8_t value) {
    return Event{0, 0, {static_cast<uint8_t>(0xB0 | ch), number, value}};
  };
  std::vector<Event> events{{0, 0, MetaText(0x03, track.name)},
                            control(121, 0),  // reset controllers
                            {0, 0, {static_cast<uint8_t>(0xC0 | ch), track.program}},
                            control(7, track.volume),
                            control(10, track.pan),
                            control(91, track.reverb),
                            control(93, track.chorus)};
  for (const MidiNote& n : PlayableNotes(track.notes, end)) {
    events.push_back({n.start, 2, {static_cast<uint8_t>(0x90 | ch), n.key, n.velocity}});
    events.push_back({n.start + n.length, 1, {static_cast<uint8_t>(0x80 | ch), n.key, 64}});
  }
  return events;
}

}  // namespace

std::vector<uint8_t> EncodeMidi(const MidiSong& song) {
  std::vector<uint8_t> header;
  PutBe(header, 1, 2);  // format 1: a conductor track and one track per part
  PutBe(header, static_cast<uint32_t>(song.tracks.size() + 1), 2);
  PutBe(header, song.ticksPerQuarter, 2);
  std::vector<uint8_t> out = Chunk("MThd", header);
  const auto append = [&out](const std::vector<uint8_t>& chunk) {
    out.insert(out.end(), chunk.begin(), chunk.end());
  };
  append(TrackChunk(ConductorEvents(song), song.length));
  for (const MidiTrack& track : song.tracks) append(TrackChunk(InstrumentEvents(track, song.length), song.length));
  return out;
}

}  // namespace audiogen
