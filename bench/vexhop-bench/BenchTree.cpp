#include "BenchTree.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string_view>

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

BenchStage OwnStage(const std::string& name) {
  BenchStage stage{name, ReadFile(fs::path(VEXHOP_BENCH_STAGES) / name)};
  if (stage.text.empty()) throw std::runtime_error(std::string(VEXHOP_BENCH_STAGES) + "/" + name + ": missing");
  stage.objects = CountStageObjects(stage.text);
  return stage;
}

}  // namespace

BenchTree::BenchTree(const std::string& builtTree) {
  std::string pattern = (fs::temp_directory_path() / "vexhop-bench-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  root_ = pattern;
  for (const char* folder : {"bin", "Data", "stage"}) fs::create_directories(root_ / folder);
  for (const char* folder : {"Texture", "Model", "AnimModel", "Sound", "BGM", "Font"}) {
    fs::create_directory_symlink(fs::absolute(fs::path(builtTree) / folder), root_ / folder);
  }
  fs::copy_file(fs::path(builtTree) / "Data/Config.ini", root_ / "Data/Config.ini");
}

BenchTree::~BenchTree() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

void BenchTree::SetStage(int n, const std::string& text) const {
  std::ofstream(root_ / "stage" / ("stage" + std::to_string(n) + ".dat"), std::ios::binary) << text;
}

void BenchTree::CopyShippedStages(const std::string& builtTree) const {
  const fs::path shipped = fs::path(builtTree) / "stage";
  if (!fs::is_directory(shipped)) return;
  for (const fs::directory_entry& entry : fs::directory_iterator(shipped)) {
    fs::copy_file(entry.path(), root_ / "stage" / entry.path().filename(), fs::copy_options::overwrite_existing);
  }
}

int CountStageObjects(const std::string& text) {
  constexpr std::string_view kObjects = "#@WKDTFSINUJ-12345$%6&7(8";
  constexpr std::string_view kHidden = "ktfsinuj";  // a block and what it hides
  int count = 0;
  for (char c : text) {
    if (kObjects.find(c) != std::string_view::npos) ++count;
    if (kHidden.find(c) != std::string_view::npos) count += 2;
  }
  return count;
}

BenchStage BusiestStage(const std::string& builtTree) {
  BenchStage busiest;
  for (int n = 1; n <= 40; ++n) {
    const fs::path path = fs::path(builtTree) / "stage" / ("stage" + std::to_string(n) + ".dat");
    if (!fs::exists(path)) continue;
    std::string text = ReadFile(path);
    const int objects = CountStageObjects(text);
    if (objects > busiest.objects) busiest = {"stage" + std::to_string(n), std::move(text), objects};
  }
  return busiest.objects > 0 ? busiest : OwnStage("busy.dat");
}

BenchStage StressStage() { return OwnStage("stress.dat"); }
