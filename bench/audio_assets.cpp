// Generating the audio assets, which the build does on every generator
// change: the effects are synthesised sample by sample, the music arranged
// and encoded.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "AssetGen.h"
#include "Midi.h"
#include "Pieces.h"

namespace {

void BM_WriteAllSoundEffects(benchmark::State& state) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "vexhop-bench-sounds";
  for (auto _ : state) WriteSounds(dir.string());
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_WriteAllSoundEffects)->Unit(benchmark::kMillisecond);

void BM_ArrangeAndEncodeAllMusic(benchmark::State& state) {
  for (auto _ : state) {
    size_t bytes = 0;
    for (const auto& pieces : {audiogen::MenuPieces(), audiogen::StagePieces()}) {
      for (const audiogen::Piece& piece : pieces) bytes += audiogen::EncodeMidi(audiogen::Arrange(piece)).size();
    }
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(BM_ArrangeAndEncodeAllMusic)->Unit(benchmark::kMillisecond);

}  // namespace
