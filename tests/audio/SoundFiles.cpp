#include "audio/SoundFiles.h"

#include <unistd.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <numbers>

namespace {

using Bytes = std::vector<uint8_t>;

void PutLittle(Bytes& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void PutBig(Bytes& out, uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void PutText(Bytes& out, const char* text) {
  for (; *text; ++text) out.push_back(static_cast<uint8_t>(*text));
}

void Save(const std::string& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

}  // namespace

ScratchDir::ScratchDir() {
  static int count = 0;
  path_ = std::filesystem::temp_directory_path() /
          ("vexhop-audio-" + std::to_string(getpid()) + "-" + std::to_string(count++));
  std::filesystem::create_directories(path_);
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void WriteToneWav(const std::string& path, double seconds, double amplitude) {
  constexpr uint32_t kRate = 44100;
  const auto frames = static_cast<uint32_t>(seconds * kRate);
  Bytes wav;
  PutText(wav, "RIFF");
  PutLittle(wav, 36 + frames * 2, 4);
  PutText(wav, "WAVEfmt ");
  PutLittle(wav, 16, 4);
  PutLittle(wav, 1, 2);  // PCM
  PutLittle(wav, 1, 2);  // mono
  PutLittle(wav, kRate, 4);
  PutLittle(wav, kRate * 2, 4);
  PutLittle(wav, 2, 2);
  PutLittle(wav, 16, 2);
  PutText(wav, "data");
  PutLittle(wav, frames * 2, 4);
  for (uint32_t i = 0; i < frames; ++i) {
    const double sample = amplitude * 32767.0 * std::sin(2.0 * std::numbers::pi * 440.0 * i / kRate);
    PutLittle(wav, static_cast<uint16_t>(static_cast<int16_t>(std::lround(sample))), 2);
  }
  Save(path, wav);
}

void WriteOneNoteMidi(const std::string& path) {
  const Bytes track = {
      0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,  // 120 beats a minute
      0x00, 0xC0, 19,                            // church organ: a steady level
      0x00, 0x90, 60, 100,                       // middle C on
      0x83, 0x60, 0x80, 60, 0,                   // off one beat (480 ticks) later
      0x00, 0xFF, 0x2F, 0x00,                    // end of track
  };
  Bytes midi;
  PutText(midi, "MThd");
  PutBig(midi, 6, 4);
  PutBig(midi, 0, 2);    // one track
  PutBig(midi, 1, 2);
  PutBig(midi, 480, 2);  // ticks per beat
  PutText(midi, "MTrk");
  PutBig(midi, static_cast<uint32_t>(track.size()), 4);
  midi.insert(midi.end(), track.begin(), track.end());
  Save(path, midi);
}

double Level(const std::vector<int16_t>& samples) {
  double sum = 0.0;
  for (const int16_t s : samples) sum += static_cast<double>(s) * s;
  return std::sqrt(sum);
}

std::vector<int16_t> ReadSamples(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const Bytes bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  std::vector<int16_t> samples(bytes.size() / 2);
  for (size_t i = 0; i < samples.size(); ++i) {
    samples[i] = static_cast<int16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
  }
  return samples;
}
