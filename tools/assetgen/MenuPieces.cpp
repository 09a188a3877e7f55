// The music around play: a bright fanfare-led theme for the title, a relaxed
// bossa for the options and a warm ballad for the endings.

#include "Pieces.h"

namespace audiogen {
namespace {

// General MIDI programs (0-based). Drum keys in the patterns: 36 kick,
// 37 side stick, 38 snare, 41 and 45 toms, 42 closed hi-hat, 51 ride, 70 maracas.
enum Program {
  kPiano = 0, kElectricPiano = 4, kGlockenspiel = 9, kVibraphone = 11, kAcousticBass = 32,
  kFingerBass = 33, kHarp = 46, kStrings = 48, kSlowStrings = 49, kTrumpet = 56, kFlute = 73,
};

// C major, 138 bpm: a trumpet theme over strings, syncopated piano and a pop beat.
Piece Title() {
  Piece p;
  p.file = "title.mid";
  p.title = "Vexhop - Title";
  p.bpm = 138;
  p.parts = {
      {.role = Role::Lead, .name = "Trumpet", .program = kTrumpet, .volume = 83, .pan = 64, .reverb = 50,
       .line = 0, .gate = 0.9, .velocity = 98},
      {.role = Role::Lead, .name = "Glockenspiel", .program = kGlockenspiel, .volume = 83, .pan = 80,
       .reverb = 70, .line = 0, .transpose = 12, .gate = 0.5, .velocity = 90},
      {.role = Role::Chords, .name = "Strings", .program = kStrings, .volume = 19, .pan = 44, .reverb = 70,
       .low = 55, .grooves = {"x-------", "x-------", "x-------"}},
      {.role = Role::Chords, .name = "Piano", .program = kPiano, .volume = 62, .pan = 84, .reverb = 40,
       .low = 60, .grooves = {"X--.....", "x..o..o.", "x-.o-.o-"}},
      {.role = Role::Bass, .name = "Bass", .program = kFingerBass, .volume = 73, .low = 36, .velocity = 100,
       .grooves = {"1-.1-.1.", "1--1--58", "1---5--a"}},
      {.role = Role::Drums, .name = "Drums", .program = 0, .volume = 70, .reverb = 30,
       .grooves = {"36:x.......x....... 38:............x... 42:o.o.o.o.o.o.o.o.",
                   "36:x.....x.x....... 38:....x.......x... 42:o.x.o.x.o.x.o.x.",
                   "36:x.........x..... 38:........x....... 42:x.x.x.x.x.x.x.x."},
       .fills = {"36:x.......x....... 38:........x.x.xxXX 42:o.o.o.o.........",
                 "36:x.....x.x....... 38:....x.....oxoxXX 42:o.x.o.x.........",
                 "36:x.........x..... 38:....x...x.x.xxXX 42:x.x.x.x........."}},
  };
  const std::string aOpening =
      "e''4 g''8 e''8 c''4 g'4 | d''4. e''8 d''4 b'4 | c''4 e''8 a''8 a''4 g''8 e''8 | g''2. r4 |"
      "a''4 a''8 g''8 f''4 a''4 | g''4 g''8 f''8 e''4 c''4 |";
  p.sections = {
      {.name = "intro", .chords = "C | F | G | G7",
       .lines = {"r4 g'8 g'8 c''4 e''4 | d''4. c''8 a'4 c''4 | b'4 g'4 d''4 b'4 | d''2 r2"}, .groove = 0},
      {.name = "A", .chords = "C | G/B | Am | Em/G | F | C/E | Dm7 | G7",
       .lines = {aOpening + "d''4 e''8 f''8 e''4 d''4 | g'4 b'4 d''4 f''4"}, .groove = 1, .crash = true},
      {.name = "A2", .chords = "C | G/B | Am | Em/G | F | C/E | Dm7 G7 | C",
       .lines = {aOpening + "f''4 e''8 d''8 b'4 d''4 | c''2. r4"}, .groove = 1},
      {.name = "B", .chords = "F | G | Em7 | Am | Dm7 | Em7 | F | G7",
       .lines = {"a''2 c'''4 a''4 | b''2 g''4 d''4 | g''4. e''8 e''2 | a''4 g''8 e''8 c''2 |"
                 "d''4 f''4 a''4 c'''4 | b''4. a''8 g''4 e''4 | a''4 c'''8 a''8 f''4 a''4 | g''2 f''4 d''4"},
       .groove = 2, .crash = true},
  };
  p.form = {"intro", "A", "A2", "B", "A2"};
  return p;
}

// F major, 104 bpm: vibraphone over electric piano, upright bass and a soft
// bossa kit.
Piece Option() {
  Piece p;
  p.file = "Option.mid";
  p.title = "Vexhop - Options";
  p.bpm = 104;
  p.parts = {
      {.role = Role::Lead, .name = "Vibraphone", .program = kVibraphone, .volume = 81, .pan = 64,
       .reverb = 60, .line = 0, .gate = 0.9, .velocity = 92},
      {.role = Role::Chords, .name = "Electric Piano", .program = kElectricPiano, .volume = 53, .pan = 44,
       .reverb = 50, .low = 53, .strum = 8,
       .grooves = {"", "x-.x-.x-..x-.x-.", "x-.x-.x-..x-.x-."}},
      {.role = Role::Chords, .name = "Strings", .program = kSlowStrings, .volume = 40, .pan = 88, .reverb = 80,
       .low = 60, .grooves = {"", "", "x-------"}},
      {.role = Role::Bass, .name = "Bass", .program = kAcousticBass, .volume = 73, .low = 36, .velocity = 96,
       .grooves = {"", "1--51--5", "1--51--5"}},
      {.role = Role::Drums, .name = "Drums", .program = 0, .volume = 55, .reverb = 40,
       .grooves = {"", "36:x.......x....... 37:x..x..x...x..x.. 70:xoxoxoxoxoxoxoxo",
                   "36:x.......x....... 37:x..x..x...x..x.. 70:xoxoxoxoxoxoxoxo 42:....o.......o..."}},
  };
  const std::string aOpening =
      "r8 a'8 c''8 e''4 c''8 a'4 | g'4. f'8 e'2 | r8 b-'8 d''8 f''4 d''8 b-'4 | a'4. g'8 e'2 |"
      "r8 c''8 e''8 g''4 e''8 c''4 | b'4. a'8 f#'2 |";
  p.sections = {
      {.name = "A", .chords = "Fmaj7 | Fmaj7 | Gm7 | C7 | Am7 | D7 | Gm7 | C7",
       .lines = {aOpening + "g'4 a'8 b-'8 d''4 c''8 b-'8 | b-'4 a'8 g'8 e'4 r4"}, .groove = 1},
      {.name = "A2", .chords = "Fmaj7 | Fmaj7 | Gm7 | C7 | Am7 | D7 | Gm7 C7 | Fmaj7",
       .lines = {aOpening + "d''4 c''8 b-'8 a'4 g'4 | f'2. r4"}, .groove = 1},
      {.name = "B", .chords = "Bbmaj7 | Bbmaj7 | Am7 | D7 | Gm7 | C7 | Am7 D7 | Gm7 C7",
       .lines = {"d''2 c''4 a'4 | b-'2. r4 | c''4. a'8 g'4 e'4 | f#'2 a'4 c''4 |"
                 "b-'4. a'8 g'4 f'4 | e'2 g'4 b-'4 | a'4 g'4 f#'4 a'4 | g'2 e'4 c'4"},
       .groove = 2},
  };
  p.form = {"A", "A2", "B", "A2"};
  return p;
}

// D major, 84 bpm: piano melody over harp, strings and a gentle kit; the
// flute joins for the last verse.
Piece Ending() {
  Piece p;
  p.file = "ending.mid";
  p.title = "Vexhop - Ending";
  p.bpm = 84;
  p.parts = {
      {.role = Role::Lead, .name = "Piano", .program = kPiano, .volume = 83, .pan = 58, .reverb = 60,
       .line = 0, .gate = 0.95, .velocity = 127},
      {.role = Role::Lead, .name = "Flute", .program = kFlute, .volume = 70, .pan = 76, .reverb = 70,
       .line = 1, .gate = 0.97, .velocity = 88},
      {.role = Role::Arpeggio, .name = "Harp", .program = kHarp, .volume = 43, .pan = 40, .reverb = 70,
       .low = 50, .grooves = {"x-x-x-x-", "xoxoxoxo", "xoxoxoxo"}},
      {.role = Role::Chords, .name = "Strings", .program = kStrings, .volume = 18, .pan = 88, .reverb = 80,
       .low = 57, .grooves = {"x-------", "x-------", "x-------"}},
      {.role = Role::Bass, .name = "Bass", .program = kFingerBass, .volume = 69, .low = 38, .velocity = 90,
       .grooves = {"1-------", "1---5---", "1---5-1-"}},
      {.role = Role::Drums, .name = "Drums", .program = 0, .volume = 68, .reverb = 50,
       .grooves = {"", "36:x.....x. 37:..x...x. 42:gggggggg", "36:x.....x. 38:..o...o. 51:oooooooo"},
       .fills = {"", "36:x.....x. 37:..x..... 45:....o.o. 41:......oo",
                 "36:x.....x. 38:..o..... 45:....o.o. 41:......oo"}},
  };
  const std::string aOpening =
      "f#''4. e''8 d''4 a'4 | c#''4. b'8 a'4 e'4 | d''4. c#''8 b'4 f#'4 | a'4. b'8 c#''2 |"
      "d''4 b'4 g'4 b'4 | a'4. f#'8 d''2 |";
  const std::string lastVerse = aOpening + "g''4 f#''4 e''4 c#''4 | d''1";
  p.sections = {
      {.name = "intro", .chords = "Gmaj7 | A7sus4 A7", .lines = {}, .groove = 0},
      {.name = "A", .chords = "D | A/C# | Bm | F#m/A | G | D/F# | Em7 | A7",
       .lines = {aOpening + "g'4 b'4 e''4 d''4 | e''2 c#''4 a'4"}, .groove = 1},
      {.name = "B", .chords = "G | A | F#m | Bm | Em7 | A | D/F# G | Em7 A7",
       .lines = {"b'4. a'8 g'4 d''4 | c#''2 e''2 | f#''4. e''8 c#''4 a'4 | d''2 b'2 |"
                 "e''4. d''8 b'4 g'4 | a'4 c#''4 e''4 a''4 | f#''2 g''2 | e''2 c#''2"},
       .groove = 2},
      {.name = "A2", .chords = "D | A/C# | Bm | F#m/A | G | D/F# | Em7 A7 | D",
       .lines = {lastVerse, lastVerse}, .groove = 1},
  };
  p.form = {"intro", "A", "B", "A2"};
  return p;
}

}  // namespace

std::vector<Piece> MenuPieces() { return {Title(), Option(), Ending()}; }

}  // namespace audiogen
