#pragma once
// Integers from Windows profile (INI) files: "[section]" lines, then
// "key=value" lines. Read only; the game never writes these files.

#include <string>
#include <string_view>

// The integer under `key` in `section` of the profile file at `path` (which
// may use '\'). A missing file, section or key, or an empty value, gives
// `defaultValue`. Section and key names match without regard to ASCII case;
// the first matching section and key count. The value is read as an optional
// sign and the digits after it ("12abc" is 12, "abc" is 0). A section name
// stored in Shift-JIS by a Windows editor matches its UTF-8 spelling.
int GetPrivateProfileInt(std::string_view section, std::string_view key, int defaultValue, const std::string& path);

// The same lookup in the text of a profile file.
int ProfileIntFromText(std::string_view text, std::string_view section, std::string_view key, int defaultValue);
