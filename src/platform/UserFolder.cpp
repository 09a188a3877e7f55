#include "platform/UserFolder.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>

#include "util/NativePath.h"

namespace fs = std::filesystem;

bool CanWriteInto(const std::string& folder) {
  const std::string probe = NativePath(folder) + "/.vexhop-write-test-" + std::to_string(getpid());
  const int fd = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  close(fd);
  unlink(probe.c_str());
  return true;
}

std::string ChooseUserFolder(const std::string& treeFolder, const std::function<std::string()>& userFolder,
                             const std::function<bool(const std::string&)>& writable) {
  if (writable(treeFolder + "Data")) return treeFolder;
  const std::string user = userFolder();
  std::error_code error;
  fs::create_directories(fs::path(NativePath(user)) / "Data", error);
  if (user.empty() || error) return treeFolder;
  SeedUserFolder(treeFolder, user);
  return user;
}

void SeedUserFolder(const std::string& treeFolder, const std::string& userFolder) {
  std::error_code error;
  const fs::path shipped = fs::path(NativePath(treeFolder)) / "Data";
  const fs::path own = fs::path(NativePath(userFolder)) / "Data";
  for (const fs::directory_entry& entry : fs::directory_iterator(shipped, error)) {
    if (!entry.is_regular_file()) continue;
    const fs::path target = own / entry.path().filename();
    if (!fs::exists(target)) fs::copy_file(entry.path(), target, error);
  }
}
