#include "audio/MidiFile.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace {

constexpr uint32_t kDefaultMicrosPerQuarter = 500'000;  // 120 beats a minute

// Reads big-endian numbers and variable-length quantities; past the end of
// its bytes it reports itself done instead of reading on.
class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  bool Done() const { return at_ >= bytes_.size(); }
  size_t Left() const { return bytes_.size() - std::min(at_, bytes_.size()); }
  uint8_t Peek() const { return Done() ? 0 : bytes_[at_]; }
  uint8_t Byte() { return Done() ? 0 : bytes_[at_++]; }
  uint32_t Number(int size) {
    uint32_t value = 0;
    for (int i = 0; i < size; ++i) value = value << 8 | Byte();
    return value;
  }
  uint32_t VarLen() {
    uint32_t value = 0;
    for (int i = 0; i < 4 && !Done(); ++i) {
      const uint8_t b = Byte();
      value = value << 7 | (b & 0x7F);
      if (!(b & 0x80)) break;
    }
    return value;
  }
  std::span<const uint8_t> Take(size_t size) {
    size = std::min(size, Left());
    auto taken = bytes_.subspan(std::min(at_, bytes_.size()), size);
    at_ += size;
    return taken;
  }

 private:
  std::span<const uint8_t> bytes_;
  size_t at_ = 0;
};

struct TickedEvent {
  uint64_t tick;
  MidiEvent event;
};

struct Tempo {
  uint64_t tick;
  uint32_t microsPerQuarter;
};

struct Track {
  std::vector<TickedEvent> events;
  std::vector<Tempo> tempos;
  uint64_t end = 0;  // tick of its last event
};

int DataBytes(uint8_t status) { return (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2; }

Track ReadTrack(std::span<const uint8_t> bytes) {
  Track track;
  ByteReader in(bytes);
  uint64_t tick = 0;
  uint8_t running = 0;
  while (!in.Done()) {
    tick += in.VarLen();
    if (in.Done()) break;
    uint8_t status = in.Peek();
    if (status < 0x80) {
      if (!running) break;  // data with no status to run on: the track is broken here
      status = running;
    } else {
      in.Byte();
    }
    if (status == 0xFF) {
      const uint8_t type = in.Byte();
      auto data = in.Take(in.VarLen());
      track.end = tick;
      if (type == 0x2F) break;
      if (type == 0x51 && data.size() == 3) track.tempos.push_back({tick, uint32_t(data[0]) << 16 | data[1] << 8 | data[2]});
    } else if (status == 0xF0 || status == 0xF7) {
      auto data = in.Take(in.VarLen());
      track.end = tick;
      if (status == 0xF0) {  // an F7 packet continues or escapes: nothing a synthesiser needs
        MidiEvent sysex{0, 0xF0, 0, 0, {data.begin(), data.end()}};
        if (!sysex.sysex.empty() && sysex.sysex.back() == 0xF7) sysex.sysex.pop_back();
        track.events.push_back({tick, std::move(sysex)});
      }
    } else if (status >= 0xF0) {
      break;  // real-time and common messages have no place in a file
    } else {
      running = status;
      if (in.Left() < size_t(DataBytes(status))) break;  // cut short inside the message
      track.end = tick;
      MidiEvent event{0, status, static_cast<uint8_t>(in.Byte() & 0x7F), 0, {}};
      if (DataBytes(status) == 2) event.data2 = in.Byte() & 0x7F;
      track.events.push_back({tick, std::move(event)});
    }
  }
  return track;
}

// Turns ticks into seconds, for files that count ticks per quarter note and
// follow the tempo map, and for those that count ticks per SMPTE frame. Asked
// for ticks in rising order, it walks the tempo map once.
class TickClock {
 public:
  TickClock(uint16_t division, std::vector<Tempo> tempos) : tempos_(std::move(tempos)) {
    if (division & 0x8000) {
      const int framesPerSecond = -static_cast<int8_t>(division >> 8);
      const double rate = framesPerSecond == 29 ? 29.97 : framesPerSecond;
      fixedSecondsPerTick_ = 1.0 / (std::max(1.0, rate) * std::max(1, division & 0xFF));
    } else {
      ticksPerQuarter_ = std::max<uint16_t>(1, division);
    }
    std::stable_sort(tempos_.begin(), tempos_.end(), [](const Tempo& a, const Tempo& b) { return a.tick < b.tick; });
  }

  double Seconds(uint64_t tick) {
    if (fixedSecondsPerTick_ > 0) return double(tick) * fixedSecondsPerTick_;
    for (; next_ < tempos_.size() && tempos_[next_].tick < tick; ++next_) {
      seconds_ += Span(tempos_[next_].tick - from_);
      from_ = tempos_[next_].tick;
      micros_ = tempos_[next_].microsPerQuarter;
    }
    return seconds_ + Span(tick - from_);
  }

 private:
  double Span(uint64_t ticks) const { return double(ticks) * micros_ / (1e6 * ticksPerQuarter_); }

  std::vector<Tempo> tempos_;
  uint16_t ticksPerQuarter_ = 1;
  double fixedSecondsPerTick_ = 0;
  size_t next_ = 0;  // the first tempo change not yet passed
  uint64_t from_ = 0;
  double seconds_ = 0;  // at tick from_
  uint32_t micros_ = kDefaultMicrosPerQuarter;
};

}  // namespace

std::optional<MidiPiece> ParseMidi(std::span<const uint8_t> bytes) {
  ByteReader in(bytes);
  if (in.Number(4) != 0x4D546864) return std::nullopt;  // "MThd"
  const uint32_t headerSize = in.Number(4);
  if (headerSize < 6) return std::nullopt;
  in.Number(2);  // format: format 2's independent tracks are played together as well
  const uint32_t trackCount = in.Number(2);
  const auto division = static_cast<uint16_t>(in.Number(2));
  in.Take(headerSize - 6);

  std::vector<TickedEvent> events;
  std::vector<Tempo> tempos;
  uint64_t end = 0;
  for (uint32_t found = 0; found < trackCount && !in.Done();) {
    const uint32_t tag = in.Number(4);
    auto body = in.Take(in.Number(4));
    if (tag != 0x4D54726B) continue;  // not "MTrk": a chunk of some other kind
    ++found;
    Track track = ReadTrack(body);
    std::move(track.events.begin(), track.events.end(), std::back_inserter(events));
    tempos.insert(tempos.end(), track.tempos.begin(), track.tempos.end());
    end = std::max(end, track.end);
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const TickedEvent& a, const TickedEvent& b) { return a.tick < b.tick; });

  TickClock clock(division, std::move(tempos));
  MidiPiece piece;
  piece.events.reserve(events.size());
  for (TickedEvent& e : events) {
    e.event.seconds = clock.Seconds(e.tick);
    piece.events.push_back(std::move(e.event));
  }
  piece.endSeconds = clock.Seconds(end);
  return piece;
}

std::optional<MidiPiece> ReadMidiFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  return ParseMidi(bytes);
}
