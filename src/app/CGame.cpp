#include "app/CGame.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "save/Settings.h"
#include "util/Dialog.h"
#include "util/Path.h"

namespace {

constexpr uint32_t kOpaqueBlack = 0xFF000000;

const char kNoDeviceMessage[] =
    "このゲームにはOpenGL 3.3以上が必要です。\n"
    "最新のグラフィックスドライバが\n"
    "インストールされているかどうかご確認ください。\n";
const char kNoWindowMessage[] = "ウィンドウを作成できませんでした。\n";

[[noreturn]] void FailStartup(const char* message, const std::string& caption) {
  ShowMessageBox(message, caption);
  std::exit(1);
}

}  // namespace

CGame::CGame(Platform& platform, std::string title)
    : platform(platform), clock(platform.GetClock()), title(std::move(title)), exeFolder(platform.ExecutableFolder()),
      userFolder(platform.UserFolder()) {
  fullScreen = ReadWindowFullScreen(GetCurrentDirectory());
  window = platform.CreateGameWindow(this->title, windowWidth, windowHeight, exeFolder + "game.ico");
  if (!window) FailStartup(kNoWindowMessage, this->title);

  display = CDXDevice::Create(platform, *window, windowWidth, windowHeight);
  if (!display) FailStartup(kNoDeviceMessage, this->title);

  // Black at once, before anything is loaded.
  display->Clear(kOpaqueBlack);
  display->Present();

  if (fullScreen) ApplyDisplayMode();
  input = std::make_unique<CInput>(platform.CreateInputSource(*window));
}

// The input and the device go before the window they were made for.
CGame::~CGame() {
  input.reset();
  display.reset();
}

void CGame::Run() {
  OnResetDevice();
  ResetFrameTimer();
  WindowEvent event;
  while (!closing) {
    if (pauseWhenInactive && !window->IsForeground()) {
      // Nothing runs in the background, and the time spent there is never
      // caught up.
      if (window->WaitEvent(event, -1)) MsgProc(event);
      ResetFrameTimer();
      continue;
    }
    if (window->PollEvent(event)) {
      MsgProc(event);
      continue;
    }
    AdvanceAccumulator();
    if (!StepDue()) {
      WaitForStep();
      continue;
    }
    RunSteps();
    RenderFrame();
  }
}

void CGame::RenderFrame() {
  display->BeginScene();
  Draw();
  display->EndScene();
  display->Present();
  if (!firstPictureShown) {
    firstPictureShown = true;
    ReturnFreedMemory();  // start-up's parsed models, decoded pictures and shader builds
  }
}

void CGame::ReturnFreedMemory() { platform.ReturnFreedMemory(); }

void CGame::ResetFrameTimer() {
  if (clock.Frequency() > 0) {
    lastCounter = clock.Counter();
  } else {
    lastTick = clock.Ticks();
  }
}

void CGame::ApplyDisplayMode() {
  if (fullScreen) {
    display->SetWidth(fullWidth);
    display->SetHeight(fullHeight);
    display->SetRefreshRate(fullRefresh);
  } else {
    display->SetWidth(windowWidth);
    display->SetHeight(windowHeight);
    display->SetRefreshRate(0);
  }
  window->ShowCursor(!fullScreen);
  display->SetFullScreen(fullScreen);
  OnLostDevice();
  if (display->Reset()) OnResetDevice();
}

void CGame::MsgProc(const WindowEvent& event) {
  switch (event.type) {
    case WindowEvent::Type::MouseMove:
      mouseX = event.x;
      mouseY = event.y;
      break;
    case WindowEvent::Type::MouseButtonDown:
    case WindowEvent::Type::MouseButtonUp:
      SetMouseButton(event.button, event.type == WindowEvent::Type::MouseButtonDown);
      break;
    case WindowEvent::Type::Expose:
      display->GetDevice()->ForgetLastFrame();
      RenderFrame();
      break;
    case WindowEvent::Type::Close:
    case WindowEvent::Type::Escape:
      Close();
      break;
    case WindowEvent::Type::ToggleFullScreen:
      fullScreen = !fullScreen;
      ApplyDisplayMode();
      break;
    case WindowEvent::Type::Screenshot:
      OnScreenshot();
      break;
    case WindowEvent::Type::FocusGained:
    case WindowEvent::Type::FocusLost:
      break;
  }
}

void CGame::Close() {
  if (confirmExit && !AskOkCancel("終了してもよろしいですか？", "終了確認")) return;
  closing = true;
}

void CGame::SetMouseButton(MouseButton button, bool held) {
  switch (button) {
    case MouseButton::Left: buttonL = held; break;
    case MouseButton::Middle: buttonM = held; break;
    case MouseButton::Right: buttonR = held; break;
  }
}

void CGame::AdvanceAccumulator() {
  // Catching up runs the owed steps unseen: fine for a slow frame, not for a
  // stall of seconds (a suspend, a debugger), whose backlog is dropped.
  constexpr double kLongestCatchUp = 0.25;  // seconds
  AddElapsedTime();
  if (frameAccumulator > kLongestCatchUp * fps) frameAccumulator = 1.0;
}

void CGame::AddElapsedTime() {
  const int64_t frequency = clock.Frequency();
  if (frequency > 0) {
    const int64_t counter = clock.Counter();
    frameAccumulator += static_cast<double>(counter - lastCounter) * fps / static_cast<double>(frequency);
    lastCounter = counter;
  } else {
    const uint32_t tick = clock.Ticks();
    frameAccumulator += static_cast<double>(static_cast<uint32_t>(tick - lastTick)) * fps / 1000.0;
    lastTick = tick;
  }
}

// When the display runs at `fps`, presenting paces the loop and a frame is
// drawn on every pass; otherwise only when a whole step is owed.
bool CGame::StepDue() const {
  return display->GetRefreshRate() == fps || frameAccumulator >= 1.0;
}

void CGame::RunSteps() {
  if (frameSkip) {
    while (frameAccumulator >= 1.0) {
      Move();
      frameAccumulator -= 1.0;
    }
  } else {
    frameAccumulator = 0.0;
    Move();
  }
}

// Sleeps in the event wait until the next step is due, rounded up to whole
// milliseconds (never zero, so time always moves on); an event ends the wait
// early and is handled at once.
void CGame::WaitForStep() {
  constexpr double kLongestWaitMs = 100.0;
  const double msLeft = (1.0 - frameAccumulator) / fps * 1000.0;
  const int timeoutMs = static_cast<int>(std::ceil(std::clamp(msLeft, 1.0, kLongestWaitMs)));
  WindowEvent event;
  if (window->WaitEvent(event, timeoutMs)) MsgProc(event);
}
