#pragma once
// A private X display for the tools and tests that run the real game in a
// real window: Xvfb started on the first free display number, children that
// die with the program that started them, and finding a window by its title.
// Xlib itself stays inside XSession.cpp: its macros (None, Bool, ...) clash
// with names in other headers.

#include <sys/types.h>

#include <string>

struct _XDisplay;

// fork() for a child that must not outlive this process, even if it dies.
pid_t ForkChild();
// Kills a child started with ForkChild and reaps it; nothing for pid <= 0.
void StopChild(pid_t pid);

class XvfbServer {
 public:
  explicit XvfbServer(const std::string& screen = "1024x768x24");
  ~XvfbServer();
  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;

  // ":N", or empty when Xvfb would not start.
  const std::string& Name() const { return name_; }

 private:
  pid_t pid_ = -1;
  std::string name_;
};

// Windows come and go while the window tree is walked (SDL makes helper
// windows); after this, a request about one that is gone is not an error.
void IgnoreXErrors();
// The first window below `parent` (depth first) titled `title`; 0 for none.
unsigned long FindWindowByTitle(_XDisplay* display, unsigned long parent, const std::string& title);
