// The session as bin/vexhop runs it (SDL window, GL device, sound), started
// on a new game and taken through stages 1 to 10: each for a few seconds of
// play, then torn down and the next one loaded as the clear scene loads it.
// Prints its resident memory in MB at the end. Set up as main() sets up
// bin/vexhop. Run from a copy of this
// program in a runtime tree's bin folder, so that the game finds its data.

#include <fstream>
#include <iostream>
#include <string>

#include "Groups.h"
#include "app/ModelPrefetch.h"
#include "game/CZelGame.h"
#include "platform/MixerAudio.h"
#include "platform/SdlPlatform.h"
#include "stage/LoadStage.h"

namespace {

constexpr int kStepsPerStage = 180;  // the Ready banner and half a second of play

double ResidentMb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  }
  return 0;
}

void Play(CZelGame& game, int steps) {
  for (int i = 0; i < steps; ++i) {
    game.Move();
    game.RenderFrame();
  }
}

}  // namespace

int PlayTenStages() {
  SdlPlatform platform;
  PrefetchModels(platform.ExecutableFolder());
  const std::unique_ptr<AudioBackend> audio = OpenAudio();
  auto game = std::make_unique<CZelGame>(platform, *audio);
  g_pGame = game.get();
  game->OnResetDevice();
  game->life = 99;  // a miss restarts the stage
  for (int n = 1; n <= 10; ++n) {
    game->teardown = true;  // every task of the last stage ends itself
    game->Move();
    game->stage = n;
    game->world = (n - 1) / 10;
    LoadStage(n);
    Play(*game, kStepsPerStage);
  }
  std::cout << ResidentMb() << std::endl;
  game.reset();
  g_pGame = nullptr;
  return 0;
}
