// The notation the pieces are written in, and the chord symbols under them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "Harmony.h"
#include "Notation.h"

namespace {

using audiogen::Melody;
using audiogen::ParseMelody;

constexpr uint32_t kQuarter = 480;
constexpr uint32_t kBar = 4 * kQuarter;

TEST(MelodyNotation, ReadsPitchesOctavesLengthsDotsAndTies) {
  const Melody m = ParseMelody("c'4 d#'8. e-''16 r2 | g,2~8 a8 b4 | c' d'2.", kQuarter, kBar);
  ASSERT_EQ(m.notes.size(), 8u);
  EXPECT_EQ(m.notes[0].key, 60);  // middle C
  EXPECT_EQ(m.notes[1].key, 63);
  EXPECT_EQ(m.notes[1].length, 360u);  // dotted eighth
  EXPECT_EQ(m.notes[2].key, 75);
  EXPECT_EQ(m.notes[2].start, 840u);
  EXPECT_EQ(m.notes[3].key, 43);
  EXPECT_EQ(m.notes[3].start, kBar);  // the rest takes its time
  EXPECT_EQ(m.notes[3].length, 1200u);  // half tied to an eighth
  EXPECT_EQ(m.notes[6].length, 480u);  // a note without a length keeps the last one
  EXPECT_EQ(m.notes[7].length, 1440u);
  EXPECT_EQ(m.length, 3 * kBar);
}

TEST(MelodyNotation, RejectsBarsThatDoNotAddUpAndUnknownSymbols) {
  EXPECT_THROW(ParseMelody("c'4 d'4 | e'1", kQuarter, kBar), std::runtime_error);
  EXPECT_THROW(ParseMelody("c'4 h'4", kQuarter, kBar), std::runtime_error);
  EXPECT_THROW(ParseMelody("c'7", kQuarter, kBar), std::runtime_error);
  EXPECT_THROW(ParseMelody("c'0", kQuarter, kBar), std::runtime_error);
  EXPECT_NO_THROW(ParseMelody("c'2. r4 |", kQuarter, kBar));
  EXPECT_NO_THROW(ParseMelody("c'2. |", kQuarter, 3 * kQuarter));  // a waltz bar
}

TEST(ChordSymbols, ReadRootsQualitiesSlashBassesAndBassDegrees) {
  const audiogen::Chord fSharpMinor7 = audiogen::ParseChord("F#m7");
  EXPECT_EQ(fSharpMinor7.root, 6);
  EXPECT_EQ(fSharpMinor7.bass, 6);
  EXPECT_EQ(fSharpMinor7.tones, (std::vector<int>{0, 3, 7, 10}));
  EXPECT_EQ(audiogen::ParseChord("Bbmaj7").root, 10);
  EXPECT_EQ(audiogen::ParseChord("Bbmaj7").tones, (std::vector<int>{0, 4, 7, 11}));
  EXPECT_EQ(audiogen::ParseChord("D/F#").root, 2);
  EXPECT_EQ(audiogen::ParseChord("D/F#").bass, 6);
  for (const char* bad : {"H", "Cxyz", "C/", "C/Q", "", "m7"}) {
    EXPECT_THROW(audiogen::ParseChord(bad), std::runtime_error) << bad;
  }

  const audiogen::Chord g7 = audiogen::ParseChord("G7");
  std::vector<int> degrees;
  for (char degree : {'1', '3', '5', '7'}) degrees.push_back(audiogen::ChordTone(g7, degree));
  EXPECT_EQ(degrees, (std::vector<int>{0, 4, 7, 10}));
  EXPECT_EQ(audiogen::ChordTone(audiogen::ParseChord("Am"), '7'), 12);  // no seventh: the octave
  EXPECT_EQ(audiogen::ChordTone(audiogen::ParseChord("E5"), '3'), 7);   // a power chord has no third
  EXPECT_THROW(audiogen::ChordTone(g7, '2'), std::runtime_error);
}

// Accompaniment stays in its register and moves by small steps from chord
// to chord, as a player's hands would.
TEST(ChordVoicing, StaysInItsRegisterAndMovesLittle) {
  const int low = 55;
  std::vector<int> previous;
  for (const char* symbol : {"C", "F", "G7", "Am", "Dm7", "G", "C"}) {
    SCOPED_TRACE(symbol);
    const audiogen::Chord chord = audiogen::ParseChord(symbol);
    const std::vector<int> voicing = audiogen::VoiceChord(chord, low, previous);
    ASSERT_EQ(voicing.size(), chord.tones.size());
    EXPECT_GE(voicing.front(), low);
    EXPECT_LT(voicing.front(), low + 12);
    EXPECT_TRUE(std::is_sorted(voicing.begin(), voicing.end()));
    for (int key : voicing) {
      const int interval = ((key - chord.root) % 12 + 12) % 12;
      EXPECT_NE(std::find(chord.tones.begin(), chord.tones.end(), interval), chord.tones.end()) << key;
    }
    if (previous.size() == voicing.size()) {
      int moved = 0;
      for (size_t i = 0; i < voicing.size(); ++i) moved += std::abs(voicing[i] - previous[i]);
      EXPECT_LE(moved, 5);
    }
    previous = voicing;
  }
}

}  // namespace
