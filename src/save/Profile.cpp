#include "save/Profile.h"

#include <cstdint>

#include "util/FileIO.h"
#include "util/NativePath.h"
#include "util/TextFile.h"

namespace {

// Settings files written on Windows name their sections in Shift-JIS.
struct SectionSpelling {
  std::string_view shiftJis;
  std::string_view utf8;
};
constexpr SectionSpelling kShiftJisSections[] = {
    {"\x83\x45\x83\x42\x83\x93\x83\x68\x83\x45\x83\x82\x81\x5B\x83\x68", "ウィンドウモード"},
    {"\x83\x74\x83\x8B\x83\x58\x83\x4E\x83\x8A\x81\x5B\x83\x93", "フルスクリーン"},
};

std::string_view InUtf8(std::string_view sectionName) {
  for (const SectionSpelling& spelling : kShiftJisSections) {
    if (sectionName == spelling.shiftJis) return spelling.utf8;
  }
  return sectionName;
}

bool IsProfileSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsProfileSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsProfileSpace(text.back())) text.remove_suffix(1);
  return text;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

// "[name]" up to the last ']'; false for any other line.
bool SectionHeader(std::string_view line, std::string_view& name) {
  const std::size_t close = line.rfind(']');
  if (line.empty() || line.front() != '[' || close == std::string_view::npos) return false;
  name = line.substr(1, close - 1);
  return true;
}

// Surrounding quotes of the same kind are not part of the value.
std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

// Sign and digits, wrapping past 32 bits as the Windows function does.
int ParseProfileInt(std::string_view value) {
  std::size_t pos = 0;
  while (pos < value.size() && IsProfileSpace(value[pos])) ++pos;
  bool negative = false;
  if (pos < value.size() && (value[pos] == '+' || value[pos] == '-')) negative = value[pos++] == '-';
  std::uint32_t magnitude = 0;
  for (; pos < value.size() && value[pos] >= '0' && value[pos] <= '9'; ++pos)
    magnitude = magnitude * 10u + static_cast<std::uint32_t>(value[pos] - '0');
  return static_cast<int>(negative ? 0u - magnitude : magnitude);
}

}  // namespace

int ProfileIntFromText(std::string_view text, std::string_view section, std::string_view key, int defaultValue) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  CTextFile lines;
  lines.SetText(text);
  bool inSection = false;
  bool sectionSeen = false;
  for (int i = 0; i < lines.Count(); ++i) {
    const std::string whole = lines.Get(i);
    const std::string_view line = Trim(whole);
    std::string_view name;
    if (SectionHeader(line, name)) {
      // Only the first section of that name is searched.
      if (sectionSeen) return defaultValue;
      inSection = SameName(InUtf8(name), section);
      sectionSeen = inSection;
      continue;
    }
    if (!inSection) continue;
    // A line without '=' is a key with no value.
    const std::size_t equals = line.find('=');
    if (!SameName(Trim(line.substr(0, equals)), key)) continue;
    if (equals == std::string_view::npos) return defaultValue;
    const std::string_view value = Unquote(Trim(line.substr(equals + 1)));
    return value.empty() ? defaultValue : ParseProfileInt(value);
  }
  return defaultValue;
}

int GetPrivateProfileInt(std::string_view section, std::string_view key, int defaultValue, const std::string& path) {
  std::string text;
  if (!ReadWholeFile(NativePath(path), text)) return defaultValue;
  return ProfileIntFromText(text, section, key, defaultValue);
}
