#include "platform/OffscreenPlatform.h"

#include "platform/RepeatedFrameFilter.h"

std::unique_ptr<RenderDevice> OffscreenPlatform::CreateRenderDevice(Window&) {
  gl = OffscreenGl::Create(&error);
  if (!gl) return nullptr;
  // The same device chain as in a window, so that headless pictures and
  // measurements see what the game does.
  return std::make_unique<RepeatedFrameFilter>(gl->ReleaseDevice());
}
