// Tokenizer for the "txt " encoding: free-form text where ';' and ',' end
// values, '//' and '#' start comments, and names and numbers are plain words.

#include <charconv>

#include "gfx/XTokenizer.h"

namespace {

bool IsDelimiter(uint8_t c) {
  switch (c) {
    case ' ': case '\t': case '\r': case '\n': case '\f': case '\v':
    case '{': case '}': case ';': case ',': case '<': case '>':
    case '(': case ')': case '[': case ']': case '"': case '#':
      return true;
    default:
      return false;
  }
}

bool LooksNumeric(std::string_view word) {
  size_t i = (word[0] == '-' || word[0] == '+') ? 1 : 0;
  if (i < word.size() && word[i] == '.') ++i;
  return i < word.size() && word[i] >= '0' && word[i] <= '9';
}

class TextTokenizer final : public XTokenizer {
 public:
  TextTokenizer(std::span<const uint8_t> data, const XSource& source)
      : p_(data.data()), end_(data.data() + data.size()), source_(source) {}

  XToken Next() override {
    SkipSpaceAndComments();
    XToken token;
    token.position = line_;
    if (p_ == end_) return token;
    uint8_t c = *p_;
    switch (c) {
      case '{': ++p_; token.kind = XTokenKind::OpenBrace; return token;
      case '}': ++p_; token.kind = XTokenKind::CloseBrace; return token;
      case ';': case ',': ++p_; token.kind = XTokenKind::Separator; return token;
      case '(': case ')': case '[': case ']': case '>':
        ++p_; token.kind = XTokenKind::Other; return token;
      case '<': return Guid(token);
      case '"': return QuotedString(token);
      default: return Word(token);
    }
  }

 private:
  void SkipSpaceAndComments() {
    while (p_ != end_) {
      uint8_t c = *p_;
      if (c == '\n') {
        ++line_;
        ++p_;
      } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
        ++p_;
      } else if (c == '#' || (c == '/' && p_ + 1 != end_ && p_[1] == '/')) {
        while (p_ != end_ && *p_ != '\n') ++p_;
      } else {
        return;
      }
    }
  }

  XToken& Guid(XToken& token) {
    const uint8_t* close = p_;
    while (close != end_ && *close != '>' && *close != '\n') ++close;
    if (close == end_ || *close != '>') source_.Fail(line_, "unterminated <guid>");
    p_ = close + 1;
    token.kind = XTokenKind::Guid;
    return token;
  }

  XToken& QuotedString(XToken& token) {
    const uint8_t* start = ++p_;
    while (p_ != end_ && *p_ != '"') {
      if (*p_ == '\n') ++line_;
      ++p_;
    }
    if (p_ == end_) source_.Fail(token.position, "unterminated string");
    token.kind = XTokenKind::String;
    token.text = {reinterpret_cast<const char*>(start), size_t(p_ - start)};
    ++p_;
    return token;
  }

  XToken& Word(XToken& token) {
    const uint8_t* start = p_;
    while (p_ != end_ && !IsDelimiter(*p_)) ++p_;
    std::string_view word{reinterpret_cast<const char*>(start), size_t(p_ - start)};
    token.text = word;
    if (word == "template") {
      token.kind = XTokenKind::Template;
    } else if (LooksNumeric(word)) {
      ParseNumber(word, token);
    } else {
      token.kind = XTokenKind::Name;
    }
    return token;
  }

  void ParseNumber(std::string_view word, XToken& token) const {
    if (word[0] == '+') word.remove_prefix(1);
    const char* first = word.data();
    const char* last = first + word.size();
    int64_t integer = 0;
    auto [intEnd, intError] = std::from_chars(first, last, integer);
    if (intError == std::errc() && intEnd == last) {
      token.kind = XTokenKind::Integer;
      token.number = static_cast<double>(integer);
      return;
    }
    double real = 0;
    auto [realEnd, realError] = std::from_chars(first, last, real);
    if (realError != std::errc() || realEnd != last) {
      source_.Fail(token.position, "bad number '" + std::string(word) + "'");
    }
    token.kind = XTokenKind::Float;
    token.number = real;
  }

  const uint8_t* p_;
  const uint8_t* end_;
  const XSource& source_;
  uint32_t line_ = 1;
};

}  // namespace

std::unique_ptr<XTokenizer> MakeTextTokenizer(std::span<const uint8_t> data, const XSource& source) {
  return std::make_unique<TextTokenizer>(data, source);
}
