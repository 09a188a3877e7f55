#include "util/Path.h"

#include <glob.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "util/NativePath.h"

std::string DirectoryOf(std::string_view path, CodePage codePage) {
  std::size_t end = 0;
  for (std::size_t pos = 0; pos < path.size(); pos += CharLength(path, pos, codePage)) {
    if (path[pos] == '\\' || path[pos] == '/') end = pos + 1;
  }
  return std::string(path.substr(0, end));
}

std::string GetModuleDirectory() {
  // No fixed length limit: grow the buffer until the link fits.
  std::vector<char> buffer(256);
  for (;;) {
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) return {};
    const auto size = static_cast<std::size_t>(length);
    if (size < buffer.size()) return DirectoryOf({buffer.data(), size});
    buffer.resize(buffer.size() * 2);
  }
}

std::string GetCurrentDirectory() {
  std::vector<char> buffer(256);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return {};
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

namespace {

bool HasWildcard(const std::string& path) { return path.find_first_of("*?") != std::string::npos; }

// glob() also treats '[' as a pattern; a file search does not, so quote it.
std::string QuoteBrackets(const std::string& path) {
  std::string quoted;
  for (char c : path) {
    if (c == '[' || c == ']') quoted += '\\';
    quoted += c;
  }
  return quoted;
}

}  // namespace

bool FileExists(const std::string& path) {
  const std::string native = NativePath(path);
  if (native.empty()) return false;
  if (!HasWildcard(native)) {
    struct stat info {};
    return stat(native.c_str(), &info) == 0;
  }
  glob_t found{};
  const bool any = glob(QuoteBrackets(native).c_str(), 0, nullptr, &found) == 0 && found.gl_pathc > 0;
  globfree(&found);
  return any;
}
