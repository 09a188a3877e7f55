// F12: the picture last drawn goes to a PNG file named by the date and time,
// in the "Screenshots" folder beside the Data folder the game writes to. Only the read-back
// happens on the game's thread; the platform writes the file.

#include <chrono>
#include <ctime>
#include <iomanip>
#include <sstream>
#include <utility>
#include <vector>

#include "game/CZelGame.h"

namespace {

// "vexhop-2026-12-06-20-15-30-123.png": local time to the millisecond, so
// two pictures taken in one second keep apart.
std::string ScreenshotName() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm local{};
  localtime_r(&seconds, &local);
  std::ostringstream name;
  name << "vexhop-" << std::put_time(&local, "%Y-%m-%d-%H-%M-%S") << '-' << std::setw(3) << std::setfill('0')
       << millis << ".png";
  return name.str();
}

}  // namespace

// The picture is drawn once more and read before it is shown: once shown,
// the window's back buffer need not hold it any longer.
void CZelGame::OnScreenshot() {
  RenderDevice& device = Device();
  GetDisplay()->BeginScene();
  Draw();
  GetDisplay()->EndScene();
  std::vector<uint32_t> picture = device.ReadBackBuffer();
  GetDisplay()->Present();
  GetPlatform().SavePicture(GetUserFolder() + "Screenshots\\" + ScreenshotName(), device.BackBufferWidth(),
                            device.BackBufferHeight(), std::move(picture));
  PlaySE(seCursor);
}
