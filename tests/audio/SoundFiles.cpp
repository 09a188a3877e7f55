#include "audio/SoundFiles.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <numbers>

namespace {

// Little-endian for WAV, big-endian for MIDI.
void Put(std::string& out, uint32_t value, int bytes, bool bigEndian = false) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(value >> (8 * (bigEndian ? bytes - 1 - i : i))));
}

// Ticks below 16384 as a two-byte variable-length delta.
std::string Delta(uint16_t ticks) { return {static_cast<char>(0x80 | ticks >> 7), static_cast<char>(ticks & 0x7F)}; }

}  // namespace

void WriteToneWav(const std::string& path, double seconds, double amplitude) {
  constexpr uint32_t kRate = 44100;
  const auto frames = static_cast<uint32_t>(seconds * kRate);
  std::string wav = "RIFF";
  Put(wav, 36 + frames * 2, 4);
  wav += "WAVEfmt ";
  Put(wav, 16, 4);  // format chunk size
  Put(wav, 1, 2);   // PCM
  Put(wav, 1, 2);   // mono
  Put(wav, kRate, 4);
  Put(wav, kRate * 2, 4);  // bytes per second
  Put(wav, 2, 2);          // bytes per frame
  Put(wav, 16, 2);         // bits per sample
  wav += "data";
  Put(wav, frames * 2, 4);
  for (uint32_t i = 0; i < frames; ++i) {
    const double sample = amplitude * 32767.0 * std::sin(2.0 * std::numbers::pi * 440.0 * i / kRate);
    Put(wav, static_cast<uint16_t>(std::lround(sample)), 2);
  }
  std::ofstream(path, std::ios::binary) << wav;
}

void WriteOneNoteMidi(const std::string& path, uint16_t noteTicks, uint16_t endTicks) {
  const std::string track = std::string{
      0x00, '\xFF', 0x51, 0x03, 0x07, '\xA1', 0x20,  // 120 beats a minute
      0x00, '\xC0', 19,                              // church organ: a steady level
      0x00, '\x90', 60, 100,                         // middle C on
  } + Delta(noteTicks) + std::string{'\x80', 60, 0} + Delta(endTicks - noteTicks) + std::string{'\xFF', 0x2F, 0x00};
  std::string midi = "MThd";
  Put(midi, 6, 4, true);    // header size
  Put(midi, 0, 2, true);    // format 0: one track
  Put(midi, 1, 2, true);    // track count
  Put(midi, 480, 2, true);  // ticks per beat
  midi += "MTrk";
  Put(midi, static_cast<uint32_t>(track.size()), 4, true);
  std::ofstream(path, std::ios::binary) << midi + track;
}

double FileLevel(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  double sum = 0.0;
  for (int16_t sample; file.read(reinterpret_cast<char*>(&sample), sizeof sample);) sum += double(sample) * sample;
  return std::sqrt(sum);
}

std::vector<int> PeakPerMillisecond(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::vector<int> peaks;
  size_t sample = 0;
  for (int16_t value; file.read(reinterpret_cast<char*>(&value), sizeof value); ++sample) {
    const size_t ms = sample / 2 * 1000 / 44100;
    if (ms >= peaks.size()) peaks.resize(ms + 1);
    peaks[ms] = std::max(peaks[ms], std::abs(int(value)));
  }
  return peaks;
}
