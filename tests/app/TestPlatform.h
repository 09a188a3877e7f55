#pragma once
// A headless bundle for frame tests: a manual clock, a headless window and a
// mock device whose Present waits for the display's next refresh by moving
// the clock on, as vertical sync would.

#include <gmock/gmock.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Platform.h"
#include "input/InputSource.h"
#include "platform/HeadlessWindow.h"
#include "platform/ManualClock.h"
#include "app/MockRenderDevice.h"
#include "util/Dialog.h"

class TestPlatform final : public Platform {
 public:
  // refreshRate 0: presenting does not wait.
  explicit TestPlatform(int refreshRate = 60, ManualClock clockKind = ManualClock())
      : clock(clockKind), refreshRate(refreshRate) {}

  std::unique_ptr<Window> CreateGameWindow(const std::string& title, int, int, const std::string&) override {
    windowTitle = title;
    auto made = std::make_unique<HeadlessWindow>(clock, refreshRate);
    window = made.get();
    return made;
  }
  std::unique_ptr<RenderDevice> CreateRenderDevice(Window&) override {
    if (noDevice) return nullptr;
    auto made = std::make_unique<::testing::NiceMock<MockRenderDevice>>();
    device = made.get();
    ON_CALL(*device, Present()).WillByDefault([this] {
      if (refreshRate > 0) clock.Advance(1.0 / refreshRate);
      return true;
    });
    if (onDeviceMade) onDeviceMade(*device);
    return made;
  }
  std::unique_ptr<InputSource> CreateInputSource(Window&) override { return nullptr; }
  Clock& GetClock() override { return clock; }

  ManualClock clock;
  int refreshRate;
  bool noDevice = false;
  std::function<void(MockRenderDevice&)> onDeviceMade;
  std::string windowTitle;
  HeadlessWindow* window = nullptr;
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
