#include "util/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <utility>

#include "util/Path.h"

namespace {

bool RenameOver(const std::string& tempPath, const std::string& path) {
  return std::rename(tempPath.c_str(), path.c_str()) == 0;
}

CommitStep g_commit = RenameOver;

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t written = write(fd, data.data(), data.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Makes the rename itself durable.
void SyncFolder(const std::string& path) {
  const std::string folder = DirectoryOf(path);
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

// A name in the same folder that no other writer, in this process or
// another, uses at the same time; created exclusively. -1 when none can be made.
int CreateTemporaryBeside(const std::string& path, std::string& tempPath) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = path + ".tmp." + std::to_string(getpid()) + "." + std::to_string(counter++);
    const int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

bool ReadFileInChunks(const std::string& path, const std::function<bool(std::string_view chunk)>& take) {
  // Non-blocking, so that opening a pipe with no writer does not hang.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat info {};
  bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  char buffer[16384];
  while (ok) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      ok = got == 0;
      break;
    }
    if (!take({buffer, static_cast<std::size_t>(got)})) break;
  }
  close(fd);
  return ok;
}

bool ReadWholeFile(const std::string& path, std::string& contents) {
  contents.clear();
  const bool ok = ReadFileInChunks(path, [&contents](std::string_view chunk) {
    contents.append(chunk);
    return true;
  });
  if (!ok) contents.clear();
  return ok;
}

bool WriteFileAtomically(const std::string& path, std::string_view contents) {
  std::string tempPath;
  const int fd = CreateTemporaryBeside(path, tempPath);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, contents) && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  ok = ok && g_commit(tempPath, path);
  if (!ok) {
    unlink(tempPath.c_str());
    return false;
  }
  SyncFolder(path);
  return true;
}

void SetCommitStep(CommitStep step) { g_commit = step ? std::move(step) : CommitStep(RenameOver); }
