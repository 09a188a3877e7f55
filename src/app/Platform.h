#pragma once
// The platform bundle the frame runs on: a window with its events, a clock,
// and factories for the drawing device and the input source. The SDL bundle
// opens a real window; the headless bundle runs everything above the platform
// without a display (tests, replays). Message boxes go through util/Dialog.h:
// the SDL bundle installs its dialogs there, headless runs keep standard
// error. Audio has its own backends in audio/; the session picks them beside
// this bundle.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class InputSource;
class RenderDevice;

enum class MouseButton : uint8_t { Left, Middle, Right };

// What the window reports to the frame.
struct WindowEvent {
  enum class Type : uint8_t {
    Close,             // close button, window-manager close, end request
    Escape,            // the Escape key was pressed
    ToggleFullScreen,  // Alt+Enter
    Screenshot,        // F12
    FocusGained,
    FocusLost,
    Expose,            // the window must be drawn again
    MouseMove,
    MouseButtonDown,
    MouseButtonUp,
  };
  Type type = Type::Expose;
  int x = 0, y = 0;  // MouseMove: client pixels
  MouseButton button = MouseButton::Left;
};

class Window {
 public:
  virtual ~Window() = default;
  // Takes the next pending event; false when there is none.
  virtual bool PollEvent(WindowEvent& event) = 0;
  // Waits at most timeoutMs (without limit when negative) for the next event;
  // false when none arrived. It may also return false early.
  virtual bool WaitEvent(WindowEvent& event, int timeoutMs) = 0;
  // True while the window has the keyboard focus.
  virtual bool IsForeground() const = 0;
  // Window mode: decorated, with a client area of width x height. Full
  // screen: covering the desktop in its own mode.
  virtual void SetDisplayMode(bool fullScreen, int width, int height) = 0;
  virtual void ShowCursor(bool show) = 0;
  // The rate at which presenting a frame waits for the display, in Hz; 0
  // when presenting does not wait (unknown rate or no vertical sync).
  virtual int RefreshRate() const = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // High-resolution counter; Frequency() is 0 when there is none.
  virtual int64_t Counter() const = 0;
  virtual int64_t Frequency() const = 0;
  // Milliseconds, wrapping at 2^32.
  virtual uint32_t Ticks() const = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;
  // A visible window of the given client size, not resizable; it shows the
  // icon file when there is one at iconPath. Null when no window can be made.
  virtual std::unique_ptr<Window> CreateGameWindow(const std::string& title, int width, int height,
                                                   const std::string& iconPath) = 0;
  // Null when the window cannot get a device.
  virtual std::unique_ptr<RenderDevice> CreateRenderDevice(Window& window) = 0;
  virtual std::unique_ptr<InputSource> CreateInputSource(Window& window) = 0;
  virtual Clock& GetClock() = 0;
  // The executable's folder with its trailing separator; the asset and data
  // folders lie beside it. Headless runs may put it in any runtime tree.
  virtual std::string ExecutableFolder() const;
  // The folder, with its trailing separator, whose "Data" and "Screenshots"
  // the game writes to: the runtime tree's own (the folder above the
  // executable's) unless a platform says otherwise.
  virtual std::string UserFolder() const;
  // Writes a picture (ARGB, rows from the top) as a PNG file, making its
  // folder if needed. The real bundle writes in the background so the game
  // never waits for it; the base writes nothing.
  virtual void SavePicture(const std::string& path, int width, int height, std::vector<uint32_t> argb);
  // Gives memory the process has freed back to the system, where the C
  // library keeps it otherwise. The base does nothing.
  virtual void ReturnFreedMemory() {}
};
