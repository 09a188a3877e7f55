#pragma once
// Game code builds paths with '\' as the separator; the file layer turns them
// into the platform's own separator just before a file is opened, searched or
// created. On POSIX file names are UTF-8, where a '\' byte never occurs inside
// a character, so every '\' is a separator.

#include <string>

std::string NativePath(std::string path);
