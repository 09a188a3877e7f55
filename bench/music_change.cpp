// What a change of music costs the game thread: PlayBGM loads the piece, sets
// its volume and starts it, as every scene with music of its own does when it
// opens. The output is SDL's disk driver writing to /dev/null, so the mixer
// and the synthesiser run as they would on a sound card.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "audio/CBgmPlayer.h"
#include "platform/MixerAudio.h"

namespace {

void PlayBGMChangingPiece(benchmark::State& state) {
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
  auto mixer = MixerAudio::Open();
  if (!mixer) {
    state.SkipWithError("no audio output");
    return;
  }
  CBgmPlayer bgm(*mixer);
  const std::string pieces[] = {VEXHOP_TREE "/BGM/title.mid", VEXHOP_TREE "/BGM/Stage1.mid"};
  size_t next = 0;
  for (auto _ : state) {
    bgm.Load(pieces[next++ % 2]);
    bgm.SetVolume(0.8f);
    bgm.Play();
  }
}
BENCHMARK(PlayBGMChangingPiece)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
