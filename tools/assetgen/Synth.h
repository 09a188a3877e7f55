#pragma once
// A small offline synthesiser for the sound effects. An effect is a sum of
// voices (oscillators or noise, each with a pitch glide, an envelope and an
// optional filter) placed on a timeline; the finished mix is normalised to a
// common loudness so every effect sits at the same level in the game.

#include <cstdint>
#include <vector>

namespace audiogen {

constexpr int kSampleRate = 44100;

// Equal-tempered pitch of a MIDI key (69 = A4 = 440 Hz).
double KeyHz(double key);

enum class Wave { Sine, Triangle, Square, Saw, Noise };

// Linear attack, exponential decay with the given half-life (0 holds the
// level), and a linear release that always reaches silence at the voice's end
// so no voice stops on a non-zero sample.
struct Envelope {
  double attack = 0.002;
  double halfLife = 0;
  double release = 0.01;
};

enum class FilterKind { None, LowPass, BandPass, HighPass };

// Cutoff glides exponentially from `cutoff` to `cutoffEnd` over the voice.
struct Filter {
  FilterKind kind = FilterKind::None;
  double cutoff = 1000;
  double cutoffEnd = 0;  // 0 keeps the cutoff steady
  double q = 0.7;
};

struct Voice {
  Wave wave = Wave::Square;
  double start = 0;    // seconds from the start of the effect
  double length = 0.1;
  double freq = 440;   // Hz at the start
  double freqEnd = 0;  // Hz at the end of an exponential glide; 0 is steady
  double gain = 1;
  double duty = 0.5;   // pulse width of the square
  Envelope env;
  double vibratoRate = 0;   // Hz
  double vibratoDepth = 0;  // fraction of the pitch
  double fmRatio = 0;       // sine only: modulator / carrier frequency
  double fmIndex = 0;       // modulation index at the start
  double fmHalfLife = 0;    // how fast the index decays (0 keeps it)
  Filter filter;
};

// A mono mix under construction; it grows to hold every voice added.
class Signal {
 public:
  void Add(const Voice& voice);
  // Feedback echo: adds space to chimes without a reverb.
  void Echo(double delaySeconds, double feedback, double wet);
  // Soft saturation of the mix scaled to full scale: lowers the crest factor
  // of noisy effects so they reach the common loudness without clipping.
  void Saturate(double drive);
  // Normalised to the common loudness, peaks kept below full scale, edges
  // faded, trailing silence trimmed; ready for a 16-bit file.
  std::vector<int16_t> Finish() const;

 private:
  std::vector<double> samples_;
  uint32_t noiseState_ = 0x9E3779B9u;
};

}  // namespace audiogen
