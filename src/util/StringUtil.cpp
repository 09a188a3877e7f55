#include "util/StringUtil.h"

#include <climits>
#include <cstdint>

std::string IntToStr(int value) { return std::to_string(value); }

namespace {

bool IsStreamSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Position of the first separator in text, or npos. A match may only start at
// the first byte of a character.
std::size_t FindSeparator(std::string_view text, std::string_view separator, CodePage codePage) {
  for (std::size_t pos = 0; pos < text.size(); pos += CharLength(text, pos, codePage)) {
    if (text.substr(pos, separator.size()) == separator) return pos;
  }
  return std::string_view::npos;
}

}  // namespace

int StrToInt(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && IsStreamSpace(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  if (pos >= text.size() || !IsDigit(text[pos])) return 0;

  // Accumulate the magnitude with room for INT_MIN; stop growing once past it.
  const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT_MIN) : INT_MAX;
  std::int64_t magnitude = 0;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
    if (magnitude <= limit) magnitude = magnitude * 10 + (text[pos] - '0');
  }
  if (magnitude > limit) magnitude = limit;
  return static_cast<int>(negative ? -magnitude : magnitude);
}

std::string GetField(std::string_view text, int index, std::string_view separator, CodePage codePage) {
  // An empty separator cuts nothing off: every field is empty.
  if (separator.empty()) return {};
  for (int i = 0; i < index; ++i) {
    const std::size_t found = FindSeparator(text, separator, codePage);
    if (found == std::string_view::npos) return {};
    text.remove_prefix(found + separator.size());
  }
  return std::string(text.substr(0, FindSeparator(text, separator, codePage)));
}
