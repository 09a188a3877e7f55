// The session on the headless bundle over the built runtime tree: start-up
// with every asset of the catalogue loaded (X files parsed, pictures
// decoded; no GL upload), and one logic step plus one drawn frame of play
// with the HUD band and three effects.

#include <benchmark/benchmark.h>

#include <memory>

#include "actors/CEffect_Bomb.h"
#include "actors/CEffect_Fade.h"
#include "actors/CEffect_Ready.h"
#include "game/CZelGame.h"
#include "platform/HeadlessPlatform.h"
#include "platform/RecordingAudio.h"

namespace {

struct Bundle {
  Bundle() { platform.SetExecutableFolder(std::string(VEXHOP_TREE) + "/bin/"); }
  HeadlessPlatform platform;
  RecordingAudio audio;
};

void SessionStart(benchmark::State& state) {
  Bundle bundle;
  for (auto _ : state) {
    CZelGame game(bundle.platform, bundle.audio);
    benchmark::DoNotOptimize(game.playerModel);
  }
}

void PlayFrame(benchmark::State& state) {
  Bundle bundle;
  CZelGame game(bundle.platform, bundle.audio);
  g_pGame = &game;
  game.life = 2;
  game.time = 300;
  game.score = 123456;
  for (auto _ : state) {
    if (game.EffectList->LiveCount() == 0) {
      new CEffect_Ready;
      new CEffect_Fade;
      new CEffect_Bomb(330, 250);
    }
    game.Move();
    game.RenderFrame();
  }
  g_pGame = nullptr;
}

}  // namespace

BENCHMARK(SessionStart)->Unit(benchmark::kMillisecond);
BENCHMARK(PlayFrame)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
