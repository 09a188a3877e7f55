#pragma once
// The display device of the frame: the drawing device on the game window,
// with the window / full-screen switch. Everything that draws reaches the
// RenderDevice through GetDevice().

#include <cstdint>
#include <memory>

#include "gfx/RenderDevice.h"

class Platform;
class Window;

class CDXDevice {
 public:
  // Creates the device in window mode at the window's client size; null when
  // the window cannot get one.
  static std::unique_ptr<CDXDevice> Create(Platform& platform, Window& window, int width, int height);

  // Applies the stored size, refresh rate and full-screen flag to the window;
  // afterwards the fields hold what was actually obtained.
  bool Reset();

  void Clear(uint32_t argb);  // target and depth, within the current viewport
  bool BeginScene();
  void EndScene();
  bool Present();

  // A directional light of white colour, enabled, with lighting on. The
  // direction is (x, y, z) normalised.
  void SetLight(int index, LightType type, float x, float y, float z, float range);

  RenderDevice* GetDevice() const { return device.get(); }
  int GetWidth() const { return width; }
  int GetHeight() const { return height; }
  int GetRefreshRate() const { return refreshRate; }
  // True after a Reset, flipped by every successful Present.
  bool GetPresentParity() const { return presentParity; }
  void SetWidth(int value) { width = value; }
  void SetHeight(int value) { height = value; }
  void SetRefreshRate(int value) { refreshRate = value; }
  void SetFullScreen(bool value) { fullScreen = value; }

 private:
  CDXDevice(Platform& platform, Window& window, int width, int height);

  Platform& platform;
  Window& window;
  std::unique_ptr<RenderDevice> device;
  int width;
  int height;
  bool fullScreen = false;
  int refreshRate = 60;
  bool presentParity = true;
};
