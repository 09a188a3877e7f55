// Starts bin/vexhop on a private Xvfb display, finds its window, checks its
// title, size and picture, then closes it with Escape or the close button
// and checks the exit code.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

// Xlib's macros (None, Bool, ...) clash with names in gtest: include it last.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

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

// A child that must not outlive the test, even if the test dies.
pid_t ForkChild() {
  const pid_t parent = getpid();
  const pid_t pid = fork();
  if (pid == 0) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(1);
  }
  return pid;
}

// Windows come and go while the tree is walked (SDL makes helper windows);
// a request about one that is gone is not an error here.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

void Stop(pid_t pid) {
  if (pid <= 0) return;
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

class XvfbDisplay {
 public:
  // Starts Xvfb on the first free display number, which it reports on a pipe.
  XvfbDisplay() {
    int ready[2];
    if (pipe(ready) != 0) return;
    pid = ForkChild();
    if (pid == 0) {
      close(ready[0]);
      const int devNull = open("/dev/null", O_WRONLY);
      dup2(devNull, STDERR_FILENO);
      const std::string fd = std::to_string(ready[1]);
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
             static_cast<char*>(nullptr));
      _exit(127);
    }
    close(ready[1]);
    // The number ends with a new line; Xvfb gives up if the pipe closes before.
    std::string number;
    char c;
    while (read(ready[0], &c, 1) == 1 && c != '\n') number += c;
    close(ready[0]);
    if (!number.empty()) name = ":" + number;
  }
  ~XvfbDisplay() { Stop(pid); }

  std::string name;  // empty when Xvfb did not start
  pid_t pid = -1;
};

class GameWindowUnderXvfbTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (xvfb.name.empty()) GTEST_SKIP() << "Xvfb could not be started";
    XSetErrorHandler(IgnoreXError);
    // Xvfb may name its display a moment before it takes connections.
    display = Poll(10s, [&] { return XOpenDisplay(xvfb.name.c_str()); });
    ASSERT_NE(display, nullptr) << "cannot open display " << xvfb.name;
    game = ForkChild();
    if (game == 0) {
      // Started from the folder above bin/, as run.sh does.
      if (chdir(VEXHOP_TREE) != 0) _exit(126);
      setenv("DISPLAY", xvfb.name.c_str(), 1);
      unsetenv("SDL_VIDEODRIVER");
      execl("bin/vexhop", "vexhop", static_cast<char*>(nullptr));
      _exit(127);
    }
    window = Poll(20s, [&] { return FindIn(DefaultRootWindow(display), "Vexhop(Q)"); });
    ASSERT_NE(window, 0u) << "no window titled Vexhop(Q)";
  }

  void TearDown() override {
    Stop(game);
    if (display) XCloseDisplay(display);
  }

  ::Window FindIn(::Window parent, const std::string& title) {
    ::Window root, up, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, parent, &root, &up, &children, &count)) return 0;
    ::Window found = 0;
    for (unsigned i = 0; i < count && !found; ++i) {
      char* name = nullptr;
      if (XFetchName(display, children[i], &name) && name) {
        if (title == name) found = children[i];
        XFree(name);
      }
      if (!found) found = FindIn(children[i], title);
    }
    if (children) XFree(children);
    return found;
  }

  unsigned long PixelAt(int x, int y) {
    XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return ~0ul;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return pixel & 0xFFFFFF;
  }

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

  XvfbDisplay xvfb;
  Display* display = nullptr;
  pid_t game = -1;
  ::Window window = 0;
};

TEST_F(GameWindowUnderXvfbTest, OpensAnEightHundredBySixHundredWindowDrawingTheGameAndEscapeQuits) {
  XWindowAttributes attributes;
  ASSERT_TRUE(XGetWindowAttributes(display, window, &attributes));
  EXPECT_EQ(attributes.width, 800);
  EXPECT_EQ(attributes.height, 600);
  EXPECT_EQ(attributes.map_state, IsViewable);

  XSizeHints hints = {};
  long supplied = 0;
  ASSERT_TRUE(XGetWMNormalHints(display, window, &hints, &supplied));
  EXPECT_TRUE((hints.flags & PMinSize) && (hints.flags & PMaxSize)) << "the window must not be resizable";
  EXPECT_EQ(hints.max_width, 800);
  EXPECT_EQ(hints.max_height, 600);

  // Once everything is loaded, the game's frames replace the black start-up frame.
  EXPECT_TRUE(Poll(20s, [&] { return PixelAt(400, 300) != 0u; }));

  SendKey(XK_Escape);
  ExpectQuitsWithExitCodeZero("Escape");
}

TEST_F(GameWindowUnderXvfbTest, CloseButtonQuitsWithExitCodeZero) {
  SendCloseRequest();
  ExpectQuitsWithExitCodeZero("the close request");
}

}  // namespace
