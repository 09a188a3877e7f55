#include "util/TextFile.h"

#include "util/FileIO.h"
#include "util/NativePath.h"

bool CTextFile::Load(const std::string& path) {
  lines_.clear();
  std::string contents;
  if (!ReadWholeFile(NativePath(path), contents)) return false;
  SetText(contents);
  return true;
}

void CTextFile::SetText(std::string_view text) {
  lines_.clear();
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (end != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() > kMaxLineLength) return;
    lines_.emplace_back(line);
  }
}

bool CTextFile::Save(const std::string& path) const {
  // Every LF becomes CR LF, including one inside a line added with it.
  std::string text;
  for (const std::string& line : lines_) {
    for (char c : line) {
      if (c == '\n') text += '\r';
      text += c;
    }
    text += "\r\n";
  }
  return WriteFileAtomically(NativePath(path), text);
}

void CTextFile::Add(std::string line) { lines_.push_back(std::move(line)); }

int CTextFile::Count() const { return static_cast<int>(lines_.size()); }

std::string CTextFile::Get(int index) const {
  if (index < 0 || index >= Count()) return {};
  return lines_[static_cast<std::size_t>(index)];
}
