#pragma once
// A whole text file as a list of lines: how every data file of the game is
// read and written.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CTextFile {
 public:
  // Longest line Load accepts; reading stops at the first longer one.
  static constexpr std::size_t kMaxLineLength = 1023;

  // Replaces the lines by those of the file. False when it cannot be opened
  // (the list is then empty). Paths may use '\'. Reading stops at the first
  // line longer than the limit, so a huge file is not read whole.
  bool Load(const std::string& path);

  // Rewrites the file whole, each line ended by CR LF, through a temporary
  // file renamed over the old one. False when that fails; the old file stays.
  bool Save(const std::string& path) const;

  // Replaces the lines by those of `text`, split exactly as Load splits a
  // file: LF or CR LF ends a line, a last line needs no terminator.
  void SetText(std::string_view text);

  void Add(std::string line);
  int Count() const;
  // A copy of line `index`; "" when the index is out of range.
  std::string Get(int index) const;

 private:
  // Moves the complete lines at the front of `pending` (all of it when
  // `atEnd`) into the list; false once a line over the limit ends the reading.
  bool TakeLines(std::string_view& pending, bool atEnd);

  std::vector<std::string> lines_;
};
