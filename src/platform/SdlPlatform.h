#pragma once
// The real bundle: SDL video and events, the OpenGL device, SDL input, SDL's
// performance counter, and SDL message boxes for util/Dialog.h while it
// lives. The screen saver stays off while the bundle lives.

#include <future>
#include <memory>
#include <vector>

#include "app/Platform.h"
#include "input/InputScript.h"
#include "platform/SdlDialogs.h"

class SdlClock final : public Clock {
 public:
  int64_t Counter() const override;
  int64_t Frequency() const override;
  uint32_t Ticks() const override;
};

class SdlPlatform final : public Platform {
 public:
  // `windowScale` (1 to 4) enlarges the window, as far as the desktop has
  // room; with a `playback` script the game is fed the recorded input instead
  // of the player's, and any key ends it.
  explicit SdlPlatform(int windowScale = 1, std::optional<InputScript> playback = std::nullopt);
  ~SdlPlatform() override;
  SdlPlatform(const SdlPlatform&) = delete;
  SdlPlatform& operator=(const SdlPlatform&) = delete;

  std::unique_ptr<Window> CreateGameWindow(const std::string& title, int width, int height,
                                           const std::string& iconPath) override;
  std::unique_ptr<RenderDevice> CreateRenderDevice(Window& window) override;
  std::unique_ptr<InputSource> CreateInputSource(Window& window) override;
  Clock& GetClock() override;
  // The tree's own folder, or the user's when an installed tree is read-only.
  std::string UserFolder() const override { return userFolder; }
  void SavePicture(const std::string& path, int width, int height, std::vector<uint32_t> argb) override;
  void ReturnFreedMemory() override;

 private:
  int WindowScaleThatFits(int width, int height) const;

  bool videoReady;
  int windowScale;
  std::optional<InputScript> playback;
  std::vector<std::future<void>> pictures;  // files still being written
  std::string userFolder;
  SdlClock clock;
  SdlDialogs dialogs;
};
