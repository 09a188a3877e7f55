#include "platform/OffscreenPlatform.h"

std::unique_ptr<RenderDevice> OffscreenPlatform::CreateRenderDevice(Window&) {
  gl = OffscreenGl::Create(&error);
  return gl ? gl->ReleaseDevice() : nullptr;
}
