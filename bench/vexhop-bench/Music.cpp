// Music change: what PlayBGM costs the game thread when it changes the piece
// (load, set the volume, start), as every scene with music of its own does
// when it opens. SDL's disk driver writes to /dev/null, so the mixer and the
// synthesiser run as they would on a sound card.

#include <cstdlib>

#include "Groups.h"
#include "audio/CBgmPlayer.h"
#include "platform/MixerAudio.h"

namespace {

void ChangePiece(benchmark::State& state) {
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
  std::unique_ptr<MixerAudio> mixer = MixerAudio::Open();
  if (!mixer) {
    state.SkipWithError("no audio output");
    return;
  }
  CBgmPlayer bgm(*mixer);
  const std::string pieces[] = {Config().tree + "/BGM/title.mid", Config().tree + "/BGM/Stage1.mid"};
  size_t next = 0;
  for (auto _ : state) {
    bgm.Load(pieces[next++ % 2]);
    bgm.SetVolume(0.8f);
    bgm.Play();
  }
}

}  // namespace

void RegisterMusic() {
  Repeated(benchmark::RegisterBenchmark("music/change", ChangePiece))
      ->Iterations(20)
      ->UseRealTime()
      ->Unit(benchmark::kMillisecond);
}

std::vector<Figure> MusicFigures(const MedianRuns& runs) {
  return {{"music change (PlayBGM of another piece)", runs.RealTime("music/change"), "ms", Budget::AtMost(16),
           runs.Failure("music/change")}};
}
