#pragma once
// The application frame: one window, the display device and the input, and
// the fixed-rate main loop that runs Move (one logic step) and Draw (one
// picture) at `fps` steps per second. The game session derives from it.

#include <cstdint>
#include <memory>
#include <string>

#include "app/CDXDevice.h"
#include "app/Platform.h"
#include "input/CInput.h"

class CGame {
 public:
  CGame(Platform& platform, std::string title);
  virtual ~CGame();
  CGame(const CGame&) = delete;
  CGame& operator=(const CGame&) = delete;

  // Runs until the window is closed.
  void Run();
  // Draws one frame: BeginScene, Draw, EndScene, Present.
  void RenderFrame();
  // Starts measuring elapsed time afresh; the steps already owed stay.
  void ResetFrameTimer();
  // Applies `fullScreen` and the matching size to the display and the window.
  void ApplyDisplayMode();
  // Returns what loading and the first draws freed to the system; called
  // when a stage's play begins, and once after the first picture.
  void ReturnFreedMemory();

  std::string GetExeFolder() const { return exeFolder; }
  // Where the configuration, save and high-score files and screenshots go.
  std::string GetUserFolder() const { return userFolder; }
  Platform& GetPlatform() const { return platform; }
  CInput* GetInput() const { return input.get(); }
  CDXDevice* GetDisplay() const { return display.get(); }
  double GetFrameAccumulator() const { return frameAccumulator; }

  double fps = 60.0;
  bool frameSkip = true;  // catch up with several steps before one draw
  bool pauseWhenInactive = true;
  bool confirmExit = true;
  bool fullScreen = false;
  int windowWidth = 800, windowHeight = 600;
  int fullWidth = 800, fullHeight = 600;
  int fullRefresh = 60;

 protected:
  virtual void MsgProc(const WindowEvent& event);
  virtual void Move() {}
  virtual void Draw() {}
  virtual void OnLostDevice() {}
  virtual void OnResetDevice() {}
  // F12: the picture on screen is wanted as a file.
  virtual void OnScreenshot() {}

  int mouseX = 0, mouseY = 0;
  bool buttonL = false, buttonM = false, buttonR = false;

 private:
  // Asks first when `confirmExit`; the loop ends after this pass unless the
  // answer was Cancel.
  void Close();
  void SetMouseButton(MouseButton button, bool held);
  void AdvanceAccumulator();
  void AddElapsedTime();
  bool StepDue() const;
  void RunSteps();
  void WaitForStep();

  Platform& platform;
  Clock& clock;
  std::string title;
  std::string exeFolder;
  std::string userFolder;
  std::unique_ptr<Window> window;
  std::unique_ptr<CDXDevice> display;
  std::unique_ptr<CInput> input;
  int64_t lastCounter = 0;
  uint32_t lastTick = 0;
  double frameAccumulator = 0.0;
  bool closing = false;
  bool firstPictureShown = false;
};
