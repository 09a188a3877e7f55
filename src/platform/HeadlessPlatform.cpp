#include "platform/HeadlessPlatform.h"

#include "platform/ImageFile.h"
#include "platform/RecordingDevice.h"

std::unique_ptr<Window> HeadlessPlatform::CreateGameWindow(const std::string&, int, int, const std::string&) {
  auto made = std::make_unique<HeadlessWindow>(clock, refreshRate);
  window = made.get();
  return made;
}

std::unique_ptr<RenderDevice> HeadlessPlatform::CreateRenderDevice(Window&) {
  return std::make_unique<RecordingDevice>();
}

std::unique_ptr<InputSource> HeadlessPlatform::CreateInputSource(Window&) {
  auto made = std::make_unique<ScriptedInputSource>();
  script = made.get();
  return made;
}

std::string HeadlessPlatform::ExecutableFolder() const {
  return exeFolder.empty() ? Platform::ExecutableFolder() : exeFolder;
}

void HeadlessPlatform::SavePicture(const std::string& path, int width, int height, std::vector<uint32_t> argb) {
  SaveScreenshot(path, {width, height, std::move(argb)});
}
