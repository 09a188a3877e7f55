// The stage music, one mood per group of stages, matching the backgrounds: a
// bouncy meadow tune, a western canyon at sunset, a glassy waltz in the
// crystal cave, a gothic night castle, and a driving flight over the sky
// islands for the fifth piece.

#include "Pieces.h"

namespace audiogen {
namespace {

// General MIDI programs (0-based). Drum keys in the patterns: 36 kick,
// 37 side stick, 38 snare, 41 45 47 48 toms, 42 closed and 46 open hi-hat,
// 51 ride, 54 tambourine, 70 maracas, 81 triangle.
enum Program {
  kHarpsichord = 6, kCelesta = 8, kMusicBox = 10, kNylonGuitar = 24, kSteelGuitar = 25,
  kOverdrivenGuitar = 29, kAcousticBass = 32, kPickedBass = 34, kFretlessBass = 35, kSynthBass = 38,
  kPizzicato = 45, kStrings = 48, kChoir = 52, kVoiceOohs = 53, kBrassSection = 61, kSynthBrass = 62,
  kFlute = 73, kWhistle = 78, kOcarina = 79, kSquareLead = 80, kSawLead = 81,
  kNewAgePad = 88,
};

// Stages 1-10, the meadow. G major, 144 bpm: flute over strummed guitar and
// pizzicato, a bouncing bass and a light kit with tambourine.
Piece Meadow() {
  Piece p;
  p.file = "Stage1.mid";
  p.title = "Vexhop - Meadow";
  p.bpm = 144;
  p.parts = {
      {.role = Role::Lead, .name = "Flute", .program = kFlute, .volume = 72, .pan = 64, .reverb = 50,
       .line = 0, .gate = 0.88, .velocity = 98},
      {.role = Role::Arpeggio, .name = "Pizzicato", .program = kPizzicato, .volume = 59, .pan = 88,
       .reverb = 50, .low = 55, .grooves = {"xoxoxoxo", "xoxoxoxo"}},
      {.role = Role::Chords, .name = "Guitar", .program = kSteelGuitar, .volume = 58, .pan = 40, .reverb = 40,
       .low = 52, .strum = 14, .grooves = {"x---x---", "x.xo.xo."}},
      {.role = Role::Bass, .name = "Bass", .program = kAcousticBass, .volume = 72, .low = 40, .velocity = 100,
       .grooves = {"1---5---", "1.5.1.5a"}},
      {.role = Role::Drums, .name = "Drums", .program = 0, .volume = 73, .reverb = 30,
       .grooves = {"42:o.g.o.g.o.g.o.g.",
                   "36:x.......x.x..... 38:....o.......o... 42:o.g.o.g.o.g.o.g. 54:..o...o...o...o."},
       .fills = {"36:x............... 42:o.g.o.g.o.g.o.g. 38:........g.g.o.oo",
                 "36:x.......x.x..... 38:....o.......oooo 42:o.g.o.g.o.g....."}},
  };
  const std::string aOpening =
      "d''8 g''8 b''8 d'''8 b''4 g''4 | a''8 f#''8 d''8 f#''8 a''4 r4 | g''8 e''8 g''8 b''8 e'''4 d'''8 b''8 |"
      "c'''4 a''8 g''8 e''4 g''4 | d'''8 b''8 g''8 b''8 d'''4 g''4 | e'''4 d'''8 c'''8 b''4 a''4 |";
  p.sections = {
      {.name = "intro", .chords = "G | C | G | D7", .lines = {}, .groove = 0},
      {.name = "A", .chords = "G | D/F# | Em | C | G/B | C | A7 | D7",
       .lines = {aOpening + "c#'''4 e'''8 c#'''8 a''4 g''4 | f#''4 a''4 d'''4 c'''4"}, .groove = 1},
      {.name = "A2", .chords = "G | D/F# | Em | C | G/B | C | D7 | G",
       .lines = {aOpening + "a''8 b''8 c'''8 a''8 f#''4 a''4 | g''2 r2"}, .groove = 1},
      {.name = "B", .chords = "C | D | Bm | Em | Am7 | D | G/B C | Am7 D7",
       .lines = {"e'''2 g'''4 e'''4 | f#'''2 d'''4 a''4 | d'''4. b''8 f#''2 | g''4 b''4 e'''2 |"
                 "c'''4. b''8 a''4 e''4 | f#''4 a''4 d'''4 f#'''4 | g'''4 d'''4 e'''4 c'''4 | c'''4 a''4 f#''4 a''4"},
       .groove = 1},
  };
  p.form = {"intro", "A", "A2", "B", "A2"};
  return p;
}

// Stages 11-20, the canyon at sunset. D minor, 112 bpm: a western tune, the
// nylon guitar first and a whistle after, over boom-chick guitar, warm
// strings and a galloping shaker.
Piece Canyon() {
  Piece p;
  p.file = "Stage2.mid";
  p.title = "Vexhop - Canyon";
  p.bpm = 112;
  p.parts = {
      {.role = Role::Lead, .name = "Nylon Guitar", .program = kNylonGuitar, .volume = 77, .pan = 56,
       .reverb = 70, .line = 0, .gate = 0.9, .velocity = 116},
      {.role = Role::Lead, .name = "Whistle", .program = kWhistle, .volume = 63, .pan = 70, .reverb = 90,
       .line = 1, .gate = 0.96, .velocity = 96},
      {.role = Role::Chords, .name = "Strings", .program = kStrings, .volume = 18, .pan = 64, .reverb = 90,
       .low = 50, .grooves = {"x-------", "x-------", "x-------"}},
      {.role = Role::Chords, .name = "Guitar", .program = kSteelGuitar, .volume = 60, .pan = 90, .reverb = 50,
       .low = 55, .strum = 12, .grooves = {"", "..x-..x-", "..x-..x-"}},
      {.role = Role::Bass, .name = "Bass", .program = kAcousticBass, .volume = 79, .low = 38, .velocity = 100,
       .grooves = {"1-------", "1-..5-.a", "1-..5-.a"}},
      {.role = Role::Drums, .name = "Drums", .program = 0, .volume = 82, .reverb = 60,
       .grooves = {"41:x.......x....... 70:o.ggo.ggo.ggo.gg",
                   "36:x.......x....... 37:....x.......x... 70:o.ggo.ggo.ggo.gg",
                   "36:x.......x....... 37:....o.......o... 70:o.ggo.ggo.ggo.gg 81:x..............."},
       .fills = {"",
                 "36:x.......x....... 37:....x........... 45:........o.o..... 41:............o.oo",
                 ""}},
  };
  p.sections = {
      {.name = "intro", .chords = "Dm | Dm | Bbmaj7 | A7", .lines = {}, .groove = 0},
      {.name = "A", .chords = "Dm | C | Bbmaj7 | A7sus4 A7 | Dm | C | Gm7 | A7",
       .lines = {"d'8 a'8 r8 a'8 g'8 f'8 e'8 f'8 | e'8 g'8 r8 g'8 f'8 e'8 d'8 e'8 | f'4. d'8 a'4 f'4 | e'2 c#'2 |"
                 "d''8 a'8 r8 a'8 f''8 e''8 d''8 a'8 | g'8 e'8 r8 g'8 c''8 b-'8 a'8 g'8 | b-'4. a'8 g'4 f'4 |"
                 "e'4 g'4 c#''4 e''4"},
       .groove = 1},
      {.name = "B", .chords = "Bbmaj7 | C | Am7 | Dm | Gm7 | C | Bb | A7",
       .lines = {"", "d''2. c''4 | e''2 g'2 | c''2. a'4 | d''1 | b-'2 d''4 f''4 | e''2 c''4 g'4 | f'2 b-'4 d''4 | c#''1"},
       .groove = 2},
  };
  p.form = {"intro", "A", "B", "A"};
  return p;
}

// Stages 21-30, the crystal cave. E-flat major waltz, 132 bpm: ocarina with
// a celesta glint, then voices, over a music box, a glassy pad and pizzicato
// off-beats, in a lot of reverb.
Piece CrystalCave() {
  Piece p;
  p.file = "Stage3.mid";
  p.title = "Vexhop - Crystal Cave";
  p.bpm = 132;
  p.beatsPerBar = 3;
  p.parts = {
      {.role = Role::Lead, .name = "Ocarina", .program = kOcarina, .volume = 58, .pan = 60, .reverb = 110,
       .line = 0, .gate = 0.94, .velocity = 100},
      {.role = Role::Lead, .name = "Celesta", .program = kCelesta, .volume = 68, .pan = 84, .reverb = 110,
       .line = 0, .transpose = 12, .gate = 0.6, .velocity = 90},
      {.role = Role::Lead, .name = "Voices", .program = kVoiceOohs, .volume = 74, .pan = 70, .reverb = 110,
       .line = 1, .gate = 0.97, .velocity = 100},
      {.role = Role::Arpeggio, .name = "Music Box", .program = kMusicBox, .volume = 49, .pan = 40, .reverb = 110,
       .low = 63, .grooves = {"xoxoxo", "xoxoxo", "xoxoxo"}},
      {.role = Role::Chords, .name = "Pad", .program = kNewAgePad, .volume = 32, .pan = 64, .reverb = 100,
       .low = 55, .grooves = {"x--", "x--", "x--"}},
      {.role = Role::Chords, .name = "Pizzicato", .program = kPizzicato, .volume = 58, .pan = 90, .reverb = 80,
       .low = 55, .grooves = {"", ".oo", ".oo"}},
      {.role = Role::Bass, .name = "Bass", .program = kFretlessBass, .volume = 73, .low = 39, .velocity = 98,
       .grooves = {"1--", "1..", "1.5"}},
      {.role = Role::Drums, .name = "Drums", .program = 0, .volume = 70, .reverb = 90,
       .grooves = {"81:x.....", "36:x..... 70:..g.g.", "36:x..... 70:.g.g.g 81:x....."},
       .fills = {"", "36:x..... 81:..o.oX", "36:x..... 81:..o.oX"}},
  };
  p.sections = {
      {.name = "intro", .chords = "Eb | Ab | Eb | Bb7", .lines = {}, .groove = 0},
      {.name = "A", .chords = "Eb | Gm | Ab | Bb | Cm | Gm | Ab | Bb7 | Eb | Gm | Ab | Fm | Cm | Ab | F7 | Bb7",
       .lines = {"b-'2 g'4 | d''2. | c''4 e-''4 a-''4 | g''2 f''4 | e-''2 c''4 | d''2 b-'4 | c''4 a-'4 f'4 |"
                 "b-'2. | b-'2 g'4 | d''2 g''4 | a-''2 g''4 | f''2 c''4 | e-''2 g''4 | e-''4 c''4 a-'4 |"
                 "a'2 c''4 | d''2."},
       .groove = 1},
      {.name = "B", .chords = "Cm | G7 | Ab | Eb | Fm | Bb7 | Eb | Cm | Ab | Bb | Gm | Cm | Fm | Ab | Bb | Bb7",
       .lines = {"", "g'2. | f'2 d'4 | e-'2 c'4 | b-2. | c'4 f'4 a-'4 | a-'2 f'4 | g'2. | g'2 r4 |"
                     "a-'2 c''4 | d''2 b-'4 | b-'2 g'4 | c''2. | a-'4 c''4 f''4 | e-''2 c''4 | d''2 b-'4 | a-'2 f'4"},
       .groove = 2},
  };
  p.form = {"intro", "A", "B", "A"};
  return p;
}

// Stages 31-40, the night castle. C minor, 160 bpm: brass with strings an
// octave above, a choir, a harpsichord ostinato, driving octave bass and toms.
Piece NightCastle() {
  Piece p;
  p.file = "Stage4.mid";
  p.title = "Vexhop - Night Castle";
  p.bpm = 160;
  p.parts = {
      {.role = Role::Lead, .name = "Brass", .program = kBrassSection, .volume = 83, .pan = 60, .reverb = 50,
       .line = 0, .gate = 0.9, .velocity = 118},
      {.role = Role::Lead, .name = "Violins", .program = kStrings, .volume = 40, .pan = 76, .reverb = 70,
       .line = 0, .transpose = 12, .gate = 0.98, .velocity = 92},
      {.role = Role::Chords, .name = "Choir", .program = kChoir, .volume = 40, .pan = 50, .reverb = 80,
       .low = 48, .grooves = {"x-------", "x-------", "x-------"}},
      {.role = Role::Arpeggio, .name = "Harpsichord", .program = kHarpsichord, .volume = 70, .pan = 84, .reverb = 50,
       .low = 55, .grooves = {"xoxoxoxoxoxoxoxo", "xoxoxoxoxoxoxoxo", "xoxoxoxoxoxoxoxo"}},
      {.role = Role::Bass, .name = "Bass", .program = kPickedBass, .volume = 83, .low = 36, .velocity = 104,
       .grooves = {"1-------1-------", "1.8.1.8.1.8.1.8.", "1.8.1.8.1.8.1.8."}},
      {.role = Role::Drums, .name = "Drums", .program = 0, .volume = 62, .reverb = 40,
       .grooves = {"36:x.......x....... 41:x.......x.x.x.x.",
                   "36:x..x..x.x..x..x. 38:....X.......X... 51:x.x.x.x.x.x.x.x.",
                   "36:x..x..x.x..x..x. 38:....X.......X... 42:xxxxxxxxxxxxxxxx"},
       .fills = {"36:x.......x....... 41:x.......x.x.xxxx 38:............oxXX",
                 "36:x..x..x......... 38:....X...xoxo.... 47:............xx.. 41:..............xx",
                 "36:x..x..x......... 38:....X...xoxo.... 47:............xx.. 41:..............xx"}},
  };
  const std::string aOpening =
      "c'4. g'8 g'2 | e-'8 f'8 g'8 c''8 g'2 | a-'4. e-'8 c''2 | b-'8 a-'8 g'8 f'8 e-'4 c'4 |"
      "f'4. a-'8 c''4 f''4 | d''4. b'8 g'4 f'4 |";
  p.sections = {
      {.name = "intro", .chords = "Cm | Ab | Fm | G",
       .lines = {"c''2. r4 | c''2. r4 | c''2. r4 | b'2 d''2"}, .groove = 0},
      {.name = "A", .chords = "Cm | Cm | Ab | Ab | Fm | G | Cm | G",
       .lines = {aOpening + "e-''4 d''8 c''8 g'4 e-'4 | g'2 b'4 d''4"}, .groove = 1, .crash = true},
      {.name = "A2", .chords = "Cm | Cm | Ab | Ab | Fm | G | Cm G | Cm",
       .lines = {aOpening + "e-''4 c''4 d''4 b'4 | c''2. r4"}, .groove = 1},
      {.name = "B", .chords = "Ab | Bb | Eb | Cm | Fm | Db | G | G7",
       .lines = {"c''2 e-''2 | d''2 f''2 | g''2. f''8 e-''8 | e-''2 c''2 | a-''2 f''2 | f''2 d-''2 | d''2 b'2 |"
                 "g'4 a-'4 b'4 d''4"},
       .groove = 2, .crash = true},
  };
  p.form = {"intro", "A", "A2", "B", "A2"};
  return p;
}

// The fifth piece, the sky islands. E minor, 152 bpm: a soaring saw lead
// over chugging guitar, a square-wave sequencer, octave synth bass and a
// rock kit.
Piece SkyIslands() {
  Piece p;
  p.file = "Stage5.mid";
  p.title = "Vexhop - Sky Islands";
  p.bpm = 152;
  p.parts = {
      {.role = Role::Lead, .name = "Saw Lead", .program = kSawLead, .volume = 59, .pan = 64, .reverb = 40,
       .chorus = 30, .line = 0, .transpose = 12, .gate = 0.85, .velocity = 100},
      {.role = Role::Chords, .name = "Guitar", .program = kOverdrivenGuitar, .volume = 68, .pan = 36,
       .reverb = 30, .low = 40, .power = true, .strum = 5,
       .grooves = {"x-------x-------", "x.o.x.o.x.o.x.o.", "x-o.x.o.x-o.x.o."}},
      {.role = Role::Chords, .name = "Synth Brass", .program = kSynthBrass, .volume = 49, .pan = 84, .reverb = 40,
       .low = 55, .grooves = {"", "", "X..X..X.....X..."}},
      {.role = Role::Arpeggio, .name = "Sequencer", .program = kSquareLead, .volume = 49, .pan = 92,
       .reverb = 50, .low = 64, .grooves = {"xgxgxgxgxgxgxgxg", "xgxgxgxgxgxgxgxg", "xgxgxgxgxgxgxgxg"}},
      {.role = Role::Bass, .name = "Synth Bass", .program = kSynthBass, .volume = 75, .low = 28, .velocity = 104,
       .grooves = {"1.1.1.1.1.1.1.1.", "1.1.8.1.1.1.8.1.", "1.1.8.1.1.1.8.1."}},
      {.role = Role::Drums, .name = "Drums", .program = 0, .volume = 68, .reverb = 30,
       .grooves = {"36:x...x...x...x... 42:gggggggggggggggg",
                   "36:x.....x.x.....x. 38:....X.......X... 42:x.x.x.x.x.x.x.x.",
                   "36:x.....x.x.....x. 38:....X.......X... 46:x.x.x.x.x.x.x.x."},
       .fills = {"36:x...x...x...x... 38:........xxxxXXXX",
                 "36:x.....x.x....... 38:....X...xxxx.... 48:............xx.. 45:..............xx",
                 "36:x.....x.x....... 38:....X...xxxx.... 48:............xx.. 45:..............xx"}},
  };
  const std::string aOpening =
      "e'8 e'8 g'8 e'8 a'8 e'8 b'8 a'8 | g'4 f#'8 e'8 d'4 e'4 | e'8 e'8 g'8 e'8 c''8 e'8 b'8 g'8 |"
      "a'4 f#'8 d'8 a'4 d''4 | e''8 d''8 b'8 g'8 e''8 d''8 b'8 g'8 | a'4. g'8 f#'4 e'4 |";
  p.sections = {
      {.name = "intro", .chords = "Em | F | Em | B7", .lines = {}, .groove = 0},
      {.name = "A", .chords = "Em | Em | C | D | Em | Em | C | B7",
       .lines = {aOpening + "g'4 e''4 c''8 b'8 g'8 e'8 | d#'2 f#'4 a'4"}, .groove = 1, .crash = true},
      {.name = "A2", .chords = "Em | Em | C | D | Em | Em | C D | Em",
       .lines = {aOpening + "c''4 b'4 a'4 f#'4 | e'2. r4"}, .groove = 1},
      {.name = "B", .chords = "Am | Am | Em | Em | F | F | B7 | B7",
       .lines = {"a'2 c''2 | e''2. d''4 | b'2 g'2 | e'1 | f'2 a'2 | c''2. a'4 | b'2 d#''2 | f#''2 d#''4 b'4"},
       .groove = 2, .crash = true},
  };
  p.form = {"intro", "A", "A2", "B", "A2"};
  return p;
}

}  // namespace

std::vector<Piece> StagePieces() { return {Meadow(), Canyon(), CrystalCave(), NightCastle(), SkyIslands()}; }

}  // namespace audiogen
