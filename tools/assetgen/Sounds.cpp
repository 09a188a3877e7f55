// The seventeen sound effects. Each is built to be told apart at once in play:
// bright rising figures for rewards, falling ones for losses, noise for
// impacts, plain short blips for the menus.

#include <string>

#include "AssetGen.h"
#include "AudioFiles.h"
#include "Synth.h"

namespace audiogen {
namespace {

// A short chiptune-style note: the building block of the blips and jingles.
Voice Blip(double start, double length, double key, double gain = 1, double duty = 0.5) {
  Voice v;
  v.start = start;
  v.length = length;
  v.freq = KeyHz(key);
  v.gain = gain;
  v.duty = duty;
  v.env = {0.002, length / 2, 0.02};
  v.filter = {FilterKind::LowPass, 9000, 0, 0.7};  // takes the fizz off the top harmonics
  return v;
}

// A struck metal bar: a sine with a decaying, slightly inharmonic modulator.
Voice Bell(double start, double length, double key, double gain = 1) {
  Voice v;
  v.wave = Wave::Sine;
  v.start = start;
  v.length = length;
  v.freq = KeyHz(key);
  v.gain = gain;
  v.fmRatio = 3.5;
  v.fmIndex = 1.6;
  v.fmHalfLife = length / 6;
  v.env = {0.001, length / 4, length / 3};
  return v;
}

Voice Noise(double start, double length, FilterKind kind, double cutoff, double cutoffEnd = 0,
            double gain = 1, double q = 0.7) {
  Voice v;
  v.wave = Wave::Noise;
  v.start = start;
  v.length = length;
  v.gain = gain;
  v.filter = {kind, cutoff, cutoffEnd, q};
  v.env = {0.001, length / 4, length / 3};
  return v;
}

// A sine thump whose pitch drops, the body of knocks and booms.
Voice Thump(double start, double length, double hz, double hzEnd, double gain = 1) {
  Voice v;
  v.wave = Wave::Sine;
  v.start = start;
  v.length = length;
  v.freq = hz;
  v.freqEnd = hzEnd;
  v.gain = gain;
  v.env = {0.001, length / 3, length / 2};
  return v;
}

Voice Glide(Wave wave, double start, double length, double hz, double hzEnd, double gain = 1) {
  Voice v;
  v.wave = wave;
  v.start = start;
  v.length = length;
  v.freq = hz;
  v.freqEnd = hzEnd;
  v.gain = gain;
  v.env = {0.003, length / 2, length / 3};
  return v;
}

// Key taken, or the stage opening: an unlatching click, then a rising chime.
Signal Open() {
  Signal s;
  s.Add(Noise(0, 0.025, FilterKind::BandPass, 3200, 0, 1.2, 2));
  s.Add(Thump(0, 0.06, 260, 140, 0.6));
  const double keys[] = {79, 84, 88, 91};  // G5 C6 E6 G6
  for (int i = 0; i < 4; ++i) s.Add(Bell(0.06 + 0.07 * i, 0.7, keys[i], 0.45));
  s.Add(Blip(0.06, 0.28, 67, 0.25, 0.25));
  s.Add(Blip(0.27, 0.45, 72, 0.25, 0.25));
  s.Echo(0.11, 0.3, 0.35);
  return s;
}

// The player stepping through the door: a short creak, the leaf thudding shut,
// the latch catching.
Signal Close() {
  Signal s;
  Voice creak = Glide(Wave::Saw, 0, 0.22, 330, 240, 0.35);
  creak.vibratoRate = 31;
  creak.vibratoDepth = 0.04;
  creak.filter = {FilterKind::BandPass, 1400, 900, 3};
  s.Add(creak);
  s.Add(Thump(0.2, 0.22, 120, 55));
  s.Add(Noise(0.2, 0.1, FilterKind::LowPass, 1200, 300, 0.8));
  s.Add(Noise(0.3, 0.02, FilterKind::BandPass, 2800, 0, 0.7, 3));
  s.Add(Bell(0.34, 0.5, 76, 0.2));
  s.Add(Bell(0.44, 0.5, 72, 0.2));
  return s;
}

// One disc: a quick two-note coin.
Signal Score1() {
  Signal s;
  s.Add(Blip(0, 0.06, 81, 1, 0.25));
  Voice ring = Blip(0.06, 0.34, 88, 1, 0.25);
  ring.env.halfLife = 0.1;
  s.Add(ring);
  s.Add(Bell(0.06, 0.34, 100, 0.2));
  return s;
}

// A stack of discs: the coin run up an arpeggio into a shimmering top.
Signal Score2() {
  Signal s;
  const double keys[] = {81, 85, 88, 93};  // A5 C#6 E6 A6
  for (int i = 0; i < 4; ++i) s.Add(Blip(0.045 * i, 0.06, keys[i], 0.8, 0.25));
  Voice top = Blip(0.18, 0.45, 93, 0.9, 0.25);
  top.vibratoRate = 14;
  top.vibratoDepth = 0.01;
  top.env.halfLife = 0.15;
  s.Add(top);
  s.Add(Bell(0.18, 0.5, 100, 0.3));
  s.Add(Bell(0.26, 0.45, 105, 0.2));
  s.Echo(0.09, 0.3, 0.3);
  return s;
}

// A clock: tick, tock, then a little alarm bell rung twice.
Signal Time() {
  Signal s;
  s.Add(Noise(0, 0.02, FilterKind::BandPass, 4500, 0, 1.5, 4));
  s.Add(Noise(0.12, 0.02, FilterKind::BandPass, 2600, 0, 1.5, 4));
  s.Add(Bell(0.24, 0.5, 96, 0.8));
  s.Add(Bell(0.33, 0.55, 96, 0.8));
  s.Add(Bell(0.33, 0.55, 103, 0.25));
  return s;
}

// Extra life: a fast major run up two octaves and a held chord on top.
Signal OneUp() {
  Signal s;
  const double keys[] = {72, 76, 79, 84, 88, 91};  // C5 E5 G5 C6 E6 G6
  for (int i = 0; i < 6; ++i) s.Add(Blip(0.065 * i, 0.08, keys[i], 0.8));
  for (double key : {84.0, 88.0, 91.0, 96.0}) {
    Voice chord = Blip(0.39, 0.45, key, 0.35, 0.25);
    chord.vibratoRate = 7;
    chord.vibratoDepth = 0.006;
    chord.env.halfLife = 0.3;
    s.Add(chord);
  }
  s.Echo(0.1, 0.25, 0.25);
  return s;
}

// A deadly touch: a crunch and a long, wobbling fall.
Signal Kill() {
  Signal s;
  s.Add(Noise(0, 0.15, FilterKind::LowPass, 7000, 700, 1.2));
  Voice fall = Glide(Wave::Saw, 0.02, 0.65, 700, 70, 0.9);
  fall.vibratoRate = 13;
  fall.vibratoDepth = 0.07;
  fall.env.halfLife = 0.35;
  fall.filter = {FilterKind::LowPass, 3500, 600, 1.2};
  s.Add(fall);
  Voice under = Glide(Wave::Square, 0.02, 0.5, 350, 45, 0.35);
  under.filter = {FilterKind::LowPass, 1200, 0, 0.7};
  s.Add(under);
  return s;
}

Signal Jump() {
  Signal s;
  Voice up = Glide(Wave::Square, 0, 0.17, 290, 760, 0.8);
  up.duty = 0.4;
  up.filter = {FilterKind::LowPass, 5000, 0, 0.7};
  s.Add(up);
  s.Add(Glide(Wave::Triangle, 0, 0.17, 145, 380, 0.6));
  return s;
}

// The head striking a block: a hollow knock.
Signal Hit() {
  Signal s;
  s.Add(Noise(0, 0.03, FilterKind::BandPass, 1900, 0, 1.4, 1.5));
  s.Add(Thump(0, 0.14, 240, 95));
  Voice knock = Glide(Wave::Triangle, 0, 0.09, 480, 260, 0.5);
  knock.env.halfLife = 0.02;
  s.Add(knock);
  s.Add(Blip(0, 0.05, 76, 0.15));
  return s;
}

// A block appearing: a pop and two climbing pings.
Signal Create() {
  Signal s;
  s.Add(Glide(Wave::Sine, 0, 0.07, 300, 640, 1));
  s.Add(Blip(0.04, 0.12, 81, 0.45, 0.25));
  s.Add(Blip(0.09, 0.16, 88, 0.4, 0.25));
  return s;
}

// A block vanishing: a falling blip dissolving into a puff.
Signal Delete() {
  Signal s;
  Voice down = Glide(Wave::Square, 0, 0.15, 950, 240, 0.7);
  down.filter = {FilterKind::LowPass, 4000, 1200, 0.7};
  s.Add(down);
  s.Add(Noise(0.02, 0.22, FilterKind::LowPass, 3500, 300, 0.7));
  return s;
}

// Hurry: an urgent two-tone alarm, three times.
Signal Hurry() {
  Signal s;
  for (int i = 0; i < 6; ++i) {
    Voice beep = Blip(0.11 * i, 0.09, i % 2 == 0 ? 88 : 81, 0.8);
    beep.env = {0.003, 0, 0.015};
    s.Add(beep);
  }
  return s;
}

// An explosion: a noise blast closing down into a deep rumble.
Signal Explosion() {
  Signal s;
  s.Add(Noise(0, 0.03, FilterKind::HighPass, 2000, 0, 0.8));
  s.Add(Noise(0, 1.3, FilterKind::LowPass, 6000, 120, 1.6));
  Voice blast = Noise(0, 0.6, FilterKind::BandPass, 900, 200, 1.0, 1.2);
  s.Add(blast);
  s.Add(Thump(0, 0.9, 85, 32, 1.4));
  s.Saturate(2.5);
  return s;
}

// The spring: a springy "boing" that wobbles upwards.
Signal Spring() {
  Signal s;
  Voice boing = Glide(Wave::Triangle, 0, 0.45, 170, 560, 1);
  boing.vibratoRate = 17;
  boing.vibratoDepth = 0.09;
  boing.env.halfLife = 0.2;
  s.Add(boing);
  Voice edge = Glide(Wave::Square, 0, 0.3, 340, 1120, 0.25);
  edge.vibratoRate = 17;
  edge.vibratoDepth = 0.09;
  edge.filter = {FilterKind::LowPass, 2500, 0, 0.7};
  s.Add(edge);
  return s;
}

Signal Decide() {
  Signal s;
  s.Add(Blip(0, 0.07, 83, 0.8, 0.25));
  Voice second = Blip(0.07, 0.28, 88, 0.8, 0.25);
  second.env.halfLife = 0.09;
  s.Add(second);
  s.Add(Bell(0.07, 0.3, 100, 0.15));
  s.Echo(0.08, 0.25, 0.3);
  return s;
}

Signal Cursor() {
  Signal s;
  Voice tick = Blip(0, 0.055, 88, 1, 0.25);
  tick.env = {0.001, 0.015, 0.02};
  s.Add(tick);
  return s;
}

// Game over: a drooping brass line, each note lower and sadder, over a low
// minor chord.
Signal GameOver() {
  Signal s;
  const double keys[] = {67, 66, 65};  // G4 F#4 F4
  for (int i = 0; i < 3; ++i) {
    Voice note = Glide(Wave::Saw, 0.32 * i, 0.3, KeyHz(keys[i]), KeyHz(keys[i] - 0.3), 0.7);
    note.env = {0.02, 0, 0.06};
    note.filter = {FilterKind::LowPass, 2600, 900, 1};
    s.Add(note);
  }
  Voice last = Glide(Wave::Saw, 0.96, 1.3, KeyHz(64), KeyHz(63.6), 0.7);
  last.vibratoRate = 5;
  last.vibratoDepth = 0.012;
  last.env = {0.03, 0.6, 0.4};
  last.filter = {FilterKind::LowPass, 2600, 500, 1};
  s.Add(last);
  for (double key : {48.0, 51.0, 55.0}) {  // C minor
    Voice pad = Glide(Wave::Triangle, 0.96, 1.3, KeyHz(key), 0, 0.35);
    pad.env = {0.05, 0.7, 0.5};
    s.Add(pad);
  }
  return s;
}

struct Effect {
  const char* file;
  Signal (*build)();
};

// Names as the game loads them; the first two are UTF-8 (open, close).
constexpr Effect kEffects[] = {
    {"開ける.wav", Open},       {"閉める.wav", Close},   {"Score1.wav", Score1},
    {"Score2.wav", Score2},     {"Time.wav", Time},       {"1UP.wav", OneUp},
    {"Kill.wav", Kill},         {"jump.wav", Jump},       {"hit.wav", Hit},
    {"create.wav", Create},     {"delete.wav", Delete},   {"harry.wav", Hurry},
    {"roket.wav", Explosion},   {"hijump.wav", Spring},   {"deside.wav", Decide},
    {"cursor.wav", Cursor},     {"gameover.wav", GameOver},
};

}  // namespace
}  // namespace audiogen

void WriteSounds(const std::string& treeDir) {
  using namespace audiogen;
  for (const Effect& effect : kEffects) {
    WriteFileBytes(treeDir + "/Sound/" + effect.file, EncodeWav(effect.build().Finish(), kSampleRate));
  }
}
