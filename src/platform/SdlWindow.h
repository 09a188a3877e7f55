#pragma once
// The game window on SDL: an OpenGL-capable, fixed-size window whose SDL
// events are turned into the frame's own event record.

#include <memory>
#include <string>

#include "app/Platform.h"

struct SDL_Window;
union SDL_Event;

class SdlWindow final : public Window {
 public:
  // Null when SDL cannot make the window. In window mode its client area
  // is `scale` times the size asked for.
  static std::unique_ptr<SdlWindow> Create(const std::string& title, int width, int height, int scale,
                                           const std::string& iconPath);
  ~SdlWindow() override;
  SdlWindow(const SdlWindow&) = delete;
  SdlWindow& operator=(const SdlWindow&) = delete;

  SDL_Window* Handle() const { return window; }

  bool PollEvent(WindowEvent& event) override;
  bool WaitEvent(WindowEvent& event, int timeoutMs) override;
  bool IsForeground() const override;
  void SetDisplayMode(bool fullScreen, int width, int height) override;
  void ShowCursor(bool show) override;
  int RefreshRate() const override;

 private:
  SdlWindow(SDL_Window* window, int scale) : window(window), scale(scale) {}
  // False for the SDL events the frame does not care about.
  static bool Translate(const SDL_Event& sdl, WindowEvent& event);

  SDL_Window* window;
  int scale;
};
