#include "Arranger.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <sstream>
#include <stdexcept>

#include "Harmony.h"
#include "Notation.h"

namespace audiogen {
namespace {

constexpr uint32_t kTicksPerQuarter = 480;
constexpr uint8_t kDrumChannel = 9;
constexpr int kCrashCymbal = 49;

struct ChordSpan {
  uint32_t start;
  Chord chord;
};

struct PlacedSection {
  const Section* section;
  uint32_t start;
  uint32_t bars;
};

// Where every section and chord falls in the whole piece.
struct Timeline {
  std::vector<PlacedSection> sections;
  std::vector<ChordSpan> chords;
  uint32_t length = 0;

  size_t SpanAt(uint32_t tick) const {
    const auto after = std::upper_bound(chords.begin(), chords.end(), tick,
                                        [](uint32_t t, const ChordSpan& s) { return t < s.start; });
    return static_cast<size_t>(after - chords.begin()) - 1;
  }
  const Chord& ChordAt(uint32_t tick) const { return chords[SpanAt(tick)].chord; }
  // The chord after the one sounding at `tick`; the last leads back to the first.
  const Chord& NextChord(uint32_t tick) const { return chords[(SpanAt(tick) + 1) % chords.size()].chord; }
};

// Small deterministic velocity variation, so repeated notes do not sound
// like a machine gun.
class Humanizer {
 public:
  explicit Humanizer(const std::string& seed) {
    for (char c : seed) state_ = (state_ ^ static_cast<uint8_t>(c)) * 0x100000001B3ull;
  }
  int Jitter(int range) {
    state_ += 0x9E3779B97F4A7C15ull;
    uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<int>(z % static_cast<uint64_t>(2 * range + 1)) - range;
  }

 private:
  uint64_t state_ = 0xCBF29CE484222325ull;
};

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream stream(text);
  for (std::string part; std::getline(stream, part, separator);) parts.push_back(part);
  return parts;
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::stringstream stream(text);
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

const Section& FindSection(const Piece& piece, const std::string& name) {
  for (const Section& s : piece.sections) {
    if (s.name == name) return s;
  }
  throw std::runtime_error("no section '" + name + "'");
}

Timeline Lay(const Piece& piece, uint32_t barTicks) {
  Timeline timeline;
  for (const std::string& name : piece.form) {
    const Section& section = FindSection(piece, name);
    const std::vector<std::string> bars = Split(section.chords, '|');
    timeline.sections.push_back({&section, timeline.length, static_cast<uint32_t>(bars.size())});
    for (const std::string& bar : bars) {
      const std::vector<std::string> symbols = Words(bar);
      if (symbols.empty() || barTicks % symbols.size() != 0) {
        throw std::runtime_error("section '" + name + "': cannot split a bar among \"" + bar + "\"");
      }
      const uint32_t each = barTicks / static_cast<uint32_t>(symbols.size());
      for (size_t i = 0; i < symbols.size(); ++i) {
        timeline.chords.push_back({timeline.length + static_cast<uint32_t>(i) * each, ParseChord(symbols[i])});
      }
      timeline.length += barTicks;
    }
  }
  return timeline;
}

int StrikeVelocity(char symbol) {
  switch (symbol) {
    case 'X': return 118;
    case 'x': return 100;
    case 'o': return 80;
    case 'g': return 56;
    default: return 96;
  }
}

uint8_t Clamp7(int value) { return static_cast<uint8_t>(std::clamp(value, 1, 127)); }

// The arranger's whole state while it writes one piece.
class Arrangement {
 public:
  explicit Arrangement(const Piece& piece)
      : piece_(piece),
        barTicks_(kTicksPerQuarter * static_cast<uint32_t>(piece.beatsPerBar)),
        timeline_(Lay(piece, barTicks_)),
        humanizer_(piece.file) {}

  MidiSong Build() {
    MidiSong song;
    song.title = piece_.title;
    song.ticksPerQuarter = kTicksPerQuarter;
    song.bpm = piece_.bpm;
    song.beatsPerBar = piece_.beatsPerBar;
    song.length = timeline_.length;
    uint8_t nextChannel = 0;
    for (const Part& part : piece_.parts) {
      if (nextChannel > 15) throw std::runtime_error("more parts than MIDI channels");
      MidiTrack track{part.name,
                      part.role == Role::Drums ? kDrumChannel : nextChannel,
                      static_cast<uint8_t>(part.program),
                      static_cast<uint8_t>(part.volume),
                      static_cast<uint8_t>(part.pan),
                      static_cast<uint8_t>(part.reverb),
                      static_cast<uint8_t>(part.chorus),
                      {}};
      if (part.role != Role::Drums && ++nextChannel == kDrumChannel) ++nextChannel;
      state_ = PartState{};
      for (const PlacedSection& placed : timeline_.sections) Write(part, placed, track);
      song.tracks.push_back(std::move(track));
    }
    return song;
  }

 private:
  using Voicer = std::function<std::vector<int>(char symbol, uint32_t tick)>;

  // A pattern's steps must split the bar into notes of a plain length (a
  // quarter, an eighth, a triplet...), which catches a step typed too many
  // or too few.
  uint32_t StepTicks(const std::string& pattern) const {
    const uint32_t count = static_cast<uint32_t>(pattern.size());
    const uint32_t step = count == 0 ? 0 : barTicks_ / count;
    if (step == 0 || step * count != barTicks_ || (kTicksPerQuarter % step != 0 && step % kTicksPerQuarter != 0)) {
      throw std::runtime_error("pattern \"" + pattern + "\" does not split a bar evenly");
    }
    return step;
  }

  int Accent(uint32_t tick) const {
    const uint32_t inBar = tick % barTicks_;
    return inBar == 0 ? 8 : inBar % kTicksPerQuarter == 0 ? 3 : -3;
  }

  void Write(const Part& part, const PlacedSection& placed, MidiTrack& track) {
    const int groove = placed.section->groove;
    const std::string pattern = groove < static_cast<int>(part.grooves.size()) ? part.grooves[groove] : "";
    switch (part.role) {
      case Role::Lead: return WriteLead(part, placed, track);
      case Role::Chords: return Sequence(pattern, placed, ChordVoicer(part), track, part.strum);
      case Role::Arpeggio: return Sequence(pattern, placed, ArpeggioVoicer(part), track);
      case Role::Bass: return Sequence(pattern, placed, BassVoicer(part), track);
      case Role::Drums: {
        const std::string fill = groove < static_cast<int>(part.fills.size()) ? part.fills[groove] : "";
        return WriteDrums(pattern, fill, placed, track);
      }
    }
  }

  void WriteLead(const Part& part, const PlacedSection& placed, MidiTrack& track) {
    const std::vector<std::string>& lines = placed.section->lines;
    if (part.line >= static_cast<int>(lines.size()) || lines[part.line].empty()) return;
    const Melody melody = ParseMelody(lines[part.line], kTicksPerQuarter, barTicks_);
    if (melody.length != placed.bars * barTicks_) {
      throw std::runtime_error("section '" + placed.section->name + "': line " + std::to_string(part.line) +
                               " does not last its " + std::to_string(placed.bars) + " bars");
    }
    for (const WrittenNote& note : melody.notes) {
      const uint32_t tick = placed.start + note.start;
      const int held = note.length >= 2 * kTicksPerQuarter ? 4 : 0;
      track.notes.push_back({tick, std::max<uint32_t>(1, static_cast<uint32_t>(note.length * part.gate)),
                             Clamp7(note.key + part.transpose),
                             Clamp7(part.velocity + Accent(tick) + held + humanizer_.Jitter(4))});
    }
  }

  // Walks a one-bar step pattern over every bar of the section. A strike
  // sounds until the next strike or rest; a chord change during a hold
  // strikes the new chord a little softer.
  void Sequence(const std::string& pattern, const PlacedSection& placed, const Voicer& voice, MidiTrack& track,
                int strum = 0) {
    if (pattern.empty()) return;
    const uint32_t step = StepTicks(pattern);
    struct Strike {
      uint32_t start;
      std::vector<int> keys;
      int velocity;
      size_t span;
      char symbol;
    };
    std::optional<Strike> open;
    const auto close = [&](uint32_t end) {
      if (!open) return;
      uint32_t start = open->start;
      for (int key : open->keys) {
        const uint32_t length = end - start;
        track.notes.push_back({start, length - std::min<uint32_t>(length / 8, 40), Clamp7(key), Clamp7(open->velocity)});
        start = std::min(start + static_cast<uint32_t>(strum), end - 1);
      }
      open.reset();
    };
    const auto strike = [&](char symbol, uint32_t tick, int velocity) {
      open = Strike{tick, voice(symbol, tick), velocity, timeline_.SpanAt(tick), symbol};
    };
    for (uint32_t bar = 0; bar < placed.bars; ++bar) {
      for (size_t i = 0; i < pattern.size(); ++i) {
        const uint32_t tick = placed.start + bar * barTicks_ + static_cast<uint32_t>(i) * step;
        const char symbol = pattern[i];
        if (symbol == '-') {
          if (open && timeline_.SpanAt(tick) != open->span) {
            const Strike held = *open;
            close(tick);
            strike(held.symbol, tick, held.velocity * 85 / 100);
          }
          continue;
        }
        close(tick);
        if (symbol != '.') strike(symbol, tick, StrikeVelocity(symbol) + Accent(tick) + humanizer_.Jitter(5));
      }
    }
    close(placed.start + placed.bars * barTicks_);
  }

  Voicer ChordVoicer(const Part& part) {
    return [this, &part](char, uint32_t tick) {
      if (part.power) {
        const int root = KeyAtOrAbove(timeline_.ChordAt(tick).root, part.low);
        return std::vector<int>{root, root + 7, root + 12};
      }
      state_.voicing = VoiceChord(timeline_.ChordAt(tick), part.low, state_.voicing);
      return state_.voicing;
    };
  }

  // Up and down the voicing plus the octave of its lowest tone, starting
  // afresh on every chord.
  Voicer ArpeggioVoicer(const Part& part) {
    return [this, &part](char, uint32_t tick) {
      const size_t span = timeline_.SpanAt(tick);
      if (span != state_.arpeggioSpan) state_.arpeggioSpan = span, state_.arpeggioStep = 0;
      state_.voicing = VoiceChord(timeline_.ChordAt(tick), part.low, state_.voicing);
      std::vector<int> run = state_.voicing;
      run.push_back(run.front() + 12);
      const size_t period = 2 * run.size() - 2;
      const size_t at = state_.arpeggioStep++ % period;
      return std::vector<int>{run[at < run.size() ? at : period - at]};
    };
  }

  Voicer BassVoicer(const Part& part) {
    return [this, &part](char symbol, uint32_t tick) {
      const Chord& chord = timeline_.ChordAt(tick);
      const int root = KeyAtOrAbove(chord.root, part.low);
      const int bass = KeyAtOrAbove(chord.bass, part.low);
      int key = 0;
      if (symbol == 'a') {
        const int target = KeyAtOrAbove(timeline_.NextChord(tick).bass, part.low);
        key = state_.bass > target ? target + 1 : target - 1;
      } else if (symbol == '1' || symbol == '8') {
        key = bass + (symbol == '8' ? 12 : 0);
      } else {
        key = root + ChordTone(chord, symbol);
      }
      state_.bass = key;
      return std::vector<int>{key};
    };
  }

  void WriteDrums(const std::string& kit, const std::string& fill, const PlacedSection& placed, MidiTrack& track) {
    if (placed.section->crash) track.notes.push_back({placed.start, kTicksPerQuarter, kCrashCymbal, 112});
    for (uint32_t bar = 0; bar < placed.bars; ++bar) {
      const bool last = bar + 1 == placed.bars;
      for (const std::string& voice : Words(last && !fill.empty() ? fill : kit)) {
        const size_t colon = voice.find(':');
        if (colon == 0 || colon == std::string::npos) throw std::runtime_error("bad drum pattern \"" + voice + "\"");
        const int key = std::stoi(voice.substr(0, colon));
        const std::string steps = voice.substr(colon + 1);
        const uint32_t step = StepTicks(steps);
        for (size_t i = 0; i < steps.size(); ++i) {
          if (steps[i] == '.') continue;
          const uint32_t tick = placed.start + bar * barTicks_ + static_cast<uint32_t>(i) * step;
          track.notes.push_back({tick, std::min(step, kTicksPerQuarter / 4), Clamp7(key),
                                 Clamp7(StrikeVelocity(steps[i]) + humanizer_.Jitter(6))});
        }
      }
    }
  }

  const Piece& piece_;
  const uint32_t barTicks_;
  const Timeline timeline_;
  Humanizer humanizer_;
  // What one part remembers from strike to strike.
  struct PartState {
    std::vector<int> voicing;
    size_t arpeggioSpan = SIZE_MAX;
    size_t arpeggioStep = 0;
    int bass = 0;
  } state_;
};

}  // namespace

MidiSong Arrange(const Piece& piece) {
  try {
    return Arrangement(piece).Build();
  } catch (const std::exception& e) {
    throw std::runtime_error(piece.file + ": " + e.what());
  }
}

}  // namespace audiogen
