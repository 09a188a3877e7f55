// How seamlessly each shipped piece loops. The piece plays through SDL's disk
// driver (in real time) with the session's loop check run 60 times a second,
// until it has been restarted and has played 3 s more. The output is then
// compared with itself: the lag at which its opening comes back is the loop
// period, and the period beyond the piece's end-of-track time is the silence
// the loop adds. Counters, in milliseconds: end (the piece's end-of-track
// time), added (period - end), quiet (the longest stretch below -40 dBFS
// around the loop point, the piece's own closing rest included).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "audio/CBgmPlayer.h"
#include "audio/MidiFile.h"
#include "platform/MixerAudio.h"

namespace {

constexpr double kQuiet = 328;     // -40 dBFS

// Peak level of each millisecond of a 16-bit stereo file.
std::vector<double> Envelope(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::vector<int16_t> samples;
  for (int16_t s; file.read(reinterpret_cast<char*>(&s), sizeof s);) samples.push_back(s);
  std::vector<double> envelope(samples.size() / 2 * 1000 / 44100 + 1);
  for (size_t i = 0; i < samples.size() / 2; ++i) {
    double& peak = envelope[i * 1000 / 44100];
    peak = std::max({peak, std::abs(double(samples[2 * i])), std::abs(double(samples[2 * i + 1]))});
  }
  return envelope;
}

double Correlation(const std::vector<double>& e, size_t a, size_t b, size_t length) {
  double ab = 0, aa = 0, bb = 0;
  for (size_t i = 0; i < length; ++i) {
    ab += e[a + i] * e[b + i];
    aa += e[a + i] * e[a + i];
    bb += e[b + i] * e[b + i];
  }
  return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0;
}

void LoopGap(benchmark::State& state, const std::string& name) {
  const std::string path = std::string(VEXHOP_TREE) + "/BGM/" + name;
  const auto piece = ReadMidiFile(path);
  const std::string output = (std::filesystem::temp_directory_path() / ("vexhop-loop-" + name + ".raw")).string();
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
  for (auto _ : state) {
    auto mixer = MixerAudio::Open();
    if (!piece || !mixer) {
      state.SkipWithError("no piece or no audio output");
      return;
    }
    CBgmPlayer bgm(*mixer);
    bgm.Load(path);
    bgm.Play();
    const auto step = std::chrono::microseconds(16667);
    auto next = std::chrono::steady_clock::now();
    const auto limit = next + std::chrono::duration<double>(piece->endSeconds + 30);
    std::chrono::steady_clock::time_point restarted{};
    while (next < limit && (restarted == decltype(restarted){} || next < restarted + std::chrono::seconds(3))) {
      if (bgm.IsFinished() && restarted == decltype(restarted){}) restarted = next;
      bgm.RestartIfFinished();
      next += step;
      std::this_thread::sleep_until(next);
    }
  }
  const std::vector<double> e = Envelope(output);
  std::filesystem::remove(output);
  const auto onset = static_cast<size_t>(std::find_if(e.begin(), e.end(), [](double v) { return v > kQuiet; }) - e.begin());
  const auto end = static_cast<size_t>(std::lround(piece->endSeconds * 1000));
  const size_t length = 2000;
  size_t best = 0;
  double bestScore = -1;
  for (size_t lag = end > 200 ? end - 200 : 1; onset + lag + length <= e.size(); ++lag) {
    const double score = Correlation(e, onset, onset + lag, length);
    if (score > bestScore) bestScore = score, best = lag;
  }
  size_t quiet = 0;
  for (size_t i = onset + end - std::min<size_t>(end, 3000), run = 0; i < std::min(e.size(), onset + best + 50); ++i) {
    run = e[i] < kQuiet ? run + 1 : 0;
    quiet = std::max(quiet, run);
  }
  state.counters["end"] = double(end);
  state.counters["added"] = double(best) - double(end);
  state.counters["quiet"] = double(quiet);
  state.counters["match"] = bestScore;
}

const bool registered = [] {
  for (const char* name : {"title.mid", "Option.mid", "Stage1.mid", "Stage2.mid", "Stage3.mid", "Stage4.mid",
                           "Stage5.mid", "ending.mid"}) {
    benchmark::RegisterBenchmark(("LoopGap/" + std::string(name)).c_str(), LoopGap, name)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
