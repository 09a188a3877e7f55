#include "audio/SoundFiles.h"

#include <cmath>
#include <fstream>
#include <numbers>

namespace {

// Little-endian for WAV, big-endian for MIDI.
void Put(std::string& out, uint32_t value, int bytes, bool bigEndian = false) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(value >> (8 * (bigEndian ? bytes - 1 - i : i))));
}

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

void WriteOneNoteMidi(const std::string& path) {
  const std::string track = {
      0x00, '\xFF', 0x51, 0x03, 0x07, '\xA1', 0x20,  // 120 beats a minute
      0x00, '\xC0', 19,                              // church organ: a steady level
      0x00, '\x90', 60, 100,                         // middle C on
      '\x83', 0x60, '\x80', 60, 0,                   // off one beat (480 ticks) later
      0x00, '\xFF', 0x2F, 0x00,                      // end of track
  };
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
