// The arranger that fills in the band around a melody. What the MIDI writer
// makes of it is read back in MusicFilesTest.

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "Arranger.h"
#include "Midi.h"

namespace {

using audiogen::MidiNote;
using audiogen::MidiSong;
using audiogen::Piece;
using audiogen::Role;

Piece TwoBars() {
  Piece p;
  p.file = "test.mid";
  p.bpm = 120;
  p.parts = {
      {.role = Role::Lead, .name = "Lead", .line = 0},
      {.role = Role::Chords, .name = "Chords", .low = 60, .grooves = {"x-x."}},
      {.role = Role::Bass, .name = "Bass", .low = 36, .grooves = {"1--a"}},
      {.role = Role::Drums, .name = "Drums", .grooves = {"36:x.x. 38:.x.x"}, .fills = {"38:xxxx"}},
  };
  p.sections = {{.name = "A", .chords = "C | G", .lines = {"c''1 | b'2 d''2"}, .crash = true}};
  p.form = {"A"};
  return p;
}

std::vector<MidiNote> Sorted(std::vector<MidiNote> notes) {
  std::sort(notes.begin(), notes.end(), [](const MidiNote& a, const MidiNote& b) {
    return a.start != b.start ? a.start < b.start : a.key < b.key;
  });
  return notes;
}

TEST(Arranger, PlaysTheMelodyAndFollowsThePatternsOverTheChords) {
  const MidiSong song = audiogen::Arrange(TwoBars());
  ASSERT_EQ(song.tracks.size(), 4u);
  EXPECT_EQ(song.length, 2 * 1920u);
  EXPECT_EQ(song.tracks[0].channel, 0);
  EXPECT_EQ(song.tracks[3].channel, 9);  // drums on the General MIDI drum channel

  const std::vector<MidiNote> lead = Sorted(song.tracks[0].notes);
  ASSERT_EQ(lead.size(), 3u);
  EXPECT_EQ(lead[0].key, 72);
  EXPECT_EQ(lead[2].start, 1920u + 960);

  // "x-x." strikes on beats 1 and 3; the second strike stops for the rest.
  const std::vector<MidiNote> chords = Sorted(song.tracks[1].notes);
  ASSERT_EQ(chords.size(), 12u);
  EXPECT_EQ(chords[0].start, 0u);
  EXPECT_EQ(chords[3].start, 960u);
  EXPECT_LE(chords[3].start + chords[3].length, 1440u);
  EXPECT_EQ(chords[6].start, 1920u);
  EXPECT_EQ(chords[6].key % 12, 2);  // G major voiced from D upwards, near the C chord before

  // "1--a": the root, then a semitone leading into the next chord's bass;
  // the last bar leads back to the first chord, where the piece loops.
  const std::vector<MidiNote> bass = Sorted(song.tracks[2].notes);
  ASSERT_EQ(bass.size(), 4u);
  EXPECT_EQ(bass[0].key, 36);
  EXPECT_EQ(bass[1].key, 42);  // F# below G
  EXPECT_EQ(bass[2].key, 43);
  EXPECT_EQ(bass[3].key, 37);  // C# above C, coming down from G

  // A crash opens the section; the last bar plays the fill instead.
  const std::vector<MidiNote> drums = Sorted(song.tracks[3].notes);
  EXPECT_EQ(drums[0].key, 36);
  EXPECT_EQ(std::count_if(drums.begin(), drums.end(), [](const MidiNote& n) { return n.key == 49; }), 1);
  EXPECT_EQ(std::count_if(drums.begin(), drums.end(), [](const MidiNote& n) { return n.start >= 1920; }), 4);
}

TEST(Arranger, ReportsWritingFaultsWithThePieceAndSection) {
  Piece shortLine = TwoBars(), oddPattern = TwoBars(), missing = TwoBars(), badChord = TwoBars();
  shortLine.sections[0].lines = {"c''1"};
  oddPattern.parts[1].grooves = {"x-x-x-x-x-x-x-x"};  // fifteen steps: one missing
  missing.form = {"A", "B"};
  badChord.sections[0].chords = "C | Gx";
  for (auto [piece, message] : {std::pair{&shortLine, "test.mid: section 'A'"}, {&oddPattern, "does not split a bar"},
                                {&missing, "no section 'B'"}, {&badChord, "unknown chord 'Gx'"}}) {
    try {
      audiogen::Arrange(*piece);
      ADD_FAILURE() << "no fault reported for " << message;
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
    }
  }
}

}  // namespace
