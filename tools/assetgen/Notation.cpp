#include "Notation.h"

#include <cctype>
#include <stdexcept>

namespace audiogen {
namespace {

class MelodyReader {
 public:
  MelodyReader(const std::string& text, uint32_t ticksPerQuarter, uint32_t barTicks)
      : text_(text), whole_(4 * ticksPerQuarter), barTicks_(barTicks), length_(ticksPerQuarter) {}

  Melody Read() {
    while (SkipSpaces()) {
      const char c = text_[pos_];
      if (c == '|') {
        ++pos_;
        if (melody_.length % barTicks_ != 0) throw Fault("bar does not add up");
      } else if (c == 'r') {
        ++pos_;
        melody_.length += ReadLength();
      } else if (c >= 'a' && c <= 'g') {
        const int key = ReadPitch();
        const uint32_t length = ReadLength();
        melody_.notes.push_back({melody_.length, length, key});
        melody_.length += length;
      } else {
        throw Fault("unknown symbol");
      }
    }
    return melody_;
  }

 private:
  std::runtime_error Fault(const std::string& what) const {
    return std::runtime_error(what + " at " + std::to_string(pos_) + " in \"" + text_ + "\"");
  }

  bool SkipSpaces() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    return pos_ < text_.size();
  }

  bool Next(char c) {
    if (pos_ < text_.size() && text_[pos_] == c) return ++pos_, true;
    return false;
  }

  int ReadPitch() {
    static const int kNatural[] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    int key = 48 + kNatural[text_[pos_++] - 'a'];
    for (;;) {
      if (Next('#') || Next('+')) key += 1;
      else if (Next('-')) key -= 1;
      else if (Next('\'')) key += 12;
      else if (Next(',')) key -= 12;
      else return key;
    }
  }

  // A length with its dots and ties; without a number, the previous one.
  uint32_t ReadLength() {
    uint32_t total = ReadOneLength();
    while (Next('~')) total += ReadOneLength();
    return total;
  }

  uint32_t ReadOneLength() {
    if (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
      int divisor = 0;
      while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
        divisor = divisor * 10 + (text_[pos_++] - '0');
      }
      if (divisor == 0 || whole_ % divisor != 0) throw Fault("bad length");
      length_ = whole_ / divisor;
      for (uint32_t dot = length_ / 2; Next('.'); dot /= 2) length_ += dot;
    }
    return length_;
  }

  const std::string& text_;
  const uint32_t whole_;
  const uint32_t barTicks_;
  uint32_t length_;
  size_t pos_ = 0;
  Melody melody_;
};

}  // namespace

Melody ParseMelody(const std::string& text, uint32_t ticksPerQuarter, uint32_t barTicks) {
  return MelodyReader(text, ticksPerQuarter, barTicks).Read();
}

}  // namespace audiogen
