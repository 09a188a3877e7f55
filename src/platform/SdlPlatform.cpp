#include "platform/SdlPlatform.h"

#include <SDL.h>

#include <algorithm>

#include "platform/GlDevice.h"
#include "platform/FreeHeap.h"
#include "platform/ImageFile.h"
#include "platform/PlaybackInputSource.h"
#include "platform/RepeatedFrameFilter.h"
#include "platform/SdlInputSource.h"
#include "platform/UserFolder.h"
#include "platform/SdlWindow.h"

namespace {

SDL_Window* HandleOf(Window& window) { return static_cast<SdlWindow&>(window).Handle(); }

}  // namespace

int64_t SdlClock::Counter() const { return static_cast<int64_t>(SDL_GetPerformanceCounter()); }
int64_t SdlClock::Frequency() const { return static_cast<int64_t>(SDL_GetPerformanceFrequency()); }
uint32_t SdlClock::Ticks() const { return SDL_GetTicks(); }

SdlPlatform::SdlPlatform(int windowScale, std::optional<InputScript> playback)
    : windowScale(windowScale), playback(std::move(playback)) {
  // Closing the window goes through the frame's close path; SDL_QUIT then
  // only means an end request from outside (a signal).
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  videoReady = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
  if (videoReady) SDL_DisableScreenSaver();
  SetDialogHandler(&dialogs);
  userFolder = ChooseUserFolder(ExecutableFolder() + "../", [] {
    char* path = SDL_GetPrefPath("Vexhop", "Vexhop");
    const std::string folder = path ? path : "";
    SDL_free(path);
    return folder;
  });
}

// SDL video stays up for the rest of the process, which ends right after:
// shutting it down unloads Mesa's driver and strands its allocations where
// no leak checker can name them.
SdlPlatform::~SdlPlatform() {
  for (std::future<void>& picture : pictures) picture.wait();
  SetDialogHandler(nullptr);
  if (videoReady) SDL_EnableScreenSaver();
}

std::unique_ptr<Window> SdlPlatform::CreateGameWindow(const std::string& title, int width, int height,
                                                      const std::string& iconPath) {
  if (!videoReady) return nullptr;
  std::unique_ptr<SdlWindow> window =
      SdlWindow::Create(title, width, height, WindowScaleThatFits(width, height), iconPath);
  if (window) dialogs.SetParent(SDL_GetWindowID(window->Handle()));
  return window;
}

// A still picture (the title, a menu) is drawn once, not every frame.
std::unique_ptr<RenderDevice> SdlPlatform::CreateRenderDevice(Window& window) {
  std::unique_ptr<RenderDevice> gl = CreateGlDevice(HandleOf(window));
  if (!gl) return nullptr;
  return std::make_unique<RepeatedFrameFilter>(std::move(gl));
}

std::unique_ptr<InputSource> SdlPlatform::CreateInputSource(Window& window) {
  auto player = std::make_unique<SdlInputSource>(
      HandleOf(window), std::vector<std::string>{ExecutableFolder() + "../", userFolder});
  if (!playback) return player;
  return std::make_unique<PlaybackInputSource>(std::move(player), *playback);
}

// The largest scale up to the one asked for at which the window fits the
// desktop's usable area.
int SdlPlatform::WindowScaleThatFits(int width, int height) const {
  SDL_Rect usable;
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return windowScale;
  return std::max(1, std::min({windowScale, usable.w / width, usable.h / height}));
}

void SdlPlatform::SavePicture(const std::string& path, int width, int height, std::vector<uint32_t> argb) {
  std::erase_if(pictures, [](const std::future<void>& picture) {
    return picture.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
  });
  pictures.push_back(std::async(std::launch::async, [path, image = Image{width, height, std::move(argb)}] {
    SaveScreenshot(path, image);
  }));
}

Clock& SdlPlatform::GetClock() { return clock; }

void SdlPlatform::ReturnFreedMemory() { ReturnFreeHeap(); }
