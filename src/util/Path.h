#pragma once
// Folder and file queries. Paths may use '\' (as game code builds them) or
// '/'; both count as separators.

#include <string>
#include <string_view>

#include "util/CodePage.h"

// The path up to and including its last separator, or "" when it has none.
// A separator byte inside a multibyte character is not a separator.
std::string DirectoryOf(std::string_view path, CodePage codePage = SystemCodePage());

// The folder of the running executable, ending in the native separator, so
// data paths are formed by appending e.g. "..\Data\Save.ini". "" if unknown.
std::string GetModuleDirectory();

// The process's working directory without a trailing separator ("" if
// unknown); settings paths append "\Setting.ini" to it.
std::string GetCurrentDirectory();

// True when a search for the path finds at least one entry (file or folder).
// '*' and '?' in the last part act as wildcards, as a file search does.
bool FileExists(const std::string& path);
