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
  // Null with `error` filled when no GL 3.3 context can be had.
  static std::unique_ptr<OffscreenGl> Create(std::string* error);
  ~OffscreenGl();
  OffscreenGl(const OffscreenGl&) = delete;
  OffscreenGl& operator=(const OffscreenGl&) = delete;

  GlDevice& Device() { return *device_; }
  // The back buffer as it stands.
  Image Capture();

 private:
  OffscreenGl() = default;

  SDL_Window* window_ = nullptr;
  std::unique_ptr<GlDevice> device_;
};
