// Assets: how fast the X-file reader parses the game's own models (every .x
// file of the tree, read into memory first), and how long the generator takes
// to write every asset of a tree.

#include <filesystem>
#include <fstream>
#include <iterator>

#include "AssetGen.h"
#include "Groups.h"
#include "gfx/XScene.h"

namespace {

namespace fs = std::filesystem;

struct ModelFile {
  std::string name;
  std::vector<uint8_t> bytes;
};

std::vector<ModelFile> ReadModels(const fs::path& tree) {
  std::vector<ModelFile> models;
  for (const char* folder : {"Model", "AnimModel/goremu"}) {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(tree / folder, error)) {
      if (entry.path().extension() != ".x") continue;
      std::ifstream in(entry.path(), std::ios::binary);
      models.push_back({entry.path().filename().string(),
                        {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}});
    }
  }
  return models;
}

void ParseModels(benchmark::State& state) {
  const std::vector<ModelFile> models = ReadModels(Config().tree);
  if (models.empty()) {
    state.SkipWithError("no models in the tree");
    return;
  }
  int64_t bytes = 0;
  for (const ModelFile& model : models) bytes += static_cast<int64_t>(model.bytes.size());
  for (auto _ : state) {
    for (const ModelFile& model : models) {
      XScene scene = ParseXFile(model.bytes, model.name);
      benchmark::DoNotOptimize(scene.meshes.data());
    }
  }
  state.counters["MBps"] = benchmark::Counter(static_cast<double>(bytes) * state.iterations() / 1e6,
                                              benchmark::Counter::kIsRate);
}

void GenerateAssets(benchmark::State& state) {
  const fs::path tree = fs::temp_directory_path() / ("vexhop-bench-assets-" + std::to_string(getpid()));
  for (auto _ : state) {
    WritePictures(tree.string());
    WriteModels(tree.string());
    WriteSounds(tree.string());
    WriteMusic(tree.string());
  }
  fs::remove_all(tree);
}

}  // namespace

void RegisterAssets() {
  Repeated(benchmark::RegisterBenchmark("assets/parse-models", ParseModels))->Unit(benchmark::kMillisecond);
  Repeated(benchmark::RegisterBenchmark("assets/generate", GenerateAssets))
      ->Iterations(1)
      ->UseRealTime()
      ->Unit(benchmark::kMillisecond);
}

std::vector<Figure> AssetFigures(const MedianRuns& runs) {
  return {
      {"X-file parse, the game's models", runs.Counter("assets/parse-models", "MBps"), "MB/s", {},
       runs.Failure("assets/parse-models")},
      {"asset generation, whole tree", runs.RealTime("assets/generate"), "ms", {}, runs.Failure("assets/generate")},
  };
}
