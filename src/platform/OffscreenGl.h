#pragma once
// The GL device without a display: a hidden window on SDL's "offscreen"
// video driver, which renders through Mesa's EGL with no X server. Image
// tests and screenshots of headless runs draw through it and read the
// 800 x 600 picture back.

#include <memory>
#include <string>

#include "platform/GlDevice.h"
#include "platform/ImageFile.h"

class OffscreenGl {
 public:
  // Null with `error` filled when no GL 3.3 context can be had. The window
  // may be given another size to see how Present fits the picture into it.
  static std::unique_ptr<OffscreenGl> Create(std::string* error, int windowWidth = 800,
                                             int windowHeight = 600);
  ~OffscreenGl();
  OffscreenGl(const OffscreenGl&) = delete;
  OffscreenGl& operator=(const OffscreenGl&) = delete;

  GlDevice& Device() { return *device_; }
  // The back buffer as it stands.
  Image Capture();
  // The window's contents after the last Present (an off-screen surface
  // keeps them after the swap).
  Image CaptureWindow();

 private:
  OffscreenGl() = default;

  SDL_Window* window_ = nullptr;
  int windowWidth_ = 0, windowHeight_ = 0;
  std::unique_ptr<GlDevice> device_;
};
