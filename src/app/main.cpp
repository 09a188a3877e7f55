#include "app/CGame.h"
#include "platform/SdlPlatform.h"

namespace {

// Until the game session exists the frame shows black frames.
class BlankGame final : public CGame {
 public:
  explicit BlankGame(Platform& platform) : CGame(platform, "Vexhop(Q)") { confirmExit = false; }

 protected:
  void Draw() override { GetDisplay()->Clear(0xFF000000); }
};

}  // namespace

int main() {
  SdlPlatform platform;
  BlankGame game(platform);
  game.fps = 60.0;
  game.pauseWhenInactive = true;
  game.Run();
  return 0;
}
