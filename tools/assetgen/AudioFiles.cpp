#include "AudioFiles.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace audiogen {
namespace {

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void PutTag(std::vector<uint8_t>& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(tag[i]));
}

}  // namespace

std::vector<uint8_t> EncodeWav(const std::vector<int16_t>& samples, int sampleRate) {
  const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
  std::vector<uint8_t> out;
  out.reserve(44 + dataBytes);
  PutTag(out, "RIFF");
  PutLe(out, 36 + dataBytes, 4);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  PutLe(out, 16, 4);
  PutLe(out, 1, 2);  // PCM
  PutLe(out, 1, 2);  // mono
  PutLe(out, static_cast<uint32_t>(sampleRate), 4);
  PutLe(out, static_cast<uint32_t>(sampleRate) * 2, 4);  // bytes per second
  PutLe(out, 2, 2);                                      // block align
  PutLe(out, 16, 2);                                     // bits per sample
  PutTag(out, "data");
  PutLe(out, dataBytes, 4);
  for (int16_t s : samples) PutLe(out, static_cast<uint16_t>(s), 2);
  return out;
}

void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file.flush()) throw std::runtime_error("cannot write " + path);
}

}  // namespace audiogen
