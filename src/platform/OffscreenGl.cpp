#include "platform/OffscreenGl.h"

#include <SDL.h>

std::unique_ptr<OffscreenGl> OffscreenGl::Create(std::string* error) {
  std::unique_ptr<OffscreenGl> offscreen(new OffscreenGl);
  if (!SDL_WasInit(SDL_INIT_VIDEO)) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
      *error = std::string("offscreen video: ") + SDL_GetError();
      return nullptr;
    }
    offscreen->startedVideo_ = true;
  }
  offscreen->window_ = SDL_CreateWindow("Vexhop", 0, 0, 800, 600,
                                        SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
  if (!offscreen->window_) {
    *error = std::string("offscreen window: ") + SDL_GetError();
    return nullptr;
  }
  std::unique_ptr<RenderDevice> device = CreateGlDevice(offscreen->window_);
  if (!device) {
    *error = "no OpenGL 3.3 device off screen";
    return nullptr;
  }
  offscreen->device_.reset(static_cast<GlDevice*>(device.release()));
  return offscreen;
}

OffscreenGl::~OffscreenGl() {
  device_.reset();
  if (window_) SDL_DestroyWindow(window_);
  if (startedVideo_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

Image OffscreenGl::Capture() {
  Image image;
  image.width = device_->BackBufferWidth();
  image.height = device_->BackBufferHeight();
  image.argb = device_->ReadBackBuffer();
  return image;
}
