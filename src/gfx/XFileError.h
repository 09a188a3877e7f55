#pragma once
// Failure to read an X file. The message names the file and, where known, the
// place: the line for text files, the byte offset for binary ones.

#include <cstdint>
#include <stdexcept>
#include <string>

class XFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Where tokens come from, so that every error can say where it happened.
struct XSource {
  std::string fileName;
  bool text = true;          // positions are line numbers, else byte offsets
  uint32_t offsetBase = 0;   // added to binary offsets (the file header)

  [[noreturn]] void Fail(uint32_t position, const std::string& message) const;
  [[noreturn]] void Fail(const std::string& message) const;
};
