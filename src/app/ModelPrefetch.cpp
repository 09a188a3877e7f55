#include "app/ModelPrefetch.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "gfx/XFilePrefetch.h"

void PrefetchModels(const std::string& exeFolder) {
  namespace fs = std::filesystem;
  const fs::path tree = fs::path(exeFolder) / "..";
  std::vector<std::string> models;
  for (const char* folder : {"Model", "AnimModel/goremu"}) {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(tree / folder, error)) {
      if (entry.path().extension() == ".x") models.push_back(entry.path().string());
    }
  }
  std::sort(models.begin(), models.end());
  PrefetchXFiles(models);
}
