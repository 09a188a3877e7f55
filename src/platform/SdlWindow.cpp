#include "platform/SdlWindow.h"

#include <SDL.h>
#include <SDL_image.h>

#include "platform/GlDevice.h"
#include "util/NativePath.h"

namespace {

void SetIcon(SDL_Window* window, const std::string& iconPath) {
  SDL_Surface* icon = IMG_Load(NativePath(iconPath).c_str());
  if (!icon) return;  // no icon file: the window manager's default icon
  SDL_SetWindowIcon(window, icon);
  SDL_FreeSurface(icon);
}

bool TranslateWindowEvent(const SDL_WindowEvent& sdl, WindowEvent& event) {
  using Type = WindowEvent::Type;
  switch (sdl.event) {
    case SDL_WINDOWEVENT_CLOSE: event.type = Type::Close; return true;
    case SDL_WINDOWEVENT_FOCUS_GAINED: event.type = Type::FocusGained; return true;
    case SDL_WINDOWEVENT_FOCUS_LOST: event.type = Type::FocusLost; return true;
    case SDL_WINDOWEVENT_EXPOSED: event.type = Type::Expose; return true;
    default: return false;
  }
}

bool TranslateKey(const SDL_KeyboardEvent& key, WindowEvent& event) {
  if (key.repeat) return false;
  if (key.keysym.scancode == SDL_SCANCODE_ESCAPE) {
    event.type = WindowEvent::Type::Escape;
    return true;
  }
  if (key.keysym.scancode == SDL_SCANCODE_F12) {
    event.type = WindowEvent::Type::Screenshot;
    return true;
  }
  const bool enter = key.keysym.scancode == SDL_SCANCODE_RETURN || key.keysym.scancode == SDL_SCANCODE_KP_ENTER;
  if (enter && (key.keysym.mod & KMOD_ALT)) {
    event.type = WindowEvent::Type::ToggleFullScreen;
    return true;
  }
  return false;
}

bool TranslateMouseButton(const SDL_MouseButtonEvent& sdl, WindowEvent& event) {
  switch (sdl.button) {
    case SDL_BUTTON_LEFT: event.button = MouseButton::Left; break;
    case SDL_BUTTON_MIDDLE: event.button = MouseButton::Middle; break;
    case SDL_BUTTON_RIGHT: event.button = MouseButton::Right; break;
    default: return false;
  }
  event.type = sdl.state == SDL_PRESSED ? WindowEvent::Type::MouseButtonDown : WindowEvent::Type::MouseButtonUp;
  return true;
}

}  // namespace

std::unique_ptr<SdlWindow> SdlWindow::Create(const std::string& title, int width, int height, int scale,
                                             const std::string& iconPath) {
  RequestGlWindowFormat();
  SDL_Window* window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                        width * scale, height * scale, SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
  if (!window) return nullptr;
  SetIcon(window, iconPath);
  // The game reads keys by position; composed text would only get in the way.
  SDL_StopTextInput();
  return std::unique_ptr<SdlWindow>(new SdlWindow(window, scale));
}

SdlWindow::~SdlWindow() { SDL_DestroyWindow(window); }

bool SdlWindow::Translate(const SDL_Event& sdl, WindowEvent& event) {
  event = WindowEvent{};
  switch (sdl.type) {
    case SDL_QUIT: event.type = WindowEvent::Type::Close; return true;
    case SDL_WINDOWEVENT: return TranslateWindowEvent(sdl.window, event);
    case SDL_KEYDOWN: return TranslateKey(sdl.key, event);
    case SDL_MOUSEMOTION:
      event.type = WindowEvent::Type::MouseMove;
      event.x = sdl.motion.x;
      event.y = sdl.motion.y;
      return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: return TranslateMouseButton(sdl.button, event);
    default: return false;
  }
}

bool SdlWindow::PollEvent(WindowEvent& event) {
  SDL_Event sdl;
  while (SDL_PollEvent(&sdl)) {
    if (Translate(sdl, event)) return true;
  }
  return false;
}

bool SdlWindow::WaitEvent(WindowEvent& event, int timeoutMs) {
  SDL_Event sdl;
  const int got = timeoutMs < 0 ? SDL_WaitEvent(&sdl) : SDL_WaitEventTimeout(&sdl, timeoutMs);
  return got && Translate(sdl, event);
}

bool SdlWindow::IsForeground() const { return (SDL_GetWindowFlags(window) & SDL_WINDOW_INPUT_FOCUS) != 0; }

void SdlWindow::SetDisplayMode(bool fullScreen, int width, int height) {
  SDL_SetWindowFullscreen(window, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  if (!fullScreen) SDL_SetWindowSize(window, width * scale, height * scale);
}

void SdlWindow::ShowCursor(bool show) { SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE); }

// Presenting waits for the display only with vertical sync on; without it the
// frame must pace itself by its clock, so the rate counts as unknown.
int SdlWindow::RefreshRate() const {
  if (SDL_GL_GetSwapInterval() == 0) return 0;
  SDL_DisplayMode mode;
  if (SDL_GetCurrentDisplayMode(SDL_GetWindowDisplayIndex(window), &mode) != 0) return 0;
  return mode.refresh_rate;
}
