#pragma once
// Multibyte awareness for the byte-string scans (field splitting, folder
// search). Text is 8-bit in the system code page: Shift-JIS on Windows, UTF-8
// on POSIX. A scan must never take a byte inside a character for a separator.

#include <cstddef>
#include <string_view>

enum class CodePage { ShiftJis, Utf8 };

// The code page file names and data text are in on this platform. This is the
// one place that decides it.
constexpr CodePage SystemCodePage() {
#ifdef _WIN32
  return CodePage::ShiftJis;
#else
  return CodePage::Utf8;
#endif
}

// True for a Shift-JIS lead byte: 0x81-0x9F or 0xE0-0xFC. The byte after it
// belongs to the same character whatever its value (it may be '\').
bool IsLeadByte(unsigned char b);

// Number of bytes of the character starting at text[pos] (pos < size), never
// running past the end. In UTF-8 it swallows only continuation bytes, so an
// ASCII byte always stands alone even in malformed text.
std::size_t CharLength(std::string_view text, std::size_t pos, CodePage codePage);
