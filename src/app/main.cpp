// The game: the session on a real window with sound, starting at the title.
// The command line can record the run, play a recorded one back, or enlarge
// the window (see LaunchOptions.h).

#include <iostream>
#include <memory>

#include "app/LaunchOptions.h"
#include "app/ModelPrefetch.h"
#include "app/Version.h"
#include "game/CZelGame.h"
#include "input/InputScript.h"
#include "platform/MixerAudio.h"
#include "platform/SdlPlatform.h"
#include "save/Settings.h"
#include "scenes/CEvent_Title.h"
#include "util/Path.h"
#include "util/StringUtil.h"

namespace {

constexpr int kBadArguments = 2;

int Refuse(const std::string& message) {
  std::cerr << "vexhop: " << message << "\n" << kLaunchUsage;
  return kBadArguments;
}

std::string EndOfRun(const CZelGame& game, int steps) {
  return "ended after " + IntToStr(steps) + " steps at stage " + IntToStr(game.stage) + ", score " +
         IntToStr(game.score) + ", lives " + IntToStr(game.life) + ", time " + IntToStr(game.time);
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const std::optional<LaunchOptions> options = ParseLaunchOptions({argv + 1, argv + argc}, error);
  if (!options) return Refuse(error);
  if (options->help) {
    std::cout << kLaunchUsage;
    return 0;
  }
  std::optional<InputScript> playback;
  if (!options->play.empty()) {
    playback = ReadInputScript(options->play, error);
    if (!playback) return Refuse(error);
  }
  InputRecorder recorder;
  if (!options->record.empty() &&
      !recorder.Open(options->record, std::string("Vexhop ") + kGameVersion + " run, started at the title")) {
    return Refuse(options->record + ": cannot be written");
  }

  PrefetchModels(GetModuleDirectory());
  const int scale = options->scale ? options->scale : ReadWindowScale(GetCurrentDirectory());
  SdlPlatform platform(scale, std::move(playback));
  const std::unique_ptr<AudioBackend> audio = OpenAudio();
  auto game = std::make_unique<CZelGame>(platform, *audio);
  // Only now: nothing reached from the constructor may use it.
  g_pGame = game.get();
  game->fps = 60.0;
  game->pauseWhenInactive = true;
  if (recorder.IsOpen()) game->GetInput()->SetRecorder(&recorder);
  new CEvent_Title;
  game->Run();
  recorder.Close(EndOfRun(*game, recorder.Steps()));
  game.reset();
  g_pGame = nullptr;
  return 0;
}
