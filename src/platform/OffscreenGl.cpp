#include "platform/OffscreenGl.h"

#include <SDL.h>
#include <dlfcn.h>
#include <link.h>

#include <cstring>

namespace {

// Closing the last GL window makes Mesa unload its driver while memory the
// driver still holds is only referenced from the driver's own data. Leak
// checkers then report it against an unknown module, where no suppression
// can reach it. Keeping the loaded driver resident for the process avoids
// that, and each new window no longer reloads it.
int KeepDriverResident(struct dl_phdr_info* module, std::size_t, void*) {
  if (module->dlpi_name && std::strstr(module->dlpi_name, "_dri.so"))
    dlopen(module->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
  return 0;
}

}  // namespace

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
  dl_iterate_phdr(KeepDriverResident, nullptr);
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
