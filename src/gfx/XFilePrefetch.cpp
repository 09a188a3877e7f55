#include "gfx/XFilePrefetch.h"

#include <filesystem>
#include <future>
#include <map>
#include <memory>
#include <mutex>

#include "util/NativePath.h"
#include "util/ThreadPriority.h"

namespace {

// The same file however its path was spelled ("bin\..\Model\key.x").
std::string Key(const std::string& path) {
  return std::filesystem::path(NativePath(path)).lexically_normal().string();
}

struct Prefetched {
  std::mutex mutex;
  std::map<std::string, std::future<XScene>> files;
  std::future<void> worker;  // waited for at exit, should the game end before using every file
};

Prefetched& State() {
  static Prefetched prefetched;
  return prefetched;
}

}  // namespace

void PrefetchXFiles(const std::vector<std::string>& paths) {
  auto tasks = std::make_shared<std::vector<std::packaged_task<XScene()>>>();
  Prefetched& state = State();
  std::lock_guard lock(state.mutex);
  for (const std::string& path : paths) {
    std::packaged_task<XScene()> task([path] { return ReadXFile(path); });
    state.files[Key(path)] = task.get_future();
    tasks->push_back(std::move(task));
  }
  state.worker = std::async(std::launch::async, [tasks] {
    YieldToGameThread();
    for (auto& task : *tasks) task();
  });
}

XScene LoadXFile(const std::string& path) {
  Prefetched& state = State();
  std::future<XScene> file;
  {
    std::lock_guard lock(state.mutex);
    auto found = state.files.find(Key(path));
    if (found == state.files.end()) return ReadXFile(path);
    file = std::move(found->second);
    state.files.erase(found);
  }
  return file.get();
}
