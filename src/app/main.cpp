// The game: the session on a real window with sound, starting at the title.

#include <memory>

#include "game/CZelGame.h"
#include "platform/MixerAudio.h"
#include "platform/SdlPlatform.h"
#include "scenes/CEvent_Title.h"

int main() {
  SdlPlatform platform;
  const std::unique_ptr<AudioBackend> audio = OpenAudio();
  auto game = std::make_unique<CZelGame>(platform, *audio);
  // Only now: nothing reached from the constructor may use it.
  g_pGame = game.get();
  game->fps = 60.0;
  game->pauseWhenInactive = true;
  new CEvent_Title;
  game->Run();
  game.reset();
  g_pGame = nullptr;
  return 0;
}
