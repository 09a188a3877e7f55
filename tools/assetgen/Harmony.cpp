#include "Harmony.h"

#include <cmath>
#include <cstdlib>
#include <map>
#include <numeric>
#include <stdexcept>

namespace audiogen {
namespace {

const std::map<std::string, std::vector<int>>& Qualities() {
  static const std::map<std::string, std::vector<int>> table{
      {"", {0, 4, 7}},          {"m", {0, 3, 7}},           {"5", {0, 7}},
      {"7", {0, 4, 7, 10}},     {"maj7", {0, 4, 7, 11}},    {"m7", {0, 3, 7, 10}},
      {"6", {0, 4, 7, 9}},      {"m6", {0, 3, 7, 9}},       {"dim", {0, 3, 6}},
      {"dim7", {0, 3, 6, 9}},   {"m7b5", {0, 3, 6, 10}},    {"aug", {0, 4, 8}},
      {"sus2", {0, 2, 7}},      {"sus4", {0, 5, 7}},        {"7sus4", {0, 5, 7, 10}},
      {"add9", {0, 4, 7, 14}},  {"madd9", {0, 3, 7, 14}},   {"9", {0, 4, 7, 10, 14}},
      {"m9", {0, 3, 7, 10, 14}}, {"maj9", {0, 4, 7, 11, 14}},
  };
  return table;
}

// Reads a note name at `pos` ("C", "F#", "Bb") and advances past it.
int ParsePitchClass(const std::string& text, size_t& pos) {
  static const int kNatural[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (pos >= text.size() || text[pos] < 'A' || text[pos] > 'G') return -1;
  int pc = kNatural[text[pos++] - 'A'];
  if (pos < text.size() && text[pos] == '#') pc += 1, ++pos;
  else if (pos < text.size() && text[pos] == 'b') pc += 11, ++pos;
  return pc % 12;
}

double Mean(const std::vector<int>& keys) {
  return std::accumulate(keys.begin(), keys.end(), 0.0) / static_cast<double>(keys.size());
}

double Movement(const std::vector<int>& from, const std::vector<int>& to) {
  if (from.size() != to.size()) return std::abs(Mean(from) - Mean(to)) * static_cast<double>(to.size());
  double sum = 0;
  for (size_t i = 0; i < to.size(); ++i) sum += std::abs(from[i] - to[i]);
  return sum;
}

}  // namespace

Chord ParseChord(const std::string& symbol) {
  const auto fail = [&symbol]() { return std::runtime_error("unknown chord '" + symbol + "'"); };
  size_t pos = 0;
  Chord chord;
  chord.root = ParsePitchClass(symbol, pos);
  if (chord.root < 0) throw fail();
  const size_t slash = symbol.find('/', pos);
  const auto quality = Qualities().find(symbol.substr(pos, slash - pos));
  if (quality == Qualities().end()) throw fail();
  chord.tones = quality->second;
  chord.bass = chord.root;
  if (slash != std::string::npos) {
    pos = slash + 1;
    chord.bass = ParsePitchClass(symbol, pos);
    if (chord.bass < 0 || pos != symbol.size()) throw fail();
  }
  return chord;
}

int ChordTone(const Chord& chord, char degree) {
  const std::vector<int>& t = chord.tones;
  switch (degree) {
    case '1': return 0;
    case '3': return t.size() > 2 ? t[1] : t.back();
    case '5': return t.size() > 2 ? t[2] : t.back();
    case '7': return t.size() > 3 && t[3] < 12 ? t[3] : 12;
    case '8': return 12;
    default: throw std::runtime_error(std::string("unknown bass degree '") + degree + "'");
  }
}

int KeyAtOrAbove(int pc, int low) { return low + ((pc - low) % 12 + 12) % 12; }

std::vector<int> VoiceChord(const Chord& chord, int low, const std::vector<int>& previous) {
  std::vector<int> classes;
  for (int tone : chord.tones) {
    if (chord.tones.size() > 4 && tone == 7) continue;  // a fifth is the tone to spare
    classes.push_back((chord.root + tone) % 12);
  }
  std::vector<int> best;
  double bestScore = 1e9;
  for (size_t inversion = 0; inversion < classes.size(); ++inversion) {
    std::vector<int> keys;
    for (size_t i = 0; i < classes.size(); ++i) {
      const int pc = classes[(inversion + i) % classes.size()];
      keys.push_back(keys.empty() ? KeyAtOrAbove(pc, low) : KeyAtOrAbove(pc, keys.back() + 1));
    }
    const double score = previous.empty() ? std::abs(Mean(keys) - (low + 7)) : Movement(previous, keys);
    if (score < bestScore) bestScore = score, best = keys;
  }
  return best;
}

}  // namespace audiogen
