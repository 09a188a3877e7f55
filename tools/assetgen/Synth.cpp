#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace audiogen {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
// Common loudness of every effect (K-weighted RMS of the loudest 50 ms) and
// the ceiling that keeps peaks clear of clipping.
constexpr double kTargetLoudness = 0.2;  // about -14 dBFS
constexpr double kPeakCeiling = 0.89;    // about -1 dBFS

// Removes the step discontinuities of naive saw and pulse waves, which would
// otherwise alias into audible whistles at high pitches.
double PolyBlep(double phase, double step) {
  if (phase < step) {
    const double t = phase / step;
    return t + t - t * t - 1;
  }
  if (phase > 1 - step) {
    const double t = (phase - 1) / step;
    return t * t + t + t + 1;
  }
  return 0;
}

double EnvelopeAt(const Envelope& env, double t, double length) {
  const double attack = std::max(env.attack, 0.001);
  double level = std::min(1.0, t / attack);
  if (env.halfLife > 0) level *= std::exp2(-std::max(0.0, t - attack) / env.halfLife);
  const double left = length - t;
  const double release = std::max(env.release, 0.001);
  if (left < release) level *= std::max(0.0, left / release);
  return level;
}

double Glide(double from, double to, double fraction) {
  return to > 0 ? from * std::pow(to / from, fraction) : from;
}

// State-variable filter (trapezoidal integration), stable while its cutoff moves.
class Svf {
 public:
  double Process(double in, FilterKind kind, double cutoff, double q) {
    const double g = std::tan(std::numbers::pi * std::min(cutoff, 0.45 * kSampleRate) / kSampleRate);
    const double k = 1 / q;
    const double a1 = 1 / (1 + g * (g + k));
    const double a2 = g * a1;
    const double a3 = g * a2;
    const double v3 = in - ic2_;
    const double v1 = a1 * ic1_ + a2 * v3;
    const double v2 = ic2_ + a2 * ic1_ + a3 * v3;
    ic1_ = 2 * v1 - ic1_;
    ic2_ = 2 * v2 - ic2_;
    switch (kind) {
      case FilterKind::LowPass: return v2;
      case FilterKind::BandPass: return v1;
      case FilterKind::HighPass: return in - k * v1 - v2;
      case FilterKind::None: break;
    }
    return in;
  }

 private:
  double ic1_ = 0, ic2_ = 0;
};

class Biquad {
 public:
  static Biquad HighShelf(double hz, double gainDb, double q) {
    const double a = std::pow(10, gainDb / 40), w = kTwoPi * hz / kSampleRate;
    const double c = std::cos(w), alpha = std::sin(w) / (2 * q), r = 2 * std::sqrt(a) * alpha;
    return Biquad(a * ((a + 1) + (a - 1) * c + r), -2 * a * ((a - 1) + (a + 1) * c),
                  a * ((a + 1) + (a - 1) * c - r), (a + 1) - (a - 1) * c + r,
                  2 * ((a - 1) - (a + 1) * c), (a + 1) - (a - 1) * c - r);
  }
  static Biquad HighPass(double hz, double q) {
    const double w = kTwoPi * hz / kSampleRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    return Biquad((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
  }
  double Process(double x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_, x1_ = x, y2_ = y1_, y1_ = y;
    return y;
  }

 private:
  Biquad(double b0, double b1, double b2, double a0, double a1, double a2)
      : b0_(b0 / a0), b1_(b1 / a0), b2_(b2 / a0), a1_(a1 / a0), a2_(a2 / a0) {}
  double b0_, b1_, b2_, a1_, a2_;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// The highest RMS over 50 ms windows after K-weighting: ears hear the
// presence range louder than the bass, so a bright beep must not be pushed to
// the level of a deep boom.
double MomentaryLoudness(const std::vector<double>& samples) {
  Biquad shelf = Biquad::HighShelf(1682, 4, 0.707);
  Biquad highPass = Biquad::HighPass(38, 0.5);
  std::vector<double> energy(samples.size() + 1, 0.0);
  for (size_t i = 0; i < samples.size(); ++i) {
    const double w = highPass.Process(shelf.Process(samples[i]));
    energy[i + 1] = energy[i] + w * w;
  }
  const size_t window = std::min<size_t>(samples.size(), kSampleRate / 20);
  double loudest = 0;
  for (size_t end = window; end <= samples.size(); end += 64) {
    loudest = std::max(loudest, (energy[end] - energy[end - window]) / static_cast<double>(window));
  }
  return std::sqrt(loudest);
}

void RemoveDc(std::vector<double>& samples) {
  double previousIn = 0, previousOut = 0;
  for (double& s : samples) {
    const double out = s - previousIn + 0.9995 * previousOut;
    previousIn = s;
    previousOut = out;
    s = out;
  }
}

void TrimTail(std::vector<double>& samples) {
  double peak = 0;
  for (double s : samples) peak = std::max(peak, std::abs(s));
  size_t end = samples.size();
  while (end > 0 && std::abs(samples[end - 1]) < peak * 0.001) --end;
  samples.resize(end);
}

void FadeEdges(std::vector<double>& samples) {
  const size_t in = std::min(samples.size(), size_t{kSampleRate / 1000});
  const size_t out = std::min(samples.size(), size_t{kSampleRate / 200});
  for (size_t i = 0; i < in; ++i) samples[i] *= static_cast<double>(i) / in;
  for (size_t i = 0; i < out; ++i) samples[samples.size() - 1 - i] *= static_cast<double>(i) / out;
}

}  // namespace

double KeyHz(double key) { return 440 * std::exp2((key - 69) / 12); }

void Signal::Add(const Voice& v) {
  const size_t first = static_cast<size_t>(std::lround(v.start * kSampleRate));
  const size_t count = static_cast<size_t>(std::lround(v.length * kSampleRate));
  if (samples_.size() < first + count) samples_.resize(first + count, 0.0);
  double phase = 0, modPhase = 0;
  Svf filter;
  for (size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double fraction = t / v.length;
    double hz = Glide(v.freq, v.freqEnd, fraction);
    if (v.vibratoDepth > 0) hz *= 1 + v.vibratoDepth * std::sin(kTwoPi * v.vibratoRate * t);
    const double step = std::min(hz / kSampleRate, 0.5);
    double s = 0;
    switch (v.wave) {
      case Wave::Sine: {
        double index = v.fmIndex;
        if (v.fmHalfLife > 0) index *= std::exp2(-t / v.fmHalfLife);
        s = std::sin(kTwoPi * phase + index * std::sin(kTwoPi * modPhase));
        break;
      }
      case Wave::Triangle: s = 4 * std::abs(phase - 0.5) - 1; break;
      case Wave::Square:
        s = (phase < v.duty ? 1.0 : -1.0) + PolyBlep(phase, step) -
            PolyBlep(std::fmod(phase + 1 - v.duty, 1.0), step);
        break;
      case Wave::Saw: s = 2 * phase - 1 - PolyBlep(phase, step); break;
      case Wave::Noise:
        noiseState_ ^= noiseState_ << 13;
        noiseState_ ^= noiseState_ >> 17;
        noiseState_ ^= noiseState_ << 5;
        s = noiseState_ / 2147483648.0 - 1;
        break;
    }
    if (v.filter.kind != FilterKind::None) {
      s = filter.Process(s, v.filter.kind, Glide(v.filter.cutoff, v.filter.cutoffEnd, fraction), v.filter.q);
    }
    samples_[first + i] += v.gain * EnvelopeAt(v.env, t, v.length) * s;
    phase += step;
    phase -= std::floor(phase);
    modPhase += step * v.fmRatio;
    modPhase -= std::floor(modPhase);
  }
}

void Signal::Echo(double delaySeconds, double feedback, double wet) {
  const size_t delay = static_cast<size_t>(std::lround(delaySeconds * kSampleRate));
  // Room for the repeats to die away below -60 dB.
  const double repeats = std::ceil(std::log(0.001) / std::log(feedback));
  const std::vector<double> dry = samples_;
  samples_.resize(samples_.size() + static_cast<size_t>(repeats) * delay, 0.0);
  std::vector<double> line(samples_.size(), 0.0);
  for (size_t i = delay; i < samples_.size(); ++i) {
    const double input = i - delay < dry.size() ? dry[i - delay] : 0.0;
    line[i] = input + feedback * line[i - delay];
    samples_[i] += wet * line[i];
  }
}

void Signal::Saturate(double drive) {
  double peak = 0;
  for (double s : samples_) peak = std::max(peak, std::abs(s));
  if (peak == 0) return;
  for (double& s : samples_) s = std::tanh(drive * s / peak);
}

std::vector<int16_t> Signal::Finish() const {
  std::vector<double> mix = samples_;
  RemoveDc(mix);
  TrimTail(mix);
  double peak = 0;
  for (double s : mix) peak = std::max(peak, std::abs(s));
  if (peak == 0) return std::vector<int16_t>(mix.size(), 0);
  const double gain = std::min(kTargetLoudness / MomentaryLoudness(mix), kPeakCeiling / peak);
  FadeEdges(mix);
  std::vector<int16_t> pcm(mix.size());
  for (size_t i = 0; i < mix.size(); ++i) {
    pcm[i] = static_cast<int16_t>(std::lround(std::clamp(mix[i] * gain, -1.0, 1.0) * 32767));
  }
  return pcm;
}

}  // namespace audiogen
