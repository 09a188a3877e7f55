#pragma once
// The real game in a real window: a private Xvfb display, bin/vexhop started
// on it as a child process, and Xlib to look at the window and to type into
// it (XTest presses keys as a keyboard would).

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "XSession.h"

// Xlib's macros (None, Bool, ...) clash with names in gtest: include it last.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace xvfb {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Tries `attempt` every 50 ms until it gives something or `limit` passes.
template <typename Attempt>
auto Poll(std::chrono::seconds limit, Attempt attempt) {
  const auto deadline = Clock::now() + limit;
  auto result = attempt();
  while (!result && Clock::now() < deadline) {
    std::this_thread::sleep_for(50ms);
    result = attempt();
  }
  return result;
}

// Runs bin/vexhop of a runtime tree on its own display.
class GameUnderXvfb : public ::testing::Test {
 protected:
  explicit GameUnderXvfb(const std::string& screen = "1024x768x24") : xvfb_(screen) {}

  void TearDown() override {
    StopChild(game);
    if (display) XCloseDisplay(display);
  }

  // Starts the game from `tree` (the folder above bin/, as run.sh does) with
  // `args` and waits for its window; false when there is no display.
  bool Launch(const std::string& tree, const std::vector<std::string>& args = {}) {
    if (!OpenDisplay()) return false;
    game = ForkChild();
    if (game == 0) {
      if (chdir(tree.c_str()) != 0) _exit(126);
      setenv("DISPLAY", xvfb_.Name().c_str(), 1);
      unsetenv("SDL_VIDEODRIVER");
      std::vector<char*> argv{const_cast<char*>("vexhop")};
      for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
      argv.push_back(nullptr);
      execv("bin/vexhop", argv.data());
      _exit(127);
    }
    window = Poll(20s, [&] { return FindIn(DefaultRootWindow(display), "Vexhop(Q)"); });
    return window != 0;
  }

  // Runs `argv` (found on PATH) from `folder` as user `uid` (0: as the test
  // runs) and waits for the game's window; false when there is none.
  bool LaunchCommand(const std::string& folder, const std::vector<std::string>& argv, uid_t uid = 0) {
    if (!OpenDisplay()) return false;
    game = ForkChild();
    if (game == 0) {
      if (chdir(folder.c_str()) != 0) _exit(126);
      if (uid != 0 && (setgid(uid) != 0 || setuid(uid) != 0)) _exit(125);
      setenv("DISPLAY", xvfb_.Name().c_str(), 1);
      unsetenv("SDL_VIDEODRIVER");
      std::vector<char*> args;
      for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
      args.push_back(nullptr);
      execvp(args[0], args.data());
      _exit(127);
    }
    window = Poll(20s, [&] { return FindIn(DefaultRootWindow(display), "Vexhop(Q)"); });
    return window != 0;
  }

  bool OpenDisplay() {
    if (xvfb_.Name().empty()) return false;
    IgnoreXErrors();
    // Xvfb may name its display a moment before it takes connections.
    if (!display) display = Poll(10s, [&] { return XOpenDisplay(xvfb_.Name().c_str()); });
    return display != nullptr;
  }

  ::Window FindIn(::Window parent, const std::string& title) { return FindWindowByTitle(display, parent, title); }

  XWindowAttributes Attributes() {
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    return attributes;
  }

  // The window's pixels as 0xRRGGBB, row by row; empty when they cannot be read.
  std::vector<uint32_t> Pixels(int x, int y, int width, int height) {
    XImage* image = XGetImage(display, window, x, y, static_cast<unsigned>(width), static_cast<unsigned>(height),
                              AllPlanes, ZPixmap);
    std::vector<uint32_t> pixels;
    if (!image) return pixels;
    for (int row = 0; row < height; ++row)
      for (int col = 0; col < width; ++col) pixels.push_back(XGetPixel(image, col, row) & 0xFFFFFF);
    XDestroyImage(image);
    return pixels;
  }
  uint32_t PixelAt(int x, int y) {
    const std::vector<uint32_t> pixel = Pixels(x, y, 1, 1);
    return pixel.empty() ? ~0u : pixel[0];
  }

  // A key press and release sent to the window as events.
  void SendKey(KeySym key) {
    for (int type : {KeyPress, KeyRelease}) {
      XKeyEvent event = {};
      event.type = type;
      event.display = display;
      event.window = window;
      event.root = DefaultRootWindow(display);
      event.same_screen = True;
      event.keycode = XKeysymToKeycode(display, key);
      XSendEvent(display, window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask,
                 reinterpret_cast<XEvent*>(&event));
    }
    XFlush(display);
  }

  // A key held down for a while, as from a keyboard.
  void HoldKey(KeySym key, std::chrono::milliseconds duration) {
    const unsigned code = XKeysymToKeycode(display, key);
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XFlush(display);
    std::this_thread::sleep_for(duration);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    XFlush(display);
  }

  void SendCloseRequest() {
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
  }

  void ExpectQuitsWithExitCodeZero(const char* after) {
    const std::optional<int> status = Poll(20s, [&]() -> std::optional<int> {
      int raw = 0;
      if (waitpid(game, &raw, WNOHANG) == game) return raw;
      return std::nullopt;
    });
    ASSERT_TRUE(status.has_value()) << "still running after " << after;
    game = -1;
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << "wait status " << *status;
  }

  bool HasDisplay() const { return !xvfb_.Name().empty(); }

  Display* display = nullptr;
  pid_t game = -1;
  ::Window window = 0;

 private:
  XvfbServer xvfb_;
};

}  // namespace xvfb
