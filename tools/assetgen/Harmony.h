#pragma once
// Chord symbols ("C", "F#m7", "Bbmaj7", "D/F#") and how the accompaniment
// turns them into keys.

#include <string>
#include <vector>

namespace audiogen {

struct Chord {
  int root = 0;            // pitch class, 0 = C
  int bass = 0;            // pitch class of the lowest note (differs for slash chords)
  std::vector<int> tones;  // semitones above the root, ascending, starting with 0
};

// Throws std::runtime_error naming the symbol when it is not understood.
Chord ParseChord(const std::string& symbol);

// Semitones above the root for a bass step: '1' root, '3' third, '5' fifth,
// '7' seventh (the octave when the chord has none), '8' octave.
int ChordTone(const Chord& chord, char degree);

// The lowest key of pitch class `pc` at or above `low`.
int KeyAtOrAbove(int pc, int low);

// Close-position voicing of at most four tones with its lowest key in
// [low, low + 12), choosing the inversion that moves least from `previous`.
std::vector<int> VoiceChord(const Chord& chord, int low, const std::vector<int>& previous);

}  // namespace audiogen
