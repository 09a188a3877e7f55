#include "audio/MidiFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Chunk(const char* tag, const Bytes& body) {
  Bytes out(tag, tag + 4);
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(body.size() >> shift));
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

Bytes File(uint16_t format, uint16_t division, const std::vector<Bytes>& chunks) {
  Bytes out = Chunk("MThd", {0, uint8_t(format), 0, uint8_t(chunks.size()), uint8_t(division >> 8), uint8_t(division)});
  for (const Bytes& c : chunks) out.insert(out.end(), c.begin(), c.end());
  return out;
}

double Time(const MidiPiece& piece, size_t i) { return piece.events.at(i).seconds; }

TEST(MidiFile, TracksMergeInTimeAndFollowTheTempoMap) {
  // Conductor: 120 beats a minute, then 60 from beat 1. Tick 480 = 0.5 s,
  // 960 = 1.5 s, 1440 = 2.5 s.
  const Bytes conductor = Chunk("MTrk", {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,
                                         0x83, 0x60, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40,
                                         0x00, 0xFF, 0x2F, 0x00});
  const Bytes melody = Chunk("MTrk", {0x00, 0xFF, 0x03, 0x01, 'm',     // a name: not played
                                      0x00, 0xC1, 19,                   // program
                                      0x83, 0x60, 0x91, 60, 100,        // on at 480
                                      0x83, 0x60, 62, 90,               // running status: on at 960
                                      0x00, 0x81, 60, 0,                // off
                                      0x83, 0x60, 0xFF, 0x2F, 0x00});   // end at 1440
  const Bytes bass = Chunk("MTrk", {0x87, 0x40, 0xE2, 0x00, 0x40,       // pitch bend at 960
                                    0x00, 0xFF, 0x2F, 0x00});
  const Bytes other = Chunk("XFIH", {1, 2, 3});                        // unknown chunks are skipped
  const auto piece = ParseMidi(File(1, 480, {conductor, other, melody, bass}));
  ASSERT_TRUE(piece);
  ASSERT_EQ(piece->events.size(), 5u);
  EXPECT_EQ(piece->events[0].status, 0xC1);
  EXPECT_DOUBLE_EQ(Time(*piece, 0), 0.0);
  EXPECT_EQ(piece->events[1].data1, 60);
  EXPECT_DOUBLE_EQ(Time(*piece, 1), 0.5);
  // At 960: the melody's two events in file order, then the bass track's.
  EXPECT_EQ(piece->events[2].status, 0x91);
  EXPECT_EQ(piece->events[2].data1, 62);
  EXPECT_EQ(piece->events[2].data2, 90);
  EXPECT_EQ(piece->events[3].status, 0x81);
  EXPECT_EQ(piece->events[4].status, 0xE2);
  EXPECT_EQ(piece->events[4].data2, 0x40);
  for (size_t i = 2; i < 5; ++i) EXPECT_DOUBLE_EQ(Time(*piece, i), 1.5);
  EXPECT_DOUBLE_EQ(piece->endSeconds, 2.5) << "the latest end-of-track of all tracks";
}

TEST(MidiFile, SystemExclusiveAndFrameTimedFiles) {
  // 25 frames a second of 40 ticks: a millisecond per tick, tempo ignored.
  const uint16_t smpte = static_cast<uint16_t>((256 - 25) << 8 | 40);
  const Bytes track = Chunk("MTrk", {0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40,
                                     0x0A, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7,  // General MIDI on
                                     0x81, 0x00, 0x99, 36, 127,                     // drum at 138 ms
                                     0x00, 0xFF, 0x2F, 0x00});
  const auto piece = ParseMidi(File(0, smpte, {track}));
  ASSERT_TRUE(piece);
  ASSERT_EQ(piece->events.size(), 2u);
  EXPECT_EQ(piece->events[0].status, 0xF0);
  EXPECT_EQ(piece->events[0].sysex, (std::vector<uint8_t>{0x7E, 0x7F, 0x09, 0x01}));
  EXPECT_DOUBLE_EQ(Time(*piece, 0), 0.010);
  EXPECT_DOUBLE_EQ(Time(*piece, 1), 0.138);
  EXPECT_DOUBLE_EQ(piece->endSeconds, 0.138);
}

TEST(MidiFile, DamagedFiles) {
  EXPECT_FALSE(ParseMidi(Bytes{}));
  EXPECT_FALSE(ParseMidi(Chunk("RIFF", {0, 0, 0, 0, 0, 0})));
  EXPECT_FALSE(ReadMidiFile("/no/such/piece.mid"));

  // Cut inside the second note, with no end-of-track: the first note is kept
  // and the piece ends with it.
  const Bytes cut = Chunk("MTrk", {0x00, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0, 0x83, 0x60, 0x90});
  auto piece = ParseMidi(File(0, 480, {cut}));
  ASSERT_TRUE(piece);
  ASSERT_EQ(piece->events.size(), 2u);
  EXPECT_DOUBLE_EQ(piece->endSeconds, 0.5);

  // Data bytes with no status to run on end the track.
  piece = ParseMidi(File(0, 480, {Chunk("MTrk", {0x00, 60, 100, 0x00, 0x90, 60, 100})}));
  ASSERT_TRUE(piece);
  EXPECT_TRUE(piece->events.empty());
  // A header claiming more tracks than the file holds.
  piece = ParseMidi(File(1, 480, {}));
  ASSERT_TRUE(piece);
  EXPECT_DOUBLE_EQ(piece->endSeconds, 0.0);
}

}  // namespace
