// Reading a stage-sized text: lines split, 16 blank-separated cells each.

#include <benchmark/benchmark.h>

#include <string>

#include "util/StringUtil.h"
#include "util/TextFile.h"

namespace {

std::string StageText() {
  std::string text = "300\r\n";
  for (int row = 0; row < 12; ++row) {
    for (int column = 0; column < 16; ++column) text += IntToStr((row * 16 + column) % 40) + (column < 15 ? " " : "");
    text += "\r\n";
  }
  return text;
}

void BM_ParseStage(benchmark::State& state) {
  const std::string text = StageText();
  for (auto _ : state) {
    CTextFile file;
    file.SetText(text);
    int sum = StrToInt(file.Get(0));
    for (int row = 1; row < file.Count(); ++row) {
      const std::string line = file.Get(row);
      for (int column = 0; column < 16; ++column) sum += StrToInt(GetField(line, column, " "));
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_ParseStage);

}  // namespace
