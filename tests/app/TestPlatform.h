#pragma once
// The headless bundle, able to refuse the device and noting the icon path
// the frame asked for.

#include <memory>
#include <string>

#include "app/CDXDevice.h"
#include "platform/HeadlessPlatform.h"
#include "platform/RecordingDevice.h"

class TestPlatform final : public HeadlessPlatform {
 public:
  using HeadlessPlatform::HeadlessPlatform;

  std::unique_ptr<Window> CreateGameWindow(const std::string& title, int width, int height,
                                           const std::string& iconPath) override {
    iconFile = iconPath;
    return HeadlessPlatform::CreateGameWindow(title, width, height, iconPath);
  }
  std::unique_ptr<RenderDevice> CreateRenderDevice(Window& window) override {
    if (noDevice) return nullptr;
    return HeadlessPlatform::CreateRenderDevice(window);
  }

  bool noDevice = false;
  std::string iconFile;
};

inline RecordingDevice& Recorded(CDXDevice& display) { return static_cast<RecordingDevice&>(*display.GetDevice()); }
