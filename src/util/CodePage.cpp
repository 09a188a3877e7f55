#include "util/CodePage.h"

bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

namespace {

bool IsUtf8Continuation(unsigned char b) { return (b & 0xC0) == 0x80; }

std::size_t Utf8SequenceLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

}  // namespace

std::size_t CharLength(std::string_view text, std::size_t pos, CodePage codePage) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  const std::size_t left = text.size() - pos;
  if (codePage == CodePage::ShiftJis) return IsLeadByte(lead) && left >= 2 ? 2 : 1;

  const std::size_t wanted = Utf8SequenceLength(lead);
  std::size_t length = 1;
  while (length < wanted && length < left && IsUtf8Continuation(static_cast<unsigned char>(text[pos + length])))
    ++length;
  return length;
}
