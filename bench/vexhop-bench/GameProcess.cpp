#include "GameProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <thread>

// Xlib's macros (None, Bool, ...) clash with other headers: included last.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

using namespace std::chrono_literals;

bool ShowsAnythingButBlack(Display* display, Window window) {
  XImage* image = XGetImage(display, window, 0, 0, 800, 4, AllPlanes, ZPixmap);
  if (!image) return false;
  bool lit = false;
  for (int y = 0; y < 4 && !lit; ++y)
    for (int x = 0; x < 800 && !lit; x += 7) lit = (XGetPixel(image, x, y) & 0xFFFFFF) != 0;
  XDestroyImage(image);
  return lit;
}

// Tried again until the deadline: a server that is resetting refuses
// connections for a moment.
Display* OpenDisplayBy(const std::string& name, SteadyClock::time_point deadline) {
  Display* display = XOpenDisplay(name.c_str());
  while (!display && SteadyClock::now() < deadline) {
    std::this_thread::sleep_for(10ms);
    display = XOpenDisplay(name.c_str());
  }
  return display;
}

}  // namespace

Child::Child(const std::string& program, const std::vector<std::string>& args, const std::string& folder,
             const std::string& display) {
  int output[2];
  if (pipe(output) != 0) return;
  started_ = SteadyClock::now();
  pid_ = ForkChild();
  if (pid_ == 0) {
    close(output[0]);
    dup2(output[1], STDOUT_FILENO);
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, STDERR_FILENO);
    if (chdir(folder.c_str()) != 0) _exit(126);
    setenv("DISPLAY", display.c_str(), 1);
    unsetenv("SDL_VIDEODRIVER");
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  close(output[1]);
  output_ = output[0];
}

Child::~Child() {
  StopChild(pid_);
  if (output_ >= 0) close(output_);
}

double Child::ResidentMb() const {
  std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  }
  return NAN;
}

// Fields 14 and 15 of /proc/PID/stat, after the parenthesised name.
double Child::CpuSeconds() const {
  std::ifstream file("/proc/" + std::to_string(pid_) + "/stat");
  std::string stat((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const size_t close = stat.rfind(')');
  if (close == std::string::npos) return NAN;
  std::istringstream fields(stat.substr(close + 2));
  std::string field;
  double ticks = 0;
  for (int i = 3; i <= 15 && fields >> field; ++i)
    if (i >= 14) ticks += std::stod(field);
  return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

std::string Child::WaitForOutput() {
  std::string text;
  char buffer[4096];
  for (ssize_t n; (n = read(output_, buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<size_t>(n));
  waitpid(pid_, nullptr, 0);
  pid_ = -1;
  return text;
}

std::optional<SteadyClock::time_point> FirstPictureShown(const std::string& displayName, const std::string& title,
                                                         std::chrono::seconds limit) {
  IgnoreXErrors();
  const auto deadline = SteadyClock::now() + limit;
  Display* display = OpenDisplayBy(displayName, deadline);
  if (!display) return std::nullopt;
  std::optional<SteadyClock::time_point> shown;
  while (!shown && SteadyClock::now() < deadline) {
    // Looked up each time: a window of the same title from an earlier run
    // may still be on its way out.
    const Window window = FindWindowByTitle(display, DefaultRootWindow(display), title);
    if (window && ShowsAnythingButBlack(display, window)) shown = SteadyClock::now();
    if (!shown) std::this_thread::sleep_for(1ms);
  }
  XCloseDisplay(display);
  return shown;
}

bool WindowGone(const std::string& displayName, const std::string& title, std::chrono::seconds limit) {
  const auto deadline = SteadyClock::now() + limit;
  Display* display = OpenDisplayBy(displayName, deadline);
  if (!display) return true;
  bool gone = false;
  while (!gone && SteadyClock::now() < deadline) {
    gone = FindWindowByTitle(display, DefaultRootWindow(display), title) == 0;
    if (!gone) std::this_thread::sleep_for(5ms);
  }
  XCloseDisplay(display);
  return gone;
}
