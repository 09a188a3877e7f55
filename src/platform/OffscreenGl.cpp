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

#include "platform/GlResources.h"

namespace {

// Offscreen video and its GL library are started once and kept for the rest
// of the process: unloading Mesa's EGL leaves its allocations behind (a leak
// the sanitizer cannot even name), and a process that makes several devices
// would load it again each time.
bool StartOffscreenVideo(std::string* error) {
  if (SDL_WasInit(SDL_INIT_VIDEO)) return true;
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0 || SDL_GL_LoadLibrary(nullptr) != 0) {
    *error = std::string("offscreen video: ") + SDL_GetError();
    return false;
  }
  return true;
}

}  // namespace

std::unique_ptr<OffscreenGl> OffscreenGl::Create(std::string* error, int windowWidth,
                                                 int windowHeight) {
  if (!StartOffscreenVideo(error)) return nullptr;
  std::unique_ptr<OffscreenGl> offscreen(new OffscreenGl);
  offscreen->windowWidth_ = windowWidth;
  offscreen->windowHeight_ = windowHeight;
  RequestGlWindowFormat();
  offscreen->window_ = SDL_CreateWindow("Vexhop", 0, 0, windowWidth, windowHeight,
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
  // SDL's off-screen windows draw into a single-buffered pbuffer.
  offscreen->device_->SetSurfaceKeepsPicture(true);
  dl_iterate_phdr(KeepDriverResident, nullptr);
  return offscreen;
}

OffscreenGl::~OffscreenGl() {
  device_.reset();
  if (window_) SDL_DestroyWindow(window_);
}

Image OffscreenGl::Capture() {
  Image image;
  image.width = device_->BackBufferWidth();
  image.height = device_->BackBufferHeight();
  image.argb = device_->ReadBackBuffer();
  return image;
}

Image OffscreenGl::CaptureWindow() { return ReadFramebuffer(0, windowWidth_, windowHeight_); }
