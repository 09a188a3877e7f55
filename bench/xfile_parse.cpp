// Parse speed of the X-file reader on the largest corpus files, in MB/s of
// file bytes: the biggest text file and the biggest compressed one.

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gfx/XScene.h"

namespace {

std::vector<uint8_t> ReadCorpus(const std::string& name) {
  std::ifstream in(std::string(VEXHOP_TEST_DATA) + "/xfiles/directx-sdk-legacy-samples/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Parse(benchmark::State& state, const std::string& name) {
  std::vector<uint8_t> bytes = ReadCorpus(name);
  for (auto _ : state) {
    XScene scene = ParseXFile(bytes, name);
    benchmark::DoNotOptimize(scene.meshes.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

}  // namespace

BENCHMARK_CAPTURE(Parse, text_tiny_4anim, std::string("tiny_4anim.x"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Parse, bzip_bat, std::string("bat.x"))->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
