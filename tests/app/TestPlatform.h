#pragma once
// The headless bundle with a mock device whose Present waits for the
// display's next refresh by moving the clock on, as vertical sync would.

#include <gmock/gmock.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/MockRenderDevice.h"
#include "platform/HeadlessPlatform.h"
#include "util/Dialog.h"

class TestPlatform final : public HeadlessPlatform {
 public:
  using HeadlessPlatform::HeadlessPlatform;

  std::unique_ptr<Window> CreateGameWindow(const std::string& title, int width, int height,
                                           const std::string& iconPath) override {
    windowTitle = title;
    iconFile = iconPath;
    return HeadlessPlatform::CreateGameWindow(title, width, height, iconPath);
  }
  std::unique_ptr<RenderDevice> CreateRenderDevice(Window& window) override {
    if (noDevice) return nullptr;
    auto made = std::make_unique<::testing::NiceMock<MockRenderDevice>>();
    device = made.get();
    const int refreshRate = window.RefreshRate();
    ON_CALL(*device, Present()).WillByDefault([this, refreshRate] {
      if (refreshRate > 0) GetManualClock().Advance(1.0 / refreshRate);
      return true;
    });
    if (onDeviceMade) onDeviceMade(*device);
    return made;
  }

  double Seconds() { return GetManualClock().Nanoseconds() * 1e-9; }

  bool noDevice = false;
  std::function<void(MockRenderDevice&)> onDeviceMade;
  std::string windowTitle, iconFile;
  ::testing::NiceMock<MockRenderDevice>* device = nullptr;
};

// Answers the exit question from a list and notes every box shown.
class ScriptedDialogs final : public DialogHandler {
 public:
  ScriptedDialogs() { SetDialogHandler(this); }
  ~ScriptedDialogs() override { SetDialogHandler(nullptr); }
  void ShowMessage(const std::string& text, const std::string& caption) override {
    shown.push_back(caption + ": " + text);
  }
  bool AskOkCancel(const std::string& text, const std::string& caption) override {
    shown.push_back(caption + ": " + text);
    bool ok = answers.empty() || answers.front();
    if (!answers.empty()) answers.erase(answers.begin());
    return ok;
  }
  std::vector<bool> answers;
  std::vector<std::string> shown;
};
