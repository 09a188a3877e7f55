#include "AudioCheck.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

namespace audiocheck {
namespace {

// Bounds-checked reading of a byte buffer.
class Cursor {
 public:
  Cursor(const std::vector<uint8_t>& bytes, size_t begin, size_t end) : bytes_(bytes), pos_(begin), end_(end) {
    if (end > bytes.size()) throw std::runtime_error("chunk runs past the end of the file");
  }
  bool AtEnd() const { return pos_ >= end_; }
  size_t Position() const { return pos_; }
  uint8_t Byte() {
    if (pos_ >= end_) throw std::runtime_error("unexpected end of data");
    return bytes_[pos_++];
  }
  void Back() { --pos_; }
  uint32_t Le(int count) {
    uint32_t value = 0;
    for (int i = 0; i < count; ++i) value |= static_cast<uint32_t>(Byte()) << (8 * i);
    return value;
  }
  uint32_t Be(int count) {
    uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = (value << 8) | Byte();
    return value;
  }
  uint32_t VarLen() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const uint8_t b = Byte();
      value = (value << 7) | (b & 0x7F);
      if ((b & 0x80) == 0) return value;
    }
    throw std::runtime_error("variable-length number longer than four bytes");
  }
  std::string Tag() {
    std::string tag;
    for (int i = 0; i < 4; ++i) tag += static_cast<char>(Byte());
    return tag;
  }
  void Skip(size_t count) {
    if (count > end_ - pos_) throw std::runtime_error("field runs past its chunk");
    pos_ += count;
  }

 private:
  const std::vector<uint8_t>& bytes_;
  size_t pos_;
  size_t end_;
};

struct TrackState {
  std::array<std::array<bool, 128>, 16> sounding{};
  uint8_t runningStatus = 0;
  uint32_t tick = 0;
};

void ChannelEvent(uint8_t status, Cursor& in, TrackState& track, MidiSummary& out, std::map<int, double>& keySums) {
  const int channel = status & 0x0F;
  const int kind = status & 0xF0;
  const auto fault = [&](const std::string& what) {
    out.faults.push_back(what + " (channel " + std::to_string(channel + 1) + ", tick " + std::to_string(track.tick) + ")");
  };
  if (kind == 0xC0 || kind == 0xD0) {
    const uint8_t value = in.Byte();
    if (kind == 0xC0) out.programPerChannel[channel] = value;
    return;
  }
  const uint8_t key = in.Byte();
  const uint8_t velocity = in.Byte();
  if (key > 127 || velocity > 127) fault("data byte above 127");
  if (kind == 0x90 && velocity > 0) {
    if (track.sounding[channel][key & 0x7F]) fault("note-on of a key already sounding");
    track.sounding[channel][key & 0x7F] = true;
    ++out.notesPerChannel[channel];
    keySums[channel] += key;
  } else if (kind == 0x80 || kind == 0x90) {
    if (!track.sounding[channel][key & 0x7F]) fault("note-off of a silent key");
    track.sounding[channel][key & 0x7F] = false;
  }
}

// Reads one track; returns false when it had no end-of-track event.
bool ReadTrack(Cursor& in, MidiSummary& out, std::map<uint32_t, uint32_t>& tempos, std::map<int, double>& keySums) {
  TrackState track;
  while (!in.AtEnd()) {
    track.tick += in.VarLen();
    uint8_t status = in.Byte();
    if (status < 0x80) {
      if (track.runningStatus == 0) throw std::runtime_error("data byte without a status");
      status = track.runningStatus;
      in.Back();  // the byte read was the event's first data byte
    }
    if (status == 0xFF) {
      const uint8_t type = in.Byte();
      const uint32_t length = in.VarLen();
      if (type == 0x2F) {
        for (int ch = 0; ch < 16; ++ch) {
          for (int key = 0; key < 128; ++key) {
            if (track.sounding[ch][key]) {
              out.faults.push_back("key " + std::to_string(key) + " on channel " + std::to_string(ch + 1) +
                                   " still sounding at the end of its track");
            }
          }
        }
        out.endTick = std::max(out.endTick, track.tick);
        in.Skip(length);
        if (!in.AtEnd()) out.faults.push_back("events after the end of a track");
        return true;
      }
      if (type == 0x51 && length == 3) {
        tempos[track.tick] = in.Be(3);
      } else if (type == 0x58 && length == 4) {
        const uint8_t numerator = in.Byte();
        const uint8_t denominatorPower = in.Byte();
        in.Skip(2);
        if (denominatorPower == 2) out.beatsPerBar = numerator;
      } else {
        in.Skip(length);
      }
    } else if (status == 0xF0 || status == 0xF7) {
      in.Skip(in.VarLen());
    } else {
      track.runningStatus = status;
      ChannelEvent(status, in, track, out, keySums);
    }
  }
  return false;
}

double Seconds(uint32_t endTick, int ticksPerQuarter, const std::map<uint32_t, uint32_t>& tempos) {
  double seconds = 0;
  uint32_t tick = 0;
  uint32_t micros = 500000;
  for (const auto& [at, value] : tempos) {
    if (at >= endTick) break;
    seconds += static_cast<double>(at - tick) * micros / ticksPerQuarter / 1e6;
    tick = at;
    micros = value;
  }
  return seconds + static_cast<double>(endTick - tick) * micros / ticksPerQuarter / 1e6;
}

}  // namespace

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot open " + path);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

Wave ParseWave(const std::vector<uint8_t>& bytes) {
  Cursor in(bytes, 0, bytes.size());
  if (in.Tag() != "RIFF") throw std::runtime_error("not a RIFF file");
  if (in.Le(4) + 8 != bytes.size()) throw std::runtime_error("RIFF size does not match the file");
  if (in.Tag() != "WAVE") throw std::runtime_error("not a WAVE file");
  Wave wave;
  bool haveFormat = false, haveData = false;
  while (!in.AtEnd()) {
    const std::string tag = in.Tag();
    const uint32_t size = in.Le(4);
    Cursor chunk(bytes, in.Position(), in.Position() + size);
    if (tag == "fmt ") {
      wave.format = static_cast<int>(chunk.Le(2));
      wave.channels = static_cast<int>(chunk.Le(2));
      wave.sampleRate = static_cast<int>(chunk.Le(4));
      const uint32_t byteRate = chunk.Le(4);
      const uint32_t blockAlign = chunk.Le(2);
      wave.bitsPerSample = static_cast<int>(chunk.Le(2));
      if (blockAlign != static_cast<uint32_t>(wave.channels * wave.bitsPerSample / 8) ||
          byteRate != blockAlign * static_cast<uint32_t>(wave.sampleRate)) {
        throw std::runtime_error("inconsistent format chunk");
      }
      haveFormat = true;
    } else if (tag == "data") {
      if (!haveFormat || wave.bitsPerSample != 16) throw std::runtime_error("data before a 16-bit format chunk");
      if (size % (2 * static_cast<uint32_t>(wave.channels)) != 0) throw std::runtime_error("partial sample frame");
      for (uint32_t i = 0; i < size / 2; ++i) wave.samples.push_back(static_cast<int16_t>(chunk.Le(2)));
      haveData = true;
    }
    in.Skip(size + (size & 1));
  }
  if (!haveFormat || !haveData) throw std::runtime_error("missing format or data chunk");
  return wave;
}

MidiSummary ParseMidi(const std::vector<uint8_t>& bytes) {
  Cursor in(bytes, 0, bytes.size());
  if (in.Tag() != "MThd" || in.Be(4) != 6) throw std::runtime_error("not a Standard MIDI File");
  MidiSummary out;
  out.format = static_cast<int>(in.Be(2));
  const uint32_t trackCount = in.Be(2);
  const uint32_t division = in.Be(2);
  if (out.format > 2 || trackCount == 0) throw std::runtime_error("bad header");
  if (division == 0 || (division & 0x8000) != 0) throw std::runtime_error("time division is not in ticks");
  out.ticksPerQuarter = static_cast<int>(division);
  std::map<uint32_t, uint32_t> tempos;
  std::map<int, double> keySums;
  for (uint32_t t = 0; t < trackCount; ++t) {
    if (in.Tag() != "MTrk") throw std::runtime_error("missing track " + std::to_string(t));
    const uint32_t size = in.Be(4);
    Cursor track(bytes, in.Position(), in.Position() + size);
    if (!ReadTrack(track, out, tempos, keySums)) out.faults.push_back("track without an end-of-track event");
    in.Skip(size);
  }
  if (!in.AtEnd()) out.faults.push_back("bytes after the last track");
  for (const auto& [channel, sum] : keySums) out.meanKeyPerChannel[channel] = sum / out.notesPerChannel[channel];
  out.seconds = Seconds(out.endTick, out.ticksPerQuarter, tempos);
  return out;
}

}  // namespace audiocheck
