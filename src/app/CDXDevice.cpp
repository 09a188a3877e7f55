#include "app/CDXDevice.h"

#include "app/Platform.h"
#include "gfx/GameView.h"

std::unique_ptr<CDXDevice> CDXDevice::Create(Platform& platform, Window& window, int width, int height) {
  std::unique_ptr<CDXDevice> display(new CDXDevice(platform, window, width, height));
  if (!display->Reset()) return nullptr;
  return display;
}

CDXDevice::CDXDevice(Platform& platform, Window& window, int width, int height)
    : platform(platform), window(window), width(width), height(height) {}

bool CDXDevice::Reset() {
  window.SetDisplayMode(fullScreen, width, height);
  if (!device) {
    device = platform.CreateRenderDevice(window);
    if (!device) return false;
  }
  // The picture is always drawn at the device's own size; full screen scales it.
  width = device->BackBufferWidth();
  height = device->BackBufferHeight();
  refreshRate = window.RefreshRate();
  presentParity = true;
  device->ForgetLastFrame();  // the window was made or changed: it shows nothing yet
  return true;
}

void CDXDevice::Clear(uint32_t argb) { device->Clear(ClearFlags::Target | ClearFlags::ZBuffer, argb, 1.0f); }

bool CDXDevice::BeginScene() { return device->BeginScene(); }

void CDXDevice::EndScene() { device->EndScene(); }

bool CDXDevice::Present() {
  if (!device->Present()) return false;
  presentParity = !presentParity;
  return true;
}

void CDXDevice::SetLight(int index, LightType type, float x, float y, float z, float range) {
  SetWhiteLight(*device, index, type, {x, y, z}, range);
}
