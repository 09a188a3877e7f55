#pragma once
// The headless bundle drawing with the real GL device off screen (SDL's
// offscreen video driver over Mesa's EGL, no X server): for pictures of
// whole sessions in image tests and screenshots of headless runs.

#include <memory>
#include <string>

#include "platform/HeadlessPlatform.h"
#include "platform/OffscreenGl.h"

class OffscreenPlatform final : public HeadlessPlatform {
 public:
  using HeadlessPlatform::HeadlessPlatform;

  // Null when no GL 3.3 context can be had off screen; Error() says why.
  std::unique_ptr<RenderDevice> CreateRenderDevice(Window& window) override;
  const std::string& Error() const { return error; }

 private:
  std::unique_ptr<OffscreenGl> gl;  // keeps the hidden window the device draws into
  std::string error;
};
