// The generated music, read back from the runtime tree with an independent
// MIDI reader.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "AudioCheck.h"

namespace {

constexpr int kDrumChannel = 9;

// Every note ends, and the piece ends on a bar line with nothing ringing, as
// the game restarts it the moment it ends. Each piece is its own, with
// melody, harmony, bass and drums.
TEST(Music, EveryPieceLoopsCleanlyForFortyToNinetySecondsWithAFullBand) {
  std::set<std::vector<uint8_t>> seen;
  for (const char* name : {"title.mid", "Option.mid", "Stage1.mid", "Stage2.mid", "Stage3.mid", "Stage4.mid",
                           "Stage5.mid", "ending.mid"}) {
    SCOPED_TRACE(name);
    const std::vector<uint8_t> bytes = audiocheck::ReadFile(std::string(VEXHOP_TREE) + "/BGM/" + name);
    EXPECT_TRUE(seen.insert(bytes).second) << "same file as another piece";
    audiocheck::MidiSummary midi;
    ASSERT_NO_THROW(midi = audiocheck::ParseMidi(bytes));
    EXPECT_LE(midi.format, 1);
    for (const std::string& fault : midi.faults) ADD_FAILURE() << fault;
    EXPECT_GE(midi.seconds, 40.0);
    EXPECT_LE(midi.seconds, 90.0);
    EXPECT_EQ(midi.endTick % static_cast<uint32_t>(midi.ticksPerQuarter * midi.beatsPerBar), 0u);

    EXPECT_GT(midi.notesPerChannel[kDrumChannel], 0) << "no drums";
    int melodic = 0, high = 0, low = 0;
    for (int ch = 0; ch < 16; ++ch) {
      if (ch == kDrumChannel || midi.notesPerChannel[ch] == 0) continue;
      ++melodic;
      EXPECT_GE(midi.programPerChannel[ch], 0) << "channel " << ch + 1 << " plays without choosing an instrument";
      high += midi.meanKeyPerChannel[ch] >= 60;
      low += midi.meanKeyPerChannel[ch] < 52;
    }
    EXPECT_GE(melodic, 3) << "melody, harmony and bass need a channel each";
    EXPECT_GE(high, 1) << "no melody register";
    EXPECT_GE(low, 1) << "no bass register";
  }
}

}  // namespace
