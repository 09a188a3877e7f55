#pragma once
// Child processes on a private Xvfb display (the game itself, or this
// program in the role of a game that plays stages), and what /proc and the
// X server tell about them.

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "XSession.h"

using SteadyClock = std::chrono::steady_clock;

// A program started in `folder` on `display`, with sound going to a
// silent output device that plays in real time, as a sound card would.
// Killed when the object goes, or when this program dies.
class Child {
 public:
  Child(const std::string& program, const std::vector<std::string>& args, const std::string& folder,
        const std::string& display);
  ~Child();
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  pid_t Pid() const { return pid_; }
  SteadyClock::time_point Started() const { return started_; }
  // Resident memory in MB; NaN when the process is gone.
  double ResidentMb() const;
  // User and system CPU seconds used so far.
  double CpuSeconds() const;
  // Everything the child wrote on standard output, once it has ended by itself.
  std::string WaitForOutput();

 private:
  pid_t pid_ = -1;
  int output_ = -1;
  SteadyClock::time_point started_;
};

// When the window titled `title` on `display` first shows anything but
// black in its top rows; nothing within `limit`.
std::optional<SteadyClock::time_point> FirstPictureShown(const std::string& display, const std::string& title,
                                                         std::chrono::seconds limit);
// Waits until no window titled `title` is left on `display`; false after `limit`.
bool WindowGone(const std::string& display, const std::string& title, std::chrono::seconds limit);
