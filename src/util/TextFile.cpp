#include "util/TextFile.h"

#include "util/FileIO.h"
#include "util/NativePath.h"

bool CTextFile::Load(const std::string& path) {
  lines_.clear();
  std::string buffer;
  bool tooLong = false;
  const bool ok = ReadFileInChunks(NativePath(path), [&](std::string_view chunk) {
    buffer.append(chunk);
    std::string_view pending = buffer;
    tooLong = !TakeLines(pending, false);
    // A line still open that is already past the limit (with room for its
    // CR) can only end the reading.
    tooLong = tooLong || pending.size() > kMaxLineLength + 1;
    buffer.erase(0, buffer.size() - pending.size());
    return !tooLong;
  });
  if (!ok) {
    lines_.clear();
    return false;
  }
  std::string_view rest = buffer;
  if (!tooLong) TakeLines(rest, true);
  return true;
}

void CTextFile::SetText(std::string_view text) {
  lines_.clear();
  TakeLines(text, true);
}

bool CTextFile::TakeLines(std::string_view& pending, bool atEnd) {
  while (!pending.empty()) {
    const std::size_t end = pending.find('\n');
    if (end == std::string_view::npos && !atEnd) return true;
    std::string_view line = pending.substr(0, end);
    pending.remove_prefix(end == std::string_view::npos ? pending.size() : end + 1);
    if (end != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() > kMaxLineLength) {
      pending = {};
      return false;
    }
    lines_.emplace_back(line);
  }
  return true;
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
