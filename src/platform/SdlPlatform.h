#pragma once
// The real bundle: SDL video and events, the OpenGL device, SDL input, SDL's
// performance counter, and SDL message boxes for util/Dialog.h while it
// lives. The screen saver stays off while the bundle lives.

#include <memory>

#include "app/Platform.h"
#include "platform/SdlDialogs.h"

class SdlClock final : public Clock {
 public:
  int64_t Counter() const override;
  int64_t Frequency() const override;
  uint32_t Ticks() const override;
};

class SdlPlatform final : public Platform {
 public:
  SdlPlatform();
  ~SdlPlatform() override;
  SdlPlatform(const SdlPlatform&) = delete;
  SdlPlatform& operator=(const SdlPlatform&) = delete;

  std::unique_ptr<Window> CreateGameWindow(const std::string& title, int width, int height,
                                           const std::string& iconPath) override;
  std::unique_ptr<RenderDevice> CreateRenderDevice(Window& window) override;
  std::unique_ptr<InputSource> CreateInputSource(Window& window) override;
  Clock& GetClock() override;

 private:
  bool videoReady;
  SdlClock clock;
  SdlDialogs dialogs;
};
