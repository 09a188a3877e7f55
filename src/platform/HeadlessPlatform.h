#pragma once
// The bundle for runs without a display: a headless window that is always in
// front, a manual clock, the recording device and a scripted pad 0. Tests
// and the replay tool reach the window and the script it made through it.

#include <memory>
#include <string>
#include <utility>

#include "app/Platform.h"
#include "platform/HeadlessWindow.h"
#include "platform/ManualClock.h"
#include "platform/ScriptedInputSource.h"

class HeadlessPlatform : public Platform {
 public:
  // refreshRate 0: nothing paces presenting, the clock alone paces the loop.
  explicit HeadlessPlatform(int refreshRate = 60, ManualClock clock = ManualClock())
      : clock(clock), refreshRate(refreshRate) {}

  ManualClock& GetManualClock() { return clock; }
  // The last window and input script made; null before.
  HeadlessWindow* GameWindow() const { return window; }
  ScriptedInputSource* Script() const { return script; }

  std::unique_ptr<Window> CreateGameWindow(const std::string& title, int width, int height,
                                           const std::string& iconPath) override;
  std::unique_ptr<RenderDevice> CreateRenderDevice(Window& window) override;
  std::unique_ptr<InputSource> CreateInputSource(Window& window) override;
  Clock& GetClock() override { return clock; }
  // Until set, the folder of the running program.
  void SetExecutableFolder(std::string folder) { exeFolder = std::move(folder); }
  std::string ExecutableFolder() const override;
  // Written at once: headless runs have no frame to keep.
  void SavePicture(const std::string& path, int width, int height, std::vector<uint32_t> argb) override;

 private:
  ManualClock clock;
  int refreshRate;
  HeadlessWindow* window = nullptr;
  ScriptedInputSource* script = nullptr;
  std::string exeFolder;
};
